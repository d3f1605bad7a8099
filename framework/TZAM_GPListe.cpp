#include "TZAM_GPListe.h"

#include <QHeaderView>
#include <QPoint>

namespace {
constexpr int CRolleGepNr = Qt::UserRole;
}

TZAM_GPListe::TZAM_GPListe(const QString& AObjektName, const QString& ANamensCaption, QWidget* AParent)
    : QTreeWidget(AParent)
{
    setObjectName(AObjektName);
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Nummer"), ANamensCaption});
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void TZAM_GPListe::Fuellen(const QList<TZAM_GPEintrag>& AEintraege, const TIntPair& AAuswahl)
{
    clear();
    for (const TZAM_GPEintrag& e : AEintraege) {
        auto* item = new QTreeWidgetItem(this, {QString::number(e.Nummer), e.Name});
        item->setData(0, CRolleGepNr, QVariant::fromValue(QPoint(e.GepNr.Id1, e.GepNr.Id2)));
        if (!AAuswahl.IsNull() && e.GepNr == AAuswahl)
            setCurrentItem(item);
    }
}

bool TZAM_GPListe::Gewaehlt(TIntPair& AGepNr) const
{
    const QList<QTreeWidgetItem*> auswahl = selectedItems();
    if (auswahl.isEmpty())
        return false;
    const QPoint k = auswahl.first()->data(0, CRolleGepNr).toPoint();
    AGepNr = TIntPair(k.x(), k.y());
    return true;
}

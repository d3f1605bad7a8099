#include "TZAM_SkriptListenText.h"

#include "TZAM_BildschirmText.h"

#include <QHeaderView>
#include <QListView>
#include <QTableView>
#include <QTreeView>

namespace {
struct TListe
{
    const QAbstractItemView* View;
    const QTreeView* Baum;
    QList<int> Spalten;
    int Ausgegeben = 0;
    int Uebrig = 0;
};

QList<int> SichtbareSpalten(const QAbstractItemView* AView)
{
    QList<int> spalten;
    const QAbstractItemModel* m = AView->model();
    if (auto* liste = qobject_cast<const QListView*>(AView))
        return {liste->modelColumn()};
    const QHeaderView* kopf = nullptr;
    if (auto* baum = qobject_cast<const QTreeView*>(AView))
        kopf = baum->header();
    else if (auto* tabelle = qobject_cast<const QTableView*>(AView))
        kopf = tabelle->horizontalHeader();
    const int anzahl = m->columnCount(AView->rootIndex());
    for (int v = 0; v < anzahl; ++v) {
        const int logisch = kopf ? kopf->logicalIndex(v) : v;
        if (logisch >= 0 && !(kopf && kopf->isSectionHidden(logisch)))
            spalten.append(logisch);
    }
    return spalten;
}

bool ZeileVersteckt(const QAbstractItemView* AView, int AZeile, const QModelIndex& AEltern)
{
    if (auto* baum = qobject_cast<const QTreeView*>(AView))
        return baum->isRowHidden(AZeile, AEltern);
    if (auto* tabelle = qobject_cast<const QTableView*>(AView))
        return tabelle->isRowHidden(AZeile);
    if (auto* liste = qobject_cast<const QListView*>(AView))
        return liste->isRowHidden(AZeile);
    return false;
}

QString Zelle(const QModelIndex& AIndex)
{
    QString text = TZAM_BildschirmText::EineZeile(AIndex.data(Qt::DisplayRole).toString());
    const QVariant haken = AIndex.data(Qt::CheckStateRole);
    if (haken.isValid()) {
        const auto zustand = Qt::CheckState(haken.toInt());
        const char* mark = zustand == Qt::Checked ? "[x] " : zustand == Qt::PartiallyChecked ? "[-] " : "[ ] ";
        text.prepend(QLatin1String(mark));
    }
    return text;
}

void Ebene(TListe& AListe, const QModelIndex& AEltern, const QString& AEinzug, QStringList& AZeilen)
{
    const QAbstractItemModel* m = AListe.View->model();
    const QItemSelectionModel* auswahl = AListe.View->selectionModel();
    const int anzahl = m->rowCount(AEltern);
    for (int r = 0; r < anzahl; ++r) {
        if (ZeileVersteckt(AListe.View, r, AEltern))
            continue;
        if (AListe.Ausgegeben >= TZAM_SkriptListenText::CMaxZeilen) {
            ++AListe.Uebrig;
            continue;
        }
        QStringList zellen;
        bool gewaehlt = false;
        for (int s : AListe.Spalten) {
            const QModelIndex i = m->index(r, s, AEltern);
            zellen.append(Zelle(i));
            gewaehlt = gewaehlt || (auswahl && auswahl->isSelected(i));
        }
        AZeilen.append(AEinzug + QStringLiteral("Zeile: ") + zellen.join(QStringLiteral(" | ")) +
                       (gewaehlt ? QStringLiteral(" [gewählt]") : QString()));
        ++AListe.Ausgegeben;
        const QModelIndex erste = m->index(r, 0, AEltern);
        if (AListe.Baum && m->hasChildren(erste) && AListe.Baum->isExpanded(erste))
            Ebene(AListe, erste, AEinzug + QStringLiteral("  "), AZeilen);
    }
}
} // namespace

void TZAM_SkriptListenText::Zeilen(const QAbstractItemView* AListe, QStringList& AZeilen)
{
    const QString name = AListe->objectName();
    AZeilen.append(name.isEmpty() ? QStringLiteral("Liste:") : QStringLiteral("Liste %1:").arg(name));
    if (!AListe->model())
        return;
    TListe liste{AListe, qobject_cast<const QTreeView*>(AListe), SichtbareSpalten(AListe)};

    const QHeaderView* kopf = nullptr;
    if (liste.Baum)
        kopf = liste.Baum->header();
    else if (auto* tabelle = qobject_cast<const QTableView*>(AListe))
        kopf = tabelle->horizontalHeader();
    if (kopf && !kopf->isHidden()) {
        QStringList titel;
        for (int s : liste.Spalten)
            titel.append(TZAM_BildschirmText::EineZeile(
                AListe->model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString()));
        AZeilen.append(QStringLiteral("  Kopf: ") + titel.join(QStringLiteral(" | ")));
    }
    Ebene(liste, AListe->rootIndex(), QStringLiteral("  "), AZeilen);
    if (liste.Uebrig > 0)
        AZeilen.append(QStringLiteral("  ... %1 weitere Zeilen").arg(liste.Uebrig));
}

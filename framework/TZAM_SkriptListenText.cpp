#include "TZAM_SkriptListenText.h"

#include "TZAM_BildschirmText.h"
#include "TZAM_SkriptSichtbar.h"

#include <QHeaderView>
#include <QListView>
#include <QTableView>
#include <QTreeView>

#include <functional>

namespace {
// Called for each row on screen, in screen order, with the row's index in its first shown column
// and its cells joined; false stops the walk.
using TZeile =
    std::function<bool(const QModelIndex& AIndex, const QString& AText, bool AGewaehlt, const QString& AEinzug)>;

struct TListe
{
    const QAbstractItemView* View;
    const QTreeView* Baum;
    QList<int> Spalten;
    QRect Sichtfeld;
    TZeile Zeile;
    // A row below the seen part (every later one is too), or the caller has what it wanted.
    bool Ende = false;
};

const QHeaderView* Kopf(const QAbstractItemView* AView)
{
    if (auto* baum = qobject_cast<const QTreeView*>(AView))
        return baum->header();
    if (auto* tabelle = qobject_cast<const QTableView*>(AView))
        return tabelle->horizontalHeader();
    return nullptr;
}

// The columns that are shown and meet the seen part, in screen order.
QList<int> SichtbareSpalten(const QAbstractItemView* AView, const QRect& ASichtfeld)
{
    QList<int> spalten;
    const QAbstractItemModel* m = AView->model();
    if (auto* liste = qobject_cast<const QListView*>(AView))
        return {liste->modelColumn()};
    const QHeaderView* kopf = Kopf(AView);
    const int anzahl = m->columnCount(AView->rootIndex());
    for (int v = 0; v < anzahl; ++v) {
        const int logisch = kopf ? kopf->logicalIndex(v) : v;
        if (logisch < 0 || (kopf && kopf->isSectionHidden(logisch)))
            continue;
        if (kopf) {
            const int links = kopf->sectionViewportPosition(logisch);
            if (links > ASichtfeld.right() || links + kopf->sectionSize(logisch) <= ASichtfeld.left())
                continue;
        }
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

void Ebene(TListe& AListe, const QModelIndex& AEltern, const QString& AEinzug)
{
    const QAbstractItemModel* m = AListe.View->model();
    const QItemSelectionModel* auswahl = AListe.View->selectionModel();
    const int anzahl = m->rowCount(AEltern);
    // Rows run top to bottom in these views (a list view may flow otherwise).
    const bool vonOben = AListe.Baum || qobject_cast<const QTableView*>(AListe.View);
    for (int r = 0; r < anzahl && !AListe.Ende; ++r) {
        if (ZeileVersteckt(AListe.View, r, AEltern))
            continue;
        const QModelIndex erste = m->index(r, 0, AEltern);
        const QModelIndex gezeigt = m->index(r, AListe.Spalten.first(), AEltern);
        if (vonOben && AListe.View->visualRect(gezeigt).top() > AListe.Sichtfeld.bottom()) {
            AListe.Ende = true;
            break;
        }
        const bool aufgeklappt = AListe.Baum && m->hasChildren(erste) && AListe.Baum->isExpanded(erste);
        // The children of a row scrolled away above may still be on screen.
        if (TZAM_SkriptListenText::ZeileSichtbar(AListe.View, gezeigt, AListe.Sichtfeld)) {
            QStringList zellen;
            bool gewaehlt = false;
            for (int s : AListe.Spalten) {
                const QModelIndex i = m->index(r, s, AEltern);
                zellen.append(Zelle(i));
                gewaehlt = gewaehlt || (auswahl && auswahl->isSelected(i));
            }
            if (!AListe.Zeile(gezeigt, zellen.join(QStringLiteral(" | ")), gewaehlt, AEinzug)) {
                AListe.Ende = true;
                break;
            }
        }
        if (aufgeklappt)
            Ebene(AListe, erste, AEinzug + QStringLiteral("  "));
    }
}

// Hands AZeile the rows of AListe on screen.
void Durchlaufen(const QAbstractItemView* AListe, TZeile AZeile)
{
    if (!AListe->model())
        return;
    const QRect sichtfeld = TZAM_SkriptListenText::Sichtfeld(AListe);
    TListe liste{AListe, qobject_cast<const QTreeView*>(AListe), SichtbareSpalten(AListe, sichtfeld), sichtfeld,
                 std::move(AZeile)};
    if (!liste.Spalten.isEmpty())
        Ebene(liste, AListe->rootIndex(), QStringLiteral("  "));
}
} // namespace

QRect TZAM_SkriptListenText::Sichtfeld(const QAbstractItemView* AListe)
{
    return TZAM_SkriptSichtbar::Rechteck(AListe->viewport());
}

bool TZAM_SkriptListenText::ZeileSichtbar(const QAbstractItemView* AListe, const QModelIndex& AIndex,
                                          const QRect& ASichtfeld)
{
    const QRect r = AListe->visualRect(AIndex);
    return r.isValid() && r.bottom() >= ASichtfeld.top() && r.top() <= ASichtfeld.bottom() && !ASichtfeld.isEmpty();
}

void TZAM_SkriptListenText::Zeilen(const QAbstractItemView* AListe, QStringList& AZeilen, bool AMitNamen)
{
    const QString name = AMitNamen ? AListe->objectName() : QString();
    AZeilen.append(name.isEmpty() ? QStringLiteral("Liste:") : QStringLiteral("Liste %1:").arg(name));
    const QHeaderView* kopf = Kopf(AListe);
    if (AListe->model() && kopf && !kopf->isHidden() && !TZAM_SkriptSichtbar::Rechteck(kopf).isEmpty()) {
        QStringList titel;
        for (int s : SichtbareSpalten(AListe, Sichtfeld(AListe)))
            titel.append(TZAM_BildschirmText::EineZeile(
                AListe->model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString()));
        AZeilen.append(QStringLiteral("  Kopf: ") + titel.join(QStringLiteral(" | ")));
    }
    int ausgegeben = 0;
    int uebrig = 0;
    Durchlaufen(AListe, [&](const QModelIndex&, const QString& AText, bool AGewaehlt, const QString& AEinzug) {
        if (ausgegeben >= CMaxZeilen) {
            ++uebrig;
            return true;
        }
        AZeilen.append(AEinzug + QStringLiteral("Zeile: ") + AText +
                       (AGewaehlt ? QStringLiteral(" [gewählt]") : QString()));
        ++ausgegeben;
        return true;
    });
    if (uebrig > 0)
        AZeilen.append(QStringLiteral("  ... %1 weitere Zeilen").arg(uebrig));
}

QModelIndex TZAM_SkriptListenText::ZeileMitText(const QAbstractItemView* AListe, const QString& AText)
{
    QModelIndex gefunden;
    Durchlaufen(AListe, [&](const QModelIndex& AIndex, const QString& AZeilenText, bool, const QString&) {
        if (AZeilenText.contains(AText))
            gefunden = AIndex;
        return !gefunden.isValid();
    });
    return gefunden;
}

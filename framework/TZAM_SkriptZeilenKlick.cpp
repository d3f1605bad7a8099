#include "TZAM_SkriptZeilenKlick.h"

#include "TZAM_SkriptKlick.h"
#include "TZAM_SkriptListenText.h"
#include "TZAM_SkriptTaste.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <algorithm>

namespace {
QComboBox* OffeneAuswahl(const QWidget* AFenster)
{
    for (QComboBox* k : AFenster->findChildren<QComboBox*>())
        if (k->window() == AFenster && k->view()->isVisible())
            return k;
    return nullptr;
}

// Enter on the row, as the keyboard chooses: the list closes, activated and currentIndexChanged
// follow. A release of the mouse would be ignored right after the list opened.
bool Auswaehlen(QComboBox* AAuswahl, const QString& AText)
{
    QAbstractItemView* liste = AAuswahl->view();
    const QModelIndex zeile = TZAM_SkriptListenText::ZeileMitText(liste, AText);
    if (!zeile.isValid())
        return false;
    liste->setCurrentIndex(zeile);
    TZAM_SkriptTaste::AusKombination(QKeyCombination(Qt::Key_Return)).Senden(liste);
    return true;
}

// The item views a tap can reach, in screen order.
QList<QAbstractItemView*> Listen(const QWidget* AFenster)
{
    QList<QAbstractItemView*> listen;
    for (QAbstractItemView* v : AFenster->findChildren<QAbstractItemView*>())
        if (v->window() == AFenster && v->isVisible() && v->isEnabled() && v->model())
            listen.append(v);
    auto ort = [AFenster](const QWidget* AWidget) { return AWidget->mapTo(AFenster, QPoint(0, 0)); };
    std::stable_sort(listen.begin(), listen.end(), [&](const QWidget* A, const QWidget* B) {
        const QPoint a = ort(A);
        const QPoint b = ort(B);
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return listen;
}

// The cell of the row that a user may check; invalid when there is none.
QModelIndex Haken(const QAbstractItemView* AListe, const QModelIndex& AZeile)
{
    const QAbstractItemModel* m = AListe->model();
    for (int s = 0; s < m->columnCount(AZeile.parent()); ++s) {
        const QModelIndex i = m->index(AZeile.row(), s, AZeile.parent());
        if (m->flags(i).testFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled))
            return i;
    }
    return {};
}

// The middle of the row's part on screen, in the viewport's coordinates.
QPoint Mitte(const QAbstractItemView* AListe, const QModelIndex& AZeile)
{
    const QAbstractItemModel* m = AListe->model();
    QRect zeile;
    for (int s = 0; s < m->columnCount(AZeile.parent()); ++s)
        zeile |= AListe->visualRect(m->index(AZeile.row(), s, AZeile.parent()));
    return (zeile & TZAM_SkriptListenText::Sichtfeld(AListe)).center();
}

void Umschalten(QAbstractItemView* AListe, const QModelIndex& AZeile, const QModelIndex& AHaken)
{
    const bool an = AHaken.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    // As the box's click does it: through the model, which reports the change.
    AListe->model()->setData(AHaken, an ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    if (AListe->selectionModel())
        AListe->selectionModel()->setCurrentIndex(AZeile, AListe->selectionMode() == QAbstractItemView::NoSelection
                                                              ? QItemSelectionModel::NoUpdate
                                                              : QItemSelectionModel::ClearAndSelect |
                                                                    QItemSelectionModel::Rows);
}
} // namespace

bool TZAM_SkriptZeilenKlick::Klicken(QWidget* AFenster, const QString& AText)
{
    if (QComboBox* auswahl = OffeneAuswahl(AFenster))
        return Auswaehlen(auswahl, AText);
    for (QAbstractItemView* liste : Listen(AFenster)) {
        const QModelIndex zeile = TZAM_SkriptListenText::ZeileMitText(liste, AText);
        if (!zeile.isValid())
            continue;
        const QModelIndex haken = Haken(liste, zeile);
        if (haken.isValid())
            Umschalten(liste, zeile, haken);
        else
            TZAM_SkriptKlick::Antippen(liste->viewport(), Mitte(liste, zeile));
        return true;
    }
    return false;
}

#pragma once

#include <QRect>
#include <QStringList>

class QAbstractItemView;
class QModelIndex;

// The rows of an item view as screen text: header, then each row that meets the seen part of the
// viewport with its columns there in screen order joined by " | ", children of expanded tree rows
// indented below their row.
class TZAM_SkriptListenText
{
public:
    // At most this many rows, then one line counting the rest.
    static constexpr int CMaxZeilen = 200;

    // AMitNamen: the header line names the view.
    static void Zeilen(const QAbstractItemView* AListe, QStringList& AZeilen, bool AMitNamen = true);
    // The first row on screen, in the order of Zeilen, whose cells as Zeilen writes them contain
    // AText: its index in the first column on screen; invalid when none.
    static QModelIndex ZeileMitText(const QAbstractItemView* AListe, const QString& AText);
    // The part of the viewport on screen, in the viewport's coordinates.
    static QRect Sichtfeld(const QAbstractItemView* AListe);
    // Whether the row of AIndex meets ASichtfeld.
    static bool ZeileSichtbar(const QAbstractItemView* AListe, const QModelIndex& AIndex, const QRect& ASichtfeld);
};

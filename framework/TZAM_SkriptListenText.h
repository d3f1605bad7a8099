#pragma once

#include <QStringList>

class QAbstractItemView;

// The rows of an item view as screen text: header, then each shown row with its shown columns in
// screen order joined by " | ", children of expanded tree rows indented below their row.
class TZAM_SkriptListenText
{
public:
    // At most this many rows, then one line counting the rest.
    static constexpr int CMaxZeilen = 200;

    static void Zeilen(const QAbstractItemView* AListe, QStringList& AZeilen);
};

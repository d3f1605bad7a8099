#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QListWidget;

// A list of marked entries (columns to show and their order) on a QListWidget: each row holds
// its value (a column number) and a check mark. The option forms of both devices use it.
class TZAM_CheckListe
{
public:
    using TEintrag = QPair<int, QString>; // value, caption

    // Empties the list, then one unmarked row per entry in the given order.
    static void Fuellen(QListWidget* AListe, const QList<TEintrag>& AEintraege);
    // Unmarks every row; then for each stored value at position i = 0, 1, ... looks for its row
    // from position i on and, when found, exchanges it with the row at i and marks it. The stored
    // values lead, marked, in stored order; a value the list lacks is skipped.
    static void Einstellen(QListWidget* AListe, const QList<int>& AWerte);
    // The values of the marked rows in list order.
    static QList<int> Auslesen(const QListWidget* AListe);
    // The column buttons: the selected row one up or down, staying selected (nothing at the ends
    // or without selection); mark every row; flip every mark.
    static void Hoch(QListWidget* AListe);
    static void Runter(QListWidget* AListe);
    static void Alle(QListWidget* AListe);
    static void Umkehren(QListWidget* AListe);

private:
    static void Tauschen(QListWidget* AListe, int AVon, int ANach);
};

#pragma once

#include <QString>

class QWidget;

// "click TEXT" on a list row, for a text that names no element of the window. An open choice list
// takes it alone: its first row on screen showing TEXT is chosen as a user chooses it (the list
// closes and the combo box reports the choice). Otherwise the window's visible, enabled item views,
// top to bottom, then left to right: the first row on screen whose cells, as the dump writes them,
// contain TEXT. A row that can be checked toggles its mark and becomes the current, selected row;
// any other row is tapped at its centre, so the view's click handlers run.
class TZAM_SkriptZeilenKlick
{
public:
    // False when no row shows AText.
    static bool Klicken(QWidget* AFenster, const QString& AText);
};

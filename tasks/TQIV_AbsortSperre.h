#pragma once

#include <QString>

struct TZAM_BtnMenuItem;

// The shared locks of the re-sorting choosers (a branch, a reason): who else works on them.
namespace TQIV_AbsortSperre {

// Marks the button when other users hold the lock of AFiliale and AKennung: a second line "In
// Bearbeitung durch" with the name (with several "In Bearb. durch" and the names; a user the user
// file does not know is "Unbekannt"), the taller button.
void FremdeBearbeiterMarkieren(TZAM_BtnMenuItem& AItem, int AFiliale, const QString& AKennung);

} // namespace TQIV_AbsortSperre

#pragma once

#include "TVTVRListModel.h"

class TVTVRList;

// Numeric entry into a list value, shared by the single and the double list states.
namespace TQIV_ListenEingabe {

// The largest quantity a digit may make: one more digit is not taken (it would overflow).
inline constexpr int CMaxWert = 99999;

// (old value × 10 + digit) when the node's edited flag is set, else the digit; 0 without a node.
qint64 NeuerWert(TVTVRList* AListe, int AZiffer, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode);
// False, the value unchanged, when the new value would exceed CMaxWert.
bool Ziffer(TVTVRList* AListe, int AZiffer, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode);
// Edited: the last digit goes; otherwise one less, not below 0.
void Backspace(TVTVRList* AListe, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode);
// Row height F × 18 / 8, header height F × 17 / 8, header and list font size F.
void GroesseAnpassen(TVTVRList* AListe, int AFontSize);

} // namespace TQIV_ListenEingabe

#pragma once

#include "TIntPair.h"

// Special places of a warehouse: TrioAusPair(constant, warehouse number).
inline const TIntPair CZAM_Lagerverwaltung_Halle{99999, 1};
inline const TIntPair CZAM_Lagerverwaltung_DefaultKube{99999, 2};
inline const TIntPair CZAM_Lagerverwaltung_DefaultWEFR{99999, 3};
inline const TIntPair CZAM_Lagerverwaltung_DefaultWERE{99999, 4};
// Places of the processing completion.
inline const TIntPair CZAM_Lagerverwaltung_DefBaAbschl{99999, 5};
inline const TIntPair CZAM_Lagerverwaltung_DefBaAbBenF{99999, 6};
inline const TIntPair CZAM_Lagerverwaltung_DefBaAbAndF{99999, 7};
inline const TIntPair CZAM_Lagerverwaltung_DefBaAbVers{99999, 8};

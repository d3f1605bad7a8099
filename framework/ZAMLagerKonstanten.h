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

// A set of place kinds (zam_lagerort.art, 0 to 255).
class TZAM_Lagerort_Kennungen
{
public:
    constexpr TZAM_Lagerort_Kennungen() = default;
    static constexpr TZAM_Lagerort_Kennungen Alle()
    {
        TZAM_Lagerort_Kennungen s;
        for (quint64& b : s.FBits)
            b = ~quint64(0);
        return s;
    }
    constexpr TZAM_Lagerort_Kennungen Ohne(quint8 AKennung) const
    {
        TZAM_Lagerort_Kennungen s = *this;
        s.FBits[AKennung / 64] &= ~(quint64(1) << (AKennung % 64));
        return s;
    }
    constexpr bool Enthaelt(quint8 AKennung) const { return (FBits[AKennung / 64] >> (AKennung % 64)) & 1; }

private:
    quint64 FBits[4]{};
};
// Every kind of place but the containers (kinds 3 and 12).
inline constexpr TZAM_Lagerort_Kennungen CZAM_Lagerorte_ohne_Behaelter =
    TZAM_Lagerort_Kennungen::Alle().Ohne(3).Ohne(12);

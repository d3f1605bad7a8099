#pragma once

#include "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.h"
#include "TStateKlasse.h"

// The capture of unsorted goods, piece by piece.
class TQIV_State_WEPlus_Artikelweise_LOScan : public TQIV_AbstractState_WEPlus_Artikelweise_LOScan
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_Artikelweise_LOScan";
    using TQIV_AbstractState_WEPlus_Artikelweise_LOScan::TQIV_AbstractState_WEPlus_Artikelweise_LOScan;

protected:
    const TStateKlasse* Klasse() const override { return StateKlasse<TQIV_State_WEPlus_Artikelweise_LOScan>(); }
};

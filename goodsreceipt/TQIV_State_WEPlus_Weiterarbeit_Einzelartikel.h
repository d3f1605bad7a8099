#pragma once

#include "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.h"
#include "TStateKlasse.h"

// The piece-wise continuation of one sorted article: only pieces of that article, and per size
// only as many as its entered assortment still holds undistributed. When nothing is left the
// receipt goes on with the next article.
class TQIV_State_WEPlus_Weiterarbeit_Einzelartikel : public TQIV_AbstractState_WEPlus_Artikelweise_LOScan
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_Weiterarbeit_Einzelartikel";
    using TQIV_AbstractState_WEPlus_Artikelweise_LOScan::TQIV_AbstractState_WEPlus_Artikelweise_LOScan;

    void Vor_Anfang(bool& AWeiter) override;

protected:
    const TStateKlasse* Klasse() const override { return StateKlasse<TQIV_State_WEPlus_Weiterarbeit_Einzelartikel>(); }
    bool IstWeiterarbeit() const override { return true; }
};

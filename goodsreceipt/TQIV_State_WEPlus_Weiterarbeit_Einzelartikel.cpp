#include "TQIV_State_WEPlus_Weiterarbeit_Einzelartikel.h"

#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TQIV_State_WEPlus_Weiterarbeit_Einzelartikel::Vor_Anfang(bool& AWeiter)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_Weiterarbeit_Einzelartikel.Vor_Anfang", [&] {
        TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Vor_Anfang(AWeiter);
        AWeiter = !FMaske->Datentraeger_Get().WEPlus.GesamtSort_MitProdId.Me.IsEmpty();
        if (!AWeiter)
            static_cast<TQIV_State_WEPlus_EingabeAuftragsNr*>(
                FMaske->GiveState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()))
                ->WeiterMitNeuemArtikel();
    });
}

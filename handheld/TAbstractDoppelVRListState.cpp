#include "TAbstractDoppelVRListState.h"

#include "TQIV_ListenEingabe.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

TAbstractDoppelVRListState::TAbstractDoppelVRListState(TfrmMDE* AMaske) : TAbstractState(AMaske) {}

TAbstractDoppelVRListState::~TAbstractDoppelVRListState()
{
    TZAM_Hausregel::Zerstoeren("TAbstractDoppelVRListState.Destroy", [&] {
        for (auto [liste, anzeige] : {std::pair{FVRListeOben.get(), FMaske->vtVRListOben},
                                      std::pair{FVRListeUnten.get(), FMaske->vtVRListUnten}})
            if (liste && anzeige->VRList_Get() == liste)
                anzeige->VRList_Set(nullptr);
        FVRListeOben.reset();
        FVRListeUnten.reset();
    });
}

QWidget* TAbstractDoppelVRListState::ActivePanel()
{
    return FMaske->pnlDoppelVRList;
}

void TAbstractDoppelVRListState::NummernBlockEingabe_2_Liste(TVTVRList* AListe, int AZiffer, int AWertSpalte,
                                                             int AEditiertSpalte, const TVTVRKnoten& ANode)
{
    TQIV_ListenEingabe::Ziffer(AListe, AZiffer, AWertSpalte, AEditiertSpalte, ANode);
}

void TAbstractDoppelVRListState::NummernBlockEingabeOben_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                                 const TVTVRKnoten& ANode)
{
    NummernBlockEingabe_2_Liste(FMaske->vtVRListOben, AZiffer, AWertSpalte, AEditiertSpalte, ANode);
}

void TAbstractDoppelVRListState::NummernBlockEingabeUnten_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                                  const TVTVRKnoten& ANode)
{
    NummernBlockEingabe_2_Liste(FMaske->vtVRListUnten, AZiffer, AWertSpalte, AEditiertSpalte, ANode);
}

void TAbstractDoppelVRListState::KeyBackSpace_2_Liste(TVTVRList* AListe, int AWertSpalte, int AEditiertSpalte,
                                                      const TVTVRKnoten& ANode)
{
    TQIV_ListenEingabe::Backspace(AListe, AWertSpalte, AEditiertSpalte, ANode);
}

void TAbstractDoppelVRListState::TVTVRList_GroesseAnpassen(TVTVRList* AListe, int AFontSize)
{
    TQIV_ListenEingabe::GroesseAnpassen(AListe, AFontSize);
}

void TAbstractDoppelVRListState::TVTVRListOben_GroesseAnpassen(int AFontSize)
{
    TVTVRList_GroesseAnpassen(FMaske->vtVRListOben, AFontSize);
}

void TAbstractDoppelVRListState::TVTVRListUnten_GroesseAnpassen(int AFontSize)
{
    TVTVRList_GroesseAnpassen(FMaske->vtVRListUnten, AFontSize);
}

#include "TAbstractVRListState.h"

#include "TQIV_ListenEingabe.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <limits>

TAbstractVRListState::TAbstractVRListState(TfrmMDE* AMaske) : TAbstractState(AMaske) {}

TAbstractVRListState::~TAbstractVRListState()
{
    TZAM_Hausregel::Zerstoeren("TAbstractVRListState.Destroy", [&] {
        // The screen's list must not keep a pointer to the list freed here.
        if (FVRListe && FMaske->vtVRList->VRList_Get() == FVRListe.get())
            FMaske->vtVRList->VRList_Set(nullptr);
        FVRListe.reset();
    });
}

QWidget* TAbstractVRListState::ActivePanel()
{
    return FMaske->pnlVRList;
}

void TAbstractVRListState::NummernBlockEingabe_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                       const TVTVRKnoten& ANode)
{
    // A digit that would take the value above the largest quantity is not taken.
    if (!TQIV_ListenEingabe::Ziffer(FMaske->vtVRList, AZiffer, AWertSpalte, AEditiertSpalte, ANode))
        Warnung_Anzeigen();
}

int TAbstractVRListState::NummernBlockEingabe_2_Liste_NeuerWert(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                                const TVTVRKnoten& ANode)
{
    const qint64 wert = TQIV_ListenEingabe::NeuerWert(FMaske->vtVRList, AZiffer, AWertSpalte, AEditiertSpalte, ANode);
    return int(qMin<qint64>(wert, std::numeric_limits<int>::max()));
}

void TAbstractVRListState::KeyBackSpace_2_Liste(int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode)
{
    TQIV_ListenEingabe::Backspace(FMaske->vtVRList, AWertSpalte, AEditiertSpalte, ANode);
}

void TAbstractVRListState::TVTVRList_GroesseAnpassen(int AFontSize)
{
    TQIV_ListenEingabe::GroesseAnpassen(FMaske->vtVRList, AFontSize);
}

void TAbstractVRListState::Sortieren(int ACol, bool AAbsteigend)
{
    if (!FVRListe)
        return;
    FVRListe->SortByColumn(ACol, AAbsteigend ? srAbsteigend : srAufsteigend);
    FSortSpalte = ACol;
    FSortAbsteigend = AAbsteigend;
    FMaske->vtVRList->Refresh();
    FMaske->vtVRList->expandAll();
}

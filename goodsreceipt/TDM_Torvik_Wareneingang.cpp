// The data module's goods-receipt operations.
#include "TDM_Torvik.h"

#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Hausregel.h"

bool TDM_Torvik::ArtikelInformationen_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd,
                                               TZAM_ArtikelInformationen& AInfo)
{
    AInfo.Clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.ArtikelInformationen_Besorgen", false, [&] {
        TQIV_ArtvLesenTools* leser = ArtvLesenTools_GoC();
        return leser && leser->ArtikelInformationen_Lesen(AProdukt_Id, AGrInd, FAktBewFiliale, AInfo);
    });
}

QString TDM_Torvik::Langgroesse_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Langgroesse_Besorgen", QString(), [&] {
        TZAM_ArtikelInformationen info;
        return ArtikelInformationen_Besorgen(AProdukt_Id, AGrInd, info) ? info.LangGroesse : QString();
    });
}

QString TDM_Torvik::HerstArtNr_Besorgen(const TInt32Trio& AProdukt_Id)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.HerstArtNr_Besorgen", QString(), [&] {
        TZAM_ArtikelInformationen info;
        return ArtikelInformationen_Besorgen(AProdukt_Id, 0, info) ? info.HerstellerArtNr : QString();
    });
}

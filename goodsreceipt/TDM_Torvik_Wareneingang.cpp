// The data module's goods-receipt operations.
#include "TDM_Torvik.h"

#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Hausregel.h"

namespace {

// The article information of a size through the data module's article reader; false when the
// reader is missing or the product has no article.
bool Information(TDM_Torvik& ADM, const TInt32Trio& AProdukt_Id, int AGrInd, TZAM_ArtikelInformationen& AInfo)
{
    TQIV_ArtvLesenTools* leser = ADM.ArtvLesenTools_GoC();
    return leser && leser->ArtikelInformationen_Lesen(AProdukt_Id, AGrInd, ADM.FAktBewFiliale, AInfo);
}

} // namespace

QString TDM_Torvik::Langgroesse_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Langgroesse_Besorgen", QString(), [&] {
        TZAM_ArtikelInformationen info;
        return Information(*this, AProdukt_Id, AGrInd, info) ? info.LangGroesse : QString();
    });
}

QString TDM_Torvik::HerstArtNr_Besorgen(const TInt32Trio& AProdukt_Id)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.HerstArtNr_Besorgen", QString(), [&] {
        TZAM_ArtikelInformationen info;
        return Information(*this, AProdukt_Id, 0, info) ? info.HerstellerArtNr : QString();
    });
}

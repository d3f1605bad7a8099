#include "TQIV_GGTab.h"

#include "TArtikelTools.h"

bool TQIV_GGTab::GetQIV_GG(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG)
{
    const auto it = FGrids.constFind(AProduktId);
    if (it != FGrids.constEnd()) {
        AGG = *it;
        return true;
    }
    if (!TArtikelTools::GetGG_4_ProdId(AProduktId, AGG))
        return false;
    FGrids.insert(AProduktId, AGG);
    return true;
}

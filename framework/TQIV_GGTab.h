#pragma once

#include "TInt32Trio.h"
#include "TQIV_Intv100_Sortiment_QIV_GG.h"

#include <QHash>

// The size grids of the products asked for, each read once (TArtikelTools.GetGG_4_ProdId) and
// kept as long as the table lives; an owner that must see changed grids clears it.
class TQIV_GGTab
{
public:
    // False when the product has no size grid (then AGG is empty); a product without grid is
    // asked again next time.
    bool GetQIV_GG(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG);
    void Clear() { FGrids.clear(); }

private:
    QHash<TInt32Trio, TQIV_Intv100_Sortiment_QIV_GG> FGrids;
};

#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

// Reading the stock. A set of stock types is a bit set of the stock-type numbers: bit n stands
// for type n (88990 is the types 1, 2, 3, 4, 7, 8, 9, 11, 12, 14 and 16).
class IZAM_BestandServer : public IZAM_Server
{
public:
    // The stock of a product per size index, over every place and container of the warehouse,
    // summed over the stock types of the set; the range is that of the sizes holding stock.
    virtual TZAM_Intv100_Sortiment_Me LagerBestand(const TInt32Trio& AProduktId, int ALager, qint64 ABestandsarten) = 0;
};

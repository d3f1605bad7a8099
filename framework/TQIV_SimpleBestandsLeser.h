#pragma once

#include "IZAM_BestandServer.h"

#include <memory>

// Reads the stock of a product in a warehouse per size. Creating it raises when the stock module
// is not available.
class TQIV_SimpleBestandsLeser
{
public:
    TQIV_SimpleBestandsLeser();
    ~TQIV_SimpleBestandsLeser();

    // The stock per size index over the places and containers of the warehouse, summed over the
    // stock types of the bit set ABestandsarten (bit n: type n), which is passed on as it stands.
    // False, with an empty vector, for an undefined product.
    bool LagerBestandLesen(const TInt32Trio& AProduktId, int ALager, qint64 ABestandsarten,
                           TZAM_Intv100_Sortiment_Me& ABestand);

private:
    std::unique_ptr<IZAM_BestandServer> FServer;
};

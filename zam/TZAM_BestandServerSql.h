#pragma once

#include "IZAM_BestandServer.h"

class TZAM_Datenbank;
struct TIntTrio;

// The stock in zam_bestand: one row per place or container, product, size and stock type.
class TZAM_BestandServerSql : public IZAM_BestandServer
{
public:
    explicit TZAM_BestandServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    TZAM_Intv100_Sortiment_Me LagerBestand(const TInt32Trio& AProduktId, int ALager, qint64 ABestandsarten) override;

    // Adds a quantity to the stock of a place inside a transaction (demo site, tests): a new row, or
    // the stored quantity changed relatively; raises when it would fall below 0.
    static void Zubuchen(TZAM_Datenbank& ADb, const TIntTrio& ALagerort, const TInt32Trio& AProduktId,
                         int AGroessenIndex, int ABestandsart, int AMenge);

private:
    TZAM_Datenbank& FDb;
};

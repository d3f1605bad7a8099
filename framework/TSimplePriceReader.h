#pragma once

#include "IZAM_PreisServer.h"

#include <QDate>
#include <QMap>
#include <memory>
#include <tuple>

// Selling prices through IZAM_PreisServer, in currency units (0: no price). While selected, the
// prices read for the current product are kept, so that a price check that asks every branch of a
// warehouse again and again reads each price once; another product or deselecting drops them.
class TSimplePriceReader
{
public:
    TSimplePriceReader();
    ~TSimplePriceReader();

    void SetProdId(const TInt32Trio& AProdukt);
    void SetDatum(const QDate& ADatum);
    void SetSelekted(bool ASelekted);
    bool Selekted() const { return FSelekted; }

    // A null product means the product set by SetProdId, an invalid date the date set by
    // SetDatum (today when none was set).
    double SVK_Orig_4_Art_Dat_Fil_GrInd(const TInt32Trio& AProdukt, const QDate& ADatum, int AFiliale, int AGrInd);

private:
    IZAM_PreisServer& Server();

    std::unique_ptr<IZAM_PreisServer> FServer;
    TInt32Trio FProdukt;
    QDate FDatum;
    bool FSelekted = false;
    // Kept cent prices of FProdukt by branch, size index and day.
    QMap<std::tuple<int, int, qint64>, qint64> FPreise;
};

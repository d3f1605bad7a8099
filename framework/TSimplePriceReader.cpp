#include "TSimplePriceReader.h"

#include "Glob_WWSServerFactoryClass.h"

TSimplePriceReader::TSimplePriceReader() = default;
TSimplePriceReader::~TSimplePriceReader() = default;

IZAM_PreisServer& TSimplePriceReader::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_PreisServer>();
    return *FServer;
}

void TSimplePriceReader::SetProdId(const TInt32Trio& AProdukt)
{
    if (AProdukt != FProdukt)
        FPreise.clear();
    FProdukt = AProdukt;
}

void TSimplePriceReader::SetDatum(const QDate& ADatum)
{
    FDatum = ADatum;
}

void TSimplePriceReader::SetSelekted(bool ASelekted)
{
    FSelekted = ASelekted;
    if (!ASelekted)
        FPreise.clear();
}

double TSimplePriceReader::SVK_Orig_4_Art_Dat_Fil_GrInd(const TInt32Trio& AProdukt, const QDate& ADatum, int AFiliale,
                                                        int AGrInd)
{
    const TInt32Trio produkt = AProdukt.IsNull() ? FProdukt : AProdukt;
    const QDate datum = ADatum.isValid() ? ADatum : FDatum.isValid() ? FDatum : QDate::currentDate();
    if (FSelekted && produkt != FProdukt)
        SetProdId(produkt);
    const auto key = std::make_tuple(AFiliale, AGrInd, datum.toJulianDay());
    if (FSelekted)
        if (const auto it = FPreise.constFind(key); it != FPreise.constEnd())
            return double(*it) / 100.0;
    const qint64 cent = Server().VKPreisCent(produkt, AFiliale, AGrInd, datum);
    if (FSelekted)
        FPreise.insert(key, cent);
    return double(cent) / 100.0;
}

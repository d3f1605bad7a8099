#pragma once

#include "IZAM_ArtikelBildServer.h"

class TZAM_Datenbank;

// The product pictures as PNG data in zam_artikelbild.
class TZAM_ArtikelBildServerSql : public IZAM_ArtikelBildServer
{
public:
    explicit TZAM_ArtikelBildServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QImage Bild(const TInt32Trio& AProduktId) override;
    bool HatBild(const TInt32Trio& AProduktId) override;
    void BildSpeichern(const TInt32Trio& AProduktId, const QImage& ABild) override;
    void BildLoeschen(const TInt32Trio& AProduktId) override;

private:
    TZAM_Datenbank& FDb;
};

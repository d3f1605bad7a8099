#pragma once

#include "IZAM_ArtikelServer.h"

class TZAM_Datenbank;

// The article master in zam_artikel, zam_artikel_groesse and zam_artikel_code.
class TZAM_ArtikelServerSql : public IZAM_ArtikelServer
{
public:
    explicit TZAM_ArtikelServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Artikel_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelSatz& ASatz) override;
    bool Artikel_4_ArtNr(int AArtNr, TZAM_ArtikelSatz& ASatz) override;
    QList<TZAM_ArtikelSatz> Artikel_4_HerstellerArtNr(const QString& AHerstellerArtNr) override;
    bool Groessen_Lesen(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG) override;
    bool Code_Lesen(const QString& ACode, TZAM_ArtikelCode& ACodeSatz) override;
    QList<TZAM_ArtikelCode> Codes_4_Artikel(const TInt32Trio& AProduktId, int AArt) override;
    bool Code_Einfuegen(const TZAM_ArtikelCode& ACode) override;
    bool WEDaten_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelWEDaten& ADaten) override;

    // A new article with its size grid and the label barcode of every size (demo site, tests).
    static void Anlegen(TZAM_Datenbank& ADb, const TZAM_ArtikelSatz& ASatz, const TQIV_Intv100_Sortiment_QIV_GG& AGG);
    // The text the manufacturer number is searched by.
    QList<TInt32Trio> Artikel_Suchen(const QString& AText, int AHoechstens) override;
    static QString SuchText(const QString& AHerstellerArtNr) { return AHerstellerArtNr.trimmed().toCaseFolded(); }

private:
    TZAM_Datenbank& FDb;
};

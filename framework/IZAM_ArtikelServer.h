#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TQIV_Intv100_Sortiment_QIV_GG.h"

#include <QList>
#include <QString>

// The article master record of a product.
struct TZAM_ArtikelSatz
{
    TInt32Trio ProduktId;
    int ArtNr = 0;           // our article number, 1 to 9999999
    QString HerstellerArtNr; // the manufacturer's article number, as the manufacturer writes it
    QString Bezeichnung;
    QString Hersteller;
    QString Farbe;
    QString Beschreibung;
    QString Material;
    qint64 PreisCent = 0; // sales price in cents
};

// What the goods receipt reads of an article beside its record.
struct TZAM_ArtikelWEDaten
{
    TIntPair Lieferant;      // the supplier, a partner of kind 2; empty when none
    int EtikettenAnzahl = 0; // labels per piece; 0: none wanted
    QString EtikettenLayout; // the label layout's name
    int AuszeichnungsArt = 0; // how the pieces come marked (CQIV_AuszeichnungsArtKz_Quellauszeichnung)
    bool WEGesperrt = false;  // blocked for goods receipt
};

// Kinds of the codes that stand for an article size.
enum TZAM_ArtikelCodeArt : int
{
    acaGTIN = 1,    // a GTIN (EAN-8, EAN-13 or UPC) assigned to the size
    acaEtikett = 2, // the barcode of our own article label
};

struct TZAM_ArtikelCode
{
    QString Code;
    int Art = acaGTIN;
    TInt32Trio ProduktId;
    TZAM_Intv100_IndErw GroessenIndex = 0;
};

// The article master: articles, their size grids and the codes standing for their sizes.
class IZAM_ArtikelServer : public IZAM_Server
{
public:
    virtual bool Artikel_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelSatz& ASatz) = 0;
    virtual bool Artikel_4_ArtNr(int AArtNr, TZAM_ArtikelSatz& ASatz) = 0;
    // Every article carrying the manufacturer article number (letter case and the blanks around it
    // ignored), in the order of our article numbers.
    virtual QList<TZAM_ArtikelSatz> Artikel_4_HerstellerArtNr(const QString& AHerstellerArtNr) = 0;
    // The products whose article number, manufacturer article number or description contain the
    // text (letter case ignored; wildcard characters are plain characters), by article number, at
    // most AHoechstens.
    virtual QList<TInt32Trio> Artikel_Suchen(const QString& AText, int AHoechstens) = 0;
    // False for an article without stored grid.
    virtual bool Groessen_Lesen(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG) = 0;
    virtual bool Code_Lesen(const QString& ACode, TZAM_ArtikelCode& ACodeSatz) = 0;
    // The codes of one kind of an article, by size index and then code.
    virtual QList<TZAM_ArtikelCode> Codes_4_Artikel(const TInt32Trio& AProduktId, int AArt) = 0;
    // Stores a code. False, storing nothing, when the code is stored already (for any article size):
    // a code stands for one article size only.
    virtual bool Code_Einfuegen(const TZAM_ArtikelCode& ACode) = 0;
    // False, with everything empty, for a product without article record.
    virtual bool WEDaten_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelWEDaten& ADaten) = 0;
};

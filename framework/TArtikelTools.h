#pragma once

#include "IZAM_ArtikelServer.h"
#include "TIntPair.h"
#include "TZAM_Intv100_IndErw.h"

#include <QString>

// The framework's article tools: the article record, the size grid and the article number of a
// product, read through the article service. Every call may raise the framework's errors (an
// unavailable module, a database error); an unknown product is no error.
class TArtikelTools
{
public:
    // Our article number in its fixed form (TZAM_CodeForm::ArtNr_Text). A product without article
    // record gives its key in display form ("1-4711-0"), or an empty text with ALeerWennUnbekannt.
    static QString ProduktID_2_ArtNr_Formatted(const TInt32Trio& AProduktId, bool ALeerWennUnbekannt = false);
    // False when the product has no article record.
    static bool AASatz_4_ProduktID(const TInt32Trio& AProduktId, TZAM_ArtikelSatz& ASatz);
    // False when the product has no size grid; the grid is then empty.
    static bool GetGG_4_ProdId(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG);
    // The size index of a till size; CZAM_Intv100_Ungueltig (128) when the article lacks it.
    static TZAM_Intv100_IndErw GetGGIndex4ProdIdKassenGroesse(const TInt32Trio& AProduktId, int AKassenGroesse);
    // The product of a typed article number; the empty product for a text that is no article
    // number or a number no article carries.
    static TInt32Trio ArtNr_2_ProduktID(const QString& AText);
    // The supplier (a partner of kind 2) of a product; the empty key when it has none or the
    // product is unknown.
    static TIntPair Lieferant_4_ProdID(const TInt32Trio& AProduktId);
};

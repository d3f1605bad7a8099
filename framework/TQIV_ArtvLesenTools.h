#pragma once

#include "IZAM_ArtikelServer.h"
#include "TZAM_ArtikelInformationen.h"
#include "TZAM_ArtikelScanListe.h"

#include <memory>

// The article reader: turns a scanned or typed text into the articles it stands for, and gives
// the information shown of an article size. Creating it raises when the article module is not
// available.
class TQIV_ArtvLesenTools
{
public:
    // What a text may stand for.
    enum TModus : int
    {
        almNurCodes = 0, // GTINs and our label barcodes only
        almAlle = 1,     // also our article numbers and manufacturer article numbers
    };

    TQIV_ArtvLesenTools();
    ~TQIV_ArtvLesenTools();

    // The text (blanks around it ignored) is taken, in this order, as an assigned GTIN or our label
    // barcode (one entry: that article size), as our article number (the article, size 255) or as
    // a manufacturer article number (every article carrying it, size 255); the first that finds
    // something decides. The code-form flags follow the text's form, found or not. True when the
    // list holds an entry.
    bool Artikel_4_Text(const QString& AText, int AModus, TZAM_ArtikelScanListe& AListe);
    // The information of an article size for a branch (every branch sells at the article's one
    // price). Size 255, or a size the grid lacks, gives an empty long size name. False, with
    // everything empty, for a product without article record.
    bool ArtikelInformationen_Lesen(const TInt32Trio& AProduktId, int AGroessenIndex, int AFiliale,
                                    TZAM_ArtikelInformationen& AInfo);

private:
    TZAM_ArtikelScanEintrag Eintrag(const TInt32Trio& AProduktId, int AGroessenIndex);

    std::unique_ptr<IZAM_ArtikelServer> FServer;
};

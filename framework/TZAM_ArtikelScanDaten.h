#pragma once

#include "TInt32Trio.h"
#include "TZAM_Intv100_IndErw.h"

#include <QString>

// What the article-scan reader made of a scanned code.
struct TZAM_ArtikelScanDaten
{
    TInt32Trio ProduktId;
    TZAM_Intv100_IndErw GroessenIndex = CZAM_Intv100_OhneGroesse; // 255: no size
    bool IstEAN = false;        // the code has the form of an EAN
    bool IstUPC = false;        // the code has the form of a UPC
    QString Text1;              // the size name
    QString Text2;              // the long size name
};

#pragma once

#include "TInt32Trio.h"

#include <QString>

// What the article-scan reader made of a scanned code.
struct TZAM_ArtikelScanDaten
{
    TInt32Trio ProduktId;
    quint8 GroessenIndex = 255; // 255: no size
    bool IstEAN = false;        // the code has the form of an EAN
    bool IstUPC = false;        // the code has the form of a UPC
    QString Text1;
    QString Text2;              // the long size name
};

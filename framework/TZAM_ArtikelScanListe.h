#pragma once

#include "TInt32Trio.h"
#include "TZAM_Intv100_IndErw.h"

#include <QList>
#include <QString>

// One article (size) a scanned or typed text stands for.
struct TZAM_ArtikelScanEintrag
{
    TInt32Trio ProduktId;
    TZAM_Intv100_IndErw GroessenIndex = CZAM_Intv100_OhneGroesse; // 255: the text names no size
    QString GroessenText;                                         // size name; empty without size
    QString Text;                                                 // long size name; empty without size
};

// What the article reader found for a text: the form of the text and the articles it stands for,
// none when the text is unknown.
struct TZAM_ArtikelScanListe
{
    bool IstEAN = false; // the text has the form of an EAN (8 or 13 digits, valid check digit)
    bool IstUPC = false; // the text has the form of a UPC (12 digits, valid check digit)
    QList<TZAM_ArtikelScanEintrag> Eintraege;

    void Clear() { *this = TZAM_ArtikelScanListe{}; }
    bool IsEmpty() const { return Eintraege.isEmpty(); }
};

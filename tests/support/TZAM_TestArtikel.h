#pragma once

#include "IZAM_ArtikelServer.h"

#include <QList>

class TZAM_Datenbank;

// The articles of the tests (product keys 7-n-0, beside the demo site's). Schuh, Flasche and Hemd
// share the manufacturer number "HX-1" (the bottle writes it " hx-1"); Ball's manufacturer number
// is Flasche's article number.
class TZAM_TestArtikel
{
public:
    enum TNr
    {
        Schuh,
        Flasche,
        Hemd,
        Ball
    };
    struct TGroesse
    {
        int Index = -1;
        QString Name, Lang;
        int Kasse = 0;
    };
    struct TArtikel
    {
        TZAM_ArtikelSatz Satz;
        QList<TGroesse> Groessen;
        TGroesse Groesse(int AIndex) const; // Index -1 when the article has no such size
        TInt32Trio Id() const { return Satz.ProduktId; }
    };

    static const QList<TArtikel>& Alle();
    static const TArtikel& A(TNr ANr) { return Alle().at(ANr); }
    // An EAN-13 of Schuh size 2, an EAN-8 of Flasche and a UPC of Hemd size 1.
    static const QList<TZAM_ArtikelCode>& Gtins();
    // Stores the articles with their sizes, labels and GTINs.
    static void Anlegen(TZAM_Datenbank& ADb);
};

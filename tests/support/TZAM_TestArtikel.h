#pragma once

#include "IZAM_ArtikelServer.h"

#include <QList>

class TZAM_Datenbank;

// The articles of the tests, with product keys of their own beside the demo site's. Schuh, Flasche
// and Hemd share the manufacturer number "HX-1" (the bottle writes it in other letter case); Ball's
// manufacturer number is Flasche's article number.
class TZAM_TestArtikel
{
public:
    struct TGroesse
    {
        int Index;
        QString Name;
        QString Lang;
        int Kasse;
    };
    struct TArtikel
    {
        TZAM_ArtikelSatz Satz;
        QList<TGroesse> Groessen;
    };

    static const TArtikel& Schuh();   // sizes 1 to 3, till sizes 40 to 42
    static const TArtikel& Flasche(); // without sizes
    static const TArtikel& Hemd();    // sizes S and M
    static const TArtikel& Ball();    // without sizes, article number of 7 digits
    static QList<TArtikel> Alle();
    // The GTINs stored by Anlegen: an EAN-13 of Schuh, an EAN-8 of Flasche and a UPC of Hemd.
    static const QList<TZAM_ArtikelCode>& Gtins();
    // A size of an article (an empty one with Index -1 when it has none of that index).
    static TGroesse Groesse(const TArtikel& AArtikel, int AIndex);

    // Stores every article with its sizes, labels and GTINs.
    static void Anlegen(TZAM_Datenbank& ADb);
};

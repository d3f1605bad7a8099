#pragma once

#include "TInt32Trio.h"
#include "TIntQuad.h"
#include "TIntTrio.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QChar>
#include <QList>

// A loaded task as the workflows book it. The loader fills the first five fields; a booking fills
// the others from the list view's row.
struct TQIV_AufgabenZeile
{
    TIntTrio AufgabenId;
    qint16 ZielFiliale = 0;
    QChar VorgangsTyp;      // of the order line the task came from
    TIntTrio VorgangsKey;   // the order line (zam_bne)
    TIntQuad AuftragsKey;   // the customer order and its position
    // Booking data.
    TInt32Trio ProduktId;
    int Menge = 0;
    quint8 GrInd = 0;
    qint16 QuellFiliale = 0;
    TIntTrio BNEVerweis;
    int BewTyp = 0;
    TZAM_PersArt_ExtVerweis ExtVerweis;

    void Clear() { *this = TQIV_AufgabenZeile(); }
};
using TQIV_AufgabenZeilen = QList<TQIV_AufgabenZeile>;

// What a load fills besides the row list and the columns every load fills (see the task
// service). The switches keep their places in the framework's order.
struct TQIVAufgabenlisteLaden_Options
{
    bool LadenSubaufgaben = false; // 1: no sub-tasks are stored; kept for the callers
    bool LadenErfuellungen = true; // 2: fulfilled and remaining quantities (always set)
    bool LadenZusatzDaten = false; // 3: article details (manufacturer, material, colour, group, GTIN, ...)
    bool LadenGroessen = false;    // 4: sizes and quantity groups
    bool GroesseLaden = false;     // 5: the till size and the purchase and customer prices
    bool NurIdsLaden = false;      // counting only: the row list alone; the list view stays empty

    static TQIVAufgabenlisteLaden_Options None()
    {
        TQIVAufgabenlisteLaden_Options o;
        o.LadenErfuellungen = false;
        return o;
    }
    static TQIVAufgabenlisteLaden_Options Schalter(bool A1, bool A2, bool A3, bool A4, bool A5)
    {
        TQIVAufgabenlisteLaden_Options o;
        o.LadenSubaufgaben = A1;
        o.LadenErfuellungen = A2;
        o.LadenZusatzDaten = A3;
        o.LadenGroessen = A4;
        o.GroesseLaden = A5;
        return o;
    }
};

// The fulfilment of a task: who fulfilled how much.
struct TZAM_Aufgabe_Erfuellen_Daten
{
    TIntTrio AufgabenId;
    TIntPair Mitarbeiter;
    int Menge = 0;
    void Clear() { *this = TZAM_Aufgabe_Erfuellen_Daten(); }
};

#include "ZAMAnzeigeFelder.h"

#include "ZAMGlobal.h"

const TZAM_AnzeigeFelder& CAnzeigeFelder()
{
    static const TZAM_AnzeigeFelder GFelder = {{
        {1, QStringLiteral("Art.-Nr."), true, 90},      {2, QStringLiteral("Bezeichnung"), true, 140},
        {3, QStringLiteral("Größe"), true, 40},         {4, QStringLiteral("Menge"), true, 40},
        {5, QStringLiteral("Von-Lagerort"), true, 90},  {6, QStringLiteral("An-Lagerort"), true, 90},
        {7, QStringLiteral("Hersteller"), true, 90},    {8, QStringLiteral("H.-Art.-Nr."), true, 90},
        {9, QStringLiteral("Farbe"), true, 70},         {10, QStringLiteral("Material"), false, 70},
        {11, QStringLiteral("Merkmal A"), false, 70},   {12, QStringLiteral("Merkmal B"), false, 70},
        {13, QStringLiteral("Warengruppe"), false, 80}, {14, QStringLiteral("Preis"), true, 60},
        {15, QStringLiteral("Von-Filiale"), false, 50}, {16, QStringLiteral("An-Filiale"), true, 50},
        {17, QStringLiteral("WBS-Nr."), false, 90},     {18, QStringLiteral("Datum"), false, 70},
        {19, QStringLiteral("Uhrzeit"), false, 60},     {20, QStringLiteral("Bewegungsart"), false, 60},
        {21, QStringLiteral("Beleg-Nr."), false, 90},   {22, QStringLiteral("Kunde"), false, 120},
        {23, QStringLiteral("Lieferant"), false, 120},  {24, QStringLiteral("Saison"), false, 50},
        {25, QStringLiteral("Lieferschein"), false, 90}, {26, QStringLiteral("Auftrag"), false, 90},
        {27, QStringLiteral("Dispo"), false, 90},       {28, QStringLiteral("GTIN"), false, 100},
        {29, QStringLiteral("Behälter"), false, 90},    {30, QStringLiteral("Status"), false, 60},
        {31, QStringLiteral("Bearbeiter"), false, 90},  {32, QStringLiteral("Gebucht"), false, 50},
        {33, QStringLiteral("Soll"), false, 40},        {34, QStringLiteral("Ist"), false, 40},
        {35, QStringLiteral("Differenz"), false, 40},   {36, QStringLiteral("Größe lang"), false, 60},
        {37, QStringLiteral("Einkaufspreis"), false, 60}, {38, QStringLiteral("Verkaufspreis"), false, 60},
        {39, QStringLiteral("Geschäftsvorfall"), false, 90}, {40, QStringLiteral("Herkunft"), false, 60},
        {41, QStringLiteral("Bemerkung"), false, 140},
    }};
    return GFelder;
}

TIntPair ZAMArtikelMerkmal_FeldIds()
{
    return TIntPair::FromText(ZAMParameter().GetStringValueByName(QStringLiteral("ARTMERKM")));
}

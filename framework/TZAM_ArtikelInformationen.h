#pragma once

#include "TIntPair.h"

#include <QString>

// What lists, choice buttons and slips show of an article size (the article reader fills it).
struct TZAM_ArtikelInformationen
{
    QString Hersteller;      // the manufacturer's name
    QString HerstellerArtNr; // the manufacturer's article number
    QString Farbe;
    QString Beschreibung;
    QString Material;
    QString LangGroesse; // long size name of the size asked for; empty without size
    double Preis = 0;    // sales price
    TIntPair HerstId;    // the supplier (a partner of kind 2); empty when the article names none

    void Clear() { *this = TZAM_ArtikelInformationen{}; }
};

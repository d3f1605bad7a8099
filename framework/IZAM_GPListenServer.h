#pragma once

#include "IZAM_Server.h"
#include "TIntPair.h"

#include <QList>
#include <QString>

// Kinds of business partner.
enum TZAM_GPArt : int { gpaKunde = 0, gpaMitarbeiter = 1, gpaLieferant = 2, gpaMandant = 3 };

struct TZAM_GPEintrag
{
    TIntPair GepNr;
    int Nummer = 0; // the number people know the partner by
    QString Name;
    int Art = gpaKunde;
};

// Business partners: display names and the search of the partner search dialog.
class IZAM_GPListenServer : public IZAM_Server
{
public:
    // The display name; empty for the empty key or an unknown partner.
    virtual QString Name(const TIntPair& AGepNr, int AVariante = 0) = 0;
    // Partners of the kind whose name contains the text (any letter case) or whose number is it.
    virtual QList<TZAM_GPEintrag> Suchen(const QString& AText, int AArt) = 0;
};

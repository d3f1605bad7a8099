#pragma once

#include "IZAM_Server.h"
#include "TOrgeIdKompl.h"

#include <QList>
#include <QString>

struct TZAM_Filiale
{
    int Nummer = -1;
    QString Name;
    bool TeamsportPlus = false; // a team-sport-plus ("Rezevudaz Plus") branch
    TOrgeIdKompl OrgeId;
    int Lager = 0; // the branch's warehouse; 0 or below: none
    // The branch keeps its stock with the warehouse management; one that does not gets its
    // re-sorting picked into the pseudo container (no goods slip).
    bool LVBenutzen = true;
};

// The branch table of the merchandise-management system.
class IZAM_FilialTabelle : public IZAM_Server
{
public:
    // In table order.
    virtual QList<TZAM_Filiale> Filialen() = 0;
    virtual bool Filiale(int ANummer, TZAM_Filiale& AFiliale) = 0;
    // The highest branch number, -1 without branches.
    virtual int MaxFiliale() = 0;
};

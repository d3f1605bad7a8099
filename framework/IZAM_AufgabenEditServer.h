#pragma once

#include "IZAM_Server.h"
#include "TZAM_Aufgaben_Suchkriterien.h"

// The task service.
class IZAM_AufgabenEditServer : public IZAM_Server
{
public:
    // True when at least one task matches the criteria.
    virtual bool AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien) = 0;
};

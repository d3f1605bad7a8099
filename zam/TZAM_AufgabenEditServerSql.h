#pragma once

#include "IZAM_AufgabenEditServer.h"

class TZAM_Datenbank;

// Tasks in zam_aufgabe.
class TZAM_AufgabenEditServerSql : public IZAM_AufgabenEditServer
{
public:
    explicit TZAM_AufgabenEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien) override;

private:
    TZAM_Datenbank& FDb;
};

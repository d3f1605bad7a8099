#pragma once

#include "IZAM_FilialTabelle.h"

class TZAM_Datenbank;

// The branch table zam_filiale, in branch-number order.
class TZAM_FilialTabelleSql : public IZAM_FilialTabelle
{
public:
    explicit TZAM_FilialTabelleSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_Filiale> Filialen() override;
    bool Filiale(int ANummer, TZAM_Filiale& AFiliale) override;
    int MaxFiliale() override;

    // Adds or replaces a branch (demo site, tests).
    static void Speichern(TZAM_Datenbank& ADb, const TZAM_Filiale& AFiliale);

private:
    TZAM_Datenbank& FDb;
};

#pragma once

#include "IZAM_FGSystems.h"

class TZAM_Datenbank;

// Store adjacency from zam_filiale_nachbar; a stored pair counts both ways round.
class TZAM_FGSystemsSql : public IZAM_FGSystems
{
public:
    explicit TZAM_FGSystemsSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool AreStoresAdjacent(int AFiliale1, int AFiliale2) override;

private:
    TZAM_Datenbank& FDb;
};

#pragma once

#include "TDM_Torvik.h"

// The data module's two stock services for its stock operations. A service that could not be
// created (its failure is registered by the module) raises, so the operation ends with its
// failure result instead of reading nothing as "no stock".
class TZAM_BewegungsDienste
{
public:
    static IZAM_LagerEditServer& Lager(TDM_Torvik& ADM);
    static IZAM_LagerBewegungEditServer& Bewegung(TDM_Torvik& ADM);
    // A movement record of a quantity between two places (an empty one: out of or into the
    // warehouse), stamped with the booking time now.
    static TZAM_Lager_BEW Satz(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& AVon, const TIntTrio& AAn,
                               int AMenge, const TIntPair& AMitarbeiter);
};

#pragma once

#include "IZAM_Server.h"

// The store systems: which stores lie next to each other (goods may go across directly).
class IZAM_FGSystems : public IZAM_Server
{
public:
    virtual bool AreStoresAdjacent(int AFiliale1, int AFiliale2) = 0;
};

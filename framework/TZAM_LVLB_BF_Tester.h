#pragma once

#include "TInt32Trio.h"

class IZAM_LagerBewegungEditServer;

// The stock consistency tester: a product's stock on the places and containers of each warehouse
// against the stock its branches hold in BF (of the types goods keep on places), size by size.
class TZAM_LVLB_BF_Tester
{
public:
    // True when both agree in every warehouse and size; each disagreement is written to the
    // protocol. Without AServer the movement service is created for the call.
    static bool KonsistenzTest(const TInt32Trio& AProduktId, IZAM_LagerBewegungEditServer* AServer = nullptr);
};

#pragma once

#include "TZAM_Datei.h"

// ATK: the customer-order headers.
class Tatkfile : public TZAM_Datei
{
public:
    Tatkfile() : TZAM_Datei(QStringLiteral("ZAM/ATK"))
    {
        FelderSetzen({&Key1, &Key2, &AuslieferungTyp, &Zahlungsart, &HerkunftsKz, &Glaeubiger, &GlaeubigerOrge});
    }

    TIntegerDatenFeld Key1{QStringLiteral("id1")}; // the order's key, two fields
    TIntegerDatenFeld Key2{QStringLiteral("id2")};
    TCharDatenFeld AuslieferungTyp{QStringLiteral("auslieferungtyp")};
    TCharDatenFeld Zahlungsart{QStringLiteral("zahlungsart")};
    TCharDatenFeld HerkunftsKz{QStringLiteral("herkunftskz")};
    TIntPairDatenFeld Glaeubiger{QStringLiteral("glaeubiger1"), QStringLiteral("glaeubiger2")};
    TIntPairDatenFeld GlaeubigerOrge{QStringLiteral("glaeubiger_orge1"), QStringLiteral("glaeubiger_orge2")};
};

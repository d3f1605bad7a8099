#pragma once

#include "TZAM_Datei.h"

// ATPK: the positions of a customer order, keyed by four parts, with the key of their order.
class Tatpkfile : public TZAM_Datei
{
public:
    Tatpkfile() : TZAM_Datei(QStringLiteral("ZAM/ATPK"))
    {
        FelderSetzen({&PosKey1, &PosKey2, &PosKey3, &PosKey4, &AtkKey1, &AtkKey2});
    }

    TIntegerDatenFeld PosKey1{QStringLiteral("pos_id1")};
    TIntegerDatenFeld PosKey2{QStringLiteral("pos_id2")};
    TIntegerDatenFeld PosKey3{QStringLiteral("pos_id3")};
    TIntegerDatenFeld PosKey4{QStringLiteral("pos_id4")};
    TIntegerDatenFeld AtkKey1{QStringLiteral("atk_id1")};
    TIntegerDatenFeld AtkKey2{QStringLiteral("atk_id2")};
};

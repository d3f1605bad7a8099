#pragma once

#include "TZAM_Datei.h"

// ATPB: the states of customer-order positions. A row names the order (id and number, as the
// order lines carry them) and the position it belongs to: the position's first three key parts
// here, its fourth the order number.
class Tatpbfile : public TZAM_Datei
{
public:
    Tatpbfile() : TZAM_Datei(QStringLiteral("ZAM/ATPB"))
    {
        FelderSetzen(
            {&AuftragId1, &AuftragId2, &AuftragId3, &AuftragNr, &PosLink1, &PosLink2, &PosLink3, &Zustand, &Bezahlt});
    }

    TIntegerDatenFeld AuftragId1{QStringLiteral("auftrag_id1")};
    TIntegerDatenFeld AuftragId2{QStringLiteral("auftrag_id2")};
    TIntegerDatenFeld AuftragId3{QStringLiteral("auftrag_id3")};
    TIntegerDatenFeld AuftragNr{QStringLiteral("auftrag_nr")};
    TIntegerDatenFeld PosLink1{QStringLiteral("pos_id1")};
    TIntegerDatenFeld PosLink2{QStringLiteral("pos_id2")};
    TIntegerDatenFeld PosLink3{QStringLiteral("pos_id3")};
    TCharDatenFeld Zustand{QStringLiteral("zustand")}; // "T": not counted
    TCharDatenFeld Bezahlt{QStringLiteral("bezahlt")}; // "J" or "N"
};

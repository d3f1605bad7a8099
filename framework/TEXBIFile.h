#pragma once

#include "TZAM_Datei.h"

// EXBI: what the external order system knows of an order position.
class TEXBIFile : public TZAM_Datei
{
public:
    TEXBIFile() : TZAM_Datei(QStringLiteral("ZAM/EXBI"))
    {
        FelderSetzen({&Kennung, &AuftragId, &AuftragNr, &Bezahlt, &BuchFil, &Herkunft});
    }

    TStringDatenFeld Kennung{QStringLiteral("kennung")};
    TIntTrioDatenFeld AuftragId{QStringLiteral("auftrag_id1"), QStringLiteral("auftrag_id2"),
                                QStringLiteral("auftrag_id3")};
    TIntegerDatenFeld AuftragNr{QStringLiteral("auftrag_nr")};
    TCharDatenFeld Bezahlt{QStringLiteral("bezahlt")}; // "J" or "N"
    TIntegerDatenFeld BuchFil{QStringLiteral("buch_filiale")};
    TCharDatenFeld Herkunft{QStringLiteral("herkunft")};
};

#pragma once

#include "TZAM_Datei.h"

// BNEP: the positions of the order lines. Source branch 0 stands for any source branch.
class TBNEPFile : public TZAM_Datei
{
public:
    TBNEPFile() : TZAM_Datei(QStringLiteral("ZAM/BNEP"))
    {
        FelderSetzen({&PosId, &BNEVorgId, &BNEVorgTyp, &FilNrAn, &FilNrVon, &Kennung, &AuftragId, &AuftragNr});
    }

    TIntegerDatenFeld PosId{QStringLiteral("id")}; // the position's key
    TIntTrioDatenFeld BNEVorgId{QStringLiteral("bne_id1"), QStringLiteral("bne_id2"), QStringLiteral("bne_id3")};
    TIntegerDatenFeld BNEVorgTyp{QStringLiteral("bne_typ")};
    TIntegerDatenFeld FilNrAn{QStringLiteral("ziel_filiale")};
    TIntegerDatenFeld FilNrVon{QStringLiteral("quell_filiale")};
    TStringDatenFeld Kennung{QStringLiteral("kennung")}; // the order's key text
    TIntTrioDatenFeld AuftragId{QStringLiteral("auftrag_id1"), QStringLiteral("auftrag_id2"),
                                QStringLiteral("auftrag_id3")};
    TIntegerDatenFeld AuftragNr{QStringLiteral("auftrag_nr")};
};

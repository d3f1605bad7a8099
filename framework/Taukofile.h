#pragma once

#include "TZAM_Datei.h"

// AUKO: the task headers.
class Taukofile : public TZAM_Datei
{
public:
    Taukofile() : TZAM_Datei(QStringLiteral("ZAM/AUKO"))
    {
        FelderSetzen({&AufgabenId, &Art, &ZeitpunktAnl, &ZeitpunktBearb, &GV, &Status});
    }

    TIntTrioDatenFeld AufgabenId{QStringLiteral("id1"), QStringLiteral("id2"), QStringLiteral("id3")};
    TStringDatenFeld Art{QStringLiteral("art")};                      // kind code
    TDateTimeDatenFeld ZeitpunktAnl{QStringLiteral("erstellt")};      // created
    TDateTimeDatenFeld ZeitpunktBearb{QStringLiteral("bearbeitung")}; // to be processed
    TStringDatenFeld GV{QStringLiteral("gv")};                        // business-case code
    TCharDatenFeld Status{QStringLiteral("status")};                  // status character
};

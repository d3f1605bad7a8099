#pragma once

#include "TZAM_Datei.h"

// AUAE: a task's execution data. A customer-order id and number all 0 mean that the order-line
// position names the order.
class Tauaefile : public TZAM_Datei
{
public:
    Tauaefile() : TZAM_Datei(QStringLiteral("ZAM/AUAE"))
    {
        FelderSetzen({&AufgabenId, &FilNrVon, &FilNrAn, &Menge, &BNEVorgId, &BNEVorgTyp, &KubeId, &KubeErgNr});
    }

    TIntTrioDatenFeld AufgabenId{QStringLiteral("auf_id1"), QStringLiteral("auf_id2"), QStringLiteral("auf_id3")};
    TIntegerDatenFeld FilNrVon{QStringLiteral("quell_filiale")};
    TIntegerDatenFeld FilNrAn{QStringLiteral("ziel_filiale")};
    TIntegerDatenFeld Menge{QStringLiteral("menge")};
    TIntTrioDatenFeld BNEVorgId{QStringLiteral("bne_id1"), QStringLiteral("bne_id2"), QStringLiteral("bne_id3")};
    TIntegerDatenFeld BNEVorgTyp{QStringLiteral("bne_typ")};
    TIntTrioDatenFeld KubeId{QStringLiteral("kube_id1"), QStringLiteral("kube_id2"), QStringLiteral("kube_id3")};
    TIntegerDatenFeld KubeErgNr{QStringLiteral("kube_nr")};
};

#pragma once

#include "TQIV_VonBisDatum.h"
#include "TZAM_Aufgaben_Suchkriterien.h"

#include <QList>

// What the customer-order task statement selects. Empty sets, open ranges and an empty branch
// list do not restrict.
struct TKuBeAufgQuerySel
{
    TZAM_Aufgabe_ArtSet AufgabeArt = 0;
    TQIV_VonBisDatum Anlagedatum;
    TQIV_VonBisDatum Bearbeitungsdatum;
    TZAM_Aufgabe_GeschaeftsvorfallSet GV = 0;
    TZAM_Aufgabe_StatusSet Status = 0;
    QList<qint32> FilNrVon; // source branches

    void Clear();
};

#pragma once

class TZAM_TestUmgebung;

// What fixing the orders of a WE-Plus receipt waits for on the large site (the large site must
// exist): a typed own order number resolved and locked, the tenth piece scanned in the order
// determination (both lists rebuilt), and the quick article search.
class TZAM_WEPlusAuftragMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
};

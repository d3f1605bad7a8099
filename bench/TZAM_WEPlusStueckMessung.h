#pragma once

class TZAM_TestUmgebung;

// What the piece-wise WE-Plus capture waits for on the large site (the large site must exist), in
// the receipt of an order with 200 dispositions whose cache already holds 1,000 captured lines: a
// piece scanned until its target is painted (nothing printed), the piece booked by scanning its
// place, and the posting of the 1,000 lines.
class TZAM_WEPlusStueckMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
};

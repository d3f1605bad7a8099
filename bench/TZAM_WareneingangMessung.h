#pragma once

class TZAM_TestUmgebung;

// What the WE-Plus receipt waits for on the large site (the large site must exist): the work
// behind one scanned piece, the open dispositions of orders, the orders of an article, the rebuild
// of the cache from scan records and the movement list grouped by process combination.
class TZAM_WareneingangMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
};

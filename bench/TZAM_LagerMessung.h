#pragma once

class TZAM_TestUmgebung;

// The stock operations a worker waits for, on a large site: a scanned barcode to place
// information, the stock queries, and a handheld's relocation (source locked, area test, booking
// with the service's own test, lock released).
class TZAM_LagerMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
};

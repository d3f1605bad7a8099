#pragma once

class TDM_Torvik;
class TZAM_TestUmgebung;

// The handheld's article relocation on a large site, through the scan field as a worker scans:
// the source and the target place each to the painted header (place test with the assignments,
// the source locked), an article with its shortfall test on the source, and the row booked.
class TZAM_LagerbewegungMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, TDM_Torvik& ADm, int ALaeufe);
};

#pragma once

class TZAM_TestUmgebung;

// The task counts and loads a worker waits for on a large site (the large site must exist): the
// handheld menu's counts of re-sorting, customer orders and sales-floor requests, with the
// complete-in-warehouse list and without, on both paths of the counter, and the task list of one
// branch.
class TZAM_AufgabenMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe, int AZielFiliale);
};

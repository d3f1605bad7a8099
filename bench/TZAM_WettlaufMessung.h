#pragma once

class TZAM_TestUmgebung;

// Contention: sixteen programs relocate and remove the same few stock rows for thirty seconds.
// Prints the bookings per second and whether stock, branch stock and journal still agree.
class TZAM_WettlaufMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int AProzesse = 16, int ASekunden = 30);
    // The same with picks of shared tasks: tasks never fulfilled beyond their quantity.
    static void Picken(TZAM_TestUmgebung& AUmgebung, int AProzesse = 16, int ASekunden = 30);
};

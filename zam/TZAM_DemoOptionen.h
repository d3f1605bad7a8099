#pragma once

class TZAM_Datenbank;

// The default option sets of the demo site (key *STANDARD*) for the terminal and the handheld:
// the complete lines their option forms store for the built-in defaults with warehouse 1 and the
// printer "PDF". So a fresh demo opens both menus without asking for a warehouse, although the
// site has two.
class TZAM_DemoOptionen
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
};

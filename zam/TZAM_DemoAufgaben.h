#pragma once

class TZAM_Datenbank;

// The demo's task work in warehouse 1, ids (1, 2, n): re-sorting for the branches 12, 14, 17 and
// the warehouse's own branch 1, customer orders (documents 6001 to 6007) and external orders of
// the web shop ("WEB-240001" to "WEB-240004") with their order lines, and hand-store tasks onto
// the wormholes WL-21 and WL-25 with the reasons of group "HAG"; besides them the walking routes
// of both warehouses and the selling prices of the demo articles.
class TZAM_DemoAufgaben
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
    // Warehouse 1's processing order 1: the categories 2 and 5 shown separately, a template of
    // the branches 12, 14 and 1; stored switched off (the branch chooser's plain buttons).
    static void Abarbeitung(TZAM_Datenbank& ADb);
    // For the picking workflows: re-sorting tasks on two places (one off the route), only in a
    // container, only on the hall place, one with nothing left, one for branch 21 without warehouse
    // management; a hand-store task finished a month ago; a price of 0 in branch 17; the rights
    // of the shortfall booking for "anna".
    static void Kommissionierung(TZAM_Datenbank& ADb);

private:
    static void Nachsortierung(TZAM_Datenbank& ADb);
    static void Kundenbestellungen(TZAM_Datenbank& ADb);
    static void ExterneBestellungen(TZAM_Datenbank& ADb);
    static void Handlager(TZAM_Datenbank& ADb);
    static void Laufwege(TZAM_Datenbank& ADb);
    static void Preise(TZAM_Datenbank& ADb);
};

#pragma once

class TZAM_Datenbank;

// Master data of the demo site: warehouse groups and branches, business partners, users with
// rights, clients, printers, the storage places of warehouse 1 and a few open tasks.
class TZAM_DemoStamm
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
    // Warehouse 2 "Lager Süd" with its single branch 30 "Außenlager Süd".
    static void ZweitesLager(TZAM_Datenbank& ADb);
    // Warehouse 3 "Teamsport" with its single team-sport-plus branch 40, a storage place and a
    // processing-preparation place.
    static void TeamsportLager(TZAM_Datenbank& ADb);

private:
    static void Filialen(TZAM_Datenbank& ADb);
    static void Partner(TZAM_Datenbank& ADb);
    static void Drucker(TZAM_Datenbank& ADb);
    static void Lagerorte(TZAM_Datenbank& ADb);
    static void Aufgaben(TZAM_Datenbank& ADb);
};

#pragma once

class TZAM_Datenbank;

// The demo's storage structure for stock movements: places in every area, staging places,
// wormholes, the special places, containers on places and in containers, and stock on them with
// the branches' stock (BF) in agreement.
class TZAM_DemoLager
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
};

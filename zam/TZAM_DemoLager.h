#pragma once

class TZAM_Datenbank;

// The demo's storage structure for stock movements: places in every area, staging places,
// wormholes, the special places, containers on places and in containers, and stock on them with
// the branches' stock (BF) in agreement.
class TZAM_DemoLager
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
    // For the picking workflows: D-01-01 in warehouse 1, off the walking routes, with stock of its
    // own; two free containers BEH-0007 (holding goods, on A-01-03) and BEH-0008 (empty, on no
    // place: a container to pick into); goods
    // only on the hall place.
    static void Kommissionierung(TZAM_Datenbank& ADb);
    // Customer staging places of warehouse 1: KVBS-02 (holding customer order 7001), KVBS-03 and
    // KVBS-04 at the end of its first walking route, KVBS-05 like KVBS-01 off the routes.
    static void KundenVBS(TZAM_Datenbank& ADb);
    // For the manual movements: the empty parcel containers PAKET-01 and PAKET-02 (no place, no
    // branch), goods for branch 14 on its staging place VBS-14-B, containers on the processing place
    // BEARB-01 and the processing start BSTART-01, and in warehouse 2 a container S-BEH-01 on
    // S-01-02 with stock of branch 30. (A-01-03 already holds loose goods beside two containers.)
    static void ManuelleBewegungen(TZAM_Datenbank& ADb);
};

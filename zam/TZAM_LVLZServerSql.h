#pragma once

#include "IZAM_LVLZServer.h"

class TZAM_Datenbank;

// The place assignments in zam_lvlz, one row per place; a customer-order document is named by
// kind 1, the document key (atk.id1, atk.id2, 0) and number 0.
class TZAM_LVLZServerSql : public IZAM_LVLZServer
{
public:
    explicit TZAM_LVLZServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Zuordnung_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_Zuordnung& AZuordnung) override;
    void Zuordnung_Schreiben(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung) override;
    void Zuordnung_Loeschen(const TIntTrio& ALagerort) override;
    bool BelegDaten_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_BelegDaten& ADaten) override;
    bool Behaelter_4_Verweis(const TZAM_PersArt_ExtVerweis& AVerweis, const TIntTrio& AVerfKombiId, int AStatus,
                             TIntTrio& ABehaelter) override;
    bool Zuordnung_Anlegen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung) override;

private:
    TZAM_Datenbank& FDb;
};

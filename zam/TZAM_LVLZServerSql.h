#pragma once

#include "IZAM_LVLZServer.h"

class TZAM_Datenbank;

// The place assignments in zam_lvlz, one row per place; a customer-order document is named by
// kind 1, the document key (atk.id1, atk.id2, 0) and number 0. The customer staging places are in
// TZAM_LVLZServerSql_KundenVBS.cpp.
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
    bool KundenVBS_4_Beleg(int ALager, const TIntTrio& ABelegId, TZAM_Lagervorrichtung& AKundenVBS) override;
    QList<TZAM_Lagervorrichtung> KundenVBS_Freie(int ALager, int AHoechstens) override;
    bool KundenVBS_Zuordnen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung, bool ANurFrei) override;
    int Beleg_Fehlmenge_Auf_Lagerort(const TIntTrio& ABelegId, const TIntTrio& ALagerort) override;

    // The table's columns in brackets, the place's key first; the values of an assignment after
    // the key in that order.
    static const QString CSpalten;
    static QVariantList Werte(const TZAM_LVLZ_Zuordnung& AZuordnung);
    // The condition of an upsert that the stored row names the same reference and combination.
    static const QString CGleicherVerweis;

private:
    // The warehouse's first walking route; null without one.
    TIntTrio ErsterLaufweg(int ALager);

    TZAM_Datenbank& FDb;
};

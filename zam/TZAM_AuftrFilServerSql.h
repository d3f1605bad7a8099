#pragma once

#include "IZAM_AuftrFilServer.h"

class TZAM_Datenbank;

// The order-branch lists in zam_auftrfil: one row per entry (eintrag) and position (pos) with the
// entry's order branch and the branch at that position.
class TZAM_AuftrFilServerSql : public IZAM_AuftrFilServer
{
public:
    explicit TZAM_AuftrFilServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_AuftrFilEintrag> Eintraege(const TIntPair& ALieferant) override;
    void Speichern(const TIntPair& ALieferant, const QList<TZAM_AuftrFilEintrag>& AEintraege) override;

private:
    TZAM_Datenbank& FDb;
};

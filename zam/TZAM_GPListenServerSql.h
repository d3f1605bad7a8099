#pragma once

#include "IZAM_GPListenServer.h"

class TZAM_Datenbank;

// Business partners from zam_gp. The search compares case-folded text that the program writes
// beside the name, so umlauts fold alike on both engines.
class TZAM_GPListenServerSql : public IZAM_GPListenServer
{
public:
    explicit TZAM_GPListenServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QString Name(const TIntPair& AGepNr, int AVariante = 0) override;
    // A negative kind searches every kind; an empty text finds every partner of the kind.
    QList<TZAM_GPEintrag> Suchen(const QString& AText, int AArt) override;

    // Adds or replaces a partner (demo site, tests).
    static void Speichern(TZAM_Datenbank& ADb, const TZAM_GPEintrag& AEintrag);
    // Partners of one kind in number order.
    static QList<TZAM_GPEintrag> DerArt(TZAM_Datenbank& ADb, int AArt);

private:
    TZAM_Datenbank& FDb;
};

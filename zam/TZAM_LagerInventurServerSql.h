#pragma once

#include "IZAM_LagerInventurServer.h"

class TZAM_Datenbank;

// Places in operation and counting dates, on zam_lagerort.
class TZAM_LagerInventurServerSql : public IZAM_LagerInventurServer
{
public:
    explicit TZAM_LagerInventurServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    // False for an unknown place as well.
    bool LagerortInBetrieb(const TIntTrio& ALagerort) override;
    QList<TZAM_Zaehlplatz> Zaehlplaetze(int ALager) override;
    // A null date clears the counting date.
    void ZaehldatumSetzen(const QList<TIntTrio>& ALagerorte, const QDate& ADatum) override;

private:
    TZAM_Datenbank& FDb;
};

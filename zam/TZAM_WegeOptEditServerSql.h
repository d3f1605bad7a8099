#pragma once

#include "IZAM_WegeOptEditServer.h"

class TZAM_Datenbank;

// Walking routes (zam_laufweg) and their places (zam_laufweg_platz).
class TZAM_WegeOptEditServerSql : public IZAM_WegeOptEditServer
{
public:
    explicit TZAM_WegeOptEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_Laufweg> Laufwege_4_Lager(int ALager) override;
    QList<TIntTrio> Laufweg_Lagerorte(const TIntTrio& ALaufweg) override;

private:
    TZAM_Datenbank& FDb;
};

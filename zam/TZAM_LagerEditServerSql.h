#pragma once

#include "IZAM_LagerEditServer.h"

class TZAM_Datenbank;

// Warehouse groups and their branches from zam_lagergruppe and zam_lagergruppe_filiale.
class TZAM_LagerEditServerSql : public IZAM_LagerEditServer
{
public:
    explicit TZAM_LagerEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_Lagergruppe> Lagergruppen() override;
    bool Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe) override;

private:
    TZAM_Datenbank& FDb;
};

#pragma once

#include "IZAM_GrundServer.h"

class TZAM_Datenbank;

// The reason file (zam_grund), one group at a time.
class TZAM_GrundServerSql : public IZAM_GrundServer
{
public:
    explicit TZAM_GrundServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TGrndSatz> Gruende_Lesen(const QString& AGruppe) override;

private:
    TZAM_Datenbank& FDb;
};

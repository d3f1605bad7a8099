#pragma once

#include "IZAM_SqlAbfrage.h"

class TZAM_Datenbank;

// The read statements of the program's query builders, on the program's connection (inside an
// open booking bracket under a savepoint, like every framework read).
class TZAM_SqlAbfrageSql : public IZAM_SqlAbfrage
{
public:
    explicit TZAM_SqlAbfrageSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    TQIV_DBConnectorTyp_erw ConnectorTyp() override;
    QList<QVariantList> Abfragen(const QString& ASelect) override;

private:
    TZAM_Datenbank& FDb;
};

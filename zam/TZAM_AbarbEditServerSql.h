#pragma once

#include "IZAM_AbarbEditServer.h"

class TZAM_Datenbank;

// Processing orders (zam_abarbeitung, the current one flagged) and their templates
// (zam_abarbeitung_vorlage, in position order).
class TZAM_AbarbEditServerSql : public IZAM_AbarbEditServer
{
public:
    explicit TZAM_AbarbEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool AktuelleAbarbeitung(int ALager, TZAM_Abarbeitung& AAbarbeitung) override;

private:
    TZAM_Datenbank& FDb;
};

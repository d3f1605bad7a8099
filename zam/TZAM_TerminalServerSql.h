#pragma once

#include "IZAM_TerminalServer.h"

class TZAM_Datenbank;

// The terminals in zam_terminal (identification, number; both unique).
class TZAM_TerminalServerSql : public IZAM_TerminalServer
{
public:
    explicit TZAM_TerminalServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    int TerminalNummer(const QString& ATerminalId) override;

private:
    TZAM_Datenbank& FDb;
};

#pragma once

#include "IZAM_Druck.h"

class TZAM_Datenbank;
class TZAM_IniDatei;

// The print module on QPrinter, with its jobs in zam_druckauftrag and the label layouts of
// zam_etikett_layout.
class TZAM_DruckSql : public IZAM_Druck
{
public:
    TZAM_DruckSql(TZAM_Datenbank& ADb, const TZAM_IniDatei& AIni) : FDb(ADb), FIni(AIni) {}

    std::unique_ptr<IZAM_DruckAuftrag> Beginnen(const QString& ADrucker, const QString& AArt,
                                                const QSizeF& ASeiteMm = {}) override;
    bool DruckMoeglich(const QString& ADrucker) override;
    bool EtikettLayout_Lesen(const QString& AName, TZAM_EtikettLayout& ALayout) override;

    static void EtikettLayout_Anlegen(TZAM_Datenbank& ADb, const TZAM_EtikettLayout& ALayout);

private:
    TZAM_Datenbank& FDb;
    const TZAM_IniDatei& FIni;
};

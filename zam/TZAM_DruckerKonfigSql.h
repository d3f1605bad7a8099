#pragma once

#include "IZAM_DruckerKonfig.h"

class TZAM_Datenbank;

// The site's printers from zam_drucker; the first printer entered for a type serves it.
class TZAM_DruckerKonfigSql : public IZAM_DruckerKonfig
{
public:
    explicit TZAM_DruckerKonfigSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_Drucker> Drucker() override;
    QString DruckerFuerTyp(int ATyp) override;

    static void Anlegen(TZAM_Datenbank& ADb, const TZAM_Drucker& ADrucker);

private:
    TZAM_Datenbank& FDb;
};

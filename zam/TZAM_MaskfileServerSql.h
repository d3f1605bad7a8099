#pragma once

#include "IZAM_MaskfileServer.h"

class TZAM_Datenbank;

// The mask file in zam_maskfile.
class TZAM_MaskfileServerSql : public IZAM_MaskfileServer
{
public:
    explicit TZAM_MaskfileServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Lesen(const TZAM_MaskfileSchluessel& ASchluessel, QString& AInhalt) override;
    void Schreiben(const TZAM_MaskfileSchluessel& ASchluessel, const QString& AInhalt) override;

private:
    TZAM_Datenbank& FDb;
};

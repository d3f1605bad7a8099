#pragma once

#include "IZAM_FormStoreServer.h"

class TZAM_Datenbank;

// Stored form lists in zam_formstore, one row per line. Reads answer exactly the key asked
// for: the caller decides when to fall back to the default set (CZAM_FormStore_Standard).
class TZAM_FormStoreServerSql : public IZAM_FormStoreServer
{
public:
    explicit TZAM_FormStoreServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Vorhanden(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) override;
    QStringList Lesen(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) override;
    // Replaces every stored line of the set; no lines remove the set.
    void Schreiben(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AName, const QString& AIndex,
                   const QStringList& AZeilen) override;

private:
    TZAM_Datenbank& FDb;
};

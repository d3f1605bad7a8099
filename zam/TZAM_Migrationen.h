#pragma once

#include "TZAM_Migration.h"

class TZAM_Datenbank;

// Applies the migrations of a schema area in order; each in its own transaction together with
// the bump of the version table. Several programs may start at once on a new database.
class TZAM_Migrationen
{
public:
    static void Anwenden(TZAM_Datenbank& ADb, const QString& ABereich, const QList<TZAM_Migration>& AMigrationen);
    static int Version(TZAM_Datenbank& ADb, const QString& ABereich);
};

#pragma once

#include "TZAM_Migration.h"

class TZAM_Datenbank;
class TZAM_ParameterService;

// The demo site of the embedded database. Its steps are numbered like migrations (area "demo"),
// so a demo database created by an older program receives what later steps add.
class TZAM_DemoSite
{
public:
    static void Aktualisieren(TZAM_Datenbank& ADb, TZAM_ParameterService& AParameter);

private:
    static QList<TZAM_Migration> Schritte(TZAM_ParameterService& AParameter);
};

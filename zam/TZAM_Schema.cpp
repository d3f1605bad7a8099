#include "TZAM_Schema.h"

const QList<TZAM_Migration>& TZAM_Schema::Daten()
{
    static const QList<TZAM_Migration> GDaten = {
        {1,
         QStringLiteral("Parameter und Buchungsprotokoll"),
         {
             QStringLiteral("CREATE TABLE zam_parameter (name VARCHAR(40) PRIMARY KEY, wert TEXT NOT NULL, "
                            "beschreibung TEXT NOT NULL DEFAULT '')"),
             QStringLiteral("CREATE TABLE zam_buchung (id {ID}, operationsart INTEGER NOT NULL, "
                            "name TEXT NOT NULL, terminal TEXT NOT NULL, zeit {INT64} NOT NULL)"),
         },
         {}},
    };
    return GDaten;
}

const QList<TZAM_Migration>& TZAM_Schema::Sperren()
{
    static const QList<TZAM_Migration> GSperren = {
        {1,
         QStringLiteral("Sitzungen und Sperren"),
         {
             QStringLiteral("CREATE TABLE zam_sitzung (id {ID}, host TEXT NOT NULL, pid INTEGER NOT NULL, "
                            "terminal TEXT NOT NULL, eltern {INT64}, benutzer TEXT NOT NULL DEFAULT '', "
                            "benutzer_name TEXT NOT NULL DEFAULT '', gestartet {INT64} NOT NULL, "
                            "herzschlag {INT64} NOT NULL)"),
             QStringLiteral("CREATE TABLE zam_sperre (art VARCHAR(60) NOT NULL, schluessel VARCHAR(200) NOT NULL, "
                            "sitzung {INT64} NOT NULL, benutzer TEXT NOT NULL, benutzer_name TEXT NOT NULL, "
                            "seit {INT64} NOT NULL, PRIMARY KEY (art, schluessel))"),
             QStringLiteral("CREATE INDEX zam_sperre_sitzung ON zam_sperre (sitzung)"),
         },
         {}},
    };
    return GSperren;
}

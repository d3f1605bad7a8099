#include "TZAM_GanzOderGarNicht.h"

#include "IZAM_Buchung.h"
#include "TZAM_Datenbank.h"
#include "ZAMGlobal.h"

bool zam_GanzOderGarNicht(TZAM_Datenbank& ADb, int AOperationsArt, const QString& AName, const QString& APraefix,
                          const std::function<bool()>& ARumpf)
{
    IZAM_Buchung& buchung = ZAMBuchung();
    const int tiefe = buchung.Tiefe();
    buchung.Oeffnen(AOperationsArt, AName);
    try {
        const QString savepoint = APraefix + QString::number(tiefe);
        ADb.Schreiben(QStringLiteral("SAVEPOINT ") + savepoint);
        const bool ok = ARumpf();
        if (!ok)
            ADb.Schreiben(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint);
        ADb.Schreiben(QStringLiteral("RELEASE SAVEPOINT ") + savepoint);
        buchung.Schliessen(AName);
        return ok;
    } catch (...) {
        buchung.Aufgeben(tiefe);
        throw;
    }
}

#include "TZAM_SchreibklammerSql.h"

#include "TZAM_Datenbank.h"

void TZAM_SchreibklammerSql::Ausfuehren(TZAM_Datenbank& ADb, const QString& AName,
                                        const std::function<void()>& ASchreiben)
{
    if (ADb.InTransaktion()) {
        ASchreiben();
        return;
    }
    // Refused while the program's brackets were abandoned or cancelled and are not yet closed.
    ADb.TransaktionBeginnen(AName);
    try {
        ASchreiben();
        ADb.TransaktionFestschreiben();
    } catch (...) {
        ADb.TransaktionZuruecksetzen();
        throw;
    }
}

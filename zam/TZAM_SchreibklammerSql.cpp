#include "TZAM_SchreibklammerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Backend.h"
#include "TZAM_BuchungService.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

void TZAM_SchreibklammerSql::Ausfuehren(TZAM_Datenbank& ADb, const QString& AName,
                                        const std::function<void()>& ASchreiben)
{
    if (ADb.InTransaktion()) {
        ASchreiben();
        return;
    }
    // Brackets open without a transaction: they were abandoned or cancelled, the program's
    // connection takes no writes until they are closed.
    TZAM_Backend* backend = TZAM_Backend::Instanz();
    if (backend && backend->DatenbankOffen() && &backend->Datenbank() == &ADb && backend->Buchung().Tiefe() > 0)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, AName);
    ADb.TransaktionBeginnen();
    try {
        ASchreiben();
        ADb.TransaktionFestschreiben();
    } catch (...) {
        ADb.TransaktionZuruecksetzen();
        throw;
    }
}

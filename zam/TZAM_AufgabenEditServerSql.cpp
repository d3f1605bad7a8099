#include "TZAM_AufgabenEditServerSql.h"

#include "TZAM_AufgabenFilterSql.h"
#include "TZAM_Datenbank.h"

bool TZAM_AufgabenEditServerSql::AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien)
{
    const TZAM_AufgabenFilterSql filter(AKriterien);
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe a") + filter.Where() + QStringLiteral(" LIMIT 1"),
                      filter.Werte())
                .IsEmpty();
}

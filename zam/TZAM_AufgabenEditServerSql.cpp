#include "TZAM_AufgabenEditServerSql.h"

#include "TZAM_AufgabenFilterSql.h"
#include "TZAM_Datenbank.h"
#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

bool TZAM_AufgabenEditServerSql::AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien)
{
    const TZAM_AufgabenFilterSql filter(AKriterien);
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe a") + filter.Where() + QStringLiteral(" LIMIT 1"),
                      filter.Werte())
                .IsEmpty();
}

// Placeholders until the service reads the task files.
namespace {
[[noreturn]] void Fehlt(const char* AName)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, QString::fromLatin1(AName));
}
} // namespace
bool TZAM_AufgabenEditServerSql::Aufgabenliste_Laden(const TZAM_Aufgaben_Suchkriterien&, const TQIVAufgabenlisteLaden_Options&) { Fehlt("Aufgabenliste_Laden"); }
const TQIV_AufgabenZeile& TZAM_AufgabenEditServerSql::Zeile(int AIndex) const { return FZeilen.at(AIndex); }
void TZAM_AufgabenEditServerSql::ZeileLoeschen(int) { Fehlt("ZeileLoeschen"); }
void TZAM_AufgabenEditServerSql::Aufgabenliste_Freigeben() { FZeilen.clear(); FListe.RowsClear(); }
bool TZAM_AufgabenEditServerSql::Aufgabe_Sperren(const TIntTrio&, QString&, QDateTime&) { Fehlt("Aufgabe_Sperren"); }
void TZAM_AufgabenEditServerSql::Aufgabe_Entsperren(const TIntTrio&) { Fehlt("Aufgabe_Entsperren"); }
bool TZAM_AufgabenEditServerSql::Aufgabe_StatusAendern(const TIntTrio&, int) { Fehlt("Aufgabe_StatusAendern"); }
TIntTrio TZAM_AufgabenEditServerSql::BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis&) { Fehlt("BelegId_4_ExtVerweis"); }
bool TZAM_AufgabenEditServerSql::Aufgabe_Erfuellen(const TZAM_Aufgabe_Erfuellen_Daten&, const TIntPair&, const TIntTrio&, TZAM_InfoMeldungListe*, int) { Fehlt("Aufgabe_Erfuellen"); }
QList<TZAM_AufgabenKopf> TZAM_AufgabenEditServerSql::Aufgabenkoepfe_Lesen(const TZAM_AufgabenKopfFilter&) { Fehlt("Aufgabenkoepfe_Lesen"); }
bool TZAM_AufgabenEditServerSql::Ausfuehrung_Lesen(const TIntTrio&, TZAM_AufgabenAusfuehrung&) { Fehlt("Ausfuehrung_Lesen"); }

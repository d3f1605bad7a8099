#include "TZAM_DemoSite.h"

#include "TZAM_Datenbank.h"
#include "TZAM_DemoArtikel.h"
#include "TZAM_DemoAufgaben.h"
#include "TZAM_DemoBilder.h"
#include "TZAM_DemoEingangsbelege.h"
#include "TZAM_DemoLager.h"
#include "TZAM_DemoOptionen.h"
#include "TZAM_DemoStamm.h"
#include "TZAM_DemoWareneingang.h"
#include "TZAM_Migrationen.h"
#include "TZAM_ParameterService.h"
#include "TZAM_RechteServerSql.h"

namespace {

void Parameter(TZAM_ParameterService& P)
{
    P.Speichern(QStringLiteral("LAGERANZ"), QStringLiteral("1"), QStringLiteral("Anzahl der Lager"));
    P.Speichern(QStringLiteral("PWSCHUTZ"), QStringLiteral("J"), QStringLiteral("Anmeldung mit Passwort"));
    P.Speichern(QStringLiteral("ANMEFORC"), QStringLiteral("N"), QStringLiteral("Anmeldung erzwingen"));
    P.Speichern(QStringLiteral("EWABELEG"), QStringLiteral("J"), QStringLiteral("Warenannahmescheine"));
    P.Speichern(QStringLiteral("WEPLUS"), QStringLiteral("J"), QStringLiteral("Wareneingang PLUS"));
    P.Speichern(QStringLiteral("ZPSVOWBS"), QStringLiteral("N"), QStringLiteral("Sofortvollzug ohne WBS"));
    P.Speichern(QStringLiteral("RESBELDR"), QStringLiteral("N"), QStringLiteral("Reservierungsbeleg drucken"));
    P.Speichern(QStringLiteral("WEMODE_PARAM"), QStringLiteral("0"), QStringLiteral("Wareneingangsmodus"));
    P.Speichern(QStringLiteral("ARTMERKM"), QStringLiteral("201-202"), QStringLiteral("Merkmalsfelder der Artikel"));
}

} // namespace

QList<TZAM_Migration> TZAM_DemoSite::Schritte(TZAM_ParameterService& AParameter)
{
    TZAM_ParameterService* p = &AParameter;
    return {
        {1, QStringLiteral("Parameter"), {}, {}, [p](TZAM_Datenbank&) { Parameter(*p); }},
        {2,
         QStringLiteral("Lager, Filialen, Partner, Benutzer, Drucker, Lagerorte, Aufgaben"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoStamm::Anlegen(ADb); }},
        {3,
         QStringLiteral("Parameter des Handgeräts"),
         {},
         {},
         [p](TZAM_Datenbank&) {
             // Stock reserved on customer staging places: the demo keeps it off.
             p->Speichern(QStringLiteral("RESAUFKUBELP"), QStringLiteral("N"), QStringLiteral("Reservierung auf KuBe-LP"));
         }},
        {4, QStringLiteral("Artikelbilder"), {}, {}, [](TZAM_Datenbank& ADb) { TZAM_DemoBilder::Anlegen(ADb); }},
        {5,
         QStringLiteral("Artikel mit Größen, Codes und Bestand"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoArtikel::Anlegen(ADb); }},
        {6,
         QStringLiteral("Zweites Lager, Standardsätze der Optionen"),
         {},
         {},
         [p](TZAM_Datenbank& ADb) {
             TZAM_DemoStamm::ZweitesLager(ADb);
             p->Speichern(QStringLiteral("LAGERANZ"), QStringLiteral("2"), QStringLiteral("Anzahl der Lager"));
             // Two warehouses: without a default set every new terminal would first have to choose one.
             TZAM_DemoOptionen::Anlegen(ADb);
         }},
        {7,
         QStringLiteral("Lagerbereiche, Behälter, Bestand mit Filialbestand"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoLager::Anlegen(ADb); }},
        {8,
         QStringLiteral("Aufgaben mit Bestellungen, Anforderungsgründe, Laufwege, Verkaufspreise"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoAufgaben::Anlegen(ADb); }},
        {9,
         QStringLiteral("Parameter GDBCONFIG"),
         {},
         {},
         [p](TZAM_Datenbank&) {
             // Not 1: the task counts run through the customer-order statement.
             p->Speichern(QStringLiteral("GDBCONFIG"), QStringLiteral("0"), QStringLiteral("Datenbankkonfiguration"));
         }},
        {10,
         QStringLiteral("Teamsport-Lager mit Bearbeitungs-Vorbereitung"),
         {},
         {},
         [p](TZAM_Datenbank& ADb) {
             TZAM_DemoStamm::TeamsportLager(ADb);
             p->Speichern(QStringLiteral("LAGERANZ"), QStringLiteral("3"), QStringLiteral("Anzahl der Lager"));
         }},
        {11,
         QStringLiteral("Abarbeitungsreihenfolge (ausgeschaltet)"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoAufgaben::Abarbeitung(ADb); }},
        {12,
         QStringLiteral("Filiale ohne Lagerverwaltung"),
         {},
         {},
         [](TZAM_Datenbank& ADb) {
             // Branch 21, the neighbour of branch 17, keeps no warehouse management: its re-sorting
             // goes into the pseudo container.
             ADb.Schreiben(QStringLiteral("UPDATE zam_filiale SET lv_benutzen = 0 WHERE nummer = 21"));
         }},
        {13,
         QStringLiteral("Kommissionierung: Plätze außerhalb des Laufwegs, freie Behälter, Aufgaben, Rechte"),
         {},
         {},
         [](TZAM_Datenbank& ADb) {
             TZAM_DemoLager::Kommissionierung(ADb);
             TZAM_DemoAufgaben::Kommissionierung(ADb);
             // The shortfall booking of the picking steps asks for 452 and 453 besides 380.
             TZAM_RechteServerSql::RechteVergeben(ADb, {2, 1}, {452, 453});
         }},
        {14,
         QStringLiteral("Wareneingang: Lieferanten, Etiketten, Dispositionen, Kundenbestellungen zur Bearbeitung, "
                        "Einweg-Behälter"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoWareneingang::Anlegen(ADb); }},
        {15,
         QStringLiteral("Wareneingangsbuchung: Disposition mit Kundenanteil, gesperrter und quellausgezeichneter "
                        "Artikel, Auftragsfilialen, Etikettendruck-Einstellung"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoWareneingang::Buchung(ADb); }},
        {16,
         QStringLiteral("WE-Plus: Bestellungen mit eigenen Nummern, Nummernkreise 45 und 46"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoWareneingang::Bestellungen(ADb); }},
        {17,
         QStringLiteral("Kunden-Versandbereitstellungen im Laufweg, eine mit Kundenbestellung 7001"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoLager::KundenVBS(ADb); }},
        {18,
         QStringLiteral("Eingangsbelege: Warenbegleitscheine aus Filiale 21, WE-Avise, Fremdnummer, Ware auf dem "
                        "WE-Platz"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoEingangsbelege::Anlegen(ADb); }},
        {19,
         QStringLiteral("Manuelle Lagerbewegungen: Paketbehälter, Ware auf VBS-14-B und A-01-03, Behälter auf "
                        "Bearbeitungsplätzen, Behälter im Lager Süd"),
         {},
         {},
         [](TZAM_Datenbank& ADb) { TZAM_DemoLager::ManuelleBewegungen(ADb); }},
    };
}

void TZAM_DemoSite::Aktualisieren(TZAM_Datenbank& ADb, TZAM_ParameterService& AParameter)
{
    TZAM_Migrationen::Anwenden(ADb, QStringLiteral("demo"), Schritte(AParameter));
}

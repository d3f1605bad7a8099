#include "TZAM_DemoStamm.h"

#include "TIntTrio.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_RechteServerSql.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMLagerKonstanten.h"

#include <QDateTime>

namespace {

struct TFiliale
{
    int Nummer;
    const char* Name;
    bool TeamsportPlus;
};

struct TPartner
{
    TIntPair GepNr;
    int Nummer;
    const char* Name;
    int Art;
};

struct TAufgabe
{
    int Nr;
    int Geschaeftsvorfall;
    int ZielFiliale;
    int ExtKennung;
    int Beleg;       // document number of a customer order, 0 without
    char Herkunft;   // origin mark of the document, 0 without
    int BuchFiliale; // the branch that booked the document, -1 without
    int Artikel;
    int Groesse;
};

// A warehouse group in the order of its number, with its branches in the given order.
void Lagergruppe(TZAM_Datenbank& ADb, int ANummer, const QString& AName, const QList<int>& AFilialen)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (?, ?, ?)"),
                  {ANummer, AName, ANummer});
    int reihe = 0;
    for (int f : AFilialen)
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) VALUES (?, ?, ?)"),
            {ANummer, f, ++reihe});
}

void Filiale(TZAM_Datenbank& ADb, const TFiliale& AFiliale)
{
    TZAM_Filiale f;
    f.Nummer = AFiliale.Nummer;
    f.Name = QString::fromUtf8(AFiliale.Name);
    f.TeamsportPlus = AFiliale.TeamsportPlus;
    f.OrgeId.OrgeId = TIntPair(100, AFiliale.Nummer);
    f.OrgeId.OrgeEbene = TIntPair(10, AFiliale.Nummer < 20 ? 1 : 2);
    TZAM_FilialTabelleSql::Speichern(ADb, f);
}

} // namespace

void TZAM_DemoStamm::Anlegen(TZAM_Datenbank& ADb)
{
    Filialen(ADb);
    Partner(ADb);
    Drucker(ADb);
    Lagerorte(ADb);
    Aufgaben(ADb);
}

void TZAM_DemoStamm::Filialen(TZAM_Datenbank& ADb)
{
    // The group "OhneLager" comes first and holds no branch.
    Lagergruppe(ADb, 0, QStringLiteral("OhneLager"), {});
    Lagergruppe(ADb, 1, QStringLiteral("Zentrallager"), {1, 12, 14, 17});

    const TFiliale filialen[] = {{1, "Zentrallager Nord", false}, {12, "Filiale Altstadt", false},
                                 {14, "Filiale Bahnhof", false},  {17, "Filiale Hafen", true},
                                 {21, "Filiale Nordpark", false}, {25, "Filiale Messe", false}};
    for (const TFiliale& d : filialen)
        Filiale(ADb, d);
    for (const auto& [a, b] : {std::pair{12, 14}, std::pair{17, 21}, std::pair{14, 25}})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_filiale_nachbar (filiale1, filiale2) VALUES (?, ?)"), {a, b});
}

void TZAM_DemoStamm::Partner(TZAM_Datenbank& ADb)
{
    const TPartner partner[] = {
        {{1, 1001}, 1001, "Anna Albers", gpaMitarbeiter},
        {{1, 1002}, 1002, "Bernd Brandt", gpaMitarbeiter},
        {{1, 1003}, 1003, "Carla Cordes", gpaMitarbeiter},
        {{3, 1}, 1, "Sporthaus Mitte", gpaMandant},
        {{3, 2}, 2, "Onlineshop", gpaMandant},
        {{3, 3}, 3, "Vereinsservice", gpaMandant},
        {{4, 501}, 501, "Dieter Dahl", gpaKunde},
        {{4, 502}, 502, "Erika Engel", gpaKunde},
        {{4, 503}, 503, "Frank Förster", gpaKunde},
        {{5, 701}, 701, "Schuhfabrik Süd", gpaLieferant},
    };
    for (const TPartner& p : partner)
        TZAM_GPListenServerSql::Speichern(ADb, {p.GepNr, p.Nummer, QString::fromUtf8(p.Name), p.Art});

    // Carla Cordes is an employee without user.
    TZAM_RechteServerSql::BenutzerAnlegen(ADb, QStringLiteral("anna"), QStringLiteral("anna1234"), {2, 1}, {1, 1001});
    TZAM_RechteServerSql::BenutzerAnlegen(ADb, QStringLiteral("bernd"), QStringLiteral("bernd123"), {2, 2}, {1, 1002});
    TZAM_RechteServerSql::RechteVergeben(ADb, {2, 1}, {380, 381, 382, 383, 384, 385, 454, 455, 456, 482, 483});
}

void TZAM_DemoStamm::Drucker(TZAM_Datenbank& ADb)
{
    TZAM_DruckerKonfigSql::Anlegen(ADb, {0, QStringLiteral("PDF")});
    TZAM_DruckerKonfigSql::Anlegen(ADb, {1, QStringLiteral("Etikettendrucker Lager")});
}

void TZAM_DemoStamm::Lagerorte(TZAM_Datenbank& ADb)
{
    const QString sql = QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, gesperrt, "
                                       "bereich, klasse, in_betrieb, zaehldatum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                       "?, ?, ?)");
    // The hall is not yet in operation: the terminal offers the commissioning.
    const TIntTrio halle = TrioAusPair(CZAM_Lagerverwaltung_Halle, 1);
    ADb.Schreiben(sql, {halle.Id1, halle.Id2, halle.Id3, 1, 1, QStringLiteral("Halle"), QStringLiteral("HALLE"), 0, 0,
                        0, 0, QVariant()});
    // Rows A and B are in operation (row A counted), row C is new, C-03-04 locked. Places are of
    // class 1; class 2 is the containers'.
    const QDate gezaehlt = QDate::currentDate().addDays(-30);
    const QChar reihen[] = {QLatin1Char('A'), QLatin1Char('B'), QLatin1Char('C')};
    for (int r = 1; r <= 3; ++r)
        for (int s = 1; s <= 4; ++s) {
            const QString name = QStringLiteral("%1-%2-%3")
                                     .arg(reihen[r - 1])
                                     .arg(r, 2, 10, QLatin1Char('0'))
                                     .arg(s, 2, 10, QLatin1Char('0'));
            ADb.Schreiben(sql, {1, r, s, 1, 0, name, QString(name).remove(QLatin1Char('-')), r == 3 && s == 4 ? 1 : 0,
                                1, 1, r < 3 ? 1 : 0, r == 1 ? QVariant(gezaehlt) : QVariant()});
        }
}

void TZAM_DemoStamm::Aufgaben(TZAM_Datenbank& ADb)
{
    // Customer orders (business case 3, referring to a position of their document) and re-sorting
    // for the branches, all open in warehouse 1 and taken from the central branch 1. Branch 17 is
    // the team-sport branch.
    const TAufgabe aufgaben[] = {
        {1, 3, 12, 1, 5001, 'O', 12, 100001, 3}, {2, 3, 12, 1, 5001, 'O', 12, 100002, 5},
        {3, 3, 14, 1, 5002, 'F', 14, 100003, 4}, {4, 0, 12, 0, 0, 0, -1, 100004, 2},
        {5, 0, 14, 0, 0, 0, -1, 100001, 6},      {6, 1, 17, 0, 0, 0, -1, 100005, 1},
        {7, 2, 17, 0, 0, 0, -1, 100002, 3},
    };
    const QDate heute = QDate::currentDate();
    QList<int> belege;
    for (const TAufgabe& a : aufgaben) {
        const bool kunde = a.Beleg != 0;
        if (kunde && !belege.contains(a.Beleg)) {
            belege << a.Beleg;
            // The document, booked by the branch whose organisation id is its creditor's.
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, herkunftskz, glaeubiger_orge1, "
                                         "glaeubiger_orge2) VALUES (1, ?, ?, ?, ?, 100, ?)"),
                          {a.Beleg, QString::number(a.Beleg), QDateTime(heute.addDays(-2), QTime(11, 15)),
                           QString(QLatin1Char(a.Herkunft)), a.BuchFiliale});
        }
        if (kunde) {
            // One paid position per task; the task's reference names it.
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                         "prod_id1, prod_id2, prod_id3, groesse, menge) "
                                         "VALUES (1, ?, 0, ?, 1, ?, 1, ?, 0, ?, 1)"),
                          {a.Beleg, a.Nr, a.Beleg, a.Artikel, a.Groesse});
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                         "pos_id1, pos_id2, pos_id3, zustand, bezahlt) "
                                         "VALUES (1, ?, 0, ?, 1, ?, 0, '', 'J')"),
                          {a.Beleg, a.Nr, a.Beleg});
        }
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, erstellt, bearbeitung, gv, status, lager, "
                           "prod_id1, prod_id2, prod_id3, groesse, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, "
                           "teamsport) VALUES (1, 1, ?, ?, ?, ?, ?, ?, 1, 1, ?, 0, ?, ?, ?, ?, 0, ?, ?)"),
            {a.Nr, CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Standard), QDateTime(heute.addDays(-1), QTime(16, 30)),
             QDateTime(heute, QTime(7, 0)), CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(a.Geschaeftsvorfall),
             QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Offen)), a.Artikel, a.Groesse, a.ExtKennung,
             kunde ? 1 : 0, a.Beleg, kunde ? a.Nr : 0, a.ZielFiliale == 17 ? 1 : 0});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, "
                                     "menge, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                                     "VALUES (1, 1, ?, 1, ?, 1, ?, ?, ?, 0, ?)"),
                      {a.Nr, a.ZielFiliale, kunde ? 16 : 0, kunde ? 1 : 0, a.Beleg, kunde ? a.Nr : 0});
    }
}

void TZAM_DemoStamm::ZweitesLager(TZAM_Datenbank& ADb)
{
    // One branch of its own: chosen, the warehouse has a booking branch.
    Filiale(ADb, {30, "Außenlager Süd", false});
    Lagergruppe(ADb, 2, QStringLiteral("Lager Süd"), {30});
}

void TZAM_DemoStamm::TeamsportLager(TZAM_Datenbank& ADb)
{
    Filiale(ADb, {40, "Teamsport Werkstatt", true});
    Lagergruppe(ADb, 3, QStringLiteral("Teamsport"), {40});
    ADb.Schreiben(QStringLiteral("UPDATE zam_filiale SET lager = 3 WHERE nummer = 40"));
    const QString sql = QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                                       "in_betrieb) VALUES (4, ?, 1, 3, 0, ?, ?, ?, 1)");
    ADb.Schreiben(sql, {1, QStringLiteral("TS-01-01"), QStringLiteral("TS0101"), int(CZAM_Bereich_Lager)});
    ADb.Schreiben(sql, {7, QStringLiteral("TS-BVORB-01"), QStringLiteral("TSBVORB01"), int(CZAM_Bereich_BearbVorbereitung)});
}

#include "TZAM_DemoGross.h"

#include "IZAM_GrundServer.h"
#include "TZAM_Datenbank.h"
#include "ZAMAufgabenCodes.h"

#include <QDateTime>
#include <utility>

// Task i of the large site is (9, 1, 1 + i); the first OffeneAufgaben are open, the others done.
// Its workflow is i % 10: 0 to 5 re-sorting for the branches (business cases 0, 1, 2, 6 in turn),
// 6 and 7 the two positions of customer-order document (9, 1 + i / 10), 8 a position of the
// web-shop order (19, 1 + i / 20, 0) whose order line names it, 9 the hand store onto one of five
// wormholes with a reason. Order-line positions come 30 to a line (9, 1, n); every
// (Bestellpositionen / Aufgaben)-th position is a task's, the others are order lines of their own.
// The integers of the statements are the sizes asked for, written in as numbers; codes are bound.

namespace {

constexpr int CQuelle = 901;    // the group's first branch: the source of every task
constexpr int CWurmloecher = 5; // places (29, 1, n) for the branches 951 to 955
constexpr int CGruende = 10;    // reasons (9, 1, n) of group "HAG"
constexpr int CJeVorgang = 30;  // positions of an order line
const QString CKennungWeb = QStringLiteral("WEBS");

QString Gv(int AGv)
{
    return CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(AGv);
}

QString Status(int AStatus)
{
    return QString(CZAM_Aufgabe_Status_2_Char(AStatus));
}

} // namespace

void TZAM_DemoGross::Aufgaben(TZAM_Datenbank& ADb, const TUmfang& U)
{
    // A point in time ATage days before the bound time.
    const auto VorTagen = [](const TZAM_Datenbank& ADatenbank, const QString& ATage) {
        return NachTagen(ADatenbank, QStringLiteral("-(") + ATage + QStringLiteral(")"));
    };
    const int n = U.Aufgaben, offen = qMin(U.OffeneAufgaben, U.Aufgaben);
    const int wegPlaetze = qMin(U.LaufwegPlaetze, U.Plaetze);
    const QList<std::pair<const char*, int>> zahlen = {{"{QUELLE}", CQuelle},
                                                       {"{FIL}", qMax(1, U.Filialen)},
                                                       {"{ART}", qMax(1, U.Artikel)},
                                                       {"{OFFEN}", offen},
                                                       {"{SCHRITT}", qMax(1, U.Bestellpositionen / qMax(1, n))},
                                                       {"{N}", n},
                                                       {"{WL}", CWurmloecher},
                                                       {"{JE}", CJeVorgang},
                                                       {"{LAGER}", CLager},
                                                       {"{ABSTAND}", qMax(1, U.Plaetze / qMax(1, wegPlaetze))}};
    // One statement over the numbers 0 to AAnzahl - 1 (none for 0: the numbers start with 0).
    const auto schreiben = [&](int AAnzahl, const QString& AText, const QVariantList& AWerte = {}) {
        if (AAnzahl > 0)
            ADb.Schreiben(Einsetzen(Zahlen() + AText, zahlen), QVariantList{AAnzahl} + AWerte);
    };
    const QDateTime basis(QDate::currentDate(), QTime(7, 0));
    const QString vortag = VorTagen(ADb, QStringLiteral("i % 30 + 1"));

    // Reasons, wormholes with their branches, the walking route over places spread across the site.
    schreiben(CGruende,
              QStringLiteral("INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, "
                             "nur_aufgabe, prio_signal) SELECT ?, {LAGER}, 1, 1 + i, 'Großlager-Grund ' || (1 + i), "
                             "1 + i, CASE WHEN i = 9 THEN 1 ELSE 0 END, CASE WHEN i < 2 THEN 1 ELSE 0 END FROM z"),
              {CZAM_Grundgruppe_HLAnfo});
    schreiben(CWurmloecher, QStringLiteral("INSERT INTO zam_filiale (nummer, name, lager) SELECT 951 + i, "
                                           "'Großlager-Handlager ' || (1 + i), 0 FROM z"));
    schreiben(CWurmloecher, QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                                           "in_betrieb, wurmloch_filiale) SELECT 29, 1, 1 + i, {LAGER}, 0, "
                                           "'GWL-' || (1 + i), 'GWL' || (1 + i), 3, 1, 951 + i FROM z"));
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_laufweg (id1, id2, id3, lager, name, reihenfolge) "
                                 "VALUES (?, 1, 1, ?, 'Großlager Hauptweg', 1)"),
                  {CLager, CLager});
    schreiben(wegPlaetze, QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, pos, "
                                         "lo_id1, lo_id2, lo_id3) SELECT {LAGER}, 1, 1, 1 + i, {LAGER}, "
                                         "1 + (i * {ABSTAND}) / 1000, 1 + (i * {ABSTAND}) % 1000 FROM z"));

    // Task headers, their execution (the web-shop tasks name no order: their order line's
    // position does) and the fulfilments of the done ones.
    schreiben(n,
              QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, erstellt, bearbeitung, gv, status, lager, "
                             "prod_id1, prod_id2, prod_id3, groesse, ziel_lo_id1, ziel_lo_id2, ziel_lo_id3, grund_id1, "
                             "grund_id2, grund_id3, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer) "
                             "SELECT {LAGER}, 1, 1 + i, CASE WHEN i % 10 = 9 THEN ? ELSE ? END, ") +
                  vortag + QStringLiteral(", ") + VorTagen(ADb, QStringLiteral("i % 30")) +
                  QStringLiteral(", CASE i % 10 WHEN 6 THEN ? WHEN 7 THEN ? WHEN 8 THEN ? WHEN 9 THEN ? ELSE "
                                 "CASE (i / 10) % 4 WHEN 0 THEN ? WHEN 1 THEN ? WHEN 2 THEN ? ELSE ? END END, "
                                 "CASE WHEN i >= {OFFEN} THEN ? WHEN i % 50 = 49 THEN ? ELSE ? END, {LAGER}, "
                                 "2, 500000 + (i * 7) % {ART}, 0, 1 + i % 10, "
                                 "CASE WHEN i % 10 = 9 THEN 29 ELSE 0 END, CASE WHEN i % 10 = 9 THEN 1 ELSE 0 END, "
                                 "CASE WHEN i % 10 = 9 THEN 1 + i % {WL} ELSE 0 END, "
                                 "CASE WHEN i % 10 = 9 THEN {LAGER} ELSE 0 END, "
                                 "CASE WHEN i % 10 = 9 THEN 1 ELSE 0 END, "
                                 "CASE WHEN i % 10 = 9 THEN 1 + (i / 10) % 10 ELSE 0 END, "
                                 "CASE i % 10 WHEN 6 THEN 1 WHEN 7 THEN 1 WHEN 8 THEN 3 ELSE 0 END, "
                                 "CASE i % 10 WHEN 6 THEN {LAGER} WHEN 7 THEN {LAGER} WHEN 8 THEN 19 ELSE 0 END, "
                                 "CASE i % 10 WHEN 6 THEN 1 + i / 10 WHEN 7 THEN 1 + i / 10 WHEN 8 THEN 1 + i / 20 "
                                 "ELSE 0 END, 0, CASE i % 10 WHEN 6 THEN 1 WHEN 7 THEN 2 WHEN 8 THEN 1 + (i / 10) % 2 "
                                 "ELSE 0 END FROM z"),
              {CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Handlager),
               CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Standard), basis, basis,
               Gv(CZAM_Aufgabe_GV_Kundenbestellung), Gv(CZAM_Aufgabe_GV_KundenbestellungVersand),
               Gv(CZAM_Aufgabe_GV_Kundenbestellung), Gv(CZAM_Aufgabe_GV_Handlager), Gv(0), Gv(1), Gv(2), Gv(6),
               Status(CZAM_Aufgabe_Status_Erledigt), Status(CZAM_Aufgabe_Status_InArbeit),
               Status(CZAM_Aufgabe_Status_Offen)});
    schreiben(n, QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, menge, "
                                "bne_id1, bne_id2, bne_id3, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                                "SELECT {LAGER}, 1, 1 + i, {QUELLE}, CASE WHEN i % 10 = 9 THEN 951 + i % {WL} "
                                "ELSE {QUELLE} + i % {FIL} END, 1 + i % 3, "
                                "CASE WHEN i % 10 = 9 THEN 0 ELSE {LAGER} END, CASE WHEN i % 10 = 9 THEN 0 ELSE 1 END, "
                                "CASE WHEN i % 10 = 9 THEN 0 ELSE 1 + (i * {SCHRITT}) / {JE} END, "
                                "CASE WHEN i % 10 = 9 THEN 0 WHEN i % 10 >= 6 THEN 75 ELSE 78 END, "
                                "CASE WHEN i % 10 IN (6, 7) THEN {LAGER} ELSE 0 END, "
                                "CASE WHEN i % 10 IN (6, 7) THEN 1 + i / 10 ELSE 0 END, 0, "
                                "CASE i % 10 WHEN 6 THEN 1 WHEN 7 THEN 2 ELSE 0 END FROM z"));
    schreiben(n - offen,
              QStringLiteral("INSERT INTO zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3, mita_id1, mita_id2, "
                             "menge, zeit) SELECT {LAGER}, 1, 1 + {OFFEN} + i, 1, 1001, 1 + ({OFFEN} + i) % 3, ") +
                  VorTagen(ADb, QStringLiteral("({OFFEN} + i) % 30")) + QStringLiteral(" FROM z"),
              {basis});

    // Order lines and their positions; t is the workflow of the position's task, -1 without one
    // (the hand store books without order line). A position without task holds 4 to 6 pieces, so
    // that none is taken for a task's (1 to 3) by order line, target and quantity.
    schreiben((U.Bestellpositionen + CJeVorgang - 1) / CJeVorgang,
              QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum) SELECT {LAGER}, 1, 1 + i, 75, ") +
                  vortag + QStringLiteral(" FROM z"),
              {basis});
    schreiben(U.Bestellpositionen,
              QStringLiteral(
                  ", q(p, i, t) AS (SELECT i, i / {SCHRITT}, CASE WHEN i % {SCHRITT} = 0 AND i / {SCHRITT} < {N} AND "
                  "(i / {SCHRITT}) % 10 <> 9 THEN (i / {SCHRITT}) % 10 ELSE -1 END FROM z) "
                  "INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, quell_filiale, kennung, "
                  "auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, ext_kennung, ext_id1, ext_id2, ext_id3, "
                  "ext_nummer, menge, bewtyp) SELECT {LAGER}, 1, 1 + p / {JE}, CASE WHEN t >= 6 THEN 75 ELSE 78 END, "
                  "CASE WHEN t >= 0 THEN {QUELLE} + i % {FIL} ELSE {QUELLE} + p % {FIL} END, "
                  "CASE WHEN t = 8 AND i % 7 = 0 THEN 0 ELSE {QUELLE} END, "
                  "CASE WHEN t IN (6, 7) THEN ? WHEN t = 8 THEN ? ELSE '' END, "
                  "CASE WHEN t IN (6, 7) THEN {LAGER} WHEN t = 8 THEN 19 ELSE 0 END, "
                  "CASE WHEN t IN (6, 7) THEN 1 + i / 10 WHEN t = 8 THEN 1 + i / 20 ELSE 0 END, 0, "
                  "CASE WHEN t IN (6, 7) THEN t - 5 WHEN t = 8 THEN 1 + (i / 10) % 2 ELSE 0 END, "
                  "CASE WHEN t IN (6, 7) THEN 1 WHEN t = 8 THEN 3 ELSE 0 END, "
                  "CASE WHEN t IN (6, 7) THEN {LAGER} WHEN t = 8 THEN 19 ELSE 0 END, "
                  "CASE WHEN t IN (6, 7) THEN 1 + i / 10 WHEN t = 8 THEN 1 + i / 20 ELSE 0 END, 0, "
                  "CASE WHEN t IN (6, 7) THEN t - 5 WHEN t = 8 THEN 1 + (i / 10) % 2 ELSE 0 END, "
                  "CASE WHEN t >= 0 THEN 1 + i % 3 ELSE 4 + p % 3 END, CASE WHEN t >= 6 THEN 24 ELSE 17 END FROM q"),
              {QStringLiteral("KUBE"), CKennungWeb});

    // Customer-order documents: the positions of tasks 10d + 6 and 10d + 7, every fourth document
    // with a third, cancelled one; every seventh has its second position unpaid.
    const int belege = n > 6 ? (n + 3) / 10 : 0;
    schreiben(
        belege,
        QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, herkunftskz, "
                       "glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2) "
                       "SELECT {LAGER}, 1 + i, 'G-' || (1 + i), ") +
            vortag +
            QStringLiteral(", CASE WHEN i % 3 = 0 THEN 'V' ELSE 'A' END, CASE WHEN i % 5 = 0 THEN 'R' ELSE 'V' "
                           "END, CASE WHEN i % 2 = 0 THEN 'O' ELSE 'F' END, 4, 501, 100, {QUELLE} + i % {FIL} "
                           "FROM z"),
        {basis});
    const QString positionen = QStringLiteral(", b(d, nr, a) AS (SELECT i / 3, 1 + i % 3, 10 * (i / 3) + 6 + i % 3 "
                                              "FROM z WHERE i % 3 < 2 OR (i / 3) % 4 = 0) ");
    schreiben(3 * belege, positionen + QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, "
                                                      "atk_id1, atk_id2, prod_id1, prod_id2, prod_id3, groesse, menge) "
                                                      "SELECT {LAGER}, 1 + d, 0, nr, {LAGER}, 1 + d, 2, "
                                                      "500000 + (a * 7) % {ART}, 0, 1 + a % 10, 1 + a % 3 FROM b"));
    schreiben(3 * belege, positionen + QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, "
                                                      "auftrag_nr, pos_id1, pos_id2, pos_id3, zustand, bezahlt) "
                                                      "SELECT {LAGER}, 1 + d, 0, nr, {LAGER}, 1 + d, 0, "
                                                      "CASE WHEN nr = 3 THEN 'T' ELSE '' END, "
                                                      "CASE WHEN nr = 2 AND d % 7 = 0 THEN 'N' ELSE 'J' END FROM b"));
    // Web-shop orders of two positions (tasks 10g + 8), every sixth unpaid.
    schreiben(n > 8 ? (n + 1) / 10 : 0,
              QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                             "bestellnr, datum, bezahlt, buch_filiale, herkunft, positionen) "
                             "SELECT ?, 19, 1 + i / 2, 0, 1 + i % 2, 'G-WEB-' || (1 + i / 2), ") +
                  VorTagen(ADb, QStringLiteral("(i / 2) % 30 + 1")) +
                  QStringLiteral(", CASE WHEN (i / 2) % 6 = 0 THEN 'N' ELSE 'J' END, {QUELLE} + (i / 2) % {FIL}, "
                                 "'W', 2 FROM z"),
              {CKennungWeb, basis});
}

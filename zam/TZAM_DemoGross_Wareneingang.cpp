#include "TZAM_DemoGross.h"

#include "IZAM_GPListenServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>

// The goods receipt of the large site. Suppliers (5, 9001 + s), s < 20; article a (2, 500000 + a)
// is delivered by supplier a % 20. Disposition d is (9, 4, 1 + d) of order (9, 1 + o) with
// o = (d / JEA) % Auftraege, JEA dispositions to an order, for article (20 d + o % 20) % Artikel:
// with a multiple of 20 articles every disposition of an order is of the order's supplier, and
// with 20 JEA articles or more of different articles. Every 50th disposition is closed. Position p
// is the k-th (k = p % JED) of disposition (p / JED) % Dispositionen, size 1 + (d + k) % 10, so
// the sizes of a disposition differ; every KS-th position (p % KS = KS - 1) is for customer-order
// position c = p / KS, which is position 1 + c % 2 of document (9, 200001 + c / 2), reference
// (9, 200001 + c / 2, 0) with the same number. Every tenth customer-order position is processed
// in the warehouse in two process combinations (9, 1, 1..10); every third document is delivered
// from a branch outside it (951 + j % 5), and the customer-order positions 10m + 5 through such a
// branch. Every position is ordered by the group's first branch. Scan record n is user
// (2, 9001 + n % ScanBenutzer)'s: one piece of position (3 n) % DispoPositionen on place
// n % Plaetze.

namespace {

constexpr int CAuftrFiliale = 901; // the group's first branch
constexpr int CLieferanten = 20;
constexpr int CVerfKombis = 10;
constexpr int CBelegBasis = 200001;
constexpr int CScanBenutzerBasis = 9001;

// Columns of a position p given by n: its disposition d, rank k, order o, article a, size g and
// customer-order position c (-1 none).
QString Positionen(const QString& AAus)
{
    return QStringLiteral(", q(n, p, d, k) AS (SELECT n, p, (p / {JED}) % {D}, p % {JED} FROM (") + AAus +
           QStringLiteral(") x), r(n, p, d, k, o, a, g, c) AS (SELECT n, p, d, k, (d / {JEA}) % {A}, "
                          "({LIEF} * d + ((d / {JEA}) % {A}) % {LIEF}) % {ART}, 1 + (d + k) % 10, "
                          "CASE WHEN p % {KS} = {KS} - 1 AND p / {KS} < {K} THEN p / {KS} ELSE -1 END FROM q) ");
}

// The target branch of a position of r: a customer order's delivery branch, every fourth
// disposition's last position for a branch outside the warehouse, else a branch of the group.
const QString CZiel = QStringLiteral(
    "CASE WHEN c >= 0 THEN CASE WHEN (c / 2) % 3 = 0 THEN 951 + (c / 2) % 5 ELSE 901 + (c / 2) % {FIL} END "
    "WHEN k = {JED} - 1 AND d % 4 = 0 THEN 951 + d % 5 ELSE 901 + (d + k / 3) % {FIL} END");

} // namespace

void TZAM_DemoGross::Wareneingang(TZAM_Datenbank& ADb, const TUmfang& U)
{
    const int auftraege = qMax(1, U.Auftraege), dispos = qMax(1, U.Dispositionen);
    const int positionen = U.DispoPositionen, kunden = qMin(U.KundenPositionen, positionen);
    const QList<std::pair<const char*, int>> zahlen = {
        {"{JED}", qMax(1, positionen / dispos)},
        {"{JEA}", qMax(1, dispos / auftraege)},
        {"{A}", auftraege},
        {"{D}", dispos},
        {"{KS}", qMax(1, positionen / qMax(1, kunden))},
        {"{K}", kunden},
        {"{ART}", qMax(1, U.Artikel)},
        {"{FIL}", qMax(1, U.Filialen)},
        {"{PL}", qMax(1, U.Plaetze)},
        {"{P}", qMax(1, positionen)},
        {"{SB}", qMax(1, U.ScanBenutzer)},
        {"{LAGER}", CLager},
        {"{AUFTRFIL}", CAuftrFiliale},
        {"{BELEG}", CBelegBasis},
        {"{VK}", CVerfKombis},
        {"{MITA}", CScanBenutzerBasis},
        {"{GPLIEF}", gpaLieferant},
        {"{LIEF}", CLieferanten},
    };
    const auto schreiben = [&](int AAnzahl, const QString& AText, const QVariantList& AWerte = {}) {
        if (AAnzahl > 0)
            ADb.Schreiben(Einsetzen(Zahlen() + AText, zahlen), QVariantList{AAnzahl} + AWerte);
    };
    const QDateTime basis(QDate::currentDate(), QTime(7, 0));
    const QString kunde = QString::number(CZAM_PersArtExt_KuBe);

    // Suppliers and the articles they deliver.
    schreiben(CLieferanten, QStringLiteral("INSERT INTO zam_gp (id1, id2, art, nummer, name, suchname) SELECT 5, "
                                           "9001 + i, {GPLIEF}, 9001 + i, 'Großlager-Lieferant ' || (1 + i), "
                                           "'großlager-lieferant ' || (1 + i) FROM z"));
    ADb.Schreiben(Einsetzen(QStringLiteral("UPDATE zam_artikel SET lieferant_id1 = 5, lieferant_id2 = 9001 + "
                                           "(prod_id2 - 500000) % {LIEF} WHERE prod_id1 = 2"),
                            zahlen));

    // The orders with the house's own numbers: order (9, 1 + o) is "800001" + o, of supplier o % 20.
    schreiben(auftraege,
              QStringLiteral("INSERT INTO zam_bestellung (auftrag_kreis, auftrag_nr, eigene_nr, lieferant_id1, "
                             "lieferant_id2, datum) SELECT {LAGER}, 1 + i, '' || (800001 + i), 5, 9001 + i % {LIEF}, "
                             "? FROM z"),
              {basis});

    // Dispositions: disposed 5 to 34 days ago, expected between today and nine days on.
    schreiben(
        dispos,
        QStringLiteral(", r(d, o) AS (SELECT i, (i / {JEA}) % {A} FROM z) INSERT INTO zam_bne (id1, id2, id3, typ, "
                       "datum, prod_id1, prod_id2, prod_id3, bewtyp, auftrag_kreis, auftrag_nr, datum2, "
                       "geschlossen, preis_cent, dispo_datum, liefer_frueh, liefer_spaet, lieferanten_nr) "
                       "SELECT {LAGER}, 4, 1 + d, 45, ") +
            NachTagen(ADb, QStringLiteral("-(d % 30 + 5)")) +
            QStringLiteral(", 2, 500000 + ({LIEF} * d + o % {LIEF}) % {ART}, 0, 1, {LAGER}, 1 + o, ") +
            NachTagen(ADb, QStringLiteral("d % 10")) +
            QStringLiteral(", CASE WHEN d % 50 = 49 THEN 1 ELSE 0 END, 1000 + (d * 37) % 9000, ") +
            NachTagen(ADb, QStringLiteral("-(d % 30 + 5)")) + QStringLiteral(", ") +
            NachTagen(ADb, QStringLiteral("-(d % 5)")) + QStringLiteral(", ") +
            NachTagen(ADb, QStringLiteral("7 + d % 5")) + QStringLiteral(", 'GL-' || (1 + o) FROM r"),
        {basis, basis, basis, basis, basis});
    schreiben(
        positionen,
        Positionen(QStringLiteral("SELECT i AS n, i AS p FROM z")) +
            QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, quell_filiale, "
                           "ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, menge, bewtyp, auftr_filiale, "
                           "groesse, erhalten) SELECT {LAGER}, 4, 1 + d, 45, ") +
            CZiel + QStringLiteral(", 0, CASE WHEN c >= 0 THEN ") + kunde +
            QStringLiteral(" ELSE 0 END, CASE WHEN c >= 0 THEN {LAGER} ELSE 0 END, CASE WHEN c >= 0 THEN "
                           "{BELEG} + c / 2 ELSE 0 END, 0, CASE WHEN c >= 0 THEN 1 + c % 2 ELSE 0 END, "
                           "CASE WHEN c >= 0 THEN 1 + p % 3 ELSE 2 + p % 4 END, 1, {AUFTRFIL}, g, "
                           "CASE WHEN p % 7 = 0 THEN 1 ELSE 0 END FROM r"));

    // The customer orders of those positions, each position of the disposition's article and size.
    schreiben(
        (kunden + 1) / 2,
        QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, herkunftskz, "
                       "glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2, auslieferung_art, "
                       "auslieferung_filiale) SELECT {LAGER}, {BELEG} + i, 'GW-' || ({BELEG} + i), ") +
            NachTagen(ADb, QStringLiteral("-(i % 30 + 10)")) +
            QStringLiteral(", 'A', 'V', 'O', 4, 501, 100, {AUFTRFIL} + i % {FIL}, 1, CASE WHEN i % 3 = 0 THEN "
                           "951 + i % 5 ELSE 901 + i % {FIL} END FROM z"),
        {basis});
    const QString kundenPositionen = Positionen(QStringLiteral("SELECT i AS n, i * {KS} + {KS} - 1 AS p FROM z"));
    schreiben(kunden,
              kundenPositionen +
                  QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                 "prod_id1, prod_id2, prod_id3, groesse, menge, bearb_filiale, ausl_filiale) "
                                 "SELECT {LAGER}, {BELEG} + c / 2, 0, 1 + c % 2, {LAGER}, {BELEG} + c / 2, 2, "
                                 "500000 + a, 0, g, 1 + p % 3, CASE WHEN c % 10 = 0 THEN 901 + (c / 10) % {FIL} "
                                 "ELSE 0 END, CASE WHEN c % 10 = 5 THEN 951 + c % 5 ELSE -1 END FROM r"));
    schreiben(kunden,
              kundenPositionen +
                  QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                 "pos_id1, pos_id2, pos_id3, zustand, bezahlt) SELECT {LAGER}, {BELEG} + c / 2, "
                                 "0, 1 + c % 2, {LAGER}, {BELEG} + c / 2, 0, '', 'J' FROM r"));
    schreiben(CVerfKombis, QStringLiteral("INSERT INTO zam_verfkombi (id1, id2, id3, name) SELECT {LAGER}, 1, 1 + i, "
                                          "'Großlager-Verfahren ' || (1 + i) FROM z"));
    // Combination m takes the larger half of the pieces, m + 1 the rest (none of a single piece).
    schreiben(kunden,
              kundenPositionen + QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, "
                                                "auftrag_nr, vk_id1, vk_id2, vk_id3, groesse, menge) SELECT {LAGER}, "
                                                "{BELEG} + c / 2, 0, 1 + c % 2, {LAGER}, 1, 1 + (c / 10) % {VK}, g, "
                                                "(2 + p % 3) / 2 FROM r WHERE c % 10 = 0"));
    schreiben(kunden, kundenPositionen +
                          QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, "
                                         "auftrag_nr, vk_id1, vk_id2, vk_id3, groesse, menge) SELECT {LAGER}, "
                                         "{BELEG} + c / 2, 0, 1 + c % 2, {LAGER}, 1, 1 + ((c / 10) + 1) % {VK}, g, "
                                         "(1 + p % 3) / 2 FROM r WHERE c % 10 = 0 AND p % 3 > 0"));

    // The users' open WE-Plus records, on the receiving branch's storage (the group's first
    // branch for goods bound outside).
    schreiben(
        U.Scansaetze,
        Positionen(QStringLiteral("SELECT i AS n, (i * 3) % {P} AS p FROM z")) +
            QStringLiteral("INSERT INTO zam_scansatz (typ, offen, auftrag_text, lieferschein, prod_id1, prod_id2, "
                           "prod_id3, groesse, menge, lo_id1, lo_id2, lo_id3, dispo_id1, dispo_id2, dispo_id3, "
                           "ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, mita_id1, mita_id2, datum1, "
                           "datum2, kennzeichen, lieferant_id1, lieferant_id2, lager_filiale) "
                           "SELECT 2, 1, '{LAGER}-' || (1 + o), 'LS-' || (1 + o), 2, 500000 + a, 0, g, 1, "
                           "{LAGER}, 1 + (n % {PL}) / 1000, 1 + (n % {PL}) % 1000, {LAGER}, 4, 1 + d, "
                           "CASE WHEN c >= 0 THEN ") +
            kunde +
            QStringLiteral(" ELSE 0 END, CASE WHEN c >= 0 THEN {LAGER} ELSE 0 END, CASE WHEN c >= 0 THEN "
                           "{BELEG} + c / 2 ELSE 0 END, 0, CASE WHEN c >= 0 THEN 1 + c % 2 ELSE 0 END, 2, "
                           "{MITA} + n % {SB}, ") +
            NachTagen(ADb, QStringLiteral("0")) + QStringLiteral(", ") + NachTagen(ADb, QStringLiteral("0")) +
            QStringLiteral(", 2, 5, 9001 + a % {LIEF}, CASE WHEN (") + CZiel +
            QStringLiteral(") >= 951 THEN "
                           "{AUFTRFIL} ELSE (") +
            CZiel + QStringLiteral(") END FROM r"),
        {basis, basis});
}

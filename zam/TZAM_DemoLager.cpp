#include "TZAM_DemoLager.h"

#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMBestandsarten.h"
#include "ZAMLagerKonstanten.h"

#include <utility>

namespace {

struct TPlatz
{
    TIntTrio Id;
    int Lager;
    int Art; // 0 place, 1 hall, 3 container
    const char* Name;
    int Bereich;
    int Filiale = -1;     // ordinary branch assignment
    int ZuordLager = -1;  // the warehouse's own (staging places)
    int Wurmloch = -1;    // the branch a wormhole stands for
    TIntTrio Auf;         // what a container stands on
};

void Platz(TZAM_Datenbank& ADb, const TPlatz& P)
{
    const QString name = QString::fromUtf8(P.Name);
    const bool steht = P.Auf.Defined();
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                                 "in_betrieb, filiale, zuord_lager, wurmloch_filiale, auf_id1, auf_id2, auf_id3) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?)"),
                  {P.Id.Id1, P.Id.Id2, P.Id.Id3, P.Lager, P.Art, name, QString(name).remove(u'-'), P.Bereich,
                   P.Filiale, P.ZuordLager, P.Wurmloch, steht ? QVariant(P.Auf.Id1) : QVariant(),
                   steht ? QVariant(P.Auf.Id2) : QVariant(), steht ? QVariant(P.Auf.Id3) : QVariant()});
}

struct TBehaelter
{
    TIntTrio Id;
    int Filiale = -1;
    int Lager = -1;
    bool WBSGedruckt = false;
    int WBSListe = 0;
    bool AufTransport = false;
};

void Behaelter(TZAM_Datenbank& ADb, const TBehaelter& B)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3, filiale, lager, wbs_gedruckt, wbs_liste1, "
                                 "wbs_liste2, auf_transport) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {B.Id.Id1, B.Id.Id2, B.Id.Id3, B.Filiale, B.Lager, B.WBSGedruckt ? 1 : 0, B.WBSListe ? 1 : 0,
                   B.WBSListe, B.AufTransport ? 1 : 0});
}

TInt32Trio Produkt(qint32 AArtikel)
{
    return TInt32Trio(1, AArtikel, 0);
}

// Stock on a place and the same pieces in the owning branch's stock.
void Bestand(TZAM_Datenbank& ADb, const TIntTrio& APlatz, qint32 AArtikel, int AGroesse, int AArt, int AMenge,
             int AEigentuemer)
{
    const TInt32Trio p = Produkt(AArtikel);
    TZAM_BestandServerSql::Zubuchen(ADb, APlatz, p, AGroesse, AArt, AMenge);
    const QVariantList schluessel = {p.Id1, p.Id2, p.Id3, AEigentuemer, AArt, AGroesse};
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                 "menge) VALUES (?, ?, ?, ?, ?, ?, 0) ON CONFLICT DO NOTHING"),
                  schluessel);
    ADb.MengeAendern(QStringLiteral("zam_bf"), QStringLiteral("menge"),
                     QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND filiale = ? AND "
                                    "bestandsart = ? AND groesse = ?"),
                     schluessel, AMenge);
}

} // namespace

void TZAM_DemoLager::Anlegen(TZAM_Datenbank& ADb)
{
    // Rows A to C are ordinary storage; each branch names its warehouse (21 and 25 have none).
    ADb.Schreiben(QStringLiteral("UPDATE zam_lagerort SET bereich = 0 WHERE lager = 1 AND id1 = 1 AND art = 0"));
    ADb.Schreiben(QStringLiteral("UPDATE zam_filiale SET lager = 1 WHERE nummer IN (1, 12, 14, 17)"));
    ADb.Schreiben(QStringLiteral("UPDATE zam_filiale SET lager = 2 WHERE nummer = 30"));
    // The stock of the earlier steps lies on warehouse 1's places and belongs to branch 1.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, menge) "
                                 "SELECT prod_id1, prod_id2, prod_id3, 1, bestandsart, groesse, SUM(menge) "
                                 "FROM zam_bestand GROUP BY prod_id1, prod_id2, prod_id3, bestandsart, groesse"));

    const TIntTrio a0101{1, 1, 1}, a0103{1, 1, 3}, b0201{1, 2, 1};
    const TIntTrio vbs12{2, 2, 1}, vbs14a{2, 2, 2}, we01{2, 1, 1}, sperr{2, 5, 1};
    const TIntTrio beh1{5, 0, 1}, beh2{5, 0, 2}, beh3{5, 0, 3}, beh4{5, 0, 4}, beh5{5, 0, 5}, beh6{5, 0, 6};
    // Shipping staging places: one each for branch 12 and for branch 21 (outside every warehouse,
    // supplied from here), two for branch 14, and the warehouse's own.
    const TPlatz plaetze[] = {
        {we01, 1, 0, "WE-01", 1},
        {vbs12, 1, 0, "VBS-12", 2, 12},
        {vbs14a, 1, 0, "VBS-14-A", 2, 14},
        {{2, 2, 3}, 1, 0, "VBS-14-B", 2, 14},
        {{2, 2, 4}, 1, 0, "VBS-LAGER", 2, -1, 1},
        {{2, 2, 5}, 1, 0, "VBS-21", 2, 21},
        {{2, 3, 1}, 1, 0, "WL-21", 3, -1, -1, 21},
        {{2, 3, 2}, 1, 0, "WL-25", 3, -1, -1, 25},
        {{2, 4, 1}, 1, 0, "KVBS-01", 4},
        {sperr, 1, 0, "SPERR-01", 5},
        {{2, 6, 1}, 1, 0, "BEARB-01", 6},
        {{2, 7, 1}, 1, 0, "BVORB-01", 7},
        {{2, 8, 1}, 1, 0, "BSTART-01", 8},
        {TrioAusPair(CZAM_Lagerverwaltung_DefaultKube, 1), 1, 0, "Kunden-Standard", 4},
        {TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, 1), 1, 0, "WE-Freigabe", 1},
        {TrioAusPair(CZAM_Lagerverwaltung_DefaultWERE, 1), 1, 0, "WE-Retouren", 1},
        {TrioAusPair(CZAM_Lagerverwaltung_DefBaAbschl, 1), 1, 0, "Bearbeitungs-Abschluss", 6},
        {TrioAusPair(CZAM_Lagerverwaltung_DefBaAbBenF, 1), 1, 0, "für benachbarte Fil.", 6},
        {TrioAusPair(CZAM_Lagerverwaltung_DefBaAbAndF, 1), 1, 0, "für andere Fil.", 6},
        {TrioAusPair(CZAM_Lagerverwaltung_DefBaAbVers, 1), 1, 0, "für Versand", 2},
        {TrioAusPair(CZAM_Lagerverwaltung_Halle, 2), 2, 1, "Halle Süd", 0},
        {{3, 1, 1}, 2, 0, "S-01-01", 0},
        {{3, 1, 2}, 2, 0, "S-01-02", 0},
        // Containers: on places, on a staging place, and one in another.
        {beh1, 1, 3, "BEH-0001", 0, -1, -1, -1, a0101},
        {beh2, 1, 3, "BEH-0002", 0, -1, -1, -1, b0201},
        {beh3, 1, 3, "BEH-0003", 0, -1, -1, -1, a0103},
        {beh4, 1, 3, "BEH-0004", 2, -1, -1, -1, vbs12},
        {beh5, 1, 3, "BEH-0005", 2, -1, -1, -1, vbs14a},
        {beh6, 1, 3, "BEH-0006", 0, -1, -1, -1, beh2},
    };
    for (const TPlatz& p : plaetze)
        Platz(ADb, p);
    const TBehaelter behaelter[] = {
        {beh1, 12},                         // for branch 12
        {beh2, -1, 1},                      // the warehouse's own
        {beh3},                             // unassigned, holding pieces for branch 14
        {beh4, 12, -1, false, 0, true},     // on transport
        {beh5, 14, -1, true, 4711},         // its goods slip printed
        {beh6},                             // empty, in BEH-0002
    };
    for (const TBehaelter& b : behaelter)
        Behaelter(ADb, b);

    const TIntTrio halle1 = TrioAusPair(CZAM_Lagerverwaltung_Halle, 1);
    Bestand(ADb, halle1, 100006, 0, CZAM_ArtBestTyp_Frei, 12, 1);
    Bestand(ADb, we01, 100003, 4, CZAM_ArtBestTyp_Frei, 6, 1);
    Bestand(ADb, beh1, 100002, 3, CZAM_ArtBestTyp_Frei, 2, 1);
    Bestand(ADb, beh3, 100005, 1, CZAM_ArtBestTyp_Frei, 4, 1);
    Bestand(ADb, beh4, 100001, 4, CZAM_ArtBestTyp_Frei, 1, 1);
    // Blocked goods of two branches on one place.
    Bestand(ADb, sperr, 100001, 3, CZAM_ArtBestTyp_Geblockt, 2, 12);
    Bestand(ADb, sperr, 100001, 3, CZAM_ArtBestTyp_Geblockt, 1, 14);
    Bestand(ADb, {3, 1, 1}, 100009, 4, CZAM_ArtBestTyp_Frei, 5, 30);
    // The pieces in BEH-0003 are set aside for branch 14 (a reservation without an order).
    const TInt32Trio p5 = Produkt(100005);
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, groesse, "
                                 "verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, filiale, menge) "
                                 "VALUES (?, ?, ?, ?, ?, ?, 1, 1, 0, 0, 0, 0, 14, 4)"),
                  {beh3.Id1, beh3.Id2, beh3.Id3, p5.Id1, p5.Id2, p5.Id3});
}

void TZAM_DemoLager::Kommissionierung(TZAM_Datenbank& ADb)
{
    const TIntTrio d0101{1, 4, 1}, a0103{1, 1, 3}, beh7{5, 0, 7}, beh8{5, 0, 8};
    Platz(ADb, {d0101, 1, 0, "D-01-01", 0});
    Platz(ADb, {beh7, 1, 3, "BEH-0007", 0, -1, -1, -1, a0103});
    Platz(ADb, {beh8, 1, 3, "BEH-0008", 0});
    Behaelter(ADb, {beh7});
    Behaelter(ADb, {beh8});
    Bestand(ADb, d0101, 100001, 6, CZAM_ArtBestTyp_Frei, 2, 1);
    Bestand(ADb, beh7, 100004, 3, CZAM_ArtBestTyp_Frei, 2, 1);
    Bestand(ADb, TrioAusPair(CZAM_Lagerverwaltung_Halle, 1), 100008, 1, CZAM_ArtBestTyp_Frei, 3, 1);
}

void TZAM_DemoLager::KundenVBS(TZAM_Datenbank& ADb)
{
    const TIntTrio kvbs02{2, 4, 2}, kvbs03{2, 4, 3}, kvbs04{2, 4, 4}, kvbs05{2, 4, 5};
    for (const TPlatz& p : {TPlatz{kvbs02, 1, 0, "KVBS-02", 4}, TPlatz{kvbs03, 1, 0, "KVBS-03", 4},
                            TPlatz{kvbs04, 1, 0, "KVBS-04", 4}, TPlatz{kvbs05, 1, 0, "KVBS-05", 4}})
        Platz(ADb, p);
    // KVBS-02 to KVBS-04 end warehouse 1's first route, after row C.
    int pos = ADb.LesenWert(QStringLiteral("SELECT MAX(pos) FROM zam_laufweg_platz WHERE laufweg_id1 = 1 AND "
                                           "laufweg_id2 = 1 AND laufweg_id3 = 1"))
                  .toInt();
    for (const TIntTrio& p : {kvbs02, kvbs03, kvbs04})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, pos, "
                                     "lo_id1, lo_id2, lo_id3) VALUES (1, 1, 1, ?, ?, ?, ?)"),
                      {pos += 10, p.Id1, p.Id2, p.Id3});
    // KVBS-02 collects customer order 7001 (order type 1: branch 12 is warehouse 1's).
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lvlz (lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, verweis_id2, "
                                 "verweis_id3, verweis_nummer, auftragstyp) VALUES (?, ?, ?, ?, 1, 7001, 0, 0, 1)"),
                  {kvbs02.Id1, kvbs02.Id2, kvbs02.Id3, int(CZAM_PersArtExt_KuBe)});
}

void TZAM_DemoLager::ManuelleBewegungen(TZAM_Datenbank& ADb)
{
    const TIntTrio paket1{5, 0, 13}, paket2{5, 0, 14}, bearb{5, 0, 15}, bstart{5, 0, 16}, sued{5, 0, 30};
    const TIntTrio vbs14b{2, 2, 3}, s0102{3, 1, 2};
    const TPlatz plaetze[] = {
        {paket1, 1, 3, "PAKET-01", 0},
        {paket2, 1, 3, "PAKET-02", 0},
        {bearb, 1, 3, "BEH-0015", 6, -1, -1, -1, {2, 6, 1}},
        {bstart, 1, 3, "BEH-0016", 8, -1, -1, -1, {2, 8, 1}},
        {sued, 2, 3, "S-BEH-01", 0, -1, -1, -1, s0102},
    };
    for (const TPlatz& p : plaetze)
        Platz(ADb, p);
    for (const TBehaelter& b :
         {TBehaelter{paket1}, TBehaelter{paket2}, TBehaelter{bearb, 1}, TBehaelter{bstart, 1}, TBehaelter{sued, 30}})
        Behaelter(ADb, b);
    Bestand(ADb, vbs14b, 100003, 2, CZAM_ArtBestTyp_Frei, 3, 14);
    // VBS-12 and VBS-14-B lie in their branch's structure element, which names the branch that
    // parcels packed from them go to (VBS-14-A lies in none).
    for (const auto& [platz, filiale] : {std::pair{TIntTrio{2, 2, 1}, 12}, std::pair{vbs14b, 14}})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_strukturelement (lo_id1, lo_id2, lo_id3, art, orge_id1, "
                                     "orge_id2, orge_ebene1, orge_ebene2) VALUES (?, ?, ?, 8, 100, ?, 10, 1)"),
                      {platz.Id1, platz.Id2, platz.Id3, filiale});
    Bestand(ADb, bearb, 100004, 3, CZAM_ArtBestTyp_Frei, 2, 1);
    Bestand(ADb, sued, 100009, 4, CZAM_ArtBestTyp_Frei, 3, 30);
}

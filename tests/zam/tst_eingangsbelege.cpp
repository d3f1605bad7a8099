// Incoming documents: the slips a branch receives, a warehouse's notices, external numbers and
// goods-receipt place, the movements of a document classified by kind of goods, and the stock
// that creating a document books.
#include "IZAM_EingangsbelegServer.h"
#include "TQIV_PersoAuswahl.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Datenbank.h"
#include "TZAM_EingangsbelegServerSql.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMBestandsarten.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

#include <QTest>

namespace {

// Warehouse 1 (branches 10, 11) with its default goods-receipt place, warehouse 2 (branch 20)
// with one place, branch 30 outside. Customer-order documents (1, n) with one position each,
// named by the reference (8, n - 8000, 0) number 1: 8001 delivered from 11, 8002 from 30, 8003
// from and processed in 10 with 2 pieces of size 2 in a process combination, 8004 from 10 but
// its position through 30. The order system knows the external order (3, 9001, 0) position 1.
const TIntTrio CWEPlatz = TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, 1);
const TIntTrio CPlatzLager2{3, 1, 1};

TZAM_PersArt_ExtVerweis Kunde(int ABeleg)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(8, ABeleg - 8000, 0), 1);
}

TZAM_PersArt_ExtVerweis Extern(int AAuftrag)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, TIntTrio(3, AAuftrag, 0), 1);
}

TZAM_Eingangsbewegung Bew(TZAM_TestArtikel::TNr AArtikel, int AGr, int AMenge,
                          const TZAM_PersArt_ExtVerweis& AVerweis = {})
{
    TZAM_Eingangsbewegung m;
    m.ProduktId = TZAM_TestArtikel::A(AArtikel).Id();
    m.GrIdx = AGr;
    m.Menge = AMenge;
    m.Verweis = AVerweis;
    m.BewByte = 7;
    return m;
}

TZAM_Eingangsbeleg WBS(int ANr, qint16 AVon, qint16 AAn)
{
    TZAM_Eingangsbeleg b;
    b.WBSId = TIntPair(1, ANr);
    b.VonFiliale = AVon;
    b.AnFiliale = AAn;
    return b;
}

TZAM_Eingangsbeleg Avis(int ANr, qint16 AFiliale)
{
    TZAM_Eingangsbeleg b;
    b.WEAvisId = TIntTrio(7, ANr, 1);
    b.AnFiliale = AFiliale;
    return b;
}

TZAM_Eingangsbeleg Fremd(const QString& ANr, int ALager)
{
    TZAM_Eingangsbeleg b;
    b.Fremdnummer = ANr;
    b.Lager = ALager;
    return b;
}

// A row of the movement list as "kind:pieces@target branch".
QStringList Klassen(const TVRList& AListe)
{
    QStringList l;
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        l << QStringLiteral("%1:%2@%3")
                 .arg(AListe.GetCellValueAsInteger(r, cblZiel))
                 .arg(AListe.GetCellValueAsInteger(r, cblMenge))
                 .arg(AListe.GetCellValueAsInteger(r, cblPersoZielFil));
    return l;
}

// A row of the goods-slip list as "origin document".
QStringList Belege(const TVRList& AListe)
{
    QStringList l;
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        l << AListe.GetCellValueAsString(r, cwlHerkunft) + u' ' +
                 (AListe.GetCell(r, cwlProdukt).IsNull() ? AListe.GetCellValueAsString(r, cwlBelegNr)
                                                         : AListe.GetCellValueAsString(r, cwlArtNr));
    return l;
}

// The branches whose incoming slips are loaded in turn, and whether each replaces the list.
using TLaden = QList<std::pair<int, bool>>;

} // namespace

class TestEingangsbelege : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_EingangsbelegServer> FServer;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Anlegen(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TZAM_TestLager::Anlegen(Db());
        TZAM_TestArtikel::Anlegen(Db());
        for (const auto& [ort, lager, bereich] : {std::tuple{CWEPlatz, 1, 1}, {CPlatzLager2, 2, 0}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, name, bereich) "
                                          "VALUES (?, ?, ?, ?, ?, ?)"),
                           {ort.Id1, ort.Id2, ort.Id3, lager, ort.ToText(), bereich});
        const struct
        {
            int Beleg, Ausl, Bearb, PosAusl;
        } belege[] = {{8001, 11, 0, -1}, {8002, 30, 0, -1}, {8003, 10, 10, -1}, {8004, 10, 0, 30}};
        for (const auto& b : belege) {
            Db().Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, auslieferung_filiale) "
                                          "VALUES (1, ?, ?, ?)"),
                           {b.Beleg, QStringLiteral("KB-%1").arg(b.Beleg), b.Ausl});
            Db().Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                          "menge, bearb_filiale, ausl_filiale) VALUES (1, ?, 0, 1, 1, ?, 5, ?, ?)"),
                           {b.Beleg, b.Beleg, b.Bearb, b.PosAusl});
            Db().Schreiben(QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                          "pos_id1, pos_id2, pos_id3) VALUES (8, ?, 0, 1, 1, ?, 0)"),
                           {b.Beleg - 8000, b.Beleg});
        }
        Db().Schreiben(QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, "
                                      "auftrag_nr, vk_id1, vk_id2, vk_id3, groesse, menge) "
                                      "VALUES (8, 3, 0, 1, 1, 1, 1, 2, 2)"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, "
                                      "auftrag_nr, bestellnr) VALUES ('WEBS', 3, 9001, 0, 1, 'WEB-9001')"));
        FServer = TestDienst<IZAM_EingangsbelegServer>();
    }

    int BF(qint16 AFiliale, int AArt, int AGr)
    {
        return FUmg->Zahl(QStringLiteral("SELECT menge FROM zam_bf WHERE filiale = ? AND bestandsart = ? AND "
                                         "groesse = ?"),
                          {int(AFiliale), AArt, AGr});
    }

private Q_SLOTS:
    void cleanup()
    {
        FServer.reset();
        FUmg.reset();
    }

    void herkunft()
    {
        for (int h = 0; h <= 4; ++h)
            QCOMPARE(TZAM_DM_FilialPC_Ext::WBS_Herkunft_4_String(
                         QStringLiteral(" %1 ").arg(TZAM_DM_FilialPC_Ext::WBS_Herkunft_Text(h))),
                     h);
        QCOMPARE(TZAM_DM_FilialPC_Ext::WBS_Herkunft_Text(2), QStringLiteral("WE-Avis"));
        QCOMPARE(TZAM_DM_FilialPC_Ext::WBS_Herkunft_4_String(QStringLiteral("WBS-Liste")), -1);
        QCOMPARE(TZAM_DM_FilialPC_Ext::WBS_Herkunft_Text(5), QString());
    }

    // Slips 1-1 from 30 to 10, 1-2 inside the warehouse (11 to 10), 1-3 from 30 to 11, 1-4 from
    // 30 to 10 put away completely, 1-5 from warehouse 2's branch 20 to 10, 1-6 to branch 30.
    void eingehendeWBS_data() { ZAM_MotorenDaten(); }
    void eingehendeWBS()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        using A = TZAM_TestArtikel;
        FServer->WBS_Anlegen(WBS(1, 30, 10), {Bew(A::Schuh, 1, 2), Bew(A::Schuh, 2, 1)}, false);
        FServer->WBS_Anlegen(WBS(2, 11, 10), {Bew(A::Schuh, 1, 2)}, false);
        FServer->WBS_Anlegen(WBS(3, 30, 11), {Bew(A::Schuh, 3, 1)}, false);
        FServer->WBS_Anlegen(WBS(4, 30, 10), {Bew(A::Schuh, 1, 2)}, false);
        FServer->WBS_Anlegen(WBS(5, 20, 10), {Bew(A::Hemd, 1, 3), Bew(A::Schuh, 1, 1)}, false);
        FServer->WBS_Anlegen(WBS(6, 10, 30), {Bew(A::Schuh, 1, 2)}, false);
        // 1-4 put away: one piece received, one written off.
        Db().Schreiben(QStringLiteral("UPDATE zam_bnep SET erhalten = 1, fehlmenge = 1 WHERE bne_id1 = 70 AND "
                                      "bne_id2 IN (SELECT id2 FROM zam_bne WHERE eingang_id2 = 4)"));
        TZAM_EingangsbelegServerSql::OffenFortschreiben(Db(), QStringLiteral("1 = 1"), {});

        const struct
        {
            const char* Name;
            TLaden Laden;
            bool NurHemd;
            QStringList Belege;
        } faelle[] = {
            {"Filiale 10", {{10, true}}, false, {QStringLiteral("WBS 1-1"), QStringLiteral("WBS Lager 1-5")}},
            {"Filiale 11", {{11, true}}, false, {QStringLiteral("WBS 1-3")}},
            {"10, dann 11 dazu",
             {{10, true}, {11, false}},
             false,
             {QStringLiteral("WBS 1-1"), QStringLiteral("WBS Lager 1-5"), QStringLiteral("WBS 1-3")}},
            {"10, dann 11 ersetzt", {{10, true}, {11, true}}, false, {QStringLiteral("WBS 1-3")}},
            {"Filiale ohne Lager", {{30, true}}, false, {}},
            {"nur das Hemd", {{10, true}, {11, false}}, true, {QStringLiteral("WBS Lager 1-5")}},
        };
        TZAM_DM_FilialPC_Ext ext;
        TVRList& liste = ext.WBSListe();
        QCOMPARE(liste.GetColumnCount(), int(cwlAnzahl));
        QCOMPARE(liste.GetColumn(cwlVonFiliale).Caption, QStringLiteral("Von Fil"));
        for (const auto& f : faelle) {
            const QString fall = QString::fromUtf8(f.Name);
            const TInt32Trio filter = f.NurHemd ? A::A(A::Hemd).Id() : TInt32Trio();
            for (const auto& [filiale, ersetzen] : f.Laden)
                ext.WBSListe_laden(CZAM_WBSListe_Filiale, filiale, ersetzen, filter);
            QCOMPARE(QStringList{fall} + Belege(liste), QStringList{fall} + f.Belege);
            // Slip 1-5 carries two articles, 4 open pieces in 2 sizes; filtered only the shirt's 3.
            for (int r = 0; r < liste.GetRowCount(); ++r)
                if (liste.GetCellValueAsIntPair(r, cwlWBSId) == TIntPair(1, 5)) {
                    QCOMPARE(liste.GetCellValueAsInteger(r, cwlVonFiliale), 20);
                    QCOMPARE(liste.GetCellValueAsInteger(r, cwlAnFiliale), 10);
                    QCOMPARE(liste.GetCellValueAsInteger(r, cwlLager), 1);
                    QCOMPARE(liste.GetCellValueAsInteger(r, cwlOffen), f.NurHemd ? 3 : 4);
                    QCOMPARE(liste.GetCellValueAsInteger(r, cwlArtikel), f.NurHemd ? 1 : 2);
                    QCOMPARE(liste.GetCellValueAsString(r, cwlArtNr), f.NurHemd ? QStringLiteral("004713") : QString());
                }
        }
    }

    // Notice 7-1-1 of branch 10 on the goods-receipt place, 7-2-1 of warehouse 2, external
    // numbers FR-1 (open) and FR-2 (put away) of warehouse 1, the bottle lying on the place too.
    void lagerListe_data() { ZAM_MotorenDaten(); }
    void lagerListe()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        using A = TZAM_TestArtikel;
        FServer->WEAvis_Anlegen(Avis(1, 10), {Bew(A::Schuh, 1, 2), Bew(A::Schuh, 2, 1)}, true);
        FServer->WEAvis_Anlegen(Avis(2, 20), {Bew(A::Schuh, 1, 2)}, false);
        FServer->Fremdbeleg_Anlegen(Fremd(QStringLiteral("FR-1"), 1), {Bew(A::Hemd, 1, 1)});
        FServer->Fremdbeleg_Anlegen(Fremd(QStringLiteral("FR-2"), 1), {Bew(A::Hemd, 2, 1)});
        Db().Schreiben(QStringLiteral("UPDATE zam_bnep SET erhalten = 1 WHERE bne_id2 IN (SELECT id2 FROM zam_bne "
                                      "WHERE eingang_nr = 'FR-2')"));
        TZAM_EingangsbelegServerSql::OffenFortschreiben(Db(), QStringLiteral("1 = 1"), {});
        TZAM_TestLager::Bestand(Db(), CWEPlatz, A::A(A::Flasche).Id(), 0, CZAM_ArtBestTyp_Frei, 4, 10);

        const QStringList belege = {QStringLiteral("WE-Avis 7-1-1"), QStringLiteral("Fremdnr. FR-1")};
        const QStringList platz = {QStringLiteral("WE-Platz 004711"), QStringLiteral("WE-Platz 004712")};
        const struct
        {
            const char* Modus;
            QStringList Belege;
        } faelle[] = {{"0", belege}, {"2", belege + platz}, {"4", belege + platz}, {"5", belege}};
        for (const auto& f : faelle) {
            const QString modus = QString::fromLatin1(f.Modus);
            FUmg->ParameterSetzen(QStringLiteral("WEMode_Param"), modus);
            TZAM_DM_FilialPC_Ext ext;
            const TVRList& liste = ext.WBSListe();
            QCOMPARE(ext.WBSListe_laden(CZAM_WBSListe_Lager, 1, true), true);
            QCOMPARE(QStringList{modus} + Belege(liste), QStringList{modus} + f.Belege);
            QCOMPARE(liste.GetCellValueAsIntTrio(0, cwlWEAvisId), TIntTrio(7, 1, 1));
            QCOMPARE(liste.GetCellValueAsInteger(0, cwlAnFiliale), 10);
            QCOMPARE(liste.GetCellValueAsInteger(0, cwlOffen), 3);
            QCOMPARE(liste.GetCellValueAsString(1, cwlFremdnummer), QStringLiteral("FR-1"));
            const bool mitArtikeln = liste.GetRowCount() > 2;
            if (mitArtikeln) {
                QCOMPARE(liste.GetCellValueAsInt32Trio(2, cwlProdukt), A::A(A::Schuh).Id());
                QCOMPARE(liste.GetCellValueAsInteger(2, cwlOffen), 3);
                QCOMPARE(liste.GetCellValueAsInteger(3, cwlOffen), 4);
            }
            // Filtered by the shoe: the notice alone, and its place row in the modes with articles.
            ext.WBSListe_laden(CZAM_WBSListe_Lager, 1, true, A::A(A::Schuh).Id());
            QCOMPARE(liste.GetRowCount(), mitArtikeln ? 2 : 1);
        }
        TZAM_DM_FilialPC_Ext ext;
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, ext.WBSListe_laden(2, 1, true));
    }

    // Slip 1-1 from 30 to 10: the shoe without reference; for customer orders delivered from 11
    // (inside), from 30 (outside), from and processed in 10 (2 of 5 pieces with a combination),
    // through 30 by the position; the shirt for a known and an unknown external order.
    void klassen_data() { ZAM_MotorenDaten(); }
    void klassen()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        using A = TZAM_TestArtikel;
        FServer->WBS_Anlegen(WBS(1, 30, 10),
                             {Bew(A::Schuh, 1, 4), Bew(A::Schuh, 2, 2, Kunde(8001)), Bew(A::Schuh, 2, 1, Kunde(8002)),
                              Bew(A::Schuh, 2, 5, Kunde(8003)), Bew(A::Hemd, 1, 1, Kunde(8004)),
                              Bew(A::Hemd, 2, 1, Extern(9001)), Bew(A::Hemd, 2, 3, Extern(9002))},
                             false);
        const QStringList alle = {QStringLiteral("1:4@-1"), QStringLiteral("2:2@11"), QStringLiteral("3:1@30"),
                                  QStringLiteral("2:3@10"), QStringLiteral("4:2@10"), QStringLiteral("3:1@30"),
                                  QStringLiteral("2:1@10")};
        const struct
        {
            int Menge; // kind set
            QList<int> Zeilen;
        } faelle[] = {{30, {0, 1, 2, 3, 4, 5, 6}}, {2, {0}}, {4, {1, 3, 6}}, {8, {2, 5}}, {16, {4}},
                      {20, {1, 3, 4, 6}},          {0, {}}};
        TZAM_DM_FilialPC_Ext ext;
        ext.SetStandardLager(1);
        const TVRList& liste = ext.Bewegungsliste();
        for (const auto& f : faelle) {
            QStringList erwartet = {QString::number(f.Menge)};
            for (int z : f.Zeilen)
                erwartet << alle.at(z);
            QCOMPARE(ext.Bewegungs_Liste_laden(TIntPair(1, 1), f.Menge), !f.Zeilen.isEmpty());
            QCOMPARE(QStringList{QString::number(f.Menge)} + Klassen(liste), erwartet);
        }
        QCOMPARE(ext.Zielfiliale_4_KubeExtVerweis(Kunde(8004)), qint16(30));
        QCOMPARE(ext.Zielfiliale_4_KubeExtVerweis(Kunde(8001)), qint16(11));
        QCOMPARE(ext.Zielfiliale_4_KubeExtVerweis(Extern(9001)), qint16(-1));

        // The processing part carries the position's reference, document and processing branch.
        QVERIFY(ext.Bewegungs_Liste_laden(TIntPair(1, 1), 30));
        QCOMPARE(liste.GetCellValueAsString(4, cblBelegNr), QStringLiteral("KB-8003"));
        QCOMPARE(liste.GetCellValueAsIntTrio(4, cblKubeBeleg), TIntTrio(1, 8003, 0));
        QCOMPARE(liste.GetCellValueAsString(4, cblExtKuerzel), QStringLiteral("K"));
        QCOMPARE(liste.GetCellValueAsIntQuad(4, cblExtVerweis), TIntQuad(8, 3, 0, 1));
        QCOMPARE(liste.GetCellValueAsInteger(4, cblBearbFiliale), 10);
        QCOMPARE(liste.GetCellValueAsString(4, cblGrIndizes), QStringLiteral("2"));
        QCOMPARE(liste.GetCellValueAsInteger(4, cblBewByte), 7);
        QVERIFY(liste.GetCell(4, cblVerfKombi).IsNull());
        // Goods without reference have no order number and a null reference; the shoe's rows
        // share one order line, the shirt's another.
        QCOMPARE(liste.GetCellValueAsString(0, cblBelegNr), QString());
        QVERIFY(liste.GetCell(0, cblExtVerweis).IsNull());
        QCOMPARE(liste.GetCellValueAsString(0, cblArtNr), QStringLiteral("004711"));
        QCOMPARE(liste.GetCellValueAsInteger(0, cblAnFiliale), 10);
        QCOMPARE(liste.GetCellValueAsInteger(0, cblVonFiliale), 30);
        QCOMPARE(liste.GetCellValueAsIntTrio(0, cblBelegId), liste.GetCellValueAsIntTrio(4, cblBelegId));
        QVERIFY(liste.GetCellValueAsIntTrio(5, cblBelegId) != liste.GetCellValueAsIntTrio(0, cblBelegId));
        QCOMPARE(liste.GetCellValueAsString(6, cblBelegNr), QStringLiteral("WEB-9001"));
        // Loading another document empties the list first.
        QVERIFY(!ext.Bewegungs_Liste_laden(TIntPair(1, 2), 30));
        QCOMPARE(liste.GetRowCount(), 0);
    }

    // Notice 7-1-1 of branch 10 (warehouse 1), 7-2-1 of branch 20 (warehouse 2).
    void avisDerFiliale_data() { ZAM_MotorenDaten(); }
    void avisDerFiliale()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        using A = TZAM_TestArtikel;
        FServer->WEAvis_Anlegen(Avis(1, 10), {Bew(A::Schuh, 1, 2), Bew(A::Schuh, 2, 1)}, false);
        FServer->WEAvis_Anlegen(Avis(2, 20), {Bew(A::Schuh, 1, 2)}, false);
        const struct
        {
            const char* Name;
            int Avis, Filiale, Lager; // the extension's warehouse
            int Zeilen;
        } faelle[] = {{"eigene Filiale", 1, 10, 1, 2},
                      {"andere Filiale des Lagers", 1, 11, 1, 0},
                      {"Filiale eines anderen Lagers", 2, 20, 1, 0},
                      {"im anderen Lager", 2, 20, 2, 1},
                      {"Filiale ohne Lager", 1, 30, 1, 0}};
        for (const auto& f : faelle) {
            const QString fall = QString::fromUtf8(f.Name);
            TZAM_DM_FilialPC_Ext ext;
            ext.SetStandardLager(1);
            if (f.Lager != 1)
                ext.SetLager(f.Lager);
            const bool geladen = ext.Bewegungs_Liste_laden(TIntTrio(7, f.Avis, 1), qint16(f.Filiale), 30);
            QCOMPARE(QPair(fall, geladen), QPair(fall, f.Zeilen > 0));
            QCOMPARE(QPair(fall, ext.Bewegungsliste().GetRowCount()), QPair(fall, f.Zeilen));
            if (f.Zeilen == 0)
                continue;
            // The pieces lie on the warehouse's default goods-receipt place unless a row names another.
            QCOMPARE(ext.Bewegungsliste().GetCellValueAsIntTrio(0, cblLagerort),
                     TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, f.Lager));
            QCOMPARE(ext.Bewegungsliste().GetCellValueAsInteger(0, cblZiel), int(paEinlagerung));
        }
    }

    // Transport stock of the to-branch for a slip, free stock of the receiving branch on the
    // notice's place; refusals write nothing.
    void bestandBeimAnlegen_data() { ZAM_MotorenDaten(); }
    void bestandBeimAnlegen()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        using A = TZAM_TestArtikel;
        FServer->WBS_Anlegen(WBS(1, 30, 10), {Bew(A::Schuh, 1, 2), Bew(A::Schuh, 2, 3), Bew(A::Schuh, 1, 1)}, true);
        FServer->WBS_Anlegen(WBS(2, 30, 11), {Bew(A::Schuh, 1, 5)}, false);
        QCOMPARE(BF(10, CZAM_ArtBestTyp_Transport, 1), 3);
        QCOMPARE(BF(10, CZAM_ArtBestTyp_Transport, 2), 3);
        QCOMPARE(BF(11, CZAM_ArtBestTyp_Transport, 1), -1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bestand")), 0);
        // One order line per product of a document, kind 70, naming the slip.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 70 AND eingang_art = 1 AND "
                                           "eingang_id1 = 1 AND eingang_id2 = 1")),
                 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT lager FROM zam_wbs WHERE id1 = 1 AND id2 = 1")), 1);

        FServer->WEAvis_Anlegen(Avis(1, 11), {Bew(A::Schuh, 3, 2)}, true);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT menge FROM zam_bestand WHERE lo_id1 = ? AND lo_id2 = ? AND "
                                           "lo_id3 = ? AND groesse = 3 AND bestandsart = 1"),
                            {CWEPlatz.Id1, CWEPlatz.Id2, CWEPlatz.Id3}),
                 2);
        QCOMPARE(BF(11, CZAM_ArtBestTyp_Frei, 3), 2);

        // A branch outside the place's warehouse, a slip that exists, a size the article lacks:
        // refused, nothing of the document stored.
        TZAM_Eingangsbewegung fremderPlatz = Bew(A::Schuh, 1, 1);
        fremderPlatz.Lagerort = CPlatzLager2;
        QCOMPARE(Fehler([&] {
                     FServer->WEAvis_Anlegen(Avis(2, 10), {Bew(A::Schuh, 1, 1), fremderPlatz}, true);
                 }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(Fehler([&] { FServer->WBS_Anlegen(WBS(1, 30, 10), {Bew(A::Schuh, 1, 1)}, true); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(Fehler([&] { FServer->Fremdbeleg_Anlegen(Fremd(QStringLiteral("FR-9"), 1), {Bew(A::Schuh, 9, 1)}); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_weav")), 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_fremdbeleg")), 0);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 70")), 3);
        QCOMPARE(BF(10, CZAM_ArtBestTyp_Transport, 1), 3);
    }

    // The demo's documents as the putaway meets them in warehouse 1 (TZAM_DemoEingangsbelege).
    void demo_data() { ZAM_MotorenDaten(); }
    void demo()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        TZAM_DM_FilialPC_Ext ext;
        ext.SetStandardLager(1);
        const QList<int> filialen = ext.AktLagerFilialen();
        QCOMPARE(filialen, (QList<int>{1, 12, 14, 17}));
        for (int f : filialen)
            ext.WBSListe_laden(CZAM_WBSListe_Filiale, f, f == filialen.first());
        ext.WBSListe_laden(CZAM_WBSListe_Lager, 1, false);
        QCOMPARE(Belege(ext.WBSListe()), (QStringList{QStringLiteral("WBS 21-1001"), QStringLiteral("WBS 21-1003"),
                                                      QStringLiteral("WBS 21-1002"), QStringLiteral("WE-Avis 1-1001-1"),
                                                      QStringLiteral("Fremdnr. FR-1001")}));
        const struct
        {
            TIntPair WBS;
            QStringList Klassen;
        } wbs[] = {
            {{21, 1001}, {QStringLiteral("1:3@-1"), QStringLiteral("1:2@-1"), QStringLiteral("1:2@-1")}},
            {{21, 1002},
             {QStringLiteral("1:2@-1"), QStringLiteral("3:1@21"), QStringLiteral("2:1@12"), QStringLiteral("4:3@17")}},
            {{21, 1003}, {QStringLiteral("2:1@1")}}};
        for (const auto& w : wbs) {
            QVERIFY(ext.Bewegungs_Liste_laden(w.WBS, 30));
            QCOMPARE(QStringList{w.WBS.ToText()} + Klassen(ext.Bewegungsliste()),
                     QStringList{w.WBS.ToText()} + w.Klassen);
        }
        QVERIFY(ext.Bewegungs_Liste_laden(TIntTrio(1, 1001, 1), 1, 30));
        QCOMPARE(Klassen(ext.Bewegungsliste()), (QStringList{QStringLiteral("1:2@-1"), QStringLiteral("1:1@-1")}));
        QVERIFY(!ext.Bewegungs_Liste_laden(TIntTrio(1, 1002, 1), 30, 30));
        QVERIFY(ext.Bewegungs_Liste_laden(QStringLiteral("FR-1001"), 30));
        // The slips' pieces are transport stock of their to-branches.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT SUM(menge) FROM zam_bf WHERE bestandsart = 40 AND filiale = 1")), 8);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT SUM(menge) FROM zam_bf WHERE bestandsart = 40 AND filiale = 12")),
                 7);
    }
};

QTEST_MAIN(TestEingangsbelege)
#include "tst_eingangsbelege.moc"

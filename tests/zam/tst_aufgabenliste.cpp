// The task list as the workflows load it: every column the service fills, the switches, the
// order, the counting load, and the header and execution reads of the counters; and the move of
// the former flat task table into the task files.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Migrationen.h"
#include "TZAM_Schema.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestUmgebung.h"
#include "Vrtools.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMAufgabenlisteSpalten.h"

#include <QTest>

namespace {

const TInt32Trio CSchuh{1, 100001, 0};
const QDate CHeute = QDate::currentDate();

TVRItem I(int A)
{
    TVRItem i;
    Integer2VRItem(A, i);
    return i;
}
TVRItem S(const QString& A)
{
    TVRItem i;
    String2VRItem(A, i);
    return i;
}
TVRItem D(double A)
{
    TVRItem i;
    Double2VRItem(A, i);
    return i;
}
TVRItem T3(const TIntTrio& A)
{
    TVRItem i;
    IntTrio2VRItem(A, i);
    return i;
}
TVRItem Datum(const QDate& A)
{
    TVRItem i;
    Date2VRItem(A, i);
    return i;
}
TVRItem Zeit(const QTime& A)
{
    TVRItem i;
    Time2VRItem(A, i);
    return i;
}
TVRItem P(const TInt32Trio& A)
{
    TVRItem i;
    Int32Trio2VRItem(A, i);
    return i;
}

using TErwartet = QList<std::pair<int, TVRItem>>;

// A: a customer order for branch 12, 2 of 5 fulfilled. B: the warehouse for itself (source =
// target) with an external order. C: a hand-store task without article record, reference or
// target place. D: another warehouse's.
TZAM_TestAufgabe AufgabeA()
{
    TZAM_TestAufgabe a;
    a.Id = {1, 1, 5};
    a.Menge = 5;
    a.Prioritaet = 3;
    a.Vorgangstyp = 'K';
    a.Vorgang = {2, 300, 1};
    a.Kube = {1, 5001, 0};
    a.KubeNr = 1;
    a.Grund = {7, 1, 2};
    return a;
}
TZAM_TestAufgabe AufgabeB()
{
    TZAM_TestAufgabe b;
    b.Id = {1, 1, 2};
    b.ZielFiliale = 1;
    b.Geschaeftsvorfall = 4;
    b.ExtKennung = 3;
    b.ExtId = {3, 7001, 0};
    b.Vorgangstyp = 0;
    b.Menge = 2;
    return b;
}
TZAM_TestAufgabe AufgabeC()
{
    TZAM_TestAufgabe c;
    c.Id = {1, 1, 9};
    c.Art = 8;
    c.Geschaeftsvorfall = 8;
    c.Status = 4;
    c.Produkt = {1, 999999, 0};
    c.Groesse = 7;
    c.ZielLagerort = {};
    c.ExtKennung = 0;
    c.ExtId = {};
    c.ExtNummer = 0;
    c.Bearbeitung = QDateTime();
    c.Vorgangstyp = 'N';
    return c;
}

} // namespace

class TestAufgabenliste : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_AufgabenEditServer> FServer;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
        QVERIFY(FServer);
    }

    void Preis(int AFiliale, int AGroesse, const QDate& AAb, qint64 ACent)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_vkpreis (prod_id1, prod_id2, prod_id3, filiale, groesse, ab, "
                                      "preis_cent) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       {CSchuh.Id1, CSchuh.Id2, CSchuh.Id3, AFiliale, AGroesse, AAb, ACent});
    }

    // Warehouse 1 lists branch 14 before 12; the shoe in size 3 "42" with two GTINs and a label.
    void Anlegen()
    {
        TZAM_TestAufgaben::Filialen(Db());
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name) VALUES (1, 'Lager')"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) "
                                      "VALUES (1, 12, 2), (1, 14, 1)"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_artikel (prod_id1, prod_id2, prod_id3, artnr, hersteller_artnr, "
                                      "bezeichnung, hersteller, farbe, material, preis_cent) VALUES (?, ?, ?, 4711, "
                                      "'SW-9', 'Laufschuh', 'Sprintwerk', 'blau', 'Leder', 8999)"),
                       {CSchuh.Id1, CSchuh.Id2, CSchuh.Id3});
        Db().Schreiben(QStringLiteral("INSERT INTO zam_artikel_groesse (prod_id1, prod_id2, prod_id3, groesse, name, "
                                      "langname, kassengroesse) VALUES (?, ?, ?, 3, '42', '42 EU', 42)"),
                       {CSchuh.Id1, CSchuh.Id2, CSchuh.Id3});
        for (const auto& [code, art] :
             {std::pair{"4006381333931", 1}, std::pair{"0004711042", 2}, std::pair{"4006381333924", 1}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_artikel_code (code, art, prod_id1, prod_id2, prod_id3, "
                                          "groesse) VALUES (?, ?, ?, ?, ?, 3)"),
                           {QString::fromLatin1(code), art, CSchuh.Id1, CSchuh.Id2, CSchuh.Id3});
        Db().Schreiben(
            QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, name) VALUES (1, 2, 3, 1, 'K-01')"));
        // Branch 12 sells at 24.99 since yesterday (19.99 before, 9.99 from next week), branch 14
        // at 21.99; size 4 is dearer.
        Preis(12, 3, CHeute.addDays(-10), 1999);
        Preis(12, 3, CHeute.addDays(-1), 2499);
        Preis(12, 3, CHeute.addDays(5), 999);
        Preis(14, 3, CHeute.addDays(-3), 2199);
        Preis(12, 4, CHeute.addDays(-1), 5555);
        TZAM_TestAufgaben::Beleg(Db(), {});
        TZAM_TestAufgaben::Exbi(Db(), {});
        // Stored out of order; the list comes ordered by task id.
        TZAM_TestAufgaben::Anlegen(Db(), AufgabeA());
        TZAM_TestAufgaben::Anlegen(Db(), AufgabeC());
        TZAM_TestAufgaben::Anlegen(Db(), AufgabeB());
        TZAM_TestAufgabe d = AufgabeB();
        d.Id = {2, 1, 1};
        d.Lager = 2;
        TZAM_TestAufgaben::Anlegen(Db(), d);
        TZAM_TestAufgaben::Erfuellung(Db(), AufgabeA().Id, 2);
    }

    bool Laden(const TQIVAufgabenlisteLaden_Options& AOptionen)
    {
        TZAM_Aufgaben_Suchkriterien k;
        k.Lager = 1;
        return FServer->Aufgabenliste_Laden(k, AOptionen);
    }

    // The columns of the row that are not null.
    QList<int> Gefuellt(int AZeile)
    {
        QList<int> l;
        for (int s = 0; s < FServer->AufgabenVRListe().GetColumnCount(); ++s)
            if (!FServer->AufgabenVRListe().GetCell(AZeile, s).IsNull())
                l << s;
        return l;
    }

    void Pruefen(int AZeile, const TErwartet& AErwartet)
    {
        const TVRList& l = FServer->AufgabenVRListe();
        QList<int> erwartet;
        for (const auto& [spalte, wert] : AErwartet) {
            erwartet << spalte;
            QVERIFY2(l.GetCell(AZeile, spalte) == wert,
                     qPrintable(QStringLiteral("Zeile %1, Spalte %2 (%3): %4 statt %5")
                                    .arg(AZeile)
                                    .arg(spalte)
                                    .arg(CZAM_Aufgabenliste_Spalten(spalte).Caption,
                                         l.GetCell(AZeile, spalte).AlsText(), wert.AlsText())));
        }
        std::sort(erwartet.begin(), erwartet.end());
        QCOMPARE(Gefuellt(AZeile), erwartet);
    }

private Q_SLOTS:
    void cleanup()
    {
        FServer.reset();
        FUmg.reset();
    }

    void jedeSpalte_data() { ZAM_MotorenDaten(); }
    void jedeSpalte()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen();
        TQIVAufgabenlisteLaden_Options alle = TQIVAufgabenlisteLaden_Options::Schalter(true, true, true, true, true);
        QVERIFY(Laden(alle));
        const TVRList& l = FServer->AufgabenVRListe();
        QCOMPARE(l.GetColumnCount(), CZAM_AufgabenListe_SpaltenAnzahl);
        for (int s : {0, 19, 38, 83}) {
            QCOMPARE(l.GetColumn(s).Caption, CZAM_Aufgabenliste_Spalten(s).Caption);
            QCOMPARE(l.GetColumn(s).ValueType, CZAM_Aufgabenliste_Spalten(s).Typ);
            QCOMPARE(l.GetColumn(s).Width, CZAM_Aufgabenliste_Spalten(s).Breite);
        }
        QCOMPARE(FServer->ZeilenAnzahl(), 3);
        QCOMPARE(l.GetRowCount(), 3);

        // B (1-1-2): the warehouse's own task is priced in its first branch, 14.
        // clang-format off
        Pruefen(0, {{0, S("ABS")}, {1, S("E")}, {4, Datum({2024, 5, 9})}, {5, Zeit({16, 30})},
                    {6, Datum({2024, 5, 10})}, {7, Zeit({10, 0})}, {8, I(0)}, {9, S("offen")}, {10, T3({1, 1, 2})},
                    {11, S("004711")}, {12, P(CSchuh)}, {13, S("Laufschuh")}, {14, S("Sprintwerk")}, {16, S("SW-9")},
                    {17, S("Leder")}, {18, S("blau")}, {19, D(21.99)}, {20, I(2)}, {21, S("42")}, {22, S("42 EU")},
                    {23, I(3)}, {24, I(1)}, {25, I(1)}, {28, S("K-01")}, {29, T3({1, 2, 3})}, {32, I(0)}, {33, I(2)},
                    {35, T3({})}, {37, S("E 3-7001-0/1")}, {38, S("EX-4711")}, {43, I(1)}, {45, D(89.99)},
                    {48, S("KUV")}, {63, S("Kundenversand")}, {64, S("4006381333924")}, {65, S("Laufschuh")},
                    {79, I(2)}, {83, T3({})}});
        // clang-format on
        // A (1-1-5): branch 12's price of today; 3 of 5 open.
        // clang-format off
        Pruefen(1, {{0, S("ABS")}, {1, S("K")}, {4, Datum({2024, 5, 9})}, {5, Zeit({16, 30})},
                    {6, Datum({2024, 5, 10})}, {7, Zeit({10, 0})}, {8, I(3)}, {9, S("offen")}, {10, T3({1, 1, 5})},
                    {11, S("004711")}, {12, P(CSchuh)}, {13, S("Laufschuh")}, {14, S("Sprintwerk")}, {16, S("SW-9")},
                    {17, S("Leder")}, {18, S("blau")}, {19, D(24.99)}, {20, I(3)}, {21, S("42")}, {22, S("42 EU")},
                    {23, I(3)}, {24, I(1)}, {25, I(12)}, {28, S("K-01")}, {29, T3({1, 2, 3})}, {32, I(2)}, {33, I(3)},
                    {34, S("K")}, {35, T3({2, 300, 1})}, {37, S("K 1-5001-0/1")}, {38, S("KB-5001")}, {43, I(1)},
                    {45, D(89.99)}, {48, S("KUB")}, {63, S("Kundenbestellung")}, {64, S("4006381333924")},
                    {65, S("Laufschuh")}, {79, I(5)}, {83, T3({7, 1, 2})}});
        // clang-format on
        // C (1-1-9): nothing to find about its article, no price, no place, no order.
        // clang-format off
        Pruefen(2, {{0, S("UHL")}, {4, Datum({2024, 5, 9})}, {5, Zeit({16, 30})}, {8, I(0)}, {9, S("teilerfüllt")},
                    {10, T3({1, 1, 9})}, {12, P({1, 999999, 0})}, {19, D(0)}, {20, I(1)}, {23, I(7)}, {24, I(1)},
                    {25, I(12)}, {29, T3({})}, {32, I(0)}, {33, I(1)}, {34, S("N")}, {35, T3({})}, {43, I(1)},
                    {48, S("HLU")}, {63, S("Handlagerumlagerung")}, {79, I(1)}, {83, T3({})}});
        // clang-format on

        const TQIV_AufgabenZeile& a = FServer->Zeile(1);
        QCOMPARE(a.AufgabenId, TIntTrio(1, 1, 5));
        QCOMPARE(a.ZielFiliale, qint16(12));
        QCOMPARE(a.VorgangsTyp, QLatin1Char('K'));
        QCOMPARE(a.VorgangsKey, TIntTrio(2, 300, 1));
        QCOMPARE(a.AuftragsKey, TIntQuad(1, 5001, 0, 1));
        QCOMPARE(FServer->Zeile(0).VorgangsTyp, QChar());
        QCOMPARE(FServer->Zeile(2).ZielFiliale, qint16(12));
    }

    // What each switch adds to the columns every load fills; the counting load fills only the id.
    void schalter_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("schalter"); // bits 1..5 of the switches, 6 counting only
        QTest::addColumn<QList<int>>("dazu");
        const struct
        {
            const char* Name;
            int Schalter;
            QList<int> Dazu;
        } faelle[] = {
            {"keiner", 0, {}},
            {"erfuellungen", 1 << 2, {}},
            {"subaufgaben", 1 << 1, {}},
            {"zusatzdaten", 1 << 3, {13, 14, 16, 17, 18, 64, 65}},
            {"groessen", 1 << 4, {21}},
            {"preise", 1 << 5, {45}},
            {"alle", 0x3e, {13, 14, 16, 17, 18, 21, 45, 64, 65}},
            {"nurIds", 0x3e | 1 << 6, {}},
        };
        for (int motor : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)})
            for (const auto& f : faelle)
                QTest::addRow("%s/%s", motor == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres", f.Name)
                    << motor << f.Schalter << f.Dazu;
    }
    void schalter()
    {
        ZAM_MOTOR(m);
        QFETCH(int, schalter);
        QFETCH(QList<int>, dazu);
        Starten(m);
        Anlegen();
        auto o = TQIVAufgabenlisteLaden_Options::Schalter(schalter & 1 << 1, schalter & 1 << 2, schalter & 1 << 3,
                                                          schalter & 1 << 4, schalter & 1 << 5);
        o.NurIdsLaden = schalter & 1 << 6;
        QVERIFY(Laden(o));
        QCOMPARE(FServer->ZeilenAnzahl(), 3);
        // Counting fills the row list alone.
        QCOMPARE(FServer->AufgabenVRListe().GetRowCount(), o.NurIdsLaden ? 0 : 3);
        if (!o.NurIdsLaden) {
            QList<int> erwartet = QList<int>{0,  1,  4,  5,  6,  7,  8,  9,  10, 11, 12, 19, 20, 22, 23,
                                             24, 25, 28, 29, 32, 33, 34, 35, 37, 38, 43, 48, 63, 79, 83} +
                                  dazu;
            std::sort(erwartet.begin(), erwartet.end());
            QCOMPARE(Gefuellt(1), erwartet);
            QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsIntTrio(2, 10), TIntTrio(1, 1, 9));
        }
        // The row list is the same whatever was asked for.
        QCOMPARE(FServer->Zeile(1).AuftragsKey, TIntQuad(1, 5001, 0, 1));
        QCOMPARE(FServer->Zeile(1).VorgangsKey, TIntTrio(2, 300, 1));
        QCOMPARE(FServer->Zeile(0).AufgabenId, TIntTrio(1, 1, 2));
        FServer->ZeileLoeschen(0);
        QCOMPARE(FServer->ZeilenAnzahl(), 2);
        QCOMPARE(FServer->AufgabenVRListe().GetRowCount(), o.NurIdsLaden ? 0 : 2);
    }

    void zeilenLoeschenUndFehlschlag_data() { ZAM_MotorenDaten(); }
    void zeilenLoeschenUndFehlschlag()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen();
        QVERIFY(Laden({}));
        FServer->ZeileLoeschen(1);
        QCOMPARE(FServer->ZeilenAnzahl(), 2);
        QCOMPARE(FServer->AufgabenVRListe().GetRowCount(), 2);
        QCOMPARE(FServer->Zeile(1).AufgabenId, TIntTrio(1, 1, 9));
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsIntTrio(1, 10), TIntTrio(1, 1, 9));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, FServer->ZeileLoeschen(2));
        FServer->Aufgabenliste_Freigeben();
        QCOMPARE(FServer->ZeilenAnzahl(), 0);
        QCOMPARE(FServer->AufgabenVRListe().GetRowCount(), 0);
        QCOMPARE(FServer->AufgabenVRListe().GetColumnCount(), CZAM_AufgabenListe_SpaltenAnzahl);

        // A later load replaces the list; one that fails leaves it empty and raises.
        QVERIFY(Laden({}));
        QCOMPARE(FServer->ZeilenAnzahl(), 3);
        TZAM_Aufgaben_Suchkriterien k;
        k.Lager = 2;
        QVERIFY(FServer->Aufgabenliste_Laden(k, {}));
        QCOMPARE(FServer->ZeilenAnzahl(), 1);
        QCOMPARE(FServer->Zeile(0).AufgabenId, TIntTrio(2, 1, 1));
        Db().Schreiben(QStringLiteral("DROP TABLE zam_vkpreis"));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, Laden({}));
        QCOMPARE(FServer->ZeilenAnzahl(), 0);
        QCOMPARE(FServer->AufgabenVRListe().GetRowCount(), 0);
    }

    void koepfeUndAusfuehrung_data() { ZAM_MotorenDaten(); }
    void koepfeUndAusfuehrung()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen();
        const auto ids = [&](const TZAM_AufgabenKopfFilter& F) {
            QList<TIntTrio> l;
            for (const TZAM_AufgabenKopf& k : FServer->Aufgabenkoepfe_Lesen(F))
                l << k.Id;
            return l;
        };
        TZAM_AufgabenKopfFilter f;
        QCOMPARE(ids(f), (QList<TIntTrio>{{1, 1, 2}, {1, 1, 5}, {1, 1, 9}, {2, 1, 1}}));
        f.Lager = 1;
        f.ArtKuerzel = QStringLiteral("ABS");
        QCOMPARE(ids(f), (QList<TIntTrio>{{1, 1, 2}, {1, 1, 5}}));
        f.GVKuerzel = QStringLiteral("KUV");
        QCOMPARE(ids(f), (QList<TIntTrio>{{1, 1, 2}}));
        f = {};
        f.StatusZeichen = QStringLiteral("TE");
        QCOMPARE(ids(f), (QList<TIntTrio>{{1, 1, 9}}));
        f = {};
        f.BearbeitungBis = QDate(2024, 5, 10); // to the end of that day; C has no processing time
        QCOMPARE(ids(f).size(), 3);
        f.BearbeitungVon = QDate(2024, 5, 11);
        QVERIFY(ids(f).isEmpty());
        f = {};
        f.ErstelltVon = f.ErstelltBis = QDate(2024, 5, 9);
        QCOMPARE(ids(f).size(), 4);

        const QList<TZAM_AufgabenKopf> k = FServer->Aufgabenkoepfe_Lesen({});
        QCOMPARE(k.at(1).ArtKuerzel, QStringLiteral("ABS"));
        QCOMPARE(k.at(1).GVKuerzel, QStringLiteral("KUB"));
        QCOMPARE(k.at(1).Status, QLatin1Char('O'));
        QCOMPARE(k.at(1).Erstellt, QDateTime(QDate(2024, 5, 9), QTime(16, 30)));
        QCOMPARE(k.at(1).Bearbeitung, QDateTime(QDate(2024, 5, 10), QTime(10, 0)));
        QCOMPARE(k.at(1).ExtVerweis, TZAM_PersArt_ExtVerweis::Construct(1, {1, 5001, 0}, 1));
        QVERIFY(!k.at(2).Bearbeitung.isValid());
        QVERIFY(!k.at(2).ExtVerweis.Defined());

        TZAM_AufgabenAusfuehrung e;
        QVERIFY(FServer->Ausfuehrung_Lesen({1, 1, 5}, e));
        QCOMPARE(e.QuellFiliale, qint16(1));
        QCOMPARE(e.ZielFiliale, qint16(12));
        QCOMPARE(e.Menge, 5);
        QCOMPARE(e.VorgangsKey, TIntTrio(2, 300, 1));
        QCOMPARE(e.VorgangsTyp, int('K'));
        QCOMPARE(e.KubeId, TIntTrio(1, 5001, 0));
        QCOMPARE(e.KubeNr, 1);
        QVERIFY(!FServer->Ausfuehrung_Lesen({1, 1, 7}, e));
        QCOMPARE(e.Menge, 0);
    }

    void statusUndBeleg_data() { ZAM_MotorenDaten(); }
    void statusUndBeleg()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen();
        QVERIFY(FServer->Aufgabe_StatusAendern({1, 1, 5}, CZAM_Aufgabe_Status_InArbeit));
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT status FROM zam_auko WHERE id3 = 5")).toString(),
                 QStringLiteral("B"));
        QVERIFY(!FServer->Aufgabe_StatusAendern({1, 1, 7}, CZAM_Aufgabe_Status_InArbeit));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, FServer->Aufgabe_StatusAendern({1, 1, 5}, 11));
        TZAM_Aufgaben_Suchkriterien k;
        k.Status = ZAMSetBit(CZAM_Aufgabe_Status_InArbeit);
        QVERIFY(FServer->Aufgabenliste_Laden(k, {}));
        QCOMPARE(FServer->ZeilenAnzahl(), 1);
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsString(0, 9), QStringLiteral("in Bearbeitung"));

        // The document of a reference is named by its first two parts.
        QCOMPARE(FServer->BelegId_4_ExtVerweis(TZAM_PersArt_ExtVerweis::Construct(1, {1, 5001, 4}, 2)),
                 TIntTrio(1, 5001, 0));
        QVERIFY(FServer->BelegId_4_ExtVerweis(TZAM_PersArt_ExtVerweis::Construct(1, {1, 5009, 0}, 1)).IsNull());
        QVERIFY(FServer->BelegId_4_ExtVerweis(TZAM_PersArt_ExtVerweis::Construct(3, {1, 5001, 0}, 1)).IsNull());
        QVERIFY(FServer->BelegId_4_ExtVerweis({}).IsNull());
    }

    // An old database at schema step 6 with rows in the flat task table.
    void alteAufgabenZiehenUm_data() { ZAM_MotorenDaten(); }
    void alteAufgabenZiehenUm()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m, TZAM_Backend::TOptionen{}, false);
        {
            TZAM_Datenbank db(FUmg->Konfig(), QStringLiteral("alt"));
            db.Oeffnen();
            TZAM_Migrationen::Anwenden(db, QStringLiteral("daten"), TZAM_Schema::Daten().mid(0, 6));
            QCOMPARE(TZAM_Migrationen::Version(db, QStringLiteral("daten")), 6);
            const QString sql = QStringLiteral(
                "INSERT INTO zam_aufgabe (id1, id2, id3, art, status, lager, quell_filiale, ziel_filiale, "
                "geschaeftsvorfall, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, bezahlt, herkunft, "
                "buch_filiale, teamsport, bearbeitung, erstellt, prod_id1, prod_id2, prod_id3, groesse, ziel_lo_id1, "
                "ziel_lo_id2, ziel_lo_id3, vorgangstyp, menge, grund_id1, grund_id2, grund_id3, beleg_id1, "
                "beleg_id2, beleg_id3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            db.Schreiben(sql, {1,
                               1,
                               1,
                               1,
                               2,
                               1,
                               1,
                               12,
                               3,
                               1,
                               1,
                               5001,
                               0,
                               4,
                               1,
                               QStringLiteral("O"),
                               12,
                               1,
                               QDate(2024, 5, 10),
                               QDate(2024, 5, 9),
                               1,
                               100001,
                               0,
                               3,
                               1,
                               2,
                               3,
                               16,
                               2,
                               0,
                               0,
                               0,
                               1,
                               5001,
                               0});
            db.Schreiben(
                sql, {1, 1,      2, 8, 4, 1, 1, 1, 8, 0, 0, 0, 0, 0, 0, QString(), -1, 0, QVariant(), QDate(2024, 5, 1),
                      1, 100002, 0, 5, 1, 3, 1, 0, 7, 7, 1, 2, 0, 0, 0});
        }
        FUmg->Neustart();
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
        QCOMPARE(TZAM_Migrationen::Version(Db(), QStringLiteral("daten")), TZAM_Schema::Daten().last().Nummer);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_auko")).toInt(), 2);
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, Db().Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe")));

        const TZAM_Zeilen k = Db().Lesen(QStringLiteral(
            "SELECT art, status, gv, lager, ext_kennung, ext_id2, ext_nummer, teamsport, groesse, ziel_lo_id3, "
            "grund_id1, grund_id3 FROM zam_auko ORDER BY id3"));
        const auto zeile = [&](int r) {
            QStringList t;
            for (const QVariant& v : k.Zeilen().at(r))
                t << v.toString();
            return t.join(QLatin1Char(' '));
        };
        QCOMPARE(zeile(0), QStringLiteral("ABS O KUB 1 1 5001 4 1 3 3 0 0"));
        QCOMPARE(zeile(1), QStringLiteral("UHL T HLU 1 0 0 0 0 5 1 7 2"));
        const TZAM_Zeilen e = Db().Lesen(QStringLiteral(
            "SELECT quell_filiale, ziel_filiale, menge, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr FROM zam_auae "
            "ORDER BY auf_id3"));
        QCOMPARE(e.Zeilen().at(0), (QVariantList{1, 12, 2, 16, 1, 5001, 0, 4}));
        QCOMPARE(e.Zeilen().at(1), (QVariantList{1, 1, 7, 0, 0, 0, 0, 0}));

        // The dates became points in time at the start of their day, which the service reads.
        const QList<TZAM_AufgabenKopf> koepfe = FServer->Aufgabenkoepfe_Lesen({});
        QCOMPARE(koepfe.at(0).Bearbeitung, QDateTime(QDate(2024, 5, 10), QTime(0, 0)));
        QCOMPARE(koepfe.at(0).Erstellt, QDateTime(QDate(2024, 5, 9), QTime(0, 0)));
        QVERIFY(!koepfe.at(1).Bearbeitung.isValid());
        TZAM_Aufgaben_Suchkriterien kr;
        kr.BelegId = {1, 5001, 0};
        kr.Arten = ZAMSetBit(1);
        kr.Status = CZAM_Aufgabe_Status_Standard;
        kr.Teamsport = true;
        QVERIFY(FServer->Aufgabenliste_Laden(kr, {}));
        QCOMPARE(FServer->ZeilenAnzahl(), 1);
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsInteger(0, 33), 2);
    }
};

QTEST_MAIN(TestAufgabenliste)
#include "tst_aufgabenliste.moc"

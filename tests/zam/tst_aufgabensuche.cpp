// "Is there a task matching these criteria": every filter must let its task in and keep others out.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {
using TAufgabe = TZAM_TestAufgabe; // an open customer-order task of document 1-5001 for branch 12
} // namespace

class TestAufgabensuche : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_AufgabenEditServer> FServer;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
    }
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Anlegen(const TAufgabe& A) { TZAM_TestAufgaben::Anlegen(Db(), A); }
    bool Da(const TZAM_Aufgaben_Suchkriterien& K) { return FServer->AufgabenVorhanden(K); }

private Q_SLOTS:
    void cleanup()
    {
        FServer.reset();
        FUmg.reset();
    }

    void leereDatenbankUndLeereKriterien_data() { ZAM_MotorenDaten(); }
    void leereDatenbankUndLeereKriterien()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Aufgaben_Suchkriterien k;
        QVERIFY(!Da(k));
        k.Arten = ZAMSetBit(1);
        k.Status = CZAM_Aufgabe_Status_Standard;
        QVERIFY(!Da(k));
        Anlegen({});
        Clear_Aufgaben_Suchkriterien(k);
        QVERIFY(Da(k));
    }

    void mengen_data() { ZAM_MotorenDaten(); }
    void mengen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen({});
        TZAM_Aufgaben_Suchkriterien k;

        k.Arten = ZAMSetBit(1) | ZAMSetBit(8);
        QVERIFY(Da(k));
        k.Arten = ZAMSetBit(8);
        QVERIFY(!Da(k));
        k.Arten = 0;

        k.Status = CZAM_Aufgabe_Status_Standard; // {2, 4}
        QVERIFY(Da(k));
        k.Status = ZAMSetBit(3) | ZAMSetBit(4);
        QVERIFY(!Da(k));
        k.Status = ZAMSetBit(10);
        QVERIFY(!Da(k));
        k.Status = 0;

        k.Geschaeftsvorfaelle = ZAMSetBit(3) | ZAMSetBit(4);
        QVERIFY(Da(k));
        k.Geschaeftsvorfaelle = CZAM_Aufgabe_Geschaeftsvorfall_Alle & ~(ZAMSetBit(3) | ZAMSetBit(4));
        QVERIFY(!Da(k));
        k.Geschaeftsvorfaelle = CZAM_Aufgabe_Geschaeftsvorfall_Alle;
        QVERIFY(Da(k));

        // The reference sets {1, 3}: include keeps a document task, exclude drops it.
        k.ExtVerweisEinschluss = ZAMSetBit(1) | ZAMSetBit(3);
        QVERIFY(Da(k));
        k.ExtVerweisEinschluss = ZAMSetBit(3);
        QVERIFY(!Da(k));
        k.ExtVerweisEinschluss = 0;
        k.ExtVerweisAusschluss = ZAMSetBit(1) | ZAMSetBit(3);
        QVERIFY(!Da(k));
        k.ExtVerweisAusschluss = ZAMSetBit(3);
        QVERIFY(Da(k));

        // A re-sorting task without reference passes the exclusion, fails the inclusion.
        TAufgabe nachsort;
        nachsort.Id = {1, 1, 2};
        nachsort.Geschaeftsvorfall = 0;
        nachsort.ExtKennung = 0;
        Anlegen(nachsort);
        k.ExtVerweisAusschluss = ZAMSetBit(1) | ZAMSetBit(3);
        QVERIFY(Da(k));
        k.Geschaeftsvorfaelle = ZAMSetBit(3);
        QVERIFY(!Da(k));
        k.ExtVerweisAusschluss = 0;
        k.ExtVerweisEinschluss = ZAMSetBit(0);
        k.Geschaeftsvorfaelle = 0;
        QVERIFY(Da(k));
    }

    void filialenLagerUndMerkmale_data() { ZAM_MotorenDaten(); }
    void filialenLagerUndMerkmale()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TAufgabe a;
        a.QuellFiliale = 0; // 0 is a real branch
        Anlegen(a);
        TZAM_TestAufgaben::Beleg(Db(), {}); // origin O, paid
        TZAM_Aufgaben_Suchkriterien k;

        k.Lager = 1;
        QVERIFY(Da(k));
        k.Lager = 2;
        QVERIFY(!Da(k));
        k.Lager = 0;
        QVERIFY(!Da(k));
        k.Lager = -1;

        k.ZielFiliale = 12;
        QVERIFY(Da(k));
        k.ZielFiliale = 14;
        QVERIFY(!Da(k));
        k.ZielFiliale = 0; // any
        QVERIFY(Da(k));
        k.ZielFiliale = -1;

        k.QuellFiliale = 0;
        QVERIFY(Da(k));
        k.QuellFiliale = 1;
        QVERIFY(!Da(k));
        k.QuellFiliale = -1;

        k.Teamsport = true;
        QVERIFY(!Da(k));
        k.Teamsport = false;
        QVERIFY(Da(k));
        k.Teamsport.SetUnDefined();

        k.Herkuenfte = {QLatin1Char('F'), QLatin1Char('O')};
        QVERIFY(Da(k));
        k.Herkuenfte = {QLatin1Char('F')};
        QVERIFY(!Da(k));
        k.Herkuenfte.clear();

        k.VorgangsTypen = QByteArray("\x10\x11\x47");
        QVERIFY(Da(k));
        k.VorgangsTypen = QByteArray("\x11\x47");
        QVERIFY(!Da(k));
        k.VorgangsTypen.clear();

        k.NurBezahlte = true;
        QVERIFY(Da(k));
        TAufgabe offen;
        offen.Id = {1, 1, 2};
        offen.ExtId = {1, 5002, 0};
        offen.ZielFiliale = 14;
        Anlegen(offen);
        TZAM_TestBeleg unbezahlt;
        unbezahlt.Nr = 5002;
        unbezahlt.Positionen = {QStringLiteral("/J"), QStringLiteral("/N")};
        TZAM_TestAufgaben::Beleg(Db(), unbezahlt);
        k.ZielFiliale = 14;
        QVERIFY(!Da(k));
        k.NurBezahlte = false;
        QVERIFY(Da(k));
    }

    void schluesselUndTexte_data() { ZAM_MotorenDaten(); }
    void schluesselUndTexte()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TAufgabe a;
        a.Grund = {7, 1, 2};
        Anlegen(a);
        // An external-order task for branch 14 whose reference carries the same key and number
        // as the document task's: only the kind tells them apart.
        TAufgabe extern_;
        extern_.Id = {1, 1, 2};
        extern_.ZielFiliale = 14;
        extern_.ExtKennung = CZAM_PersArtExt_EXBI;
        Anlegen(extern_);
        TZAM_TestExbi exbi;
        exbi.Auftrag = a.ExtId;
        exbi.Position = a.ExtNummer;
        TZAM_TestAufgaben::Exbi(Db(), exbi); // order number EX-4711
        TZAM_TestAufgaben::Beleg(Db(), {});
        TZAM_Aufgaben_Suchkriterien k;

        k.ProduktId = {1, 100001, 0};
        QVERIFY(Da(k));
        k.GroessenIndex = 3;
        QVERIFY(Da(k));
        k.GroessenIndex = 4;
        QVERIFY(!Da(k));
        k.GroessenIndex = 255;
        k.ProduktId = {1, 100002, 0};
        QVERIFY(!Da(k));
        k.ProduktId = {};

        k.ZielLagerort = {1, 2, 3};
        QVERIFY(Da(k));
        k.ZielLagerort = {1, 2, 4};
        QVERIFY(!Da(k));
        k.ZielLagerort = {};

        k.ZusatzIds = {{7, 1, 1}, {7, 1, 2}};
        QVERIFY(Da(k));
        k.ZusatzIds = {{7, 1, 1}};
        QVERIFY(!Da(k));
        k.ZusatzIds.clear();

        k.AufgabenIds = {{1, 1, 9}, {1, 1, 1}};
        QVERIFY(Da(k));
        k.AufgabenIds = {{1, 1, 9}, {1, 9, 1}};
        QVERIFY(!Da(k));
        k.AufgabenIds.clear();

        k.BelegId = {1, 5001, 0};
        QVERIFY(Da(k));
        k.ZielFiliale = 14; // the external order is no document
        QVERIFY(!Da(k));
        k.ZielFiliale = -1;
        k.BelegId = {1, 5002, 0};
        QVERIFY(!Da(k));
        k.BelegId = {};

        k.ExtAuftragsKey = QStringLiteral("EX-4711");
        QVERIFY(Da(k));
        k.ZielFiliale = 12; // the document task has no order number
        QVERIFY(!Da(k));
        k.ZielFiliale = -1;
        k.ExtAuftragsKey = QStringLiteral("EX-4712");
        QVERIFY(!Da(k));
        // Values are bound, never part of the statement.
        k.ExtAuftragsKey = QStringLiteral("x' OR '1'='1");
        QVERIFY(!Da(k));
    }

    void zeitraeume_data() { ZAM_MotorenDaten(); }
    void zeitraeume()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Anlegen({}); // processing 2024-05-10 10:00, created 2024-05-09 16:30
        TZAM_Aufgaben_Suchkriterien k;

        k.BearbeitungVon = QDate(2024, 5, 10);
        QVERIFY(Da(k)); // bounds belong to the range; the upper one is open
        k.BearbeitungVon = QDate(2024, 5, 11);
        QVERIFY(!Da(k));
        k.BearbeitungVon = QDate();
        k.BearbeitungBis = QDate(2024, 5, 10);
        QVERIFY(Da(k));
        k.BearbeitungBis = QDate(2024, 5, 9);
        QVERIFY(!Da(k));
        // Across a month: a text comparison of unpadded dates would get this wrong.
        k.BearbeitungVon = QDate(2024, 4, 30);
        k.BearbeitungBis = QDate(2024, 12, 1);
        QVERIFY(Da(k));
        k.BearbeitungVon = k.BearbeitungBis = QDate();

        k.ErstelltVon = QDate(2024, 5, 1);
        k.ErstelltBis = QDate(2024, 5, 9);
        QVERIFY(Da(k));
        k.ErstelltBis = QDate(2024, 5, 8);
        QVERIFY(!Da(k));
        k.ErstelltBis = QDate();

        // A task without processing date falls out once a bound is set.
        TAufgabe ohne;
        ohne.Id = {1, 1, 2};
        ohne.Bearbeitung = QDateTime();
        ohne.ZielFiliale = 14;
        Anlegen(ohne);
        k.ZielFiliale = 14;
        QVERIFY(Da(k));
        k.BearbeitungVon = QDate(2000, 1, 1);
        QVERIFY(!Da(k));
    }

    // A day's bounds reach from its first to its last millisecond.
    void tagesgrenzen_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<QTime>("zeit");
        QTest::addColumn<bool>("amVortagBis");
        QTest::addColumn<bool>("amTagVon");
        QTest::addColumn<bool>("amTagBis");
        QTest::addColumn<bool>("amFolgetagVon");
        const struct
        {
            const char* Name;
            QTime Zeit;
        } zeiten[] = {{"mitternacht", QTime(0, 0)},
                      {"mittag", QTime(12, 0)},
                      {"letzteSekunde", QTime(23, 59, 59)},
                      {"halbeLetzteSekunde", QTime(23, 59, 59, 500)},
                      {"letzteMillisekunde", QTime(23, 59, 59, 999)}};
        for (int motor : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)})
            for (const auto& z : zeiten)
                QTest::addRow("%s/%s", motor == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres", z.Name)
                    << motor << z.Zeit << false << true << true << false;
    }
    void tagesgrenzen()
    {
        ZAM_MOTOR(m);
        QFETCH(QTime, zeit);
        QFETCH(bool, amVortagBis);
        QFETCH(bool, amTagVon);
        QFETCH(bool, amTagBis);
        QFETCH(bool, amFolgetagVon);
        Starten(m);
        const QDate tag(2024, 3, 31); // a change to summer time in the night before
        TAufgabe a;
        a.Bearbeitung = QDateTime(tag, zeit);
        a.Erstellt = QDateTime(tag, zeit);
        Anlegen(a);
        const auto da = [&](QDate TZAM_Aufgaben_Suchkriterien::*AFeld, const QDate& ADatum) {
            TZAM_Aufgaben_Suchkriterien k;
            k.*AFeld = ADatum;
            return Da(k);
        };
        for (auto [von, bis] :
             {std::pair{&TZAM_Aufgaben_Suchkriterien::BearbeitungVon, &TZAM_Aufgaben_Suchkriterien::BearbeitungBis},
              std::pair{&TZAM_Aufgaben_Suchkriterien::ErstelltVon, &TZAM_Aufgaben_Suchkriterien::ErstelltBis}}) {
            QCOMPARE(da(bis, tag.addDays(-1)), amVortagBis);
            QCOMPARE(da(von, tag), amTagVon);
            QCOMPARE(da(bis, tag), amTagBis);
            QCOMPARE(da(von, tag.addDays(1)), amFolgetagVon);
        }
    }

    void buchungsfilialeUeberDieFilialtabelle_data() { ZAM_MotorenDaten(); }
    void buchungsfilialeUeberDieFilialtabelle()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_TestAufgaben::Filialen(Db());
        Anlegen({});
        TZAM_TestAufgaben::Beleg(Db(), {}); // booked by the branch of organisation id (100, 12)
        const TOrgeIdKompl f12 = TZAM_TestAufgaben::Orge(12), f14 = TZAM_TestAufgaben::Orge(14);
        TZAM_Aufgaben_Suchkriterien k;

        k.BuchFilialen = {f14, f12};
        QVERIFY(Da(k));
        k.BuchFilialen = {f14};
        QVERIFY(!Da(k));
        // Both pairs must match.
        k.BuchFilialen = {TOrgeIdKompl{{100, 12}, {10, 2}}};
        QVERIFY(!Da(k));
        // An unknown branch keeps the empty key, which names no branch, not even one without key.
        TZAM_Filiale ohneSchluessel;
        ohneSchluessel.Nummer = 0;
        ohneSchluessel.Name = QStringLiteral("ohne Schlüssel");
        TZAM_FilialTabelleSql::Speichern(Db(), ohneSchluessel);
        TZAM_TestBeleg ohne;
        ohne.Nr = 5003;
        ohne.GlaeubigerOrge = {};
        TZAM_TestAufgaben::Beleg(Db(), ohne);
        TAufgabe a;
        a.Id = {1, 1, 3};
        a.ExtId = {1, 5003, 0};
        Anlegen(a);
        k.BuchFilialen = {TOrgeIdKompl()};
        QVERIFY(!Da(k));

        // An external order names its branch by number.
        TAufgabe x;
        x.Id = {1, 1, 2};
        x.ExtKennung = CZAM_PersArtExt_EXBI;
        x.ExtId = {3, 7001, 0};
        Anlegen(x);
        TZAM_TestAufgaben::Exbi(Db(), {}); // booked in branch 14
        k.BuchFilialen = {f14};
        k.AufgabenIds = {x.Id};
        QVERIFY(Da(k));
        k.BuchFilialen = {f12};
        QVERIFY(!Da(k));
    }

    // Paid, origin and booking branch come from the order the task's reference names.
    void auftragsdaten_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("kennung");
        QTest::addColumn<bool>("belegDa");
        QTest::addColumn<QString>("zahlungsart");
        QTest::addColumn<QString>("auslieferung");
        QTest::addColumn<QStringList>("positionen");
        QTest::addColumn<bool>("exbiBezahlt");
        QTest::addColumn<bool>("bezahlt");
        QTest::addColumn<QString>("herkunft");
        QTest::addColumn<int>("buchFiliale");
        const QString J = QStringLiteral("/J"), N = QStringLiteral("/N"), TN = QStringLiteral("T/N");
        const QString O = QStringLiteral("O"), W = QStringLiteral("W"), R = QStringLiteral("R"),
                      A = QStringLiteral("A");
        const struct
        {
            const char* Name;
            int Kennung;
            bool BelegDa;
            QString Zahlungsart, Auslieferung;
            QStringList Positionen;
            bool ExbiBezahlt, Bezahlt;
            QString Herkunft;
            int BuchFiliale;
        } faelle[] = {
            {"belegAllesBezahlt", 1, true, {}, {}, {J, J}, false, true, O, 12},
            {"belegEinePositionOffen", 1, true, {}, {}, {J, N}, false, false, O, 12},
            {"belegOffenePositionImZustandT", 1, true, {}, {}, {J, TN}, false, true, O, 12},
            {"belegAufRechnung", 1, true, R, {}, {N}, false, true, O, 12},
            {"belegAbholung", 1, true, {}, A, {N}, false, true, O, 12},
            {"belegOhnePositionen", 1, true, {}, {}, {}, false, true, O, 12},
            {"belegFehlt", 1, false, {}, {}, {}, false, false, {}, -1},
            {"exbiBezahlt", 3, false, {}, {}, {}, true, true, W, 14},
            {"exbiOffen", 3, false, {}, {}, {}, false, false, W, 14},
            {"ohneVerweis", 0, true, {}, {}, {J}, true, false, {}, -1},
        };
        for (int motor : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)})
            for (const auto& f : faelle)
                QTest::addRow("%s/%s", motor == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres", f.Name)
                    << motor << f.Kennung << f.BelegDa << f.Zahlungsart << f.Auslieferung << f.Positionen
                    << f.ExbiBezahlt << f.Bezahlt << f.Herkunft << f.BuchFiliale;
    }
    void auftragsdaten()
    {
        ZAM_MOTOR(m);
        QFETCH(int, kennung);
        QFETCH(bool, belegDa);
        QFETCH(QString, zahlungsart);
        QFETCH(QString, auslieferung);
        QFETCH(QStringList, positionen);
        QFETCH(bool, exbiBezahlt);
        QFETCH(bool, bezahlt);
        QFETCH(QString, herkunft);
        QFETCH(int, buchFiliale);
        Starten(m);
        TZAM_TestAufgaben::Filialen(Db());
        // The task refers to position 1 of document 1-6001 or of the external order 1-6001-0.
        TAufgabe a;
        a.ExtKennung = kennung;
        a.ExtId = {1, 6001, 0};
        Anlegen(a);
        if (belegDa) {
            TZAM_TestBeleg b;
            b.Nr = 6001;
            b.Zahlungsart = zahlungsart;
            b.Auslieferungtyp = auslieferung;
            b.Positionen = positionen;
            TZAM_TestAufgaben::Beleg(Db(), b);
        }
        TZAM_TestExbi x;
        x.Auftrag = a.ExtId;
        x.Bezahlt = exbiBezahlt;
        TZAM_TestAufgaben::Exbi(Db(), x);
        // Unpaid positions that are not this document's: another document's, and a position
        // state whose number names no position of it.
        TZAM_TestBeleg fremd;
        fremd.Nr = 6002;
        fremd.Positionen = {QStringLiteral("/N")};
        TZAM_TestAufgaben::Beleg(Db(), fremd);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                      "pos_id1, pos_id2, pos_id3, zustand, bezahlt) VALUES (1, 6001, 0, 99, 1, 6001, "
                                      "0, '', 'N')"));
        // And an external order of another source with the same key, unpaid, of origin X.
        x.Kennung = QStringLiteral("KATALOG");
        x.Bezahlt = false;
        x.Herkunft = QLatin1Char('X');
        x.BuchFiliale = 99;
        TZAM_TestAufgaben::Exbi(Db(), x);

        TZAM_Aufgaben_Suchkriterien k;
        k.NurBezahlte = true;
        QCOMPARE(Da(k), bezahlt);
        k.NurBezahlte = false;
        for (const QString& h : {QStringLiteral("O"), QStringLiteral("W"), QStringLiteral("F")}) {
            k.Herkuenfte = {h.at(0)};
            QVERIFY2(Da(k) == (h == herkunft), qPrintable(h));
        }
        k.Herkuenfte = {QLatin1Char('F'), QLatin1Char('O'), QLatin1Char('W')};
        QCOMPARE(Da(k), !herkunft.isEmpty());
        k.Herkuenfte.clear();
        for (int f : {12, 14}) {
            k.BuchFilialen = {TZAM_TestAufgaben::Orge(f)};
            QVERIFY2(Da(k) == (f == buchFiliale), qPrintable(QString::number(f)));
        }
    }

    void demoKundenbestellungen_data() { ZAM_MotorenDaten(); }
    void demoKundenbestellungen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FUmg->DemoAnlegen();
        // The terminal's customer-order question: kind 1, cases {3, 4}, standard statuses.
        TZAM_Aufgaben_Suchkriterien k;
        k.Arten = ZAMSetBit(1);
        k.Lager = 1;
        k.Status = CZAM_Aufgabe_Status_Standard;
        k.Geschaeftsvorfaelle = ZAMSetBit(3) | ZAMSetBit(4);
        k.ExtVerweisEinschluss = ZAMSetBit(1) | ZAMSetBit(3);
        k.NurBezahlte = true;
        QVERIFY(Da(k));
        // And re-sorting work without customer orders.
        k.Geschaeftsvorfaelle = CZAM_Aufgabe_Geschaeftsvorfall_Alle & ~(ZAMSetBit(3) | ZAMSetBit(4));
        k.ExtVerweisEinschluss = 0;
        k.ExtVerweisAusschluss = ZAMSetBit(1) | ZAMSetBit(3);
        k.NurBezahlte = false;
        QVERIFY(Da(k));
        k.Lager = 2;
        QVERIFY(!Da(k));
    }
};

QTEST_MAIN(TestAufgabensuche)
#include "tst_aufgabensuche.moc"

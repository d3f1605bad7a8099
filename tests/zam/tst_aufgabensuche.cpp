// "Is there a task matching these criteria": every filter must let its task in and keep others out.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {
// An open, paid customer-order task of warehouse 1 for branch 12.
struct TAufgabe
{
    TIntTrio Id{1, 1, 1};
    int Art = 1;
    int Status = 2;
    int Lager = 1;
    int QuellFiliale = 1;
    int ZielFiliale = 12;
    int Geschaeftsvorfall = 3;
    int ExtKennung = 1;
    bool Bezahlt = true;
    QString Herkunft = QStringLiteral("O");
    int BuchFiliale = 12;
    bool Teamsport = false;
    QDate Bearbeitung{2024, 5, 10};
    QDate Erstellt{2024, 5, 9};
    TInt32Trio Produkt{1, 100001, 0};
    int Groesse = 3;
    TIntTrio ZielLagerort{1, 2, 3};
    int Vorgangstyp = 16;
    TIntTrio Grund;
    TIntTrio Beleg{1, 5001, 0};
    QString ExtAuftrag;
};

QVariant Datum(const QDate& D)
{
    return D.isValid() ? QVariant(D) : QVariant();
}
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
    void Anlegen(const TAufgabe& A)
    {
        FUmg->Backend().Datenbank().Schreiben(
            QStringLiteral(
                "INSERT INTO zam_aufgabe (id1, id2, id3, art, status, lager, quell_filiale, ziel_filiale, "
                "geschaeftsvorfall, ext_kennung, bezahlt, herkunft, buch_filiale, teamsport, bearbeitung, "
                "erstellt, prod_id1, prod_id2, prod_id3, groesse, ziel_lo_id1, ziel_lo_id2, ziel_lo_id3, "
                "vorgangstyp, grund_id1, grund_id2, grund_id3, beleg_id1, beleg_id2, beleg_id3, ext_auftrag) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?)"),
            {A.Id.Id1,
             A.Id.Id2,
             A.Id.Id3,
             A.Art,
             A.Status,
             A.Lager,
             A.QuellFiliale,
             A.ZielFiliale,
             A.Geschaeftsvorfall,
             A.ExtKennung,
             A.Bezahlt ? 1 : 0,
             A.Herkunft,
             A.BuchFiliale,
             A.Teamsport ? 1 : 0,
             Datum(A.Bearbeitung),
             Datum(A.Erstellt),
             A.Produkt.Id1,
             A.Produkt.Id2,
             A.Produkt.Id3,
             A.Groesse,
             A.ZielLagerort.Id1,
             A.ZielLagerort.Id2,
             A.ZielLagerort.Id3,
             A.Vorgangstyp,
             A.Grund.Id1,
             A.Grund.Id2,
             A.Grund.Id3,
             A.Beleg.Id1,
             A.Beleg.Id2,
             A.Beleg.Id3,
             A.ExtAuftrag});
    }
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
        offen.Bezahlt = false;
        offen.ZielFiliale = 14;
        Anlegen(offen);
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
        a.ExtAuftrag = QStringLiteral("EX-4711");
        Anlegen(a);
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
        k.BelegId = {1, 5002, 0};
        QVERIFY(!Da(k));
        k.BelegId = {};

        k.ExtAuftragsKey = QStringLiteral("EX-4711");
        QVERIFY(Da(k));
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
        Anlegen({}); // processing 2024-05-10, created 2024-05-09
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
        ohne.Bearbeitung = QDate();
        ohne.ZielFiliale = 14;
        Anlegen(ohne);
        k.ZielFiliale = 14;
        QVERIFY(Da(k));
        k.BearbeitungVon = QDate(2000, 1, 1);
        QVERIFY(!Da(k));
    }

    void buchungsfilialeUeberDieFilialtabelle_data() { ZAM_MotorenDaten(); }
    void buchungsfilialeUeberDieFilialtabelle()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        TZAM_Filiale f12;
        f12.Nummer = 12;
        f12.Name = QStringLiteral("Altstadt");
        f12.OrgeId = {{100, 12}, {10, 1}};
        TZAM_FilialTabelleSql::Speichern(db, f12);
        TZAM_Filiale f14 = f12;
        f14.Nummer = 14;
        f14.OrgeId = {{100, 14}, {10, 1}};
        TZAM_FilialTabelleSql::Speichern(db, f14);
        Anlegen({}); // booked in branch 12
        TZAM_Aufgaben_Suchkriterien k;

        k.BuchFilialen = {f14.OrgeId, f12.OrgeId};
        QVERIFY(Da(k));
        k.BuchFilialen = {f14.OrgeId};
        QVERIFY(!Da(k));
        // Both pairs must match.
        k.BuchFilialen = {TOrgeIdKompl{{100, 12}, {10, 2}}};
        QVERIFY(!Da(k));
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

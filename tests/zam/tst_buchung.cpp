// The booking bracket on both engines: nothing half-stored, nesting, cancel, abandonment.
#include "EZAM_Exception.h"
#include "TZAM_BuchungService.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_TcpProxy.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestBuchung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Schreiben(const QString& AName)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES (?, ?)"),
                       {AName, QStringLiteral("1")});
    }
    int Anzahl(const QString& AName)
    {
        return Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_parameter WHERE name = ?"), {AName}).toInt();
    }
    // A second connection sees only what was committed.
    int AnzahlVonAussen(const QString& AName)
    {
        TZAM_Datenbank zweite(FUmg->Backend().Datenbank().Konfig(), QStringLiteral("zweite"));
        zweite.Oeffnen();
        return zweite.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_parameter WHERE name = ?"), {AName}).toInt();
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void verschachteltSchreibtEinmalAmAeusserstenEnde_data() { ZAM_MotorenDaten(); }
    void verschachteltSchreibtEinmalAmAeusserstenEnde()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        ZAMBuchung().Oeffnen(69, QStringLiteral("aussen"));
        Schreiben(QStringLiteral("A"));
        ZAMBuchung().Oeffnen(69, QStringLiteral("innen"));
        Schreiben(QStringLiteral("B"));
        ZAMBuchung().Schliessen(QStringLiteral("innen"));
        QCOMPARE(AnzahlVonAussen(QStringLiteral("B")), 0);
        QVERIFY(ZAMBuchung().IstOffen());
        ZAMBuchung().Schliessen(QStringLiteral("aussen"));
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 1);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("B")), 1);
        QVERIFY(!ZAMBuchung().IstOffen());
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
    }

    void ausnahmeImHandlerHinterlaesstNichts_data() { ZAM_MotorenDaten(); }
    void ausnahmeImHandlerHinterlaesstNichts()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        bool busy = false;
        const bool fertig = TZAM_Hausregel::Ausfuehren(busy, "TTest.Buchen", [&] {
            ZAMBuchung().Oeffnen(69, QStringLiteral("TTest.Buchen"));
            Schreiben(QStringLiteral("A"));
            FehlerRaise(QStringLiteral("TTest.Buchen"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                        QStringLiteral("x"));
            ZAMBuchung().Schliessen(QStringLiteral("TTest.Buchen"));
        });
        QVERIFY(!fertig);
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
        QCOMPARE(Anzahl(QStringLiteral("A")), 0);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 0);
        // The menu's open-booking report sees it once.
        QVERIFY(ZAMBuchung().IstOffen());
        QVERIFY(!ZAMBuchung().IstOffen());
        // The next booking works normally.
        ZAMBuchung().Oeffnen(69, QStringLiteral("danach"));
        Schreiben(QStringLiteral("C"));
        ZAMBuchung().Schliessen(QStringLiteral("danach"));
        QCOMPARE(AnzahlVonAussen(QStringLiteral("C")), 1);
    }

    void abgefangeneInnereAusnahmeLaesstAeussereScheitern_data() { ZAM_MotorenDaten(); }
    void abgefangeneInnereAusnahmeLaesstAeussereScheitern()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        bool busyAussen = false;
        bool busyInnen = false;
        TInfoKoord schluss;
        TZAM_Hausregel::Ausfuehren(busyAussen, "TTest.Aussen", [&] {
            ZAMBuchung().Oeffnen(69, QStringLiteral("aussen"));
            Schreiben(QStringLiteral("A"));
            TZAM_Hausregel::Ausfuehren(busyInnen, "TTest.Innen", [&] {
                ZAMBuchung().Oeffnen(69, QStringLiteral("innen"));
                Schreiben(QStringLiteral("B"));
                throw EZAM_Exception::Text(QStringLiteral("innen kaputt"));
            });
            QCOMPARE(ZAMBuchung().Tiefe(), 1);
            // Writing on inside the abandoned bracket must not autocommit, nor start a transaction.
            QCOMPARE(Fehler([&] { Schreiben(QStringLiteral("D")); }), CZAM_Info_Fehler_Buchung_Aufgegeben);
            QCOMPARE(Fehler([&] { Db().TransaktionBeginnen(); }), CZAM_Info_Fehler_Buchung_Aufgegeben);
            schluss = Fehler([&] { ZAMBuchung().Schliessen(QStringLiteral("aussen")); });
        });
        QCOMPARE(schluss, CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
        for (const QString& n : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D")})
            QCOMPARE(AnzahlVonAussen(n), 0);
    }

    void abbrechenSetztAllesZurueck_data() { ZAM_MotorenDaten(); }
    void abbrechenSetztAllesZurueck()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        ZAMBuchung().Oeffnen(5, QString());
        Schreiben(QStringLiteral("A"));
        ZAMBuchung().Oeffnen(5, QStringLiteral("innen"));
        Schreiben(QStringLiteral("B"));
        ZAMBuchung().Abbrechen();
        // The closes that follow end quietly.
        ZAMBuchung().Schliessen(QStringLiteral("innen"));
        ZAMBuchung().Schliessen(QString());
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
        QVERIFY(!ZAMBuchung().IstOffen());
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 0);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("B")), 0);
    }

    void falscherNameRaisesUndSetztZurueck_data() { ZAM_MotorenDaten(); }
    void falscherNameRaisesUndSetztZurueck()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        ZAMBuchung().Oeffnen(69, QStringLiteral("aussen"));
        ZAMBuchung().Oeffnen(69, QStringLiteral("innen"));
        Schreiben(QStringLiteral("A"));
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("aussen")); }),
                 CZAM_Info_Fehler_Buchung_KlammerFalsch);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 0);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("innen")); }), CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("aussen")); }),
                 CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("x")); }), CZAM_Info_Fehler_Buchung_NichtOffen);
        QCOMPARE(Anzahl(QStringLiteral("A")), 0);
    }

    void ohneKlammerSofortGespeichert_data() { ZAM_MotorenDaten(); }
    void ohneKlammerSofortGespeichert()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Schreiben(QStringLiteral("A"));
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 1);
    }

    void datenbankfehlerInKlammerLaesstSieScheitern_data() { ZAM_MotorenDaten(); }
    void datenbankfehlerInKlammerLaesstSieScheitern()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        ZAMBuchung().Oeffnen(69, QStringLiteral("b"));
        Schreiben(QStringLiteral("A"));
        // A failed read runs under a savepoint and spoils nothing.
        QCOMPARE(Fehler([&] { Db().Lesen(QStringLiteral("SELECT gibtsnicht FROM zam_parameter")); }),
                 CZAM_Info_Fehler_DB_Anweisung);
        Schreiben(QStringLiteral("B"));
        // A failed write (duplicate key) fails the whole bracket.
        QCOMPARE(Fehler([&] { Schreiben(QStringLiteral("A")); }), CZAM_Info_Fehler_DB_Anweisung);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("b")); }), CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), 0);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("B")), 0);
    }

    void protokollschluesselEindeutig_data() { ZAM_MotorenDaten(); }
    void protokollschluesselEindeutig()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        ZAMBuchung().Oeffnen(74, QStringLiteral("eins"));
        const TIntTrio a = ZAMBuchung().GetProtId();
        ZAMBuchung().Oeffnen(74, QStringLiteral("innen"));
        QCOMPARE(ZAMBuchung().GetProtId(), a); // one key per bracket
        ZAMBuchung().Schliessen(QStringLiteral("innen"));
        ZAMBuchung().Schliessen(QStringLiteral("eins"));
        ZAMBuchung().Oeffnen(74, QStringLiteral("zwei"));
        const TIntTrio b = ZAMBuchung().GetProtId();
        ZAMBuchung().Schliessen(QStringLiteral("zwei"));
        QVERIFY(a.Defined());
        QVERIFY(b.Defined());
        QVERIFY(a != b);
        QCOMPARE(Fehler([] { ZAMBuchung().GetProtId(); }), CZAM_Info_Fehler_Buchung_NichtOffen);

        // The key of a cancelled bracket may already be printed: it is never handed out again.
        ZAMBuchung().Oeffnen(74, QStringLiteral("drei"));
        const TIntTrio c = ZAMBuchung().GetProtId();
        ZAMBuchung().Abbrechen();
        ZAMBuchung().Schliessen(QStringLiteral("drei"));
        ZAMBuchung().Oeffnen(74, QStringLiteral("vier"));
        QVERIFY(ZAMBuchung().GetProtId() != c);
        ZAMBuchung().Schliessen(QStringLiteral("vier"));
    }

    // The answer to the COMMIT is lost: the close reports what the server did, and says so in the
    // protocol.
    void verloreneCommitAntwort_data()
    {
        QTest::addColumn<bool>("erreicht");
        QTest::addColumn<TInfoKoord>("fehler");
        QTest::addColumn<QString>("protokoll");
        QTest::newRow("gespeichert") << true << TInfoKoord() << QStringLiteral("die Buchung ist gespeichert");
        QTest::newRow("nicht gespeichert") << false << CZAM_Info_Fehler_Buchung_NichtGespeichert
                                           << QStringLiteral("die Buchung ist nicht gespeichert");
    }
    void verloreneCommitAntwort()
    {
        QFETCH(bool, erreicht);
        QFETCH(TInfoKoord, fehler);
        QFETCH(QString, protokoll);
        ZAM_POSTGRES_PFLICHT();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmPostgres);
        TZAM_TcpProxy proxy(FUmg->Konfig().Host, FUmg->Konfig().Port);
        TZAM_DBKonfig k = Db().Konfig();
        k.Port = proxy.Port();
        TZAM_Datenbank db(k, QStringLiteral("ueber_proxy"));
        db.Oeffnen();
        TZAM_BuchungService buchung(db, QStringLiteral("TEST2"));
        buchung.Oeffnen(69, QStringLiteral("b"));
        db.Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES ('A', '1')"));
        if (erreicht)
            proxy.NaechsteAntwortVerlieren();
        else
            proxy.Trennen();
        QCOMPARE(Fehler([&] { buchung.Schliessen(QStringLiteral("b")); }), fehler);
        QCOMPARE(AnzahlVonAussen(QStringLiteral("A")), erreicht ? 1 : 0);
        QCOMPARE(buchung.Tiefe(), 0);
        QFile log(QDir(FUmg->Verzeichnis()).filePath(QStringLiteral("protokoll.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains(protokoll));
    }
};

QTEST_MAIN(TestBuchung)
#include "tst_buchung.moc"

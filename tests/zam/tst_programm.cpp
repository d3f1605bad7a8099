// Program object, parameters with their overrides, and the message service.
#include "EZAM_Exception.h"
#include "TZAMMeldungDialog.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Backend.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoService.h"
#include "TZAM_IniDatei.h"
#include "TZAM_Migrationen.h"
#include "TZAM_ParameterService.h"
#include "TZAM_ProgrammService.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <limits>

namespace {

void IniAnhaengen(const QString& APfad, const QString& AText)
{
    QFile f(APfad);
    QVERIFY(f.open(QIODevice::Append | QIODevice::Text));
    f.write(AText.toUtf8());
}
} // namespace

class TestProgramm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parameterMitIniUndSitzungswert_data() { ZAM_MotorenDaten(); }
    void parameterMitIniUndSitzungswert()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        auto& p = umg.Backend().Parameter();
        p.Speichern(QStringLiteral("LAGERANZ"), QStringLiteral("2"));
        p.Speichern(QStringLiteral("PWSCHUTZ"), QStringLiteral("J"));
        p.Speichern(QStringLiteral("EWABELEG"), QStringLiteral("J"));
        p.Speichern(QStringLiteral("ZPSVOWBS"), QStringLiteral("N"));
        QCOMPARE(ZAMParameter().GetIntegerValueByName(QStringLiteral("LAGERANZ")), 2);
        QCOMPARE(ZAMParameter().GetCharValueByName(QStringLiteral("PWSCHUTZ")), QStringLiteral("J"));
        QCOMPARE(Fehler([] { ZAMParameter().GetBooleanValueByName(QStringLiteral("GIBTSNICHT")); }),
                 CZAM_Info_Fehler_Standard_ParameterUnbekannt);

        // The ini file overrides on this terminal only, and is never written back.
        IniAnhaengen(umg.IniPfad(), QStringLiteral("[Parameter]\nPWSCHUTZ=N\newabeleg=N\nLAGERANZ=x\n"));
        umg.Neustart();
        QCOMPARE(ZAMParameter().GetCharValueByName(QStringLiteral("PWSCHUTZ")), QStringLiteral("N"));
        QVERIFY(!ZAMParameter().GetBooleanValueByName(QStringLiteral("EWABELEG")));
        QCOMPARE(Fehler([] { ZAMParameter().GetIntegerValueByName(QStringLiteral("LAGERANZ")); }),
                 CZAM_Info_Fehler_Standard_Konvertierung);
        QCOMPARE(umg.Backend().Datenbank().LesenWert(
                     QStringLiteral("SELECT wert FROM zam_parameter WHERE name = 'PWSCHUTZ'")),
                 QVariant(QStringLiteral("J")));

        // Set for this run only.
        ZAMParameter().SetBooleanValueByName(QStringLiteral("ZPSVOWBS"), true);
        QVERIFY(ZAMParameter().GetBooleanValueByName(QStringLiteral("ZPSVOWBS")));
        umg.Neustart();
        QVERIFY(!ZAMParameter().GetBooleanValueByName(QStringLiteral("ZPSVOWBS")));
    }

    void datenbankNichtErreichbarRaisesBeimInit()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("zam.ini"));
        IniAnhaengen(ini, QStringLiteral("[Datenbank]\nTreiber=QPSQL\nHost=127.0.0.1\nPort=1\nName=x\nBenutzer=x\n"
                                         "[Protokoll]\nDatei=%1\n")
                              .arg(dir.filePath(QStringLiteral("p.log"))));
        TZAM_Backend::TOptionen opt;
        opt.IniPfad = ini;
        opt.MeldungenOhneFenster = true;
        TZAM_Backend backend(opt);
        QCOMPARE(Fehler([] { ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true); }),
                 CZAM_Info_Fehler_DB_Oeffnen);
        QVERIFY(!ZAMProgramm().IstInitialisiert());
        QCOMPARE(Fehler([] { ZAMParameter(); }), CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
    }

    // A named ini file that cannot be read never opens the demo database in its stead.
    void benannteIniDateiMussLesbarSein_data()
    {
        QTest::addColumn<bool>("umgebung");
        QTest::newRow("--ini") << false;
        QTest::newRow("ZAM_INI") << true;
    }
    void benannteIniDateiMussLesbarSein()
    {
        QFETCH(bool, umgebung);
        QTemporaryDir dir;
        const QString fehlt = dir.filePath(QStringLiteral("vertippt.ini"));
        TZAM_Backend::TOptionen opt;
        opt.MeldungenOhneFenster = true;
        opt.Argumente = {QStringLiteral("prog")};
        if (umgebung)
            qputenv("ZAM_INI", fehlt.toUtf8());
        else
            opt.Argumente << QStringLiteral("--ini") << fehlt;
        TZAM_Backend backend(opt);
        qunsetenv("ZAM_INI");
        QCOMPARE(Fehler([] { ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true); }),
                 CZAM_Info_Fehler_Datei_Lesen);
        QVERIFY(!backend.DatenbankOffen());
    }

    // A step that fails in any way leaves nothing behind and frees the migration lock.
    void fehlgeschlagenerSchrittHinterlaesstNichts_data() { ZAM_MotorenDaten(); }
    void fehlgeschlagenerSchrittHinterlaesstNichts()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        const QList<TZAM_Migration> schritte = {
            {1, QStringLiteral("kaputt"), {QStringLiteral("CREATE TABLE zt_halb (x INTEGER)")}, {},
             [](TZAM_Datenbank&) { throw std::runtime_error("Programmfehler"); }}};
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, TZAM_Migrationen::Anwenden(db, QStringLiteral("test"), schritte));
        QVERIFY(!db.InTransaktion());
        QCOMPARE(TZAM_Migrationen::Version(db, QStringLiteral("test")), 0);
        TZAM_Datenbank andere(db.Konfig(), QStringLiteral("andere"));
        andere.Oeffnen();
        if (m == TZAM_TestUmgebung::tmPostgres)
            QVERIFY(andere.LesenWert(QStringLiteral("SELECT pg_try_advisory_lock(741100)")).toBool());
        QCOMPARE(Fehler([&] { andere.Lesen(QStringLiteral("SELECT x FROM zt_halb")); }), CZAM_Info_Fehler_DB_Anweisung);
    }

    void benutzerVonDerBefehlszeile()
    {
        QTemporaryDir dir;
        TZAM_Backend::TOptionen opt;
        opt.IniPfad = dir.filePath(QStringLiteral("zam.ini"));
        opt.Argumente = {QStringLiteral("prog"), QStringLiteral("-mde"),
                         QStringLiteral("USEREXTERN=000000012000000345")};
        {
            TZAM_Backend backend(opt);
            QCOMPARE(ZAMProgramm().GetAngemBenutzer_GepNr(), TIntPair(12, 345));
        }
        opt.Argumente = {QStringLiteral("prog"), QStringLiteral("USEREXTERN=12x")};
        TZAM_Backend backend(opt);
        QVERIFY(ZAMProgramm().GetAngemBenutzer_GepNr().IsNull());
    }

    void arbeitswache()
    {
        QTemporaryDir dir;
        TZAM_Backend::TOptionen opt;
        opt.IniPfad = dir.filePath(QStringLiteral("zam.ini"));
        TZAM_Backend backend(opt);
        int a = 0, b = 0;
        QVERIFY(ZAMProgramm().WorkStartTry(&a, QStringLiteral("A"), 5));
        QVERIFY(!ZAMProgramm().WorkStartTry(&b, QStringLiteral("B"), 5));
        ZAMProgramm().WorkDone(&b); // not its work
        QVERIFY(!ZAMProgramm().WorkStartTry(&b, QStringLiteral("B"), 5));
        ZAMProgramm().WorkDone(&a);
        QVERIFY(ZAMProgramm().WorkStartTry(&b, QStringLiteral("B"), 5));
        ZAMProgramm().WorkDone(&b);
    }

    // The interval of the ini file: a value a timer cannot hold, or no interval at all, is refused
    // with a message and the default holds; the program's own setting is kept in range.
    void leerlaufIntervallAusDerIni_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<bool>("meldung");
        QTest::newRow("ohne") << QString() << 1200 << false;
        QTest::newRow("aus") << QStringLiteral("0") << 0 << false;
        QTest::newRow("kurz") << QStringLiteral("30") << 30 << false;
        QTest::newRow("längstes") << QStringLiteral("2147483") << 2147483 << false;
        QTest::newRow("zu lang für den Zeitgeber") << QStringLiteral("4294968") << 1200 << true;
        QTest::newRow("negativ") << QStringLiteral("-5") << 1200 << true;
        QTest::newRow("keine Zahl") << QStringLiteral("bald") << 1200 << true;
    }
    void leerlaufIntervallAusDerIni()
    {
        QFETCH(QString, text);
        QFETCH(int, sekunden);
        QFETCH(bool, meldung);
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        if (!text.isEmpty())
            IniAnhaengen(umg.IniPfad(), QStringLiteral("[AUTOTERMINATE]\nINTERVALL=%1\n").arg(text));
        umg.Neustart();
        QCOMPARE(ZAMProgramm().GetAutoTerminate(), sekunden);
        QFile f(umg.Verzeichnis() + QStringLiteral("/protokoll.log"));
        const QString protokoll = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        QCOMPARE(protokoll.contains(QStringLiteral("[AUTOTERMINATE] INTERVALL=%1 ungültig").arg(text)), meldung);

        ZAMProgramm().SetAutoTerminate(std::numeric_limits<int>::max());
        QCOMPARE(ZAMProgramm().GetAutoTerminate(), TZAM_ProgrammService::CAutoTerminateMax);
        ZAMProgramm().SetAutoTerminate(-1);
        QCOMPARE(ZAMProgramm().GetAutoTerminate(), 0);
    }

    // An end asked for before any event loop runs is kept for the program entry and leaves no
    // loop behind that would end later dialogs at once.
    void beendenVorDerSchleife()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        ZAMProgramm().Beenden(5);
        QVERIFY(TZAM_Anwendung::Terminated());
        QCOMPARE(TZAM_Anwendung::ExitCode(), 5);
        TZAM_Anwendung::Zuruecksetzen();
        QDialog dlg;
        QTimer::singleShot(50, &dlg, [&] { dlg.done(3); });
        QCOMPARE(dlg.exec(), 3);
    }

    // Last of the loops: the end leaves every event loop of this process. The open forms close
    // innermost first; a question answers as its Esc key ("Nein").
    void leerlaufBeendetUeberNormalesEnde()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        ZAMProgramm().SetAutoTerminate(1);
        QDialog dlg;
        int ergebnis = -1;
        int antwort = -1;
        QTimer::singleShot(0, &dlg, [&] {
            QTimer::singleShot(0, &dlg, [&] {
                antwort = TZAMMeldungDialog::Zeigen(TZAMMeldungDialog::maFrage, QStringLiteral("Frage"),
                                                    QStringLiteral("Wirklich?"));
            });
            ergebnis = dlg.exec();
        });
        QEventLoop schleife;
        QTimer notbremse;
        notbremse.setSingleShot(true);
        QObject::connect(&notbremse, &QTimer::timeout, &schleife, [&] { schleife.exit(99); });
        notbremse.start(10000);
        const int ende = schleife.exec();
        QCOMPARE(ende, 0);
        QCOMPARE(antwort, int(mrNo));
        QCOMPARE(ergebnis, int(QDialog::Rejected));
        QVERIFY(umg.Backend().Programm().AutomatischBeendet());
        QVERIFY(TZAM_Anwendung::Terminated());
        TZAM_Anwendung::Zuruecksetzen();
    }

    void meldungskatalogUndProtokoll()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        auto& info = umg.Backend().Info();
        // The bundled catalogue parses and holds every key the framework raises under.
        for (const TInfoKoord& k :
             {CZAM_Info_Fehler_Standard_IllegalerParameter, CZAM_Info_Fehler_Standard_LeseFehler,
              CZAM_Info_Fehler_Standard_FktNichtImplementiert, CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar,
              CZAM_Info_Fehler_Standard_Konvertierung, CZAM_Info_Fehler_Datei_Lesen, CZAM_Info_Fehler_Datei_Schreiben,
              CZAM_Info_Standard_Text994, CZAM_Info_Standard_Text997, CZAM_Info_Standard_Text981,
              CZAM_Info_Standard_KeinLagerKonfiguriert, CZAM_Info_Fehler_Standard_PlatzinfoNichtLesbar,
              CZAM_Info_Fehler_Standard_UnmoeglicherZustand, CZAM_Info_Fehler_DB_NichtVerfuegbar,
              CZAM_Info_Fehler_Buchung_Aufgegeben, CZAM_Info_Fehler_Sperre})
            QVERIFY2(info.Katalog().Enthaelt(k), qPrintable(k.Gruppe + QString::number(k.Nummer)));
        QCOMPARE(ZAMInfo().Meldungstext(CZAM_Info_Standard_Text994,
                                        {QStringLiteral("Bitte melden Sie sich zunächst als Benutzer an.")}),
                 QStringLiteral("Bitte melden Sie sich zunächst als Benutzer an."));

        TZAM_Meldungskatalog k;
        k.Laden(QStringLiteral("# x\nLAGER\t7\tPlatz %s ist voll:\\n%s Stück\n"), QStringLiteral("test"));
        QCOMPARE(k.Text({QStringLiteral("lager"), 7}, {QStringLiteral("A1"), QStringLiteral("3")}),
                 QStringLiteral("Platz A1 ist voll:\r\n3 Stück"));
        QVERIFY(k.Text({QStringLiteral("LAGER"), 8}, {QStringLiteral("x")}).contains(QStringLiteral("LAGER 8")));
        QCOMPARE(Fehler([&] { k.Laden(QStringLiteral("LAGER\t7\tdoppelt\n"), QStringLiteral("test")); }),
                 CZAM_Info_Fehler_Standard_LeseFehler);
        QCOMPARE(Fehler([&] { k.Laden(QStringLiteral("LAGER\tsieben\tx\n"), QStringLiteral("test")); }),
                 CZAM_Info_Fehler_Standard_LeseFehler);

        // Questions: only the answer 6 counts as yes; the hook answers without a window.
        ZAMInfo().AntwortVorgeben(mrYes);
        ZAMInfo().AntwortVorgeben(mrNo);
        QCOMPARE(ZAMInfo().ShowMeldung(4, CZAM_Info_Standard_Text994, {QStringLiteral("Wirklich?")}), int(mrYes));
        QVERIFY(!ZAMInfo().ZAMJaNeinBox(QStringLiteral("Noch einmal?")));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(),
                 (QStringList{QStringLiteral("Wirklich?"), QStringLiteral("Noch einmal?")}));

        ZAMInfo().RegisterException(QStringLiteral("TForm.Destroy"), EZAM_Exception::Text(QStringLiteral("still")),
                                    false);
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        ZAMInfo().WriteStamp(QStringLiteral("TfrmMDE.edtScannFeldExit: Leerer Scan abgefangen"), 1);
        QFile f(umg.Verzeichnis() + QStringLiteral("/protokoll.log"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString protokoll = QString::fromUtf8(f.readAll());
        QVERIFY(protokoll.contains(QStringLiteral("TForm.Destroy: still")));
        QVERIFY(protokoll.contains(QStringLiteral("[TEST1] 1 TfrmMDE.edtScannFeldExit: Leerer Scan abgefangen")));
    }

    void protokollNichtSchreibbar()
    {
        TZAM_InfoService info(QStringLiteral("/proc/nicht/da.log"), QStringLiteral("T"));
        QCOMPARE(Fehler([&] { info.WriteStamp(QStringLiteral("x"), 1); }), CZAM_Info_Fehler_Datei_Schreiben);
        // Registration never throws, even without its protocol.
        info.RegisterException(QStringLiteral("T.M"), EZAM_Exception::Text(QStringLiteral("y")), false);
    }
};

QTEST_MAIN(TestProgramm)
#include "tst_programm.moc"

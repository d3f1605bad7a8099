// Locks between two programs on one database, on both engines.
#include "TZAM_Datenbank.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_Migrationen.h"
#include "TZAM_Schema.h"
#include "TZAM_SperrService.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

// The second program of the lock tests.
class THelfer : public TZAM_Helferprozess
{
public:
    THelfer(const QString& AIni, const QStringList& AOptionen = {}, const QProcessEnvironment& AUmgebung = {})
        : TZAM_Helferprozess(QStringLiteral(ZAM_SPERRHELFER), AIni, AOptionen, AUmgebung)
    {
    }
};

} // namespace

class TestSperren : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    void Starten(TZAM_TestUmgebung::TMotor AMotor, int ATimeout = 120)
    {
        TZAM_Backend::TOptionen opt;
        opt.SperrTimeoutSekunden = ATimeout;
        opt.HerzschlagMs = ATimeout * 1000 / 6;
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor, opt);
        CommonLock().SetBenutzer(TIntPair(7, 8), QStringLiteral("Tester"));
    }

    // The environment of an urgent-request instance started by the program with this session.
    static QProcessEnvironment KindUmgebung(const QString& AElternSitzung)
    {
        QProcessEnvironment umg = QProcessEnvironment::systemEnvironment();
        umg.insert(QStringLiteral("ZAM_ELTERN_SITZUNG"), AElternSitzung);
        return umg;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void zweiProgrammeSchliessenSichAus_data() { ZAM_MotorenDaten(); }
    void zweiProgrammeSchliessenSichAus()
    {
        ZAM_MOTOR(m);
        Starten(m);
        THelfer helfer(FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());

        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Zephran_Auftrag"), QStringLiteral("K1")));
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Auftrag K1")), QStringLiteral("0 Tester"));

        QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Dispo K2")), QStringLiteral("1"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Zephran_Dispo"), QStringLiteral("K2")));
        QString halter;
        QVERIFY(CommonLock().IsLockedOtherObjekt(QStringLiteral("Zephran_Dispo"), QStringLiteral("K2"), &halter));
        QCOMPARE(halter, QStringLiteral("Helfer"));
        // Releasing someone else's lock by accident does nothing.
        CommonLock().UnlockObjekt(QStringLiteral("Zephran_Dispo"), QStringLiteral("K2"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Zephran_Dispo"), QStringLiteral("K2")));

        QCOMPARE(helfer.Befehl(QStringLiteral("unlock Zephran_Dispo K2")), QStringLiteral("ok"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Zephran_Dispo"), QStringLiteral("K2")));

        // A program that ends releases its locks.
        QCOMPARE(helfer.Befehl(QStringLiteral("lock EWA K3")), QStringLiteral("1"));
        helfer.Beenden();
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("EWA"), QStringLiteral("K3")));
    }

    void sperreWaehrendOffenerBuchungSofortSichtbar_data() { ZAM_MotorenDaten(); }
    void sperreWaehrendOffenerBuchungSofortSichtbar()
    {
        ZAM_MOTOR(m);
        Starten(m);
        THelfer helfer(FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());

        ZAMBuchung().Oeffnen(69, QStringLiteral("b"));
        FUmg->Backend().Datenbank().Schreiben(
            QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES ('X', '1')"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P1")));
        QCOMPARE(helfer.Befehl(QStringLiteral("fremd Platz P1")), QStringLiteral("1 Tester"));
        CommonLock().UnlockObjekt(QStringLiteral("Platz"), QStringLiteral("P1"));
        QCOMPARE(helfer.Befehl(QStringLiteral("fremd Platz P1")), QStringLiteral("0"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P2")));
        ZAMBuchung().Schliessen(QStringLiteral("b"));
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Platz P2")), QStringLiteral("0 Tester"));
    }

    void gestorbenerHalterWirdUebernommen_data() { ZAM_MotorenDaten(); }
    void gestorbenerHalterWirdUebernommen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        THelfer helfer(FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Platz P9")), QStringLiteral("1"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P9")));
        helfer.Toeten();
        // Same host, process gone: no need to wait for the timeout.
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P9")));
    }

    void stummerHalterNachTimeoutUebernommen_data() { ZAM_MotorenDaten(); }
    void stummerHalterNachTimeoutUebernommen()
    {
        ZAM_MOTOR(m);
        Starten(m, 2);
        THelfer stumm(FUmg->IniPfad(), {QStringLiteral("--ohne-herzschlag")});
        THelfer lebendig(FUmg->IniPfad(), {QStringLiteral("--herzschlag"), QStringLiteral("200")});
        QVERIFY(stumm.Gestartet());
        QVERIFY(lebendig.Gestartet());
        QCOMPARE(stumm.Befehl(QStringLiteral("lock Platz S1")), QStringLiteral("1"));
        QCOMPARE(lebendig.Befehl(QStringLiteral("lock Platz L1")), QStringLiteral("1"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("S1")));
        QThread::msleep(3500);
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("S1")));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("L1")));
    }

    void eigeneSperrenNieFremd_data() { ZAM_MotorenDaten(); }
    void eigeneSperrenNieFremd()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("E1")));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("E1")));
        QVERIFY(!CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("E1")));
        QVERIFY(CommonLock().GPLockBeleg(QStringLiteral("EWA"), TIntPair(3, 4)));
        QVERIFY(CommonLock().GPLockBeleg(QStringLiteral("EWA"), TIntPair(3, 4)));
        QVERIFY(!CommonLock().IsLockedOtherGPBeleg(QStringLiteral("EWA"), TIntPair(3, 4)));
        QVERIFY(CommonLock().LockAbsort(5, QStringLiteral("U1"), TIntPair(7, 8)));
        QVERIFY(!CommonLock().IsLockedOtherAbsort(5, QStringLiteral("U1"), TIntPair(7, 8)));

        // The urgent-request instance counts as this program's session, both ways.
        THelfer kind(FUmg->IniPfad(), {}, KindUmgebung(QString::number(FUmg->Backend().Sperren().Sitzung())));
        QVERIFY(kind.Gestartet());
        QCOMPARE(kind.Befehl(QStringLiteral("lock Platz E1")), QStringLiteral("1"));
        QCOMPARE(kind.Befehl(QStringLiteral("lock Platz K7")), QStringLiteral("1"));
        QVERIFY(!CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("K7")));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("K7")));
    }

    void absortGeteiltMitHalterNamen_data() { ZAM_MotorenDaten(); }
    void absortGeteiltMitHalterNamen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        THelfer helfer(FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QVERIFY(CommonLock().LockAbsort(5, QStringLiteral("_12"), TIntPair(7, 8)));
        QCOMPARE(helfer.Befehl(QStringLiteral("absort 5 _12")), QStringLiteral("1"));
        QCOMPARE(helfer.Befehl(QStringLiteral("absort 5 U12")), QStringLiteral("1"));
        QList<TIntPair> halter;
        QStringList namen;
        QVERIFY(CommonLock().IsLockedOtherAbsort(5, QStringLiteral("_12"), TIntPair(7, 8), &halter, &namen));
        QCOMPARE(halter, QList<TIntPair>{TIntPair(1, 2)});
        QCOMPARE(namen, QStringList{QStringLiteral("Helfer")});
        // A key that merely starts alike is another lock.
        QVERIFY(!CommonLock().IsLockedOtherAbsort(5, QStringLiteral("_1"), TIntPair(7, 8)));
        QVERIFY(!CommonLock().IsLockedOtherAbsort(50, QStringLiteral("_12"), TIntPair(7, 8)));
        CommonLock().UnlockAbsort(5, QStringLiteral("_12"), TIntPair(7, 8));
        helfer.Beenden();
        QVERIFY(!CommonLock().IsLockedOtherAbsort(5, QStringLiteral("_12"), TIntPair(7, 8)));
    }

    void angehaltenerHalterVerliertSeineSperren_data() { ZAM_MotorenDaten(); }
    void angehaltenerHalterVerliertSeineSperren()
    {
        ZAM_MOTOR(m);
        Starten(m, 2);
        THelfer halter(FUmg->IniPfad(), {QStringLiteral("--herzschlag"), QStringLiteral("200")});
        QVERIFY(halter.Gestartet());
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H1")), QStringLiteral("1"));
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H2")), QStringLiteral("1"));

        halter.Signal(SIGSTOP);
        QThread::msleep(300); // a beat already on its way lands first
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("H1")));
        QThread::msleep(3000);
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("H1")));
        halter.Signal(SIGCONT);

        // Its session was declared dead: it must not go on as if it held anything, nor take new
        // locks under that session.
        const QString verloren = QStringLiteral("fehler DBCONNEC 1121");
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H1")), verloren);
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H3")), verloren);
        QCOMPARE(halter.Befehl(QStringLiteral("fremd Platz H2")), verloren);
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("H2")));

        // Its next workflow works again, under a session that is alive.
        QCOMPARE(halter.Befehl(QStringLiteral("beginnen")), QStringLiteral("ok"));
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H1")), QStringLiteral("0 Tester"));
        QCOMPARE(halter.Befehl(QStringLiteral("lock Platz H3")), QStringLiteral("1"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("H3")));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("H1")));
    }

    void lebenderHalterAndererGeraeteBleibt_data() { ZAM_MotorenDaten(); }
    void lebenderHalterAndererGeraeteBleibt()
    {
        ZAM_MOTOR(m);
        Starten(m, 2);
        const QString herzschlag = QStringLiteral("--herzschlag"), ms = QStringLiteral("200");
        // A cloned device: same host name, its pid means nothing here.
        THelfer klon(FUmg->IniPfad(), {QStringLiteral("--maschine"), QStringLiteral("klon"), QStringLiteral("--pid"),
                                       QStringLiteral("4194305"), herzschlag, ms});
        THelfer uhrZurueck(FUmg->IniPfad(), {QStringLiteral("--uhr-versatz"), QStringLiteral("-130"), herzschlag, ms});
        THelfer uhrVor(FUmg->IniPfad(), {QStringLiteral("--uhr-versatz"), QStringLiteral("130"),
                                         QStringLiteral("--timeout"), QStringLiteral("2"), herzschlag, ms});
        QVERIFY(klon.Gestartet() && uhrZurueck.Gestartet() && uhrVor.Gestartet());
        QCOMPARE(klon.Befehl(QStringLiteral("lock Platz K1")), QStringLiteral("1"));
        QCOMPARE(uhrZurueck.Befehl(QStringLiteral("lock Platz U1")), QStringLiteral("1"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("E1")));

        // Asked again after the timeout: every holder kept beating, none may be taken over.
        for (int runde = 0; runde < 2; ++runde) {
            if (runde > 0)
                QThread::msleep(2500);
            QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("K1")));
            QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("U1")));
            QCOMPARE(uhrVor.Befehl(QStringLiteral("lock Platz K1")), QStringLiteral("0 Helfer"));
            QCOMPARE(uhrVor.Befehl(QStringLiteral("lock Platz U1")), QStringLiteral("0 Helfer"));
            QCOMPARE(uhrVor.Befehl(QStringLiteral("lock Platz E1")), QStringLiteral("0 Tester"));
        }
    }

    void elternUndKindHaltenBeide_data() { ZAM_MotorenDaten(); }
    void elternUndKindHaltenBeide()
    {
        ZAM_MOTOR(m);
        Starten(m);
        THelfer eltern(FUmg->IniPfad());
        QVERIFY(eltern.Gestartet());
        const QProcessEnvironment umg = KindUmgebung(eltern.Befehl(QStringLiteral("sitzung")));
        auto fremd = [](const char* AKey) { return CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QLatin1String(AKey)); };
        {
            THelfer kind(FUmg->IniPfad(), {}, umg);
            QVERIFY(kind.Gestartet());
            QCOMPARE(kind.Befehl(QStringLiteral("lock Platz A")), QStringLiteral("1"));
            QCOMPARE(eltern.Befehl(QStringLiteral("lock Platz A")), QStringLiteral("1"));
            QCOMPARE(eltern.Befehl(QStringLiteral("lock Platz B")), QStringLiteral("1"));
            QCOMPARE(kind.Befehl(QStringLiteral("lock Platz B")), QStringLiteral("1"));
            QCOMPARE(kind.Befehl(QStringLiteral("unlock Platz B")), QStringLiteral("ok"));
            kind.Beenden();
        }
        // The child went; the parent still holds both.
        QVERIFY(fremd("A"));
        QVERIFY(fremd("B"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("A")));

        THelfer kind(FUmg->IniPfad(), {}, umg);
        QVERIFY(kind.Gestartet());
        QCOMPARE(kind.Befehl(QStringLiteral("lock Platz A")), QStringLiteral("1"));
        QCOMPARE(eltern.Befehl(QStringLiteral("unlock Platz A")), QStringLiteral("ok"));
        QCOMPARE(kind.Befehl(QStringLiteral("lock Platz C")), QStringLiteral("1"));
        QCOMPARE(eltern.Befehl(QStringLiteral("lock Platz C")), QStringLiteral("1"));
        eltern.Beenden();
        // The parent went; the child still holds A and C, B went with the parent.
        QVERIFY(fremd("A"));
        QVERIFY(fremd("C"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("B")));
        QCOMPARE(kind.Befehl(QStringLiteral("unlock Platz A")), QStringLiteral("ok"));
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("A")));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("C")));
    }

    void datenDateiUnterZweiNamen()
    {
        // The second program names the data file through a symbolic link.
        Starten(TZAM_TestUmgebung::tmSQLite);
        const QString verweis = FUmg->Verzeichnis() + QStringLiteral("/verweis.sqlite");
        QVERIFY(QFile::link(FUmg->Konfig().Datei, verweis));
        QFile ini(FUmg->IniPfad());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ini.readAll()).replace(FUmg->Konfig().Datei, verweis);
        QFile ini2(FUmg->Verzeichnis() + QStringLiteral("/verweis.ini"));
        QVERIFY(ini2.open(QIODevice::WriteOnly) && ini2.write(text.toUtf8()) > 0);
        ini2.close();

        THelfer helfer(ini2.fileName());
        QVERIFY(helfer.Gestartet());
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("V1")));
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Platz V1")), QStringLiteral("0 Tester"));
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Platz V2")), QStringLiteral("1"));
        QVERIFY(!CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("V2")));
    }

    void alteSperrtabelleWirdUmgestellt_data() { ZAM_MotorenDaten(); }
    void alteSperrtabelleWirdUmgestellt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FUmg->Beenden();
        qint64 eltern = 0;
        {
            // The lock tables of the first schema step, with the rows a running site left there.
            TZAM_Datenbank db(FUmg->Konfig().FuerSperren(), QStringLiteral("alt"));
            db.Oeffnen();
            for (const char* t : {"zam_sperre_halter", "zam_sperre", "zam_sitzung"})
                db.Schreiben(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(t)));
            db.Schreiben(QStringLiteral("DELETE FROM zam_schema WHERE bereich = 'sperren'"));
            TZAM_Migrationen::Anwenden(db, QStringLiteral("sperren"), TZAM_Schema::Sperren().mid(0, 1));
            const QString sitzung = QStringLiteral("INSERT INTO zam_sitzung (host, pid, terminal, eltern, gestartet, "
                                                   "herzschlag) VALUES ('alt', 1, 'T', ?, 0, 0) RETURNING id");
            eltern = db.SchreibenMitErgebnis(sitzung, {QVariant()}).Wert(0, 0).toLongLong();
            const qint64 kind = db.SchreibenMitErgebnis(sitzung, {eltern}).Wert(0, 0).toLongLong();
            const QString sperre = QStringLiteral("INSERT INTO zam_sperre (art, schluessel, sitzung, benutzer, "
                                                  "benutzer_name, seit) VALUES ('Platz', ?, ?, '', ?, 0)");
            db.Schreiben(sperre, {QStringLiteral("M1"), eltern, QStringLiteral("Alt")});
            db.Schreiben(sperre, {QStringLiteral("M2"), kind, QStringLiteral("Kind")});
            db.Schreiben(sperre, {QStringLiteral("M3"), kind + 1000, QStringLiteral("Weg")});
        }
        FUmg->Neustart();
        QString halter;
        QVERIFY(CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("M1"), &halter));
        QCOMPARE(halter, QStringLiteral("Alt"));
        QVERIFY(CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("M2"), &halter));
        QCOMPARE(halter, QStringLiteral("Kind"));
        QVERIFY(!CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("M3")));
        // The locks go with their session.
        TZAM_Datenbank db(FUmg->Konfig().FuerSperren(), QStringLiteral("alt"));
        db.Oeffnen();
        db.Schreiben(QStringLiteral("DELETE FROM zam_sitzung WHERE id = ?"), {eltern});
        QVERIFY(!CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("M1")));
        QVERIFY(CommonLock().IsLockedOtherObjekt(QStringLiteral("Platz"), QStringLiteral("M2")));
    }
};

QTEST_MAIN(TestSperren)
#include "tst_sperren.moc"

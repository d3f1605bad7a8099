// Fulfilling and locking tasks, alone and against a second program on the same database.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_Buchung.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
const TIntTrio CAufgabe{1, 1, 1}; // 5 pieces ordered
const TIntPair CAnna{1, 1001};
} // namespace

class TestAufgabenerfuellung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_AufgabenEditServer> FServer;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        CommonLock().SetBenutzer(TIntPair(7, 8), QStringLiteral("Tester"));
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
        QVERIFY(FServer);
        TZAM_TestAufgabe a;
        a.Id = CAufgabe;
        a.Menge = 5;
        TZAM_TestAufgaben::Anlegen(Db(), a);
    }

    bool Erfuellen(int AMenge, TZAM_InfoMeldungListe* AMeldungen = nullptr, const TIntTrio& AId = CAufgabe)
    {
        TZAM_Aufgabe_Erfuellen_Daten d;
        d.AufgabenId = AId;
        d.Mitarbeiter = CAnna;
        d.Menge = AMenge;
        return FServer->Aufgabe_Erfuellen(d, CAnna, TIntTrio(), AMeldungen, AMenge);
    }

    // Status code, fulfilled pieces and fulfilment rows of the task.
    QString Stand(const TIntTrio& AId = CAufgabe)
    {
        const QVariantList id{AId.Id1, AId.Id2, AId.Id3};
        return QStringLiteral("%1 %2/%3")
            .arg(Db().LesenWert(QStringLiteral("SELECT status FROM zam_auko WHERE id1 = ? AND id2 = ? AND id3 = ?"), id)
                     .toString(),
                 Db().LesenWert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_aufgabe_erfuellung "
                                               "WHERE auf_id1 = ? AND auf_id2 = ? AND auf_id3 = ?"),
                                id)
                     .toString(),
                 Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_aufgabe_erfuellung "
                                               "WHERE auf_id1 = ? AND auf_id2 = ? AND auf_id3 = ?"),
                                id)
                     .toString());
    }

private Q_SLOTS:
    void cleanup()
    {
        FServer.reset();
        FUmg.reset();
    }

    void erfuellenBisErledigt_data() { ZAM_MotorenDaten(); }
    void erfuellenBisErledigt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        // Refused before anything is written: each reason with its message.
        const struct
        {
            int Menge;
            TIntTrio Id;
            TInfoKoord Meldung;
            QStringList Einfuegungen;
        } abgelehnt[] = {
            {0, CAufgabe, CZAM_Info_Aufgabe_MengeUngueltig, {QStringLiteral("0")}},
            {-2, CAufgabe, CZAM_Info_Aufgabe_MengeUngueltig, {QStringLiteral("-2")}},
            {1, {1, 1, 9}, CZAM_Info_Aufgabe_Unbekannt, {QStringLiteral("1-1-9")}},
            {6,
             CAufgabe,
             CZAM_Info_Aufgabe_MengeZuGross,
             {QStringLiteral("1-1-1"), QStringLiteral("5"), QStringLiteral("6")}},
        };
        for (const auto& a : abgelehnt) {
            TZAM_InfoMeldungListe meldungen;
            QVERIFY(!Erfuellen(a.Menge, &meldungen, a.Id));
            QCOMPARE(meldungen.Meldungen_Anz_Get(), 1);
            QCOMPARE(meldungen.Eintraege().first().Koord, a.Meldung);
            QCOMPARE(meldungen.Eintraege().first().Einfuegungen, a.Einfuegungen);
            QCOMPARE(Stand(), QStringLiteral("O 0/0"));
            QVERIFY(!ZAMBuchung().IstOffen());
        }
        QVERIFY(!Erfuellen(6)); // without a list

        QVERIFY(Erfuellen(2));
        QCOMPARE(Stand(), QStringLiteral("T 2/1"));
        // The row names the worker and the booking it belongs to.
        const TZAM_Zeilen z = Db().Lesen(QStringLiteral(
            "SELECT f.mita_id1, f.mita_id2, f.menge, f.zeit, b.name, b.gebucht FROM zam_aufgabe_erfuellung f "
            "JOIN zam_buchung b ON b.id = f.prot_id2 * 1000000 + f.prot_id3 WHERE f.prot_id1 = 1"));
        QCOMPARE(z.Anzahl(), 1);
        QCOMPARE(z.Wert(0, 0).toInt(), CAnna.Id1);
        QCOMPARE(z.Wert(0, 1).toInt(), CAnna.Id2);
        QCOMPARE(z.Wert(0, 2).toInt(), 2);
        QVERIFY(qAbs(TZAM_Datenbank::ZeitpunktLesen(z.Wert(0, 3)).secsTo(QDateTime::currentDateTime())) < 60);
        QCOMPARE(z.Wert(0, 4).toString(), QStringLiteral("TZAM_AufgabenEditServerSql.Aufgabe_Erfuellen"));
        QCOMPARE(z.Wert(0, 5).toInt(), 1);

        TZAM_InfoMeldungListe meldungen;
        QVERIFY(!Erfuellen(4, &meldungen));
        QCOMPARE(meldungen.Eintraege().first().Einfuegungen.value(1), QStringLiteral("3"));
        QVERIFY(Erfuellen(3));
        QCOMPARE(Stand(), QStringLiteral("E 5/2"));
        meldungen.Clear();
        QVERIFY(!Erfuellen(1, &meldungen));
        QCOMPARE(meldungen.Eintraege().first().Koord, CZAM_Info_Aufgabe_MengeZuGross);
        QCOMPARE(Stand(), QStringLiteral("E 5/2"));

        // Loaded, the task shows what is left.
        TZAM_Aufgaben_Suchkriterien k;
        k.AufgabenIds = {CAufgabe};
        QVERIFY(FServer->Aufgabenliste_Laden(k, {}));
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsInteger(0, 32), 5);
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsInteger(0, 33), 0);
        QCOMPARE(FServer->AufgabenVRListe().GetCellValueAsString(0, 9), QStringLiteral("erledigt"));
    }

    // A fulfilment belongs to the booking of its caller: cancelled with it, nothing is left.
    void erfuellenInDerBuchungDesAufrufers_data() { ZAM_MotorenDaten(); }
    void erfuellenInDerBuchungDesAufrufers()
    {
        ZAM_MOTOR(m);
        Starten(m);
        ZAMBuchung().Oeffnen(69, QStringLiteral("Aussen"));
        QVERIFY(Erfuellen(5));
        QCOMPARE(Stand(), QStringLiteral("E 5/1"));
        ZAMBuchung().Abbrechen();
        ZAMBuchung().Schliessen(QStringLiteral("Aussen"));
        QCOMPARE(Stand(), QStringLiteral("O 0/0"));
        QVERIFY(Erfuellen(5));
        QCOMPARE(Stand(), QStringLiteral("E 5/1"));
    }

    // Two devices fulfil the same task at once: the second waits for the first one's booking and
    // then sees what is left, never more than was ordered.
    void zweiGeraeteErfuellenDieselbeAufgabe_data() { ZAM_MotorenDaten(); }
    void zweiGeraeteErfuellenDieselbeAufgabe()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QCOMPARE(helfer.Befehl(QStringLiteral("erfuellen 1-1-1 3")), QStringLiteral("1"));
        QCOMPARE(helfer.Befehl(QStringLiteral("festschreiben-nach 700")), QStringLiteral("ok"));
        QElapsedTimer uhr;
        uhr.start();
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(!Erfuellen(3, &meldungen));
        QVERIFY2(uhr.elapsed() >= 300, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(meldungen.Eintraege().first().Koord, CZAM_Info_Aufgabe_MengeZuGross);
        QCOMPARE(meldungen.Eintraege().first().Einfuegungen.value(1), QStringLiteral("2"));
        QVERIFY(Erfuellen(2));
        QCOMPARE(Stand(), QStringLiteral("E 5/2"));
        QCOMPARE(helfer.Befehl(QStringLiteral("erfuellen 1-1-1 1")).left(1), QStringLiteral("0"));
    }

    void sperrenGegenZweitesProgramm_data() { ZAM_MotorenDaten(); }
    void sperrenGegenZweitesProgramm()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const QString schluessel = QStringLiteral("AUFGABE 000000001000000001000000001");
        const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(helfer.Befehl(QStringLiteral("lock ") + schluessel), QStringLiteral("1"));
        QString halter = QStringLiteral("alt");
        QDateTime seit;
        QVERIFY(!FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        QCOMPARE(halter, QStringLiteral("Helfer"));
        QVERIFY2(seit >= vorher && seit <= QDateTime::currentDateTime().addSecs(1), qPrintable(seit.toString()));
        // Another task is free.
        QVERIFY(FServer->Aufgabe_Sperren({1, 1, 2}, halter, seit));
        QVERIFY(halter.isEmpty() && !seit.isValid());

        QCOMPARE(helfer.Befehl(QStringLiteral("unlock ") + schluessel), QStringLiteral("ok"));
        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit)); // already this program's
        QCOMPARE(helfer.Befehl(QStringLiteral("lock ") + schluessel), QStringLiteral("0 Tester"));
        FServer->Aufgabe_Entsperren(CAufgabe);
        QCOMPARE(helfer.Befehl(QStringLiteral("lock ") + schluessel), QStringLiteral("1"));
    }

    // A status set under the lock goes back with the lock, unless the task moved on meanwhile;
    // the lock of a program that died is taken over with the status it left restored.
    void statusUnterSperre_data() { ZAM_MotorenDaten(); }
    void statusUnterSperre()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QString halter;
        QDateTime seit;
        TZAM_AufgabenStand stand;
        QVERIFY(FServer->Aufgabe_Lesen(CAufgabe, stand));
        QCOMPARE(stand.Status, CZAM_Aufgabe_Status_Offen);
        QVERIFY(Erfuellen(2));
        QVERIFY(FServer->Aufgabe_Lesen(CAufgabe, stand));
        QCOMPARE(stand.Offen(), 3);
        QVERIFY(!FServer->Aufgabe_Lesen({1, 1, 9}, stand));

        QVERIFY(!FServer->Aufgabe_Gesperrt(CAufgabe));
        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        QVERIFY(FServer->Aufgabe_Gesperrt(CAufgabe));
        QVERIFY(FServer->Aufgabe_StatusUnterSperreSetzen(CAufgabe, 8));
        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit)); // still this program's: stays 8
        QCOMPARE(Stand().left(1), QStringLiteral("Z"));
        FServer->Aufgabe_Entsperren(CAufgabe);
        QCOMPARE(Stand().left(1), QStringLiteral("T"));
        QVERIFY(!FServer->Aufgabe_Gesperrt(CAufgabe));

        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        QVERIFY(FServer->Aufgabe_StatusUnterSperreSetzen(CAufgabe, 8));
        QVERIFY(FServer->Aufgabe_StatusAendern(CAufgabe, CZAM_Aufgabe_Status_Erledigt));
        FServer->Aufgabe_Entsperren(CAufgabe);
        QCOMPARE(Stand().left(1), QStringLiteral("E"));

        // The second program locks the task and sets its status, then dies.
        QVERIFY(FServer->Aufgabe_StatusAendern(CAufgabe, CZAM_Aufgabe_Status_Offen));
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QCOMPARE(helfer.Befehl(QStringLiteral("lock AUFGABE 000000001000000001000000001")), QStringLiteral("1"));
        QVERIFY(FServer->Aufgabe_Gesperrt(CAufgabe));
        Db().Schreiben(QStringLiteral("UPDATE zam_auko SET status = 'Z' WHERE id3 = 1"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_sperrstatus (id1, id2, id3, status_vorher, "
                                      "status_gesetzt) VALUES (1, 1, 1, 'O', 'Z')"));
        QVERIFY(!FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        helfer.Toeten();
        QVERIFY(!FServer->Aufgabe_Gesperrt(CAufgabe));
        QVERIFY(FServer->Aufgabe_Sperren(CAufgabe, halter, seit));
        QCOMPARE(Stand().left(1), QStringLiteral("O"));
        QVERIFY(Db().Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe_sperrstatus")).IsEmpty());
    }
};

QTEST_MAIN(TestAufgabenerfuellung)
#include "tst_aufgabenerfuellung.moc"

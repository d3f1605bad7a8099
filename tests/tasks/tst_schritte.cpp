// The steps of a task row on both engines: the source scan with its wrong codes and the stock
// that changed under the worker, then the quantity, typed or counted by scans, and what is booked.
#include "TZAM_TestSchritte.h"

#include "TState_MengeEingeben.h"

#include <QTest>

class TestSchritte : public QObject
{
    Q_OBJECT

    TZAM_TestSchritte F;

    // A plain place as the picking container (no branch check).
    static TQIV_ZPMDE_Nachsort_KomBeh Ziel()
    {
        TQIV_ZPMDE_Nachsort_KomBeh kb;
        kb.Kommissionierbehaelter = TZAM_TestLager::P2;
        kb.KomBehBez = QStringLiteral("VBS 2");
        kb.KomBehVonLag = 1;
        kb.KomBehAnFil = 11;
        return kb;
    }

private Q_SLOTS:
    void cleanup() { F.Beenden(); }

    void quelle_data() { ZAM_MotorenDaten(); }
    void quelle()
    {
        ZAM_MOTOR(m);
        struct TFall
        {
            const char* Name;
            QString Scan; // after the stock on P1 became Bestand
            int Bestand;
            QString Meldung; // the message shown, answered with OK
            QString State;   // afterwards
            QString Tip;
            int Zeilenmenge;
        };
        const QString p1 = zam_TIntTrio2String(TZAM_TestLager::P1);
        const QString falsch = QStringLiteral("Falscher Lagerplatz. Bitte scannen Sie den Lagerplatz!");
        const TFall faelle[] = {
            {"anderer Platz",
             zam_TIntTrio2String(TZAM_TestLager::P3) + "00000",
             3,
             {},
             "TState_VonPlatzScan",
             falsch,
             3},
            {"21 Zeichen", p1 + "0000", 3, {}, "TState_VonPlatzScan", falsch, 3},
            {"passt", p1 + "00000", 3, {}, "TState_ArtikelScan", "Bitte scannen Sie den Artikel!", 3},
            {"verringert", p1 + "00000", 1,
             "Ein anderer Mitarbeiter hat Ware von diesem Lagerplatz entnommen.\r\nDie verfügbaren Mengen haben sich "
             "verringert.",
             "TState_ArtikelScan", "Bitte scannen Sie den Artikel!", 1},
            {"kein Bestand",
             p1 + "00000",
             0,
             "Der Bestand des Artikels\r\nauf dem Lagerplatz\r\nreicht nicht mehr aus.\r\nEs wird nun\r\ndie nächste "
             "Aufgabe\r\nangezeigt.",
             "TState_Filiale",
             {},
             -1},
        };
        for (const TFall& f : faelle) {
            F.Starten(m);
            TZAM_TestLager::Bestand(F.Db(), TZAM_TestLager::P1, F.Schuh, 1, 1, 3, 10);
            TZAM_TestAufgaben::Nachsortierung(F.Db(), 1, F.Schuh, 1, 3);
            F.Liste(Ziel());
            QCOMPARE(F.State(), QStringLiteral("TState_VonPlatzScan"));
            F.Db().Schreiben(QStringLiteral("UPDATE zam_bestand SET menge = ?"), {f.Bestand});
            F.Scan(f.Scan);
            if (!f.Meldung.isEmpty()) {
                QVERIFY2(F.Frage(), f.Name);
                QCOMPARE(F.FrageText(), QString(f.Meldung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                F.Maske->MeldungBtnOKClick();
            }
            QVERIFY2(F.State() == f.State, qPrintable(QString::fromUtf8(f.Name) + u' ' + F.State()));
            if (!f.Tip.isEmpty())
                QCOMPARE(F.Tip(), f.Tip);
            // Only a source that was taken stays locked; the task stays locked until its step ends.
            QCOMPARE(F.VonPlatz()->FGesperrterVonLP.Defined(), f.State == "TState_ArtikelScan");
            if (f.Zeilenmenge >= 0)
                QCOMPARE(F.Aufgabe()->GiveInt(20), f.Zeilenmenge);
            F.Beenden();
        }
    }

    void menge_data() { ZAM_MotorenDaten(); }
    void menge()
    {
        ZAM_MOTOR(m);
        struct TFall
        {
            const char* Name;
            int Aufgabenmenge;
            std::function<void(TZAM_TestSchritte&)> Eingabe;
            int Gebucht; // pieces on the container afterwards
            QString Tip;
        };
        const QString zuViel = QStringLiteral("Die Ist-Menge darf nicht größer als die Soll-Menge sein!");
        const TFall faelle[] = {
            {"0 und Enter",
             3,
             [](auto& T) {
                 T.Tippen("0");
                 T.Maske->AktState()->KeyEnter();
             },
             0,
             {}},
            {"zu viel", 3,
             [](auto& T) {
                 T.Tippen("4");
                 T.Maske->AktState()->KeyEnter();
             },
             0, zuViel},
            {"zu viel gebucht", 3,
             [](auto& T) {
                 T.Tippen("12");
                 T.Maske->AktState()->btnBuchenClick();
             },
             0, zuViel},
            {"zehn Ziffern", 3,
             [](auto& T) {
                 T.Tippen("9999999999");
                 T.Maske->AktState()->KeyEnter();
             },
             0, zuViel},
            {"Rücktaste",
             3,
             [](auto& T) {
                 T.Tippen("32");
                 T.Maske->AktState()->KeyBackSpace();
                 T.Maske->AktState()->KeyEnter();
             },
             3,
             {}},
            {"drei Scans",
             3,
             [](auto& T) {
                 for (int i = 0; i < 3; ++i)
                     T.ArtikelScan(T.Schuh, 1);
             },
             3,
             {}},
            {"Menge 1", 1, [](auto&) {}, 1, {}},
        };
        for (const TFall& f : faelle) {
            F.Starten(m);
            TZAM_TestLager::Bestand(F.Db(), TZAM_TestLager::P1, F.Schuh, 1, 1, 3, 10);
            TZAM_TestAufgaben::Nachsortierung(F.Db(), 1, F.Schuh, 1, f.Aufgabenmenge);
            F.Liste(Ziel());
            F.OrtScan(TZAM_TestLager::P1);
            F.ArtikelScan(F.Schuh, 1);
            // A warehouse without prices passes the price check.
            if (f.Aufgabenmenge > 1)
                QCOMPARE(F.State(), QStringLiteral("TState_MengeEingeben"));
            f.Eingabe(F);
            QVERIFY2(F.Bestand(TZAM_TestLager::P2) == f.Gebucht, f.Name);
            QCOMPARE(F.Bestand(TZAM_TestLager::P1), 3 - f.Gebucht);
            QCOMPARE(F.Erfuellt(1), qint64(f.Gebucht));
            QCOMPARE(F.Maske->Datentraeger_Get().Nachsort.IstMenge <= TState_MengeEingeben::CMaxIstMenge, true);
            if (!f.Tip.isEmpty())
                QCOMPARE(F.Tip(), f.Tip);
            // Booked: the task and the place are given back and the run goes on.
            QCOMPARE(F.Aufgabe()->FGesperrteAufgabe.Defined(), f.Gebucht == 0);
            QCOMPARE(F.VonPlatz()->FGesperrterVonLP.Defined(), f.Gebucht == 0);
            F.Beenden();
        }
    }
};

QTEST_MAIN(TestSchritte)
#include "tst_schritte.moc"

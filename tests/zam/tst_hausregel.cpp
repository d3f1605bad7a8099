// The house convention of every handler, with the real message service and booking bracket.
#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoService.h"
#include "TZAM_ProgrammService.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QFile>
#include <QTest>

class TestHausregel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    bool FBusy = false;

private Q_SLOTS:
    void init()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FBusy = false;
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void cleanup() { FUmg.reset(); }

    void wiedereintrittKehrtSofortZurueck()
    {
        int laeufe = 0;
        const bool aussen = TZAM_Hausregel::Ausfuehren(FBusy, "TTest.Aussen", [&] {
            ++laeufe;
            QVERIFY(FBusy);
            const bool innen = TZAM_Hausregel::Ausfuehren(FBusy, "TTest.Aussen", [&] { ++laeufe; });
            QVERIFY(!innen);
            QCOMPARE(TZAM_Hausregel::Ergebnis(FBusy, "TTest.Zahl", -1, [] { return 5; }), -1);
        });
        QVERIFY(aussen);
        QCOMPARE(laeufe, 1);
        QVERIFY(!FBusy);
    }

    void fehlerRegistriertMitNamenUndNeutralemErgebnis()
    {
        const int r = TZAM_Hausregel::Ergebnis(FBusy, "TDM_Torvik.SetAktLager", -1, []() -> int {
            FehlerRaise(QStringLiteral("innen"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                        QStringLiteral("Lager 7"));
            return 1;
        });
        QCOMPARE(r, -1);
        QVERIFY(!FBusy);
        QVERIFY(FUmg->Protokoll().contains(QStringLiteral("TDM_Torvik.SetAktLager: ")));
        QVERIFY(FUmg->Protokoll().contains(QStringLiteral("Lager 7")));
        const QStringList gezeigt = ZAMInfo().GezeigteMeldungenHolen();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY(gezeigt.first().contains(QStringLiteral("Lager 7")));
    }

    void programmierfehlerPassiertAberRaeumtAuf()
    {
        bool gefangen = false;
        try {
            TZAM_Hausregel::Ausfuehren(FBusy, "TTest.Fehler", [] {
                ZAMBuchung().Oeffnen(1, QStringLiteral("TTest.Fehler"));
                throw std::logic_error("Programmierfehler");
            });
        } catch (const std::logic_error&) {
            gefangen = true;
        }
        QVERIFY(gefangen);
        QVERIFY(!FBusy);
        QCOMPARE(ZAMBuchung().Tiefe(), 0);
    }

    void zerstoerenZeigtNichtsUndEndetStill()
    {
        TZAM_Hausregel::Zerstoeren("Tfrmmain.FormDestroy", [] {
            FehlerRaise(QStringLiteral("Tfrmmain.FormDestroy"), 0); // nothing to release: raises nothing
            throw EZAM_Exception::Text(QStringLiteral("Freigabe gescheitert"));
        });
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        QVERIFY(FUmg->Protokoll().contains(QStringLiteral("Tfrmmain.FormDestroy: Freigabe gescheitert")));
        FehlerTerminate(QStringLiteral("Tfrmmain.FormDestroy"), 0);
    }

    void ohneBusyLaeuftAuchWennBeschaeftigt()
    {
        FBusy = true;
        int laeufe = 0;
        QVERIFY(TZAM_Hausregel::OhneBusy(
            "Tfrmmain.TimerTimer", [&] { ++laeufe; }, false));
        QCOMPARE(laeufe, 1);
        QVERIFY(FBusy); // not its flag to clear
    }

    void verworfeneEingabeStartetLeerlaufNeu()
    {
        auto& programm = FUmg->Backend().Programm();
        programm.SetAutoTerminate(1);
        FBusy = true;
        QElapsedTimer uhr;
        uhr.start();
        // Inputs dropped as busy keep the program alive past its idle period.
        while (uhr.elapsed() < 1600) {
            TZAM_Hausregel::Ausfuehren(FBusy, "TTest.Taste", [] {});
            QTest::qWait(100);
        }
        QVERIFY(!programm.AutomatischBeendet());
        programm.SetAutoTerminate(0);
    }
};

QTEST_MAIN(TestHausregel)
#include "tst_hausregel.moc"

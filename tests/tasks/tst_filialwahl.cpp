// The filter states of the task workflows on the demo site: the branch buttons with split and plain
// categories, the branch filter and back, other handhelds on a branch, the hand-store reason and
// target (old finished tasks deleted on the way in), and the picking-container chooser.
#include "TDM_Torvik.h"
#include "TState_Filiale.h"
#include "TState_HLAnfoGrund.h"
#include "TState_HLAnfoZielLOAuswahl.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_Laufwege.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_SperrService.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const TIntTrio CVBS12{2, 2, 1}, CVBS14A{2, 2, 2}, CWL21{2, 3, 1}, CWL25{2, 3, 2}, CBeh1{5, 0, 1};
} // namespace

class TestFilialwahl : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    TQIV_ZPMDE_Datentraeger& D() { return FMaske->Datentraeger_Get(); }
    void Starten(TZAM_TestUmgebung::TMotor AMotor, bool AAufgabenLeeren = true)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        if (AAufgabenLeeren)
            for (const char* t : {"zam_auae", "zam_aufgabe_erfuellung", "zam_auko"})
                Db().Schreiben(QStringLiteral("DELETE FROM ") + QLatin1String(t));
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        ZAMInfo().GezeigteMeldungenHolen();
    }
    // Re-sorting tasks (7, 7, n) for a branch in a business case.
    void Aufgaben(int AFiliale, int AGV, int AAnzahl)
    {
        static int nr = 0;
        for (int i = 0; i < AAnzahl; ++i) {
            TZAM_TestAufgabe a;
            a.Id = {7, 7, ++nr};
            a.Geschaeftsvorfall = AGV;
            a.ZielFiliale = AFiliale;
            a.QuellFiliale = AFiliale == 1 ? 12 : 1;
            a.ExtKennung = 0;
            a.ExtId = {};
            TZAM_TestAufgaben::Anlegen(Db(), a);
        }
    }
    void Abarbeitung(int AGesondert, const QList<QPair<int, int>>& AVorlage)
    {
        Db().Schreiben(QStringLiteral("DELETE FROM zam_abarbeitung_vorlage"));
        Db().Schreiben(QStringLiteral("DELETE FROM zam_abarbeitung"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_abarbeitung (nummer, lager, aktuell, gesondert) "
                                      "VALUES (1, 1, 1, ?)"),
                       {AGesondert});
        for (int i = 0; i < AVorlage.size(); ++i)
            Db().Schreiben(QStringLiteral("INSERT INTO zam_abarbeitung_vorlage (nummer, pos, filiale, art) "
                                          "VALUES (1, ?, ?, ?)"),
                           {i, AVorlage[i].first, AVorlage[i].second});
    }
    // (left caption, right caption, tag) of every button.
    QStringList Knoepfe()
    {
        QStringList l;
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i) {
            const TZAM_BtnMenuItem& k = FMaske->btnmButtons->Item(i);
            l << QStringLiteral("%1|%2|%3").arg(k.LeftCaption, k.RightCaption).arg(k.Tag);
        }
        return l;
    }
    void Druecken(const QString& ALinks)
    {
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            if (FMaske->btnmButtons->Item(i).LeftCaption.startsWith(ALinks)) {
                emit FMaske->btnmButtons->ButtonClick(i);
                return;
            }
        QFAIL(qPrintable(QStringLiteral("kein Knopf ") + ALinks + QStringLiteral(" in ") + Knoepfe().join(u';')));
    }
    bool EigeneBranchSperre(int AFiliale, const QString& AKennung)
    {
        TZAM_SperrService& s = FUmg->Backend().Sperren();
        return s.IsLockedObjekt(QStringLiteral("ABSORT"),
                                QStringLiteral("%1|%2|%3").arg(AFiliale).arg(AKennung).arg(s.Sitzung()));
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // Branch 12 with 3 promotion tasks (category 2) and 2 standard ones. Split categories give a
    // button per category, its tag branch + 10000 x category, the long name cut to fit; the press
    // chooses the category's business case and locks the branch under its code. A processing order
    // that splits only category 0 gives plain buttons from the same template.
    void knoepfeNachKategorie_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("gesondert");
        QTest::addColumn<QStringList>("knoepfe");
        QTest::addColumn<QString>("druecken");
        QTest::addColumn<int>("gewaehlt");
        QTest::addColumn<QString>("kennung");
        for (int m : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)}) {
            const char* motor = m == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres";
            QTest::addRow("%s gesondert", motor)
                << m << 0x05
                << QStringList{QStringLiteral("12-Filiale Altstadt a/Aktion|3|20012"),
                               QStringLiteral("12-Filiale Altstadt/Sonstige|2|12")}
                << QStringLiteral("12-Filiale Altstadt a/Aktion") << int(ZAMSetBit(6)) << QStringLiteral("FAKT");
            QTest::addRow("%s nur Kategorie 0", motor)
                << m << 0x01 << QStringList{QStringLiteral("12 - Filiale Altstadt am Mark|5|12")}
                << QStringLiteral("12 - ") << int(CZAM_Aufgabe_Geschaeftsvorfall_Alle & ~0x18)
                << QStringLiteral("FNSO");
        }
    }
    void knoepfeNachKategorie()
    {
        QFETCH(int, gesondert);
        QFETCH(QStringList, knoepfe);
        QFETCH(QString, druecken);
        QFETCH(int, gewaehlt);
        QFETCH(QString, kennung);
        ZAM_MOTOR(m);
        Starten(m);
        Db().Schreiben(
            QStringLiteral("UPDATE zam_filiale SET name = 'Filiale Altstadt am Marktplatz' WHERE nummer = 12"));
        Aufgaben(12, 6, 3);
        Aufgaben(12, 0, 2);
        Abarbeitung(gesondert, {{12, 2}, {12, 0}, {14, 0}});

        // From the menu: re-sorting, branch re-sorting.
        ZAM_Taste(FMaske.get(), Qt::Key_1);
        ZAM_Taste(FMaske.get(), Qt::Key_1);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filiale"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Filialnachsortierung"));
        QCOMPARE(Knoepfe(), knoepfe);
        QCOMPARE(FMaske->btnmButtons->font().pointSize(), 10);

        Druecken(druecken);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Nachsortierung Filiale 12"));
        QCOMPARE(D().Nachsort.FilNummer, qint16(12));
        QCOMPARE(D().Nachsort.LagNummer, 0);
        QCOMPARE(int(D().Nachsort.TypenGewaehlt), gewaehlt);
        QVERIFY(EigeneBranchSperre(12, kennung));
        QVERIFY(FMaske->btnmButtons->Item(0).LeftCaption.startsWith(QStringLiteral("&1 - ")));

        // Back to the branches: the lock is given back.
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filiale"));
        QVERIFY(!EigeneBranchSperre(12, kennung));
        QCOMPARE(D().Nachsort.FilNummer, qint16(-1));
    }

    // The search narrows the buttons to branch 14; back clears the filter first and only then
    // leaves the state.
    void filterUndZurueck()
    {
        Starten(TZAM_TestUmgebung::tmSQLite);
        Aufgaben(1, 0, 1);
        Aufgaben(12, 0, 1);
        Aufgaben(14, 0, 2);
        FMaske->FModus = CZPMDEM_FilNachsort;
        FMaske->ChangeState<TState_Filiale>();
        const QStringList alle{QStringLiteral("&1 - Zentrallager Nord|1|1"),
                               QStringLiteral("12 - Filiale Altstadt|1|12"),
                               QStringLiteral("14 - Filiale Bahnhof|2|14")};
        QCOMPARE(Knoepfe(), alle);
        FMaske->AktState()->btnBtnMenuSuchenClick();
        QVERIFY(FMaske->pnlEingabe->isVisible());
        ZAM_Tippen(FMaske.get(), QStringLiteral("14"));
        ZAM_Klicken(FMaske.get(), QStringLiteral("btnEingabeOK"));
        QCOMPARE(Knoepfe(), QStringList{QStringLiteral("14 - Filiale Bahnhof|2|14")});
        QCOMPARE(D().Nachsort.FilNummerFilter, qint16(14));

        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filiale"));
        QCOMPARE(Knoepfe(), alle);
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_NachsortAuswahl"));
        QVERIFY(!FMaske->Zurueck_Get());
    }

    // Other handhelds working branch 14 are named on its button: one by name, two shortened, a
    // user the user file lacks as "Unbekannt".
    void fremdeHalter_data() { ZAM_MotorenDaten(); }
    void fremdeHalter()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Aufgaben(14, 0, 2);
        TZAM_Helferprozess anna(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        TZAM_Helferprozess fremd(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(anna.Gestartet() && fremd.Gestartet());
        QCOMPARE(anna.Befehl(QStringLiteral("absort 14 FNSO 2 1")), QStringLiteral("1"));
        FMaske->FModus = CZPMDEM_FilNachsort;
        FMaske->ChangeState<TState_Filiale>();
        QCOMPARE(Knoepfe(), QStringList{QStringLiteral("14 - Filiale Bahnhof\r\nIn Bearbeitung durch anna|2\r\n|14")});
        QCOMPARE(FMaske->btnmButtons->Item(0).Height, 51);

        QCOMPARE(fremd.Befehl(QStringLiteral("absort 14 FNSO 999 1")), QStringLiteral("1"));
        FMaske->ChangeState<TState_Filiale>();
        QCOMPARE(Knoepfe(),
                 QStringList{QStringLiteral("14 - Filiale Bahnhof\r\nIn Bearb. durch anna, Unbekannt|2\r\n|14")});
    }

    // Hand store: entering deletes the finished tasks 3 days or more old with what hangs on them;
    // a reason with two targets offers "Alle" (read back as every target) and each wormhole, a
    // reason with one target passes straight on, and back from the route passes over it again.
    void handlagerGrundUndZiel_data() { ZAM_MotorenDaten(); }
    void handlagerGrundUndZiel()
    {
        ZAM_MOTOR(m);
        Starten(m, false);
        const TIntTrio alt{8, 8, 1}, jung{8, 8, 2};
        for (const auto& [id, tage] : {std::pair{alt, 10}, std::pair{jung, 1}}) {
            TZAM_TestAufgabe a;
            a.Id = id;
            a.Art = 8;
            a.Geschaeftsvorfall = 8;
            a.Status = CZAM_Aufgabe_Status_Erledigt;
            a.ExtKennung = 0;
            a.ExtId = {};
            a.Bearbeitung = QDateTime::currentDateTime().addDays(-tage);
            a.Grund = {1, 1, 3};
            a.ZielLagerort = CWL21;
            TZAM_TestAufgaben::Anlegen(Db(), a);
            TZAM_TestAufgaben::Erfuellung(Db(), id, 1);
        }
        FMaske->FModus = CZPMDEM_UmlagHL;
        FMaske->ChangeState<TState_HLAnfoGrund>();
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Verkaufsraumanforderungen"));
        // Only the young one is left, with its fulfilment.
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT SUM(id3) FROM zam_auko WHERE id1 = 8 AND id2 = 8")).toInt(), 2);
        QCOMPARE(
            Db().LesenWert(QStringLiteral("SELECT SUM(auf_id3) FROM zam_aufgabe_erfuellung WHERE auf_id1 = 8")).toInt(),
            2);

        // Priority order as text: "10", "2", "20", "5"; the hint is the reason's 9-digit text.
        const QStringList knoepfe = Knoepfe();
        QCOMPARE(knoepfe.size(), 4);
        QVERIFY2(knoepfe.at(0).startsWith(QStringLiteral("&1 - Kundenanfrage im Laden|")), qPrintable(knoepfe.at(0)));
        QVERIFY2(knoepfe.at(3).startsWith(QStringLiteral("&4 - Auffüllen nach Plan|")), qPrintable(knoepfe.at(3)));
        QCOMPARE(FMaske->btnmButtons->Item(3).Hint, QStringLiteral("000000001000000001000000003"));

        Druecken(QStringLiteral("&4 - "));
        QVERIFY(EigeneBranchSperre(0, QStringLiteral("U000000001000000001000000003")));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_HLAnfoZielLOAuswahl"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Auffüllen nach Plan"));
        QCOMPARE(Knoepfe(), (QStringList{QStringLiteral("&1 - Alle|2|0"), QStringLiteral("&2 - WL-21|1|0"),
                                         QStringLiteral("&3 - WL-25|1|0")}));
        Druecken(QStringLiteral("&1 - Alle"));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QVERIFY(D().UmlagerungHandlager.ZielLagerortId.IsNull());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Nachsortierung Auffüllen nach Plan"));
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_HLAnfoZielLOAuswahl"));
        Druecken(QStringLiteral("&3 - WL-25"));
        QCOMPARE(D().UmlagerungHandlager.ZielLagerortId, CWL25);

        // "Regal leer" has one target: on to the route and back past it to the reasons.
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_HLAnfoGrund"));
        QVERIFY(!EigeneBranchSperre(0, QStringLiteral("U000000001000000001000000003")));
        Druecken(QStringLiteral("&2 - Regal leer"));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QCOMPARE(D().UmlagerungHandlager.ZielLagerortId, CWL21);
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_HLAnfoGrund"));
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_NachsortAuswahl"));
    }

    // The container chooser: branch 21 (outside the warehouse management, next to branch 17) takes
    // the pseudo container at once; customer orders for branch 12 take only its staging place,
    // refusing containers, other staging places and unknown codes; a fitting choice passes on the
    // next time, the pseudo container never does in customer orders; a container assigned to
    // another branch is refused with its reason.
    void kommissionierbehaelter_data() { ZAM_MotorenDaten(); }
    void kommissionierbehaelter()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto waehlen = [&](TZPMDEModus_erw AModus, int AFiliale) {
            FMaske->FModus = AModus;
            D().Nachsort.FilNummer = qint16(AFiliale);
            D().Nachsort.LagNummer = 0;
            // Goes on to a state that needs no task row (the source step would lock the current task).
            D().Nachsort.KommBehWahlStates = {StateKlasse<TState_Filiale>(), StateKlasse<TState_Laufwege>()};
            FMaske->ChangeState<TState_Kommissionierbehaelter>();
        };
        const TQIV_ZPMDE_Nachsort_KomBeh& kb = D().Nachsort.KommBeh;

        waehlen(CZPMDEM_FilNachsort, 21);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QCOMPARE(kb.Kommissionierbehaelter, CMaxIntTrio);
        QCOMPARE(kb.KomBehBez, QStringLiteral("Ohne WBS"));
        QCOMPARE(kb.KomBehAnFil, qint16(21));

        waehlen(CZPMDEM_KuBe, 21);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Kommissionierbehaelter"));

        waehlen(CZPMDEM_KuBe, 12);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Kommissionierbehaelter"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Filiale 12"));
        bool lang = false, warnung = false;
        QCOMPARE(FMaske->FussTipLesen(lang, warnung),
                 QStringLiteral("Bitte scannen Sie einen Lagerplatz der Versandbereitstellung!"));
        QCOMPARE(FMaske->vtVRList->VRList_Get()->GetCellValueAsString(0, 0), QStringLiteral("VBS12"));
        for (const QString& code : {ZAM_Barcode(CBeh1), ZAM_Barcode(CVBS14A)}) {
            ZAM_Scannen(FMaske.get(), code);
            QCOMPARE(FMaske->FussTipLesen(lang, warnung), QStringLiteral("Lagerplatz ist nicht verfügbar!"));
            QVERIFY(warnung);
        }
        ZAM_Scannen(FMaske.get(), ZAM_Barcode({9, 9, 9}));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Kommissionierbehaelter"));
        QCOMPARE(kb.Kommissionierbehaelter, CMaxIntTrio); // unchanged since branch 21
        ZAM_Scannen(FMaske.get(), ZAM_Barcode(CVBS12));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QCOMPARE(kb.Kommissionierbehaelter, CVBS12);
        QCOMPARE(kb.KomBehBez, QStringLiteral("VBS12"));
        QCOMPARE(kb.KomBehAnFil, qint16(12));

        // Still fitting: passed over. The pseudo container never fits a customer order.
        waehlen(CZPMDEM_KuBe, 12);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        D().Nachsort.KommBeh.Kommissionierbehaelter = CMaxIntTrio;
        waehlen(CZPMDEM_KuBe, 12);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Kommissionierbehaelter"));

        waehlen(CZPMDEM_FilNachsort, 14);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Kommissionierbehaelter"));
        QCOMPARE(FMaske->FussTipLesen(lang, warnung),
                 QStringLiteral("Kommissionierbehälter / VBS scannen oder wählen!"));
        ZAM_Scannen(FMaske.get(), ZAM_Barcode(CBeh1));
        QCOMPARE(FMaske->FussTipLesen(lang, warnung),
                 QStringLiteral("Dieser Behälter ist bereits einer anderen Filiale zugeordnet!"));
    }
};

QTEST_MAIN(TestFilialwahl)
#include "tst_filialwahl.moc"

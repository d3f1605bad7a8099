// The filter states of the customer-order workflow on the handheld, both engines: the task-date
// buttons and choices, a walk from the origin to the multi-position orders and back, the skipping
// states in both directions, the trolley's tasks given back, an unknown tag and a wrong mode.
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_FilialTabelle.h"
#include "TDM_Torvik.h"
#include "TQIV_VonBisDatum.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_AufgabenDatum.h"
#include "TState_BelegHerkunft.h"
#include "TState_MehrPosBestellungen.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestKundenfilter : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    TQIV_ZPMDE_Datentraeger& D() { return FMaske->Datentraeger_Get(); }

    // The demo site without its tasks, the screen on warehouse 1 in the customer-order mode for
    // branch 12, every filter option on.
    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        FMaske->FOptionen.Allgemein.AktLager = 1;
        FMaske->LagerAnwenden();
        auto& o = FMaske->FOptionen.NachsortKube;
        o.HerkunftWaehlen = o.BuchFilWaehlen = o.DatumFiltern = o.PosAnzahlWaehlen = true;
        o.NurWennBezahlt = true;
        o.NurWennKomplettImLag = false;
        o.WagenAnz = 10;
        FMaske->FModus = CZPMDEM_KuBe;
        D().Nachsort.FilNummer = 12;
        D().Nachsort.TypenGewaehlt = 0;
        AufgabenLeeren();
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void AufgabenLeeren()
    {
        for (const char* t : {"zam_auae", "zam_aufgabe_erfuellung", "zam_auko"})
            Db().Schreiben(QStringLiteral("DELETE FROM ") + QLatin1String(t));
    }
    // Document 1-ANr of AHerkunft booked by ABuchFiliale with APositionen paid positions, one task
    // of one piece for branch 12 per position, dated ATag days from today.
    void Bestellung(int ANr, QChar AHerkunft, int ABuchFiliale, int APositionen, int ATag = 0)
    {
        TZAM_TestBeleg b;
        b.Nr = ANr;
        b.BelegNr = QStringLiteral("KB-%1").arg(ANr);
        b.Herkunft = AHerkunft;
        b.GlaeubigerOrge = {100, ABuchFiliale};
        b.Positionen = QStringList(APositionen, QStringLiteral("/J"));
        TZAM_TestAufgaben::Beleg(Db(), b);
        for (int p = 1; p <= APositionen; ++p) {
            TZAM_TestAufgabe a;
            a.Id = {9, ANr, p};
            a.ExtId = a.Kube = {1, ANr, 0};
            a.ExtNummer = a.KubeNr = p;
            a.Bearbeitung = QDateTime(QDate::currentDate().addDays(ATag), QTime(10, 0));
            TZAM_TestAufgaben::Anlegen(Db(), a);
        }
    }
    QStringList Knoepfe()
    {
        QStringList l;
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            l << FMaske->btnmButtons->Item(i).LeftCaption + QStringLiteral(" | ") +
                     FMaske->btnmButtons->Item(i).RightCaption;
        return l;
    }
    int Index(const QString& ALinks)
    {
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            if (FMaske->btnmButtons->Item(i).LeftCaption == ALinks)
                return i;
        return -1;
    }
    void Druecken(const QString& ALinks)
    {
        const int i = Index(ALinks);
        QVERIFY2(i >= 0, qPrintable(ALinks + QStringLiteral(" fehlt in ") + Knoepfe().join(u';')));
        emit FMaske->btnmButtons->ButtonClick(i);
    }
    void Klicken(const char* AName)
    {
        auto* k = FMaske->findChild<QPushButton*>(QLatin1String(AName));
        QVERIFY(k && k->isVisible());
        k->click();
    }
    QString Filialname(int AFiliale)
    {
        TZAM_Filiale f;
        FDM->FilialTabelle_GoC()->Filiale(AFiliale, f);
        return f.Name;
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // Task dates against today: the buttons each group gives, and the range each choice sets
    // (the own choice through the input panel with its day buttons and its comparison).
    void datum_data() { ZAM_MotorenDaten(); }
    void datum()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FMaske->FOptionen.NachsortKube.PosAnzahlWaehlen = false; // straight on to the route
        const QDate heute = QDate::currentDate();
        const QDate erster(heute.year(), heute.month(), 1);
        const QString eigene = QStringLiteral("&6 - Eigene Auswahl | ");
        struct TFall
        {
            const char* Name;
            QList<int> Tage;
            QStringList Knoepfe;
            QString Druck;
            int Verschieben; // PLUS (above 0) or MINUS (below 0) presses on the input panel
            QString Datum;   // typed over the offered date
            QString Vergleich;
            QDate Von, Bis;
        };
        const QList<TFall> faelle = {
            {"heute und gestern",
             {0, 0, -1},
             {"&1 - Alle | 3", "&2 - Heute | 2", "&3 - Gestern | 1", eigene},
             "&3 - Gestern",
             0,
             {},
             {},
             heute.addDays(-1),
             heute.addDays(-1)},
            {"nur heute", {0}, {"&2 - Heute | 1", eigene}, "&2 - Heute", 0, {}, {}, heute, heute},
            {"aelter",
             {-2, -9},
             {"&1 - Alle | 2", "&4 - Vorgestern | 1", "&5 - Älter als Vorgestern | 1", eigene},
             "&5 - Älter als Vorgestern",
             0,
             {},
             {},
             QDate(),
             heute.addDays(-3)},
            // A task after today only "Alle" reaches.
            {"morgen", {1, 0}, {"&1 - Alle | 2", "&2 - Heute | 1", eigene}, "&1 - Alle", 0, {}, {}, QDate(), QDate()},
            {"groesser am Ersten",
             {0},
             {"&2 - Heute | 1", eigene},
             "&6 - Eigene Auswahl",
             0,
             erster.toString(QStringLiteral("dd.MM.yyyy")),
             ">",
             erster.addDays(1),
             TQIV_VonBisDatum::Offen()},
            {"kleiner nach MINUS",
             {0},
             {"&2 - Heute | 1", eigene},
             "&6 - Eigene Auswahl",
             -2,
             {},
             "<",
             QDate(),
             heute.addDays(-6)},
            {"gleich nach PLUS",
             {0},
             {"&2 - Heute | 1", eigene},
             "&6 - Eigene Auswahl",
             1,
             {},
             "=",
             heute.addDays(-2),
             heute.addDays(-2)},
        };
        int nr = 8000;
        for (const TFall& f : faelle) {
            AufgabenLeeren();
            for (int tag : f.Tage)
                Bestellung(++nr, QLatin1Char('O'), 12, 1, tag);
            // Stale values of an earlier run are cleared on entering.
            D().Kundenbestellung.AufgabenDatumVon = D().Kundenbestellung.AufgabenDatumBis = heute.addDays(-40);
            FMaske->ChangeState<TState_AufgabenDatum>();
            QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_AufgabenDatum"));
            QVERIFY2(Knoepfe() == f.Knoepfe, qPrintable(QLatin1String(f.Name) + u':' + Knoepfe().join(u';')));
            Druecken(f.Druck);
            if (!f.Vergleich.isEmpty()) {
                QVERIFY(FMaske->pnlEingabe->isVisible());
                auto* feld = FMaske->findChild<QLineEdit*>(QStringLiteral("edtEingabe"));
                QCOMPARE(feld->text(), heute.addDays(-3).toString(QStringLiteral("dd.MM.yyyy")));
                for (int i = 0; i < qAbs(f.Verschieben); ++i)
                    Klicken(f.Verschieben > 0 ? "btnEingabeRechts" : "btnEingabeLinks");
                if (!f.Datum.isEmpty())
                    feld->setText(f.Datum);
                Klicken("btnEingabeAuswahl");
                auto* auswahl = FMaske->findChild<TZAM_BtnMenu*>(QStringLiteral("btnmEingabeAuswahl"));
                QCOMPARE(auswahl->Count(), 3);
                const int idx = QStringLiteral("<=>").indexOf(f.Vergleich);
                QCOMPARE(auswahl->LeftCaptionAnzeige(idx), f.Vergleich);
                emit auswahl->ButtonClick(idx);
                Klicken("btnEingabeOK");
            }
            QVERIFY2(FMaske->AktStateName() == QStringLiteral("TState_Laufwege"), f.Name);
            QVERIFY2(D().Kundenbestellung.AufgabenDatumVon == f.Von, f.Name);
            QVERIFY2(D().Kundenbestellung.AufgabenDatumBis == f.Bis, f.Name);
        }
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
    }

    // Origin with its booking branches, date, positions and the multi-position order; back and
    // the automatic return; skipping backwards and forwards; the trolley's tasks unlocked; an
    // unknown tag and a wrong mode.
    void kette_data() { ZAM_MotorenDaten(); }
    void kette()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Bestellung(8001, QLatin1Char('O'), 12, 2); // two tasks of one order
        Bestellung(8002, QLatin1Char('O'), 14, 1);
        Bestellung(8003, QLatin1Char('F'), 12, 1, -1);
        auto& kb = D().Kundenbestellung;

        FMaske->ChangeState<TState_BelegHerkunft>();
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Herkunft"));
        const QString n12 = Filialname(12), n14 = Filialname(14);
        QCOMPARE(Knoepfe(), (QStringList{"Alle Herkünfte | 4", "Filiale\r\n" + n12 + " | 1", "Onlineshop | 3",
                                         "Onlineshop\r\n" + n12 + " | 2", "Onlineshop\r\n" + n14 + " | 1"}));
        QCOMPARE(FMaske->btnmButtons->Item(1).Tag, 12);
        Druecken("Onlineshop\r\n" + n12);
        QCOMPARE(kb.HerkunftBuchFilPair.Herkunft, QLatin1Char('O'));
        QCOMPARE(kb.HerkunftBuchFilPair.BuchFilNr, qint16(12));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_AufgabenDatum"));
        QCOMPARE(Knoepfe(), (QStringList{"&2 - Heute | 2", "&6 - Eigene Auswahl | "}));
        Druecken("&2 - Heute");

        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_AufgPosAnzahl"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Onlineshop"));
        QCOMPARE(Knoepfe(), (QStringList{"&3 - Mit mehreren Aufgaben | 1", "&4 - Auf einen Wagen passend | "}));
        Druecken("&3 - Mit mehreren Aufgaben");
        QCOMPARE(kb.PosAnzahl, bpaMehrere);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_MehrPosBestellungen"));
        QCOMPARE(Knoepfe(), QStringList{"KB-8001\r\nvom 08.05.2024 | 2\r\n"});
        const TIntTrio beleg(1, 8001, 0);
        QCOMPARE(FMaske->btnmButtons->Item(0).Hint, QStringLiteral("K") + beleg.ToTextUnformatted(9));

        // A tag no button has: registered, the state stays.
        TZAM_BtnMenuItem fremd = FMaske->btnmButtons->Item(0);
        fremd.Tag = 7;
        FMaske->btnmButtons->Item_Set(0, fremd);
        Druecken(fremd.LeftCaption);
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'\n').contains(
            QStringLiteral("TState_MehrPosBestellungen.btnmButtonsClick: Unbekannter Tag: 7")));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_MehrPosBestellungen"));

        // Back to the positions; after the last task of a multi-position order the positions pass
        // straight on to the orders.
        FMaske->AktState()->btnZurueckClick();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_AufgPosAnzahl"));
        kb.AutoPosAnzNachMehrPos = true;
        FMaske->ChangeState<TState_AufgPosAnzahl>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_MehrPosBestellungen"));
        QCOMPARE(kb.PosAnzahl, bpaMehrere);
        Druecken("KB-8001\r\nvom 08.05.2024");
        QCOMPARE(kb.BelegId, beleg);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));

        // The trolley's tasks stay locked until the positions are entered again.
        IZAM_AufgabenEditServer* server = FDM->AufgabenEditServer_GoC();
        QString halter;
        QDateTime seit;
        const TIntTrio wagen(9, 8001, 1);
        QVERIFY(server->Aufgabe_Sperren(wagen, halter, seit));
        kb.WagenBestSammelList->append(wagen);
        kb.PosAnzahl = bpaWagen;
        kb.AutoPosAnzNachMehrPos = false;
        FMaske->Zurueck_Set(true);
        FMaske->ChangeState<TState_AufgPosAnzahl>();
        FMaske->Zurueck_Set(false);
        QVERIFY(!server->Aufgabe_Gesperrt(wagen));
        QVERIFY(kb.WagenBestSammelList->isEmpty());
        QCOMPARE(kb.PosAnzahl, bpaUnbekannt);

        // Without the date filter: back from the positions skips the date to the origin, whose
        // choice and the range are cleared.
        FMaske->FOptionen.NachsortKube.DatumFiltern = false;
        FMaske->AktState()->btnZurueckClick();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_BelegHerkunft"));
        QVERIFY(kb.HerkunftBuchFilPair.Herkunft.isNull());
        QVERIFY(kb.AufgabenDatumVon.isNull() && kb.AufgabenDatumBis.isNull());
        // Forwards with no choice on: from the origin straight to the route, nothing narrowed.
        kb.HerkunftBuchFilPair.Herkunft = QLatin1Char('F');
        kb.PosAnzahl = bpaEine;
        FMaske->FOptionen.NachsortKube.HerkunftWaehlen = false;
        FMaske->FOptionen.NachsortKube.PosAnzahlWaehlen = false;
        FMaske->ChangeState<TState_BelegHerkunft>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Laufwege"));
        QVERIFY(kb.HerkunftBuchFilPair.Herkunft.isNull());
        QCOMPARE(kb.PosAnzahl, bpaUnbekannt);
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());

        // Another mode: the origin refuses to draw and, without buttons, goes back.
        FMaske->FOptionen.NachsortKube.HerkunftWaehlen = true;
        FMaske->FModus = CZPMDEM_FilNachsort;
        FMaske->ChangeState<TState_BelegHerkunft>();
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'\n').contains(
            QStringLiteral("TState_BelegHerkunft.StateAnfangMaskeMalen: ungültiger Programmmodus")));
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filiale"));
    }
};

QTEST_MAIN(TestKundenfilter)
#include "tst_kundenfilter.moc"

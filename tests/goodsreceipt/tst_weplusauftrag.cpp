// The start of a WE-Plus receipt on the demo site: no records lead to the order entry, typed
// orders are locked against another program until the worker leaves, numbers not found are
// questioned, a lock held elsewhere refuses; the interrupted receipt resumed or deleted; orders
// found by scanned pieces or a quick search; and the lines that could not be posted.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_RechteServer.h"
#include "TDM_Torvik.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_State_WEPlus_ErmittlungAuftragsNr.h"
#include "TQIV_State_WEPlus_ScanSatzSuche.h"
#include "TQIV_State_WEPlus_WENichtBuchbar.h"
#include "TState_Menue.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_RechteServerSql.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestWEPlusAuftrag : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
        FMaske->FOptionen.WEPlus.GeordnetUnsortiert = wpvUnsortiert;
        ZAMInfo().GezeigteMeldungenHolen();
    }
    QString Name() { return FMaske->AktStateName(); }
    void Eingeben(const QString& AAuftraege)
    {
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtDreifach1"))->setText(AAuftraege);
        FMaske->AktState()->btnBuchenClick();
    }
    QString Tip()
    {
        bool lang = false, warnung = false;
        return FMaske->FussTipLesen(lang, warnung);
    }
    QString Text() { return FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(); }
    void Antwort(const char* AKnopf) { FMaske->findChild<QPushButton*>(QString::fromLatin1(AKnopf))->click(); }
    static QString Sperre(const TIntPair& AAuftrag)
    {
        return QStringLiteral("lock Zephran_Auftrag ") + AAuftrag.ToTextUnformatted(9);
    }
    // Whether this program holds the order: the other one cannot take it (and gives back what it took).
    static bool Gesperrt(TZAM_Helferprozess& AHelfer, const TIntPair& AAuftrag)
    {
        if (AHelfer.Befehl(Sperre(AAuftrag)) != QStringLiteral("1"))
            return true;
        AHelfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + AAuftrag.ToTextUnformatted(9));
        return false;
    }
    const TVRList& Oben() { return *FMaske->vtVRListOben->VRList_Get(); }
    const TVRList& Unten() { return *FMaske->vtVRListUnten->VRList_Get(); }
    void Scannen(const char* ACode) { ZAM_Scannen(FMaske.get(), QString::fromLatin1(ACode)); }
    // The home shirt of 45-1001 on A-01-01 for branch 12, one piece per size given.
    void ScanSaetzeAnlegen(const QList<int>& AGroessen, QList<TIntTrio>* AIdents = nullptr)
    {
        const TIntPair mita(7, 42);
        TZAM_RechteServerSql::BenutzerAnlegen(FUmg->Backend().Datenbank(), QStringLiteral("wepa"),
                                              QStringLiteral("a"), {2, 901}, mita);
        TIntPair benutzer;
        QVERIFY(Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>()->Anmelden(QStringLiteral("wepa"),
                                                                                 QStringLiteral("a"), benutzer));
        FDM->MitaGepNr_4_WEPLus_Setzen();
        for (int gr : AGroessen) {
            const TIntTrio ident = FDM->Daten_2_ScanSatz({45, 1001}, QStringLiteral("LS-9"), {1, 100002, 0}, gr,
                                                         {45, 1001, 1}, 1, {}, 12, {1, 1, 1});
            QVERIFY(!ident.IsNull());
            if (AIdents)
                AIdents->append(ident);
        }
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    void auftraegeEingeben_data() { ZAM_MotorenDaten(); }
    void auftraegeEingeben()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const TIntPair a1001(45, 1001), a1002(45, 1002), a77(46, 77);

        // No records of the user: straight to the order entry.
        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblDreifach2"))->text(),
                 QStringLiteral("Eingabe für Artikelschnellsuche"));

        // Both orders locked; the capture starts, and its back returns to the order entry with the
        // orders still locked.
        Eingeben(QStringLiteral(" 4711, 4712 "));
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_Artikelweise_LOScan"));
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
        QCOMPARE(FMaske->Datentraeger_Get().WEPlus.VELTAuftragsNrN, (TIntPairList{a1001, a1002}));
        QCOMPARE(FMaske->Datentraeger_Get().WEPlus.AuftragsnummerStr, QStringLiteral("4711, 4712"));
        for (const TIntPair& a : {a1001, a1002})
            QVERIFY(helfer.Befehl(Sperre(a)).startsWith(QStringLiteral("0 ")));

        // One of two not found: the message with 2 and 1, the field emptied, nothing locked.
        Eingeben(QStringLiteral("4711, 9999"));
        QCOMPARE(Text(), QStringLiteral("Zu den 2 eingegebenen Auftragsnummern\nkonnten nur 1 Aufträge gefunden "
                                        "werden.\nBitte korrigieren Sie die Eingabe."));
        Antwort("btnOK");
        QVERIFY(FMaske->findChild<QLineEdit*>(QStringLiteral("edtDreifach1"))->text().isEmpty());
        QVERIFY(FMaske->Datentraeger_Get().WEPlus.VELTAuftragsNrN.isEmpty());
        QCOMPARE(helfer.Befehl(Sperre(a1001)), QStringLiteral("1"));

        // Now the other program holds 45-1001: refused with the lock's footer, 46-77 not kept.
        Eingeben(QStringLiteral("BEST-77,4711"));
        QCOMPARE(Tip(), QStringLiteral("Aufträge sind gesperrt: ") + a1001.ToTextUnformatted(9));
        QCOMPARE(helfer.Befehl(Sperre(a77)), QStringLiteral("1"));
        QVERIFY(helfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + a77.ToTextUnformatted(9)) ==
                QStringLiteral("ok"));

        // A single unknown number: the correction question; "Nein" goes on to the determination
        // with nothing locked.
        Eingeben(QStringLiteral("9999"));
        QCOMPARE(Text(), QStringLiteral("Zur eingegebenen Auftragsnummer\n9999\nwurde kein Auftrag gefunden.\n"
                                        "Möchten Sie die Eingabe korrigieren?"));
        Antwort("btnNein");
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_ErmittlungAuftragsNr"));
        QVERIFY(FMaske->Datentraeger_Get().WEPlus.VELTAuftragsNrN.isEmpty());
        FMaske->AktState()->btnZurueckClick();

        // Locked again, then back to the menu: released.
        QVERIFY(helfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + a1001.ToTextUnformatted(9)) ==
                QStringLiteral("ok"));
        Eingeben(QStringLiteral("4711"));
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_Artikelweise_LOScan"));
        QVERIFY(helfer.Befehl(Sperre(a1001)).startsWith(QStringLiteral("0 ")));
        FMaske->AktState()->btnZurueckClick();
        FMaske->AktState()->btnZurueckClick();
        QCOMPARE(Name(), QStringLiteral("TState_Menue"));
        QCOMPARE(helfer.Befehl(Sperre(a1001)), QStringLiteral("1"));
    }

    // Three records of an interrupted receipt: the plural question; resumed, the order text, the
    // delivery note and the cache come back with nothing locked, and leaving asks once per answer;
    // deleted after a change of mind, the records are gone and the order entry follows.
    void wiederaufnahme_data() { ZAM_MotorenDaten(); }
    void wiederaufnahme()
    {
        ZAM_MOTOR(m);
        Starten(m);
        ScanSaetzeAnlegen({2, 3, 3});
        auto& w = FMaske->Datentraeger_Get().WEPlus;

        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();
        QCOMPARE(Text(), QStringLiteral("Es wurden\n3 Datensätze\ngefunden. Wollen Sie\nmit den Sätzen fortfahren\n"
                                        "oder\ndie Sätze löschen?"));
        Antwort("btnJa"); // "Fortfahren"
        QCOMPARE(Text(), QStringLiteral("Die Daten wurden eingelesen."));
        Antwort("btnOK");
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
        QCOMPARE(FMaske->findChild<QLineEdit*>(QStringLiteral("edtDreifach1"))->text(), QStringLiteral("45-1001"));
        QCOMPARE(FMaske->findChild<QLineEdit*>(QStringLiteral("edtDreifach3"))->text(), QStringLiteral("LS-9"));
        QVERIFY(w.VELTAuftragsNrN.isEmpty());
        QCOMPARE(FDM->Gesamtmenge_im_DatenCache(w.DatenCache, {}), 3);

        FMaske->AktState()->btnZurueckClick();
        QVERIFY(Text().startsWith(QStringLiteral("Sie haben bereits\n3 Stück/Paare erfasst.")));
        Antwort("btnNein");
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
        FMaske->AktState()->btnZurueckClick();
        Antwort("btnJa");
        QCOMPARE(Name(), QStringLiteral("TState_Menue"));
        QVERIFY(FDM->Scansaetze_4_WEPLus_Vorhanden());

        FDM->MitaGepNr_4_WEPLus_Setzen();
        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();
        QVERIFY(w.DatenCache.Count() == 0 && w.AuftragsnummerStr.isEmpty());
        Antwort("btnNein"); // "Löschen"
        QCOMPARE(Text(), QStringLiteral("Sollen die Daten wirklich gelöscht werden?"));
        Antwort("btnAbbrechen");
        QVERIFY(Text().startsWith(QStringLiteral("Es wurden\n3 Datensätze")));
        Antwort("btnNein");
        Antwort("btnJa");
        QCOMPARE(Text(), QStringLiteral("Die Daten wurden gelöscht."));
        Antwort("btnOK");
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
        QVERIFY(!FDM->Scansaetze_4_WEPLus_Vorhanden());

        // Goods of customer order 7006 in BEH-0011, which waits for 7003: the read stops there, no
        // success is reported, the cache stays empty and the question comes again.
        QVERIFY(!FDM->Daten_2_ScanSatz({45, 1001}, QStringLiteral("LS-7"), {1, 100009, 0}, 2, {45, 1001, 3}, 1,
                                       TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, {1, 7006, 0}, 1), 17,
                                       {5, 0, 11})
                     .IsNull());
        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();
        Antwort("btnJa");
        QVERIFY(Text().startsWith(QStringLiteral("Es wurde\nein Datensatz")));
        QCOMPARE(w.DatenCache.Count(), 0);
        QVERIFY(!ZAMInfo().GezeigteMeldungenHolen().contains(QStringLiteral("Die Daten wurden eingelesen.")));
        QVERIFY(FDM->Scansaetze_4_WEPLus_Vorhanden());
    }

    // Pieces scanned until one order is left: an article in no order, two orders of the home
    // shirt shown grouped, a lock held elsewhere, a choice left open and another made, the same
    // size twice, and a third piece no order takes.
    void ermittlung_data() { ZAM_MotorenDaten(); }
    void ermittlung()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const TIntPair a1001(45, 1001), a1002(45, 1002);
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();

        Scannen("0300101042"); // the running shoe, in no order
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_ErmittlungAuftragsNr"));
        QCOMPARE(Tip(), QStringLiteral("300101 wurde in keinem offenen Auftrag / Dispo gefunden!"));
        QCOMPARE(Unten().GetRowCount(), 0);
        FMaske->AktState()->btnZurueckClick();

        Scannen("0300102002"); // the home shirt S
        QCOMPARE(Oben().GetCellValueAsString(0, 5), QStringLiteral("Konfektion S"));
        QCOMPARE(Unten().GetRowCount(), 2);
        const QDate heute = QDate::currentDate();
        QCOMPARE(Unten().GetCellValueAsString(0, 4), QStringLiteral("Auftr 45-1001"));
        QCOMPARE(Unten().GetCellValueAsInteger(0, 8), 20);
        QCOMPARE(Unten().GetCellValueAsString(0, 9), heute.addDays(-3).toString(QStringLiteral("dd.MM.yy")) +
                                                         QLatin1Char('-') +
                                                         heute.addDays(-1).toString(QStringLiteral("dd.MM.yy")));
        QVERIFY(Unten().GetRowChild(0)->GetRowCount() > 1);
        QCOMPARE(Unten().GetCellValueAsString(1, 4), QStringLiteral("Auftr 45-1002"));
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Tip(), QStringLiteral("Bitte Auftrag/Dispo anklicken oder weitere Artikel scannen."));

        QCOMPARE(helfer.Befehl(Sperre(a1002)), QStringLiteral("1"));
        FMaske->AktState()->vtVRListUntenColumnNodeClick(4, {1, -1});
        QCOMPARE(Text(), QStringLiteral("Aufträge sind gesperrt: ") + a1002.ToTextUnformatted(9));
        Antwort("btnOK");
        QVERIFY(w.VELTAuftragsNrN.isEmpty());
        helfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + a1002.ToTextUnformatted(9));

        // The sorted question left by back keeps the choice locked, until another row is chosen.
        FMaske->FOptionen.WEPlus.GeordnetUnsortiert = wpvFragen;
        FMaske->AktState()->vtVRListUntenColumnNodeClick(4, {0, 0});
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QVERIFY(Gesperrt(helfer, a1001));
        FMaske->AktState()->vtVRListUntenColumnNodeClick(4, {1, -1});
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QVERIFY(!Gesperrt(helfer, a1001) && Gesperrt(helfer, a1002));

        // 45-1002 has one S open: a second leaves 45-1001, which the post button takes.
        FMaske->FOptionen.WEPlus.GeordnetUnsortiert = wpvUnsortiert;
        Scannen("0300102002");
        QCOMPARE(Oben().GetCellValueAsInteger(0, 6), 2);
        QCOMPARE(Unten().GetRowCount(), 1);
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_Artikelweise_LOScan"));
        QCOMPARE(w.VELTAuftragsNrN, TIntPairList{a1001});
        QCOMPARE(w.AuftragsnummerStr, QStringLiteral("45-1001"));
        QVERIFY(Gesperrt(helfer, a1001) && !Gesperrt(helfer, a1002));

        // Three S are more than any order holds open.
        TQIV_State_WEPlus_ErmittlungAuftragsNr::Aktivieren(FMaske.get(), TInt32Trio(1, 100002, 0), 2);
        Scannen("0300102002");
        Scannen("0300102002");
        QCOMPARE(Tip(), QStringLiteral("Kein gemeinsamer offener Auftrag / Dispo für die Artikel!"));
        QCOMPARE(Unten().GetRowCount(), 0);
    }

    // A quick search with several hits opens the article choice; the article chosen comes with
    // every size and is narrowed by what its dispositions take in all sizes together; several
    // branch lines of an order take one size together.
    void schnellsuche()
    {
        Starten(TZAM_TestUmgebung::tmSQLite);
        FMaske->ChangeState<TQIV_State_WEPlus_ScanSatzSuche>();
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtDreifach2"))->setText(QStringLiteral("tx-200"));
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_Artikelauswahl"));
        const TVRList& auswahl = *FMaske->vtVRList->VRList_Get();
        QCOMPARE(auswahl.GetRowCount(), 3);
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Tip(), QStringLiteral("Bitte zuerst einen Artikel auswählen."));
        int zeile = 0;
        while (auswahl.GetCellValueAsInt32Trio(zeile, 0) != TInt32Trio(1, 100002, 0))
            ++zeile;
        FMaske->vtVRList->SelectNode({zeile, -1});
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_ErmittlungAuftragsNr"));
        QCOMPARE(Oben().GetCellValueAsInteger(0, 1), -1);
        QVERIFY(Oben().GetCellValueAsString(0, 5).isEmpty());
        QCOMPARE(Unten().GetRowCount(), 2);
        auto* ermittlung = static_cast<TQIV_State_WEPlus_ErmittlungAuftragsNr*>(FMaske->AktState());
        for (int i = 0; i < 4; ++i)
            ermittlung->Gescannt_Artikel(true, {1, 100002, 0}, -1);
        QCOMPARE(Unten().GetRowCount(), 1);
        QCOMPARE(Unten().GetCellValueAsString(0, 4), QStringLiteral("Auftr 45-1001"));

        FMaske->AktState()->btnZurueckClick();
        for (int i = 0; i < 4; ++i)
            Scannen("0300102003"); // the home shirt M
        QCOMPARE(Unten().GetRowCount(), 1);
        QCOMPARE(Unten().GetCellValueAsString(0, 4), QStringLiteral("Auftr 45-1001"));
    }

    // Two lines that could not be posted, under their sum; the sum row is no line, deleting a line
    // deletes its scan record and its cache line, and posting with none left ends the receipt.
    void nichtBuchbar_data() { ZAM_MotorenDaten(); }
    void nichtBuchbar()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QList<TIntTrio> idents;
        ScanSaetzeAnlegen({2, 3}, &idents);
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        QString auftraege, lieferschein, platzName;
        TIntTrio platz;
        QVERIFY(FDM->Scansaetze_2_DatenCache(w.DatenCache, auftraege, lieferschein, platz, platzName));
        for (const TIntTrio& ident : idents)
            w.FehlerInfos.append({ident, QStringLiteral("Dispo geschlossen")});
        w.ReturnToState = StateKlasse<TState_Menue>();
        FMaske->ChangeState<TQIV_State_WEPlus_WENichtBuchbar>();
        TVTVRList* anzeige = FMaske->vtVRList;
        const TVRList& liste = *anzeige->VRList_Get();
        QCOMPARE(liste.GetRowCount(), 1);
        QCOMPARE(liste.GetCellValueAsString(0, 2), QStringLiteral("Summe"));
        QCOMPARE(liste.GetCellValueAsInteger(0, 9), 2);
        QCOMPARE(liste.GetRowChild(0)->GetCellValueAsString(0, 2), QStringLiteral("A-01-01"));
        FMaske->AktState()->vtVRListColumnNodeClick(2, {0, 0});
        QCOMPARE(Text(), QStringLiteral("TX-200, Gr. Konfektion S:\nDispo geschlossen"));
        Antwort("btnOK");

        auto loeschen = [&](const TVTVRKnoten& AKnoten) {
            anzeige->clearSelection();
            anzeige->SelectNode(AKnoten);
            FMaske->AktState()->ZeileLoeschenClick();
            QCOMPARE(Text(), QStringLiteral("Sollen die Daten der markierten Zeile wirklich gelöscht werden?"));
            Antwort("btnJa");
        };
        loeschen({0, -1});
        QCOMPARE(liste.GetRowChild(0)->GetRowCount(), 2);
        int saetze = 0;
        for (int rest : {1, 0}) {
            loeschen({0, 0});
            QCOMPARE(liste.GetRowChild(0)->GetRowCount(), rest);
            QCOMPARE(liste.GetCellValueAsInteger(0, 9), rest);
            FDM->Scansaetze_Lesen(saetze);
            QCOMPARE(saetze, rest);
            QCOMPARE(FDM->Gesamtmenge_im_DatenCache(w.DatenCache, {}), rest);
        }
        FMaske->AktState()->btnZurueckClick();
        QCOMPARE(Name(), QStringLiteral("TState_Menue"));
        FMaske->ChangeState<TQIV_State_WEPlus_WENichtBuchbar>();
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Name(), QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr"));
    }
};

QTEST_MAIN(TestWEPlusAuftrag)
#include "tst_weplusauftrag.moc"

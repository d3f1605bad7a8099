// The start of a WE-Plus receipt on the demo site: no records lead to the order entry, typed
// orders are locked against another program until the worker leaves, numbers not found are
// questioned, a lock held elsewhere refuses; and the interrupted receipt resumed or deleted.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_RechteServer.h"
#include "TDM_Torvik.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_State_WEPlus_ScanSatzSuche.h"
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

        // Both orders locked; the capture is the next issue's: its message, and the orders stay
        // locked while the order entry stays.
        Eingeben(QStringLiteral(" 4711, 4712 "));
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'|').contains(QStringLiteral("Artikelweise Erfassung")));
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
        // (the next issue's) with nothing locked.
        Eingeben(QStringLiteral("9999"));
        QCOMPARE(Text(), QStringLiteral("Zur eingegebenen Auftragsnummer\n9999\nwurde kein Auftrag gefunden.\n"
                                        "Möchten Sie die Eingabe korrigieren?"));
        Antwort("btnNein");
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'|').contains(QStringLiteral("Ermittlung Auftragsnummer")));

        // Locked again, then back to the menu: released.
        QVERIFY(helfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + a1001.ToTextUnformatted(9)) ==
                QStringLiteral("ok"));
        Eingeben(QStringLiteral("4711"));
        ZAMInfo().GezeigteMeldungenHolen();
        QVERIFY(helfer.Befehl(Sperre(a1001)).startsWith(QStringLiteral("0 ")));
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
        const TIntPair mita(7, 42);
        TZAM_RechteServerSql::BenutzerAnlegen(FUmg->Backend().Datenbank(), QStringLiteral("wepa"),
                                              QStringLiteral("a"), {2, 901}, mita);
        TIntPair benutzer;
        QVERIFY(Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>()->Anmelden(QStringLiteral("wepa"),
                                                                                 QStringLiteral("a"), benutzer));
        FDM->MitaGepNr_4_WEPLus_Setzen();
        for (int gr : {2, 3, 3})
            QVERIFY(!FDM->Daten_2_ScanSatz({45, 1001}, QStringLiteral("LS-9"), {1, 100002, 0}, gr, {45, 1001, 1}, 1,
                                           {}, 12, {1, 1, 1})
                         .IsNull());
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
    }
};

QTEST_MAIN(TestWEPlusAuftrag)
#include "tst_weplusauftrag.moc"

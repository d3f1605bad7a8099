// The pick list of the handheld on the demo site, both engines: rows in walking order with the
// off-route ones marked, the visibility cycle, the task lock against another program, the status
// a hand-store task's lock sets, the search for the next row when stock is gone, and the trolley of
// the customer orders.
#include "EZAM_Exception.h"
#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_Aufgabe.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace L = TQIV_AufgabenLagerListe;

class TestAufgabe : public QObject
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
        ZAMInfo().GezeigteMeldungenHolen();
    }
    TState_Aufgabe* Liste(TZPMDEModus_erw AModus, qint16 AFiliale, const TIntTrio& ALaufweg)
    {
        FMaske->FModus = AModus;
        auto& d = FMaske->Datentraeger_Get();
        d.Nachsort.FilNummer = AFiliale;
        d.Nachsort.LagNummer = AFiliale == 0 ? 1 : 0;
        d.Nachsort.LaufwegID = ALaufweg;
        FMaske->ChangeState<TState_Aufgabe>();
        return static_cast<TState_Aufgabe*>(FMaske->GiveState(StateKlasse<TState_Aufgabe>()));
    }
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    bool& Lang() { return FLang; }
    bool& Warnung() { return FWarnung; }
    bool FLang = false, FWarnung = false;
    static QStringList Zeilen(TState_Aufgabe& A)
    {
        QStringList z;
        const int lw = A.Liste()->GetColumnCount() - 2;
        for (int r = 0; r < A.ZeilenAnzahl(); ++r)
            z << QStringLiteral("%1 %2 %3 %4")
                     .arg(A.GiveIntTrio(L::CAufgabenId, r).ToText(), A.GiveString(26, r))
                     .arg(A.GiveInt(20, r))
                     .arg(A.GiveInt(lw, r));
        return z;
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // Walking order with the off-route row last and marked; an over-fulfilled task's row has no
    // place: marked, and shown only when every row is shown.
    void liste_data() { ZAM_MotorenDaten(); }
    void liste()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TState_Aufgabe* a = Liste(CZPMDEM_FilNachsort, 12, {1, 1, 1});
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Aufgabe"));
        QCOMPARE(Zeilen(*a), (QStringList{"1-2-1 A-01-01 2 1", "1-2-50 A-01-01 2 1", "1-2-2 A-01-01 1 1",
                                          "1-2-4 A-01-02 2 2", "1-2-3 A-01-03 2 3", "1-1-4 A-01-04 1 4",
                                          "1-2-3 B-02-02 4 6", "1-2-50 D-01-01 1 1819813646"}));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Filiale 12, 8 Aufgaben"));
        int zaehler = -1;
        QCOMPARE(a->ZeilenArt(*a->Liste(), 7, 7, zaehler), zaMarkiert);
        QCOMPARE(zaehler, 1);
        QCOMPARE(a->ZeilenArt(*a->Liste(), 6, 6, zaehler), zaNormal);
        QCOMPARE(a->FSichtbareImLaufweg.size(), 6); // the tasks of the rows inside the route

        // Task 53 is fulfilled once more than ordered (a booking of another device).
        Db().Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3, mita_id1, "
                                      "mita_id2, menge, zeit) VALUES (1, 2, 53, 1, 1001, 1, ?)"),
                       {QDateTime::currentDateTime()});
        a = Liste(CZPMDEM_FilNachsort, 14, {1, 1, 1});
        const int ohne = a->ZeilenAnzahl() - 1;
        QVERIFY(!a->GiveIntTrio(L::CLagerortId, ohne).Defined());
        QCOMPARE(a->ZeilenArt(*a->Liste(), ohne, ohne, zaehler), zaMarkiert);
        QStringList sichtbar;
        for (int i = 0; i < 3; ++i) {
            sichtbar << QString::number(FMaske->vtVRList->ZeileSichtbar(ohne));
            a->AufgOhneLP();
        }
        QCOMPARE(sichtbar, (QStringList{"0", "0", "1"}));
        QVERIFY(!FMaske->vtVRList->ZeileSichtbar(ohne)); // round to the places only

        a->FAufgabenIdx = -1;
        EZAM_Exception fehler = EZAM_Exception::Text({});
        try {
            a->GiveInt(20);
        } catch (const EZAM_Exception& E) {
            fehler = E;
        }
        QCOMPARE(fehler.Koord(), CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(fehler.Methode(), QStringLiteral("TState_Aufgabe.GiveInt"));
    }

    // Another program holds the task; the status a hand-store task's lock sets comes back when it
    // is released.
    void sperren_data() { ZAM_MotorenDaten(); }
    void sperren()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TState_Aufgabe* a = Liste(CZPMDEM_FilNachsort, 12, {1, 1, 1});
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QCOMPARE(helfer.Befehl(QStringLiteral("lock AUFGABE 000000001000000002000000001")), QStringLiteral("1"));
        QString wer;
        QDateTime seit;
        TIntTrio zuSperren, gesperrt;
        a->FAufgabenIdx = 0;
        a->FAktAufgId = a->GiveIntTrio(L::CAufgabenId);
        QVERIFY(!a->Aufgabe_Sperren_und_StatusAendern(wer, seit, zuSperren, gesperrt));
        QCOMPARE(FMaske->FussTipLesen(Lang(), Warnung()), QStringLiteral("Diese Aufgabe wird bereits bearbeitet!"));
        QVERIFY(!a->FGesperrteAufgabe.Defined());
        // Tapped with branch 12's staging place as the picking container: the source step is
        // refused and the list comes back with the reason.
        FMaske->Datentraeger_Get().Nachsort.KommBeh = {{2, 2, 1}, QStringLiteral("VBS12"), 1, 12, -1, false, false};
        a->vtVRListColumnNodeClick(0, {0, -1});
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Aufgabe"));
        QCOMPARE(FMaske->FussTipLesen(Lang(), Warnung()), QStringLiteral("Diese Aufgabe wird bereits bearbeitet!"));

        FMaske->Datentraeger_Get().UmlagerungHandlager.HLAnfoGrundId = {1, 1, 3};
        a = Liste(CZPMDEM_UmlagHL, 0, {1, 1, 1});
        a->FAufgabenIdx = 0;
        a->FAktAufgId = a->GiveIntTrio(L::CAufgabenId);
        const QString status =
            QStringLiteral("SELECT status FROM zam_auko WHERE id1 = 1 AND id2 = 2 AND id3 = %1").arg(a->FAktAufgId.Id3);
        QVERIFY(a->Aufgabe_Sperren_und_StatusAendern(wer, seit, zuSperren, gesperrt));
        QCOMPARE(Db().LesenWert(status).toString(), QString(CZAM_Aufgabe_Status_2_Char(8)));
        a->Aufgabe_Entsperren_Und_StatusRuecksetzen();
        QCOMPARE(Db().LesenWert(status).toString(), QStringLiteral("O"));
    }

    // The stock of the first place is gone: the search allocates the rows again from there and
    // takes the first row that can still be worked; with no stock left anywhere the run ends.
    void naechsteAufgabe_data() { ZAM_MotorenDaten(); }
    void naechsteAufgabe()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TState_Aufgabe* a = Liste(CZPMDEM_FilNachsort, 12, {1, 1, 1});
        // The place and the container standing on it.
        Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand WHERE (lo_id1 = 1 AND lo_id2 = 1 AND lo_id3 = 1) OR "
                                      "(lo_id1 = 5 AND lo_id2 = 0 AND lo_id3 = 1)"));
        a->NextAufgabe(false);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_VonPlatzScan"));
        QCOMPARE(a->GiveString(26), QStringLiteral("A-01-02"));
        QVERIFY(!Zeilen(*a).join(u',').contains(QStringLiteral("A-01-01")));

        a = Liste(CZPMDEM_FilNachsort, 12, {1, 1, 1});
        Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand"));
        a->FAufgabenIdx = 2;
        a->NextAufgabe(true);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filiale"));
        QVERIFY(!a->FAktAufgId.Defined());
    }

    // A trolley of ten articles: whole orders in the key list's order while they fit (4 and 5; the
    // order of 3 would not), then single-position tasks fill it up; their tasks are locked and the
    // list keeps only them.
    void wagen_data() { ZAM_MotorenDaten(); }
    void wagen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FMaske->FOptionen.NachsortKube.WagenAnz = 10;
        FMaske->FOptionen.NachsortKube.EinPosFuerWagen = true;
        FMaske->GiveState(StateKlasse<TState_AufgPosAnzahl>()); // it owns the order lists
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        TState_Aufgabe* a = Liste(CZPMDEM_KuBe, 14, {1, 1, 1});
        QVERIFY(a->ZeilenAnzahl() >= 4);
        QList<TIntTrio> ids;
        for (int r = 0; r < a->ZeilenAnzahl(); ++r)
            if (!ids.contains(a->GiveIntTrio(L::CAufgabenId, r)))
                ids << a->GiveIntTrio(L::CAufgabenId, r);
        const int artikel[] = {4, 5, 3};
        for (int i = 0; i < 3; ++i) {
            const TQIV_Kennung_Text_Datum_Rec key{1, QString::number(i), QDate::currentDate()};
            TQIV_Beleg_Info info;
            info.FArtikelAnzIst = info.FArtikelAnzSoll = artikel[i];
            info.FAufgabenIds = {ids.at(i)};
            kb.MehrPosBestKeyList->append(key);
            kb.MehrPosBestDict->insert(key, info);
        }
        kb.EinPosBestList->append({ids.at(3), 1});
        kb.PosAnzahl = bpaWagen;
        a = Liste(CZPMDEM_KuBe, 14, {1, 1, 1});
        TIntTrioList erwartet{ids.at(0), ids.at(1), ids.at(3)};
        erwartet.Sort();
        QCOMPARE(*kb.WagenBestSammelList, erwartet);
        for (int r = 0; r < a->ZeilenAnzahl(); ++r)
            QVERIFY(erwartet.contains(a->GiveIntTrio(L::CAufgabenId, r)));
        for (const TIntTrio& id : erwartet)
            QVERIFY(DM_Torvik->AufgabenEditServer_Temp_GoC()->Aufgabe_Gesperrt(id));
        QVERIFY(!DM_Torvik->AufgabenEditServer_Temp_GoC()->Aufgabe_Gesperrt(ids.at(2)));
    }
};

QTEST_MAIN(TestAufgabe)
#include "tst_aufgabe.moc"

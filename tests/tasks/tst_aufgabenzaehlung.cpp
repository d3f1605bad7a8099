// The data module's task operations on the task files, both engines: counting per branch, per
// origin and per order position through the statement and through the files (which must agree),
// loads with whitelists, the reasons of replenishment requests, order locks against a second
// program, and the hand-store booking that moves and fulfils as one.
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_GrundServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenZaehlKlammer.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"

#include <QTest>

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

namespace {
// What the three counts answer, to compare the two paths of the counter.
struct TErgebnis
{
    TZAM_Int_Int_Array Filialen;
    TQIV_Herkunft_Anzahl_Dict Herkuenfte;
    TQIV_IntTrio_Int_List Einzel;
    TIntTrioList MehrPos, Komplett;
    TQIV_BelegInfo_4_Kennung_U_Text_Dict Belege;
    TQIV_Kennung_Text_Datum_List Keys;
};

TZAM_TestAufgabe Aufgabe(int ANr, int ABeleg, int APos, int AMenge, int AZiel = 12)
{
    TZAM_TestAufgabe a;
    a.Id = {1, 1, ANr};
    a.ExtId = {1, ABeleg, 0};
    a.ExtNummer = APos;
    a.Kube = {1, ABeleg, 0};
    a.KubeNr = APos;
    a.Menge = AMenge;
    a.ZielFiliale = AZiel;
    return a;
}
} // namespace

class TestAufgabenzaehlung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name) VALUES (1, 'Zentrallager')"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale) VALUES (1, 1)"));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_filiale (nummer, name, lager) VALUES (1, 'Zentrale', 1)"));
        TZAM_TestAufgaben::Filialen(Db());
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        ZAMInfo().GezeigteMeldungenHolen();
    }
    // Customer orders of warehouse 1 (both business cases), paid or not.
    TZAM_Aufgaben_Suchkriterien Kube(bool ANurBezahlt)
    {
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Kundenbestellung);
        o.GeschaeftsvorSet = 0;
        o.KubeNurBezahlte = ANurBezahlt ? tsTrue : tsFalse;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        return k;
    }
    TErgebnis Zaehlen(const QString& APfad, const TZAM_Aufgaben_Suchkriterien& AKriterien)
    {
        FUmg->ParameterSetzen(QStringLiteral("GDBCONFIG"), APfad);
        TErgebnis e;
        FDM->AufgabenFuerFilErmitteln(e.Filialen, AKriterien, ZAMSetBit(2));
        FDM->BelegHerkuenfteErmitteln(e.Herkuenfte, AKriterien, {}, false);
        FDM->PositionsAnzahlenErmitteln(e.Einzel, e.MehrPos, e.Belege, e.Keys, e.Komplett, AKriterien, {}, false,
                                        true);
        return e;
    }

private Q_SLOTS:
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    // Orders of one and of several positions, one with a cancelled position, one task too big for
    // its order, one taking its order from the order-line position: both paths of the counter
    // answer alike, and the statement's join repeats no task.
    void positionenUndBeidePfade_data() { ZAM_MotorenDaten(); }
    void positionenUndBeidePfade()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_TestBeleg drei; // three articles (the cancelled position counts nowhere), one unpaid
        drei.Positionen = {QStringLiteral("/J"), QStringLiteral("/N"), QStringLiteral("T/N"), QStringLiteral("/J")};
        TZAM_TestAufgaben::Beleg(Db(), drei);
        TZAM_TestBeleg eins;
        eins.Nr = 5002;
        eins.BelegNr = QStringLiteral("KB-5002");
        eins.Herkunft = QLatin1Char('F');
        eins.GlaeubigerOrge = {100, 14};
        TZAM_TestAufgaben::Beleg(Db(), eins);
        TZAM_TestBeleg klein = eins;
        klein.Nr = 5003;
        klein.Positionen = {QStringLiteral("/J"), QStringLiteral("/J")};
        TZAM_TestAufgaben::Beleg(Db(), klein);
        // Shipped from the warehouse itself (target = source): the origin and position counts
        // take no other tasks without a target branch.
        TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(1, 5001, 1, 1, 1));
        TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(2, 5001, 2, 2, 1));
        TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(3, 5002, 1, 1, 1));
        TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(4, 5003, 1, 4, 1)); // four of two: nowhere
        TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(6, 5002, 1, 1, 14)); // for branch 14
        // A task without its own order: the order-line position names document 5002.
        TZAM_TestAufgabe ausPos = Aufgabe(5, 5002, 1, 1, 1);
        ausPos.Kube = {};
        ausPos.KubeNr = 0;
        ausPos.ExtKennung = 0;
        ausPos.ExtId = {};
        ausPos.ExtNummer = 0;
        ausPos.Vorgang = {5, 1, 1};
        TZAM_TestAufgaben::Anlegen(Db(), ausPos);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                      "quell_filiale, kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                      "ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, menge) "
                                      "VALUES (5, 1, 1, 16, 0, 0, 'KUBE', 1, 5002, 0, 1, 1, 1, 5002, 0, 1, 1)"));

        for (bool bezahlt : {false, true}) {
            const TZAM_Aufgaben_Suchkriterien k = Kube(bezahlt);
            const TErgebnis sql = Zaehlen(QStringLiteral("0"), k);
            const TErgebnis dateien = Zaehlen(QStringLiteral("1"), k);
            QCOMPARE(sql.Filialen, dateien.Filialen);
            QCOMPARE(sql.Herkuenfte, dateien.Herkuenfte);
            QCOMPARE(sql.Einzel, dateien.Einzel);
            QCOMPARE(sql.MehrPos, dateien.MehrPos);
            QCOMPARE(sql.Komplett, dateien.Komplett);
            QCOMPARE(sql.Keys, dateien.Keys);
            QCOMPARE(sql.Belege.keys(), dateien.Belege.keys());

            // Document 5001 has an unpaid position: only the unpaid-too count sees its tasks.
            QCOMPARE(sql.Filialen.value(0).value(CZAM_Zaehlung_Summe), bezahlt ? 3 : 5);
            QCOMPARE(sql.Filialen.value(14).value(CZAM_Zaehlung_Summe), 1);
            QCOMPARE(sql.Herkuenfte.value(QLatin1Char('F')),
                     (TQIV_Herkunft_Anzahl_Liste{{TZAM_TestAufgaben::Orge(14), 3}}));
            QCOMPARE(sql.Herkuenfte.contains(QLatin1Char('O')), !bezahlt);
            // The two tasks of 5002 are single-position orders each (one article each).
            QCOMPARE(sql.Einzel, (TQIV_IntTrio_Int_List{{{1, 1, 3}, 1}, {{1, 1, 5}, 1}}));
            if (bezahlt)
                continue;
            const TQIV_Kennung_Text_Datum_Rec key{1, TIntTrio(1, 5001, 0).ToTextUnformatted(9), QDate()};
            QCOMPARE(sql.Belege.size(), 1);
            const TQIV_Beleg_Info& info = sql.Belege.value(key);
            QCOMPARE(info.FAufgAnzIst, 2);
            QCOMPARE(info.FArtikelAnzSoll, 3);
            QCOMPARE(info.FArtikelAnzIst, 3);
            QCOMPARE(info.FBelegNr, QStringLiteral("KB-5001"));
            QCOMPARE(sql.MehrPos, (TIntTrioList{{1, 1, 1}, {1, 1, 2}}));
            QVERIFY(sql.Komplett.contains(TIntTrio(1, 1, 1)) && sql.Komplett.contains(TIntTrio(1, 1, 2)));
            QVERIFY(!sql.Komplett.contains(TIntTrio(1, 1, 4)));
            QCOMPARE(sql.Keys.size(), 1);
            QCOMPARE(sql.Keys.first().Datum, QDate(2024, 5, 8));
        }
        TIntTrioList komplett;
        FDM->KomplettImLagerBestListErmitteln(false, komplett);
        QCOMPARE(komplett, (TIntTrioList{{1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 5}}));

        // The menu's count in a bracket gives the same figure from one reading of the statement,
        // for both business cases; a task added meanwhile counts once the bracket is closed.
        FUmg->ParameterSetzen(QStringLiteral("GDBCONFIG"), QStringLiteral("0"));
        const auto menue = [&] {
            FDM->KomplettImLagerBestListErmitteln(false, komplett);
            int n = int(komplett.size());
            for (int gv : {CZAM_Aufgabe_GV_Kundenbestellung, CZAM_Aufgabe_GV_KundenbestellungVersand}) {
                TZAM_Aufgaben_Suchkriterien k = Kube(false);
                k.Geschaeftsvorfaelle = ZAMSetBit(gv);
                TZAM_Int_Int_Array a;
                FDM->AufgabenFuerFilErmitteln(a, k, 0);
                for (const QList<int>& e : a)
                    n += e.value(CZAM_Zaehlung_Summe);
            }
            return n;
        };
        const int vorher = menue();
        {
            TQIV_AufgabenZaehlKlammer klammer(*FDM);
            QCOMPARE(menue(), vorher);
            TZAM_TestAufgabe versand = Aufgabe(7, 5003, 2, 1, 1);
            versand.Geschaeftsvorfall = CZAM_Aufgabe_GV_KundenbestellungVersand;
            TZAM_TestAufgaben::Anlegen(Db(), versand);
            QCOMPARE(menue(), vorher);
        }
        QVERIFY(menue() > vorher);
    }

    // On the demo site, with every customer-order task of warehouse 1 for its own branch and for
    // each branch: the statement and the files count alike.
    void demoBeidePfade_data() { ZAM_MotorenDaten(); }
    void demoBeidePfade()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        int gezaehlt = 0;
        for (bool bezahlt : {false, true})
            for (qint16 ziel : {qint16(-1), qint16(12), qint16(14)}) {
                TZAM_Aufgaben_Suchkriterien k = Kube(bezahlt);
                k.ZielFiliale = ziel;
                const TErgebnis sql = Zaehlen(QStringLiteral("0"), k);
                const TErgebnis dateien = Zaehlen(QStringLiteral("1"), k);
                QCOMPARE(sql.Filialen, dateien.Filialen);
                QCOMPARE(sql.Herkuenfte, dateien.Herkuenfte);
                QCOMPARE(sql.Einzel, dateien.Einzel);
                QCOMPARE(sql.MehrPos, dateien.MehrPos);
                QCOMPARE(sql.Komplett, dateien.Komplett);
                for (const QList<int>& e : sql.Filialen)
                    gezaehlt += e.value(CZAM_Zaehlung_Summe);
            }
        QVERIFY(gezaehlt > 0);
    }

    // Per branch: the warehouse's own branch at index 0, categories shown separately in their
    // element, one above 3 in element 0, a branch outside the table skipped with a protocol line;
    // the list form and the files form agree.
    void jeFiliale_data() { ZAM_MotorenDaten(); }
    void jeFiliale()
    {
        ZAM_MOTOR(m);
        Starten(m);
        struct TFall
        {
            int Nr, Ziel, GV;
        };
        for (const TFall& f : {TFall{1, 12, 0}, TFall{2, 12, 6}, TFall{3, 12, 5}, TFall{4, 1, 0}, TFall{5, 999, 0}}) {
            TZAM_TestAufgabe a = Aufgabe(f.Nr, 0, 0, 1, f.Ziel);
            a.Geschaeftsvorfall = f.GV;
            a.ExtKennung = 0;
            a.ExtId = {};
            a.Kube = {};
            TZAM_TestAufgaben::Anlegen(Db(), a);
        }
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Filialnachsortierung);
        o.GeschaeftsvorSet = CZAM_Aufgabe_Geschaeftsvorfall_Alle;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        const TZAM_AufgliederungLager_Set separat = ZAMSetBit(2) | ZAMSetBit(5); // Aktion, Retoure
        const QList<int> erwartet12{2, 0, 1, 0, 3}; // Retoure (category 5) with the others in 0

        for (const QString& pfad : {QStringLiteral("0"), QStringLiteral("1")}) {
            FUmg->ParameterSetzen(QStringLiteral("GDBCONFIG"), pfad);
            TZAM_Int_Int_Array a;
            FDM->AufgabenFuerFilErmitteln(a, k, separat);
            QCOMPARE(a.size(), 15); // branches 0 to 14
            QCOMPARE(a[12], erwartet12);
            QCOMPARE(a[0], (QList<int>{1, 0, 0, 0, 1}));
        }
        IZAM_AufgabenEditServer* server = FDM->AufgabenEditServer_GoC();
        QVERIFY(server->Aufgabenliste_Laden(k, TQIVAufgabenlisteLaden_Options()));
        TZAM_Int_Int_Array a;
        FDM->AufgabenFuerFilErmitteln(a, server->AufgabenVRListe(), separat);
        QCOMPARE(a[12], erwartet12);
        QVERIFY(FUmg->Protokoll().contains(QStringLiteral("Zielfiliale 999 ist keine Filiale")));

        // The reason column is three-part; the branch column is refused with its caption.
        QHash<TIntTrio, int> jeGrund;
        FDM->AufgabenFuerSpalteErmitteln(server->AufgabenVRListe(), 83, jeGrund);
        QCOMPARE(jeGrund.value(TIntTrio()), 5);
        FDM->AufgabenFuerSpalteErmitteln(server->AufgabenVRListe(), 25, jeGrund);
        QVERIFY(jeGrund.isEmpty());
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'\n').contains(QStringLiteral("An-Filiale ist kein IntTrio!")));

        // A mode above 2 is refused and leaves the outputs empty.
        TQIV_Herkunft_Anzahl_Dict h;
        TIntTrioList kl, mp;
        TQIV_Kennung_Text_Datum_List keys;
        TQIV_BelegInfo_4_Kennung_U_Text_Dict belege;
        TQIV_IntTrio_Int_List einzel;
        FDM->AufgabenOHerkuenfteOPosAnzErmitteln(a, h, 3, 0, false, false, {}, k, kl, keys, belege, mp, einzel);
        QVERIFY(a.isEmpty());
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().join(u'\n').contains(
            QStringLiteral("AufgabenOHerkuenfteOPosAnzErmitteln: Ungültiger Parameter")));
    }

    // Whitelists trim a load; "done" needs a load that worked.
    void whitelistUndFertig_data() { ZAM_MotorenDaten(); }
    void whitelistUndFertig()
    {
        ZAM_MOTOR(m);
        Starten(m);
        for (int nr : {1, 2, 3})
            TZAM_TestAufgaben::Anlegen(Db(), Aufgabe(nr, 5001, nr, 1));
        IZAM_AufgabenEditServer* server = FDM->AufgabenEditServer_GoC();
        const TZAM_Aufgaben_Suchkriterien k = Kube(false);
        QVERIFY(FDM->Aufgabenliste_Laden_MitWhitelist(server, k, {}, TQIVAufgabenlisteLaden_Options()));
        QCOMPARE(server->AufgabenVRListe().GetRowCount(), 0);
        QVERIFY(FDM->Aufgabenliste_Laden_MitWhitelist(server, k, {{1, 1, 1}, {1, 1, 3}}, false, true, false, false,
                                                      false));
        QCOMPARE(server->ZeilenAnzahl(), 2);
        QCOMPARE(server->AufgabenVRListe().GetCellValueAsIntTrio(1, 10), TIntTrio(1, 1, 3));

        // Customer-order tasks are no fulfilment tasks: none left for branch 12 of those.
        QVERIFY(FDM->Aufgaben_Fertig(12, {}, false));
        Db().Schreiben(QStringLiteral("DROP TABLE zam_aufgabe_erfuellung"));
        QVERIFY(!FDM->Aufgaben_Fertig(12, {}, false));
    }

    // The earliest order line among a product size's fulfilment tasks: strictly earlier dates win,
    // a missing order line counts as now, and one a year or more ahead is never taken.
    void fruehesteAufgabe_data() { ZAM_MotorenDaten(); }
    void fruehesteAufgabe()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const auto aufgabe = [&](int ANr, const QDateTime& ADatum) {
            TZAM_TestAufgabe a = Aufgabe(ANr, 0, 0, 1);
            a.Geschaeftsvorfall = 0;
            a.ExtKennung = 0;
            a.ExtId = {};
            a.Kube = {};
            a.Vorgang = {8, 1, ANr};
            TZAM_TestAufgaben::Anlegen(Db(), a);
            if (ADatum.isValid())
                Db().Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum) VALUES (8, 1, ?, 16, ?)"),
                               {ANr, ADatum});
        };
        const QDateTime weitWeg(QDate::currentDate().addYears(2), QTime(8, 0));
        aufgabe(1, weitWeg);
        TIntTrio id, vorgang;
        qint16 ziel = 0;
        QChar typ;
        QVERIFY(!FDM->FA_Aufgaben_Laden(id, ziel, vorgang, typ, {1, 100001, 0}, 3));
        QCOMPARE(ziel, qint16(-1));
        aufgabe(2, {}); // no order line: now
        aufgabe(3, QDateTime(QDate(2024, 5, 2), QTime(9, 0)));
        aufgabe(4, QDateTime(QDate(2024, 5, 1), QTime(9, 0)));
        aufgabe(5, QDateTime(QDate(2024, 5, 1), QTime(9, 0)));
        QVERIFY(FDM->FA_Aufgaben_Laden(id, ziel, vorgang, typ, {1, 100001, 0}, 3));
        QCOMPARE(id, TIntTrio(1, 1, 4));
        QCOMPARE(vorgang, TIntTrio(8, 1, 4));
        QCOMPARE(ziel, qint16(12));
        QVERIFY(!FDM->FA_Aufgaben_Laden(id, ziel, vorgang, typ, {1, 100001, 0}, 4)); // another size
    }

    // Reasons: priority order sorts as text, an unknown reason is looked up once more, and without
    // a priority-signal reason nothing counts as urgent.
    void gruende_data() { ZAM_MotorenDaten(); }
    void gruende()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const auto grund = [&](int ANr, int APrio, bool ASignal, bool ANurAufgabe) {
            Db().Schreiben(QStringLiteral("INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, "
                                          "prio_signal, nur_aufgabe) VALUES ('HAG', 7, 1, ?, ?, ?, ?, ?)"),
                           {ANr, QStringLiteral("Grund %1").arg(ANr), APrio, ASignal ? 1 : 0, ANurAufgabe ? 1 : 0});
        };
        grund(1, 2, true, false);
        grund(2, 10, true, false);
        grund(3, 1, false, true);
        TIntTrioList ids;
        QVERIFY(FDM->AlleHLAnfoGrundIdsErmitteln(agsPrioReihenfolge, tsTrue, ids));
        QCOMPARE(ids, (TIntTrioList{{7, 1, 2}, {7, 1, 1}}));
        QVERIFY(FDM->AlleHLAnfoGrundIdsErmitteln(agsKeine, tsFalse, ids));
        QCOMPARE(ids, (TIntTrioList{{7, 1, 3}}));
        QVERIFY(FDM->HLAnfoGrund_NurAufgabe_Ermitteln({7, 1, 3}));
        QCOMPARE(FDM->HLAnfoGrund_PrioReihenfolge_Ermitteln({7, 1, 9}), 10);
        grund(9, 4, false, false); // known after the reload of the next miss
        QCOMPARE(FDM->HLAnfoGrund_PrioReihenfolge_Ermitteln({7, 1, 9}), 4);

        TZAM_TestAufgabe hl = Aufgabe(1, 0, 0, 1);
        hl.Art = CZAM_Aufgabe_Art_Handlager;
        hl.Geschaeftsvorfall = CZAM_Aufgabe_GV_Handlager;
        hl.ExtKennung = 0;
        hl.ExtId = {};
        hl.Kube = {};
        hl.ZielFiliale = hl.QuellFiliale;
        hl.Grund = {7, 1, 3};
        TZAM_TestAufgaben::Anlegen(Db(), hl);
        TIntTrio grundId, laufweg;
        QVERIFY(!FDM->Aufgaben_fuerUmlagHLPrio_laden(grundId, laufweg)); // its reason is not urgent
        // The list stays as read until a lookup misses.
        Db().Schreiben(QStringLiteral("UPDATE zam_grund SET prio_signal = 0"));
        Db().Schreiben(QStringLiteral("DELETE FROM zam_grund WHERE id3 <> 3"));
        TGrndSatz satz;
        QVERIFY(FDM->HLAnfoGrundSatzErmitteln({7, 1, 1}, true, satz));
        QVERIFY(!FDM->HLAnfoGrundSatzErmitteln({7, 1, 8}, true, satz));
        QVERIFY(!FDM->HLAnfoGrundSatzErmitteln({7, 1, 1}, false, satz));
        QVERIFY(!FDM->Aufgaben_fuerUmlagHLPrio_laden(grundId, laufweg));
        QCOMPARE(FDM->AufgabenEditServer_GoC()->ZeilenAnzahl(), 0);
        Db().Schreiben(QStringLiteral("UPDATE zam_grund SET prio_signal = 1"));
        FDM->HLAnfoGrundSatzErmitteln({7, 1, 8}, true, satz); // a miss reloads the list
        QVERIFY(FDM->Aufgaben_fuerUmlagHLPrio_laden(grundId, laufweg));
        QCOMPARE(grundId, TIntTrio(7, 1, 3));
    }

    // An order another program holds: reported, and nothing stays locked by this one.
    void auftragssperren_data() { ZAM_MotorenDaten(); }
    void auftragssperren()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const TIntPair a(1, 11), x(1, 12), b(1, 13);
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Auftrag ") + x.ToTextUnformatted(9)), QStringLiteral("1"));
        QString meldung;
        QVERIFY(!FDM->Auftraege_Sperren({a, x, b}, {}, meldung));
        QCOMPARE(meldung, QStringLiteral("Aufträge sind gesperrt: ") + x.ToTextUnformatted(9));
        for (const TIntPair& p : {a, b})
            QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Auftrag ") + p.ToTextUnformatted(9)),
                     QStringLiteral("1"));
        QVERIFY(helfer.Befehl(QStringLiteral("unlock Zephran_Auftrag ") + a.ToTextUnformatted(9)) ==
                QStringLiteral("ok"));
        // The disposition without order is held elsewhere: the orders go again.
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Dispo ") + TIntTrio(4, 5, 6).ToTextUnformatted(9)),
                 QStringLiteral("1"));
        QVERIFY(!FDM->Auftraege_Sperren({a}, {4, 5, 6}, meldung));
        QCOMPARE(meldung, QStringLiteral("Dispo 4-5-6 ist gesperrt!"));
        QCOMPARE(helfer.Befehl(QStringLiteral("lock Zephran_Auftrag ") + a.ToTextUnformatted(9)), QStringLiteral("1"));
        // Unlocking leaves another program's lock alone.
        FDM->Auftraege_Entsperren({x}, {4, 5, 6});
        QVERIFY(CommonLock().IsLockedOtherObjekt(QStringLiteral("Zephran_Auftrag"), x.ToTextUnformatted(9)));
    }

    // A hand-store task moves and fulfils as one booking: a short stock moves and fulfils less; a
    // refused fulfilment leaves stock, journal and task as they were; a reason that only reports
    // fulfils without moving.
    void handlagerBuchung_data() { ZAM_MotorenDaten(); }
    void handlagerBuchung()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TA::Anlegen(Db());
        TL::Anlegen(Db());
        const TInt32Trio schuh = TA::A(TA::Schuh).Id();
        TL::Bestand(Db(), TL::P1, schuh, 1, 1, 4, 10);
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        FDM->FAktBewFiliale = 10;
        FDM->FMitarbeiter = {1, 7};
        TZAM_TestAufgabe hl;
        hl.Art = CZAM_Aufgabe_Art_Handlager;
        hl.Geschaeftsvorfall = CZAM_Aufgabe_GV_Handlager;
        hl.ExtKennung = 0;
        hl.ExtId = {};
        hl.Produkt = schuh;
        hl.Groesse = 1;
        hl.Menge = 10;
        TZAM_TestAufgaben::Anlegen(Db(), hl);

        const auto buchen = [&](int AMenge, TZAM_InfoMeldungListe& AMeldungen, bool ANurErfuellung = false) {
            TQIV_NachsortBuchenUndWeiter_SteuerungsRec s{CZAM_Aufgabe_Art_Handlager, ANurErfuellung};
            TZAM_Lager_BEW bew;
            bew.ProduktId = schuh;
            bew.GrInd = 1;
            bew.VonLagerortId = TL::P1;
            bew.AnLagerortId = TL::Wurmloch;
            bew.Menge = AMenge;
            TZAM_Aufgabe_Erfuellen_Daten erf{hl.Id, FDM->FMitarbeiter, AMenge};
            TQIV_AufgabenZeile zeile;
            TZAM_Lager_BEW fehl;
            TZAM_Lager_BNE_Korrektur k1, k2;
            bool geloescht = false;
            return FDM->LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen(
                s, bew, zeile, fehl, erf, false, k1, k2, false, true, false, false, false, &AMeldungen, geloescht);
        };
        const auto erfuellt = [&] {
            return Db().LesenWert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_aufgabe_erfuellung")).toInt();
        };
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(buchen(6, meldungen)); // four in stock: four move, four are fulfilled
        QCOMPARE(erfuellt(), 4);
        QCOMPARE(TL::Stand(Db()).value(TL::B(TL::P1, schuh, 1, 1)), 0);

        // Stock again, and a fulfilment above what is open (6): refused, nothing moved.
        TL::Bestand(Db(), TL::P1, schuh, 1, 1, 8, 10);
        const QMap<QString, qint64> vorher = TL::Stand(Db());
        const int journal = Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")).toInt();
        QVERIFY(!buchen(7, meldungen));
        QCOMPARE(TL::Stand(Db()), vorher);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")).toInt(), journal);
        QCOMPARE(erfuellt(), 4);
        QVERIFY(meldungen.Meldungen_Anz_Get() > 0);
        QVERIFY(!ZAMBuchung().IstOffen());

        // A reason that only reports: the task is fulfilled, no piece moves.
        QVERIFY(buchen(2, meldungen, true));
        QCOMPARE(erfuellt(), 6);
        QCOMPARE(TL::Stand(Db()), vorher);
    }
};

QTEST_MAIN(TestAufgabenzaehlung)
#include "tst_aufgabenzaehlung.moc"

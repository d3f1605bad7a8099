// The handheld putaway on the demo site: a slip of putaway goods counted piece by piece onto a
// place, a customer's goods routed to the warehouse's shipping staging place, a slip put away
// whole, the questions on excess and shortfall, and what a worker may scan wrong.
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TState_EingangsBelegWahl.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
const TIntTrio CA0101{1, 1, 1}, CA0102{1, 1, 2}, CVBSLager{2, 2, 4}, CVBS21{2, 2, 5}, CKVBS3{2, 4, 3}, CBeh9{5, 0, 9},
    CBeh10{5, 0, 10};
const QString CWBS1001 = QStringLiteral("0002100001001111111110");    // putaway goods only, to branch 1
const QString CWBS1002 = QStringLiteral("0002100001002111111110");    // goods with and without customers
const QString CAvisSued = QStringLiteral("000010010020000010030000"); // a notice of warehouse 2
const QString CHemdS = QStringLiteral("0300102002"), CHemdM = QStringLiteral("0300102003"),
              CHemdL = QStringLiteral("0300102004"), CJacke = QStringLiteral("0300103003");
const QString CHemd = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE prod_id2 = 100002 ");
} // namespace

class TestEinlagerungsablauf : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Starten(TZAM_TestUmgebung::TMotor AMotor, QChar AGesamt = u'N', bool AZaehlen = true,
                 const QStringList& AVorher = {})
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        for (const QString& sql : AVorher)
            Db().Schreiben(sql);
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
        FDM->FMitarbeiter = TIntPair(1, 1001);
        FMaske->FOptionen.Einlagerung.WBSGesEinlagerung = AGesamt;
        FMaske->FOptionen.Einlagerung.ArtScanWBS = AZaehlen;
        ZAMInfo().GezeigteMeldungenHolen();
        FMaske->ChangeState<TState_EingangsBelegWahl>();
    }
    QString Name() { return FMaske->AktStateName(); }
    QString Tip()
    {
        bool lang = false, warnung = false;
        return FMaske->FussTipLesen(lang, warnung);
    }
    // The open question or message, its line breaks as written.
    QString Frage()
    {
        return FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))
            ->text()
            .replace(u'\n', QLatin1String("\r\n"));
    }
    void Klicken(const char* AName) { FMaske->findChild<QAbstractButton*>(QString::fromLatin1(AName))->click(); }
    void Scannen(const QString& ACode)
    {
        FMaske->edtScannFeld->setText(ACode);
        FMaske->edtScannFeldExit();
    }
    void Platz(const TIntTrio& APlatz) { Scannen(ZAM_Barcode(APlatz)); }
    int Zahl(const QString& ASql) { return FUmg->Zahl(ASql); }
    TZAM_BtnMenu* Menue() { return FMaske->AktState()->btnmButtons_Get(); }
    QStringList Knoepfe()
    {
        QStringList k;
        for (int i = 0; i < Menue()->Count(); ++i)
            k << Menue()->Item(i).LeftCaption + u'|' + Menue()->Item(i).RightCaption;
        return k;
    }
    const TVRList& Liste() { return *FMaske->vtVRList->VRList_Get(); }
    // The target list: "place size planned counted" per row.
    QStringList Ziele()
    {
        QStringList z;
        for (int r = 0; r < Liste().GetRowCount(); ++r)
            z << QStringLiteral("%1 %2 %3 %4")
                     .arg(Liste().GetCellValueAsString(r, 4), Liste().GetCellValueAsString(r, 5))
                     .arg(Liste().GetCellValueAsInteger(r, 7))
                     .arg(Liste().GetCellValueAsInteger(r, 8));
        return z;
    }
    int Offen(int ABne)
    {
        return Zahl(QStringLiteral("SELECT COALESCE(SUM(p.menge - p.erhalten - p.fehlmenge), 0) FROM zam_bnep p "
                                   "JOIN zam_bne b ON b.id1 = p.bne_id1 AND b.id2 = p.bne_id2 AND b.id3 = p.bne_id3 "
                                   "WHERE b.typ = 70 AND b.eingang_art = 1 AND b.eingang_id2 = %1")
                        .arg(ABne));
    }
    void Anmelden()
    {
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtBenutzer"))->setText(QStringLiteral("anna"));
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtPasswort"))->setText(QStringLiteral("anna1234"));
        Klicken("btnAnmelden");
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // Slip 21-1001 holds putaway goods only: one kind, one article; the worker scans A-01-01 and
    // counts the pieces by scanning them, one L short, and waits for it.
    void wbsZaehlen_data() { ZAM_MotorenDaten(); }
    void wbsZaehlen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QCOMPARE(Name(), QStringLiteral("TState_EingangsBelegWahl"));
        QVERIFY(Liste().GetRowCount() >= 2);
        const int vorher = Zahl(CHemd + QStringLiteral("AND lo_id1 = 1 AND lo_id2 = 1 AND lo_id3 = 1"));
        Scannen(CWBS1001);
        QCOMPARE(Name(), QStringLiteral("TState_ZielWahl"));
        QCOMPARE(Knoepfe(), QStringList{QStringLiteral("&3 - Einlagerung ins Lager|7")});
        FMaske->AktState()->btnmButtonsClick(0);
        // One article: taken at once.
        QCOMPARE(Name(), QStringLiteral("TState_Biserige_Lagerorte"));
        Platz(CA0101);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(Ziele(),
                 (QStringList{QStringLiteral("A0101 S 3 0"), QStringLiteral(" M 2 0"), QStringLiteral(" L 2 0")}));
        // Another article, a size not on the slip, a count beyond the bound: nothing changes.
        Scannen(CJacke);
        QCOMPARE(Tip(), QStringLiteral("Der gescannte Artikel stimmt nicht mit dem gewählten Artikel überein!"));
        for (const QString& stueck : {CHemdS, CHemdS, CHemdS, CHemdM, CHemdM, CHemdL})
            Scannen(stueck);
        QCOMPARE(Ziele(),
                 (QStringList{QStringLiteral("A0101 S 3 3"), QStringLiteral(" M 2 2"), QStringLiteral(" L 2 1")}));
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Frage(), QStringLiteral("Sie haben\r\nin Größe L\r\n1 Paar/Stück zu wenig\r\neingegeben.\r\n"
                                         "Wollen Sie abbrechen?"));
        Klicken("btnNein");
        QCOMPARE(Frage(), QStringLiteral("Soll auf die fehlende Ware gewartet werden?"));
        Klicken("btnJa");
        // Booked: the pieces on A-01-01, one L still open on the slip, journal rows of the worker.
        QCOMPARE(Zahl(CHemd + QStringLiteral("AND lo_id1 = 1 AND lo_id2 = 1 AND lo_id3 = 1")), vorher + 6);
        QCOMPARE(Offen(1001), 1);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung WHERE mita_id2 = 1001 AND prot_id1 <> 0 "
                                     "AND prod_id2 = 100002 AND an_id3 = 1")),
                 3);
        QCOMPARE(Name(), QStringLiteral("TState_ZielWahl"));
        QCOMPARE(Knoepfe(), QStringList{QStringLiteral("&3 - Einlagerung ins Lager|1")});
    }

    // The customer's L of slip 21-1002 is shipped from this warehouse: routed to its only shipping
    // staging place, where it keeps its order.
    void versandRouting_data() { ZAM_MotorenDaten(); }
    void versandRouting()
    {
        ZAM_MOTOR(m);
        Starten(m, u'N', false);
        Scannen(CWBS1002);
        QCOMPARE(Name(), QStringLiteral("TState_ZielWahl"));
        QVERIFY(Knoepfe().first().startsWith(QStringLiteral("&1 - Versand an den Kunden|")));
        FMaske->AktState()->btnmButtonsClick(0);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(Ziele(), QStringList{QStringLiteral("VBSLAGER L 1 1")});
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(
            Zahl(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_lvpb WHERE lo_id1 = 2 AND lo_id2 = 2 "
                                "AND lo_id3 = 4 AND prod_id2 = 100002 AND verweis_art = 1 AND verweis_id2 = 7001")),
            1);
    }

    // Where customers' goods go: 7001 processed in branch 12 of this warehouse goes to its
    // customer staging place (another empty one may take the order), 7003 to process into a
    // one-way container where the warehouse has no preparation place, 7002 for branch 21 into
    // the picking container of that branch.
    void routing_data() { ZAM_MotorenDaten(); }
    void routing()
    {
        ZAM_MOTOR(m);
        Starten(m, u'N', false,
                {QStringLiteral("UPDATE zam_atpk SET bearb_filiale = 12 WHERE pos_id2 = 7001"),
                 QStringLiteral("UPDATE zam_filiale SET lv_benutzen = 1 WHERE nummer = 21")});
        const auto kind = [&](const QString& AText) {
            FMaske->ChangeState<TState_EingangsBelegWahl>();
            Scannen(CWBS1002);
            for (int i = 0; i < Menue()->Count(); ++i)
                if (Menue()->Item(i).LeftCaption.contains(AText))
                    FMaske->AktState()->btnmButtonsClick(i);
        };
        const QString lvlz = QStringLiteral("SELECT COUNT(*) FROM zam_lvlz WHERE lo_id1 = %1 AND lo_id2 = %2 AND "
                                            "lo_id3 = %3 AND verweis_id2 = %4");
        kind(QStringLiteral("Versand an den Kunden"));
        QCOMPARE(Name(), QStringLiteral("TState_KundenVBS"));
        Platz(CKVBS3);
        QVERIFY(Frage().startsWith(QStringLiteral("Sie haben nicht\r\n")));
        Klicken("btnJa");
        QCOMPARE(Zahl(lvlz.arg(2).arg(4).arg(3).arg(7001)), 1);
        QCOMPARE(Zahl(lvlz.arg(2).arg(4).arg(2).arg(7001)), 0);
        Platz(CKVBS3);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(Liste().GetCellValueAsIntTrio(0, 1), CKVBS3);

        // Branch 21 works with the warehouse management: its staging place is the picking
        // container and arrives in the target list as if scanned.
        kind(QStringLiteral("Filialaustausch"));
        FMaske->AktState()->btnmButtonsClick(0);
        if (Name() == QStringLiteral("TState_Kommissionierbehaelter"))
            FMaske->AktState()->vtVRListColumnNodeClick(0, {0, -1});
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(Liste().GetCellValueAsIntTrio(0, 1), CVBS21);

        cleanup();
        Starten(m, u'N', false,
                {QStringLiteral("UPDATE zam_lagerort SET bereich = 0 WHERE bereich = 7 AND lager = 1")});
        kind(QStringLiteral("Bearbeitung von Ware"));
        if (Name() == QStringLiteral("TState_ArtikelWahl"))
            FMaske->AktState()->vtVRListColumnNodeClick(0, {0, -1});
        QCOMPARE(Name(), QStringLiteral("TState_EinwegBehaelter"));
        Platz(CBeh9);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(Liste().GetCellValueAsIntTrio(0, 3), CBeh9);
        QCOMPARE(Zahl(lvlz.arg(5).arg(0).arg(9).arg(7003)), 1);

        // Without the warehouse management branch 21 takes its goods without slip: no picking
        // container, the worker scans a place.
        kind(QStringLiteral("Filialaustausch"));
        FMaske->AktState()->btnmButtonsClick(0);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        QCOMPARE(FMaske->Datentraeger_Get().Nachsort.KommBeh.KomBehBez, QStringLiteral("Ohne WBS"));
        QVERIFY(Liste().GetCellValueAsString(0, 4).isEmpty());
        Platz(CVBS21);
        QCOMPARE(Liste().GetCellValueAsIntTrio(0, 1), CVBS21);
    }

    // With whole putaway always, slip 21-1001 goes onto one scanned place in one booking.
    void wbsGesamt_data() { ZAM_MotorenDaten(); }
    void wbsGesamt()
    {
        ZAM_MOTOR(m);
        Starten(m, u'J');
        const int vorher = Zahl(CHemd + QStringLiteral("AND lo_id1 = 1 AND lo_id2 = 1 AND lo_id3 = 2"));
        Scannen(CWBS1001);
        FMaske->AktState()->btnmButtonsClick(0);
        QCOMPARE(Name(), QStringLiteral("TState_GesamtEinlagerung_LagerortScan"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Einlagerung ins Lager"));
        Platz(CA0102);
        QCOMPARE(Name(), QStringLiteral("TState_GesamtEinlagerung_VorBuchen"));
        FMaske->AktState()->btnBuchenClick();
        QCOMPARE(Offen(1001), 0);
        QCOMPARE(Zahl(CHemd + QStringLiteral("AND lo_id1 = 1 AND lo_id2 = 1 AND lo_id3 = 2")), vorher + 7);
        // Nothing left: back at the documents, and the slip is no longer listed.
        QCOMPARE(Name(), QStringLiteral("TState_EingangsBelegWahl"));
        Scannen(CWBS1001);
        QCOMPARE(Name(), QStringLiteral("TState_EingangsBelegWahl"));
        QCOMPARE(Tip(), ZAMInfo().Meldungstext({"ZEPHRAN", 1009}));
    }

    // A mixed slip cannot go whole; one of putaway goods only is offered whole with "F".
    void gesamtFragen_data() { ZAM_MotorenDaten(); }
    void gesamtFragen()
    {
        ZAM_MOTOR(m);
        Starten(m, u'F');
        Scannen(CWBS1002);
        int zeile = -1;
        for (int i = 0; i < Menue()->Count(); ++i)
            if (Menue()->Item(i).LeftCaption.startsWith(QStringLiteral("&3")))
                zeile = i;
        FMaske->AktState()->btnmButtonsClick(zeile);
        QVERIFY(Frage().startsWith(QStringLiteral("Der WBS enthält\r\n- Artikel für Kunden und")));
        Klicken("btnOK");
        QCOMPARE(Name(), QStringLiteral("TState_Biserige_Lagerorte"));
        FMaske->ChangeState<TState_EingangsBelegWahl>();
        Scannen(CWBS1001);
        FMaske->AktState()->btnmButtonsClick(0);
        QVERIFY(Frage().startsWith(QStringLiteral("Soll die gesamte Ware des Warenbegleitscheins")));
        Klicken("btnNein");
        QCOMPARE(Name(), QStringLiteral("TState_Biserige_Lagerorte"));
    }

    // Excess on a container assigned to an order is refused; split rows and typed counts.
    void mehrmengeUndZeilen_data() { ZAM_MotorenDaten(); }
    void mehrmengeUndZeilen()
    {
        ZAM_MOTOR(m);
        Starten(m, u'N', false);
        Scannen(CWBS1001);
        FMaske->AktState()->btnmButtonsClick(0);
        Platz(CBeh10);
        QCOMPARE(Name(), QStringLiteral("TState_ZielLagerorte"));
        // S: 3 planned; typing 5 makes 35, then 99999 is the bound.
        FMaske->vtVRList->SelectNode({0, -1});
        FMaske->AktState()->NummernBlockEingabe(5);
        QCOMPARE(Liste().GetCellValueAsInteger(0, 8), 35);
        for (int i = 0; i < 3; ++i)
            FMaske->AktState()->NummernBlockEingabe(9);
        QCOMPARE(Liste().GetCellValueAsInteger(0, 8), 35999);
        FMaske->AktState()->NummernBlockEingabe(9);
        QCOMPARE(Liste().GetCellValueAsInteger(0, 8), 35999);
        for (int i = 0; i < 4; ++i)
            FMaske->AktState()->KeyBackSpace();
        QCOMPARE(Liste().GetCellValueAsInteger(0, 8), 3);
        FMaske->AktState()->NummernBlockEingabe(0);
        FMaske->AktState()->btnZeileDazuClick();
        // 30 counted of 3 planned: the row keeps 15 and no plan, the new row 15 and the plan.
        QCOMPARE(Ziele().mid(0, 2), (QStringList{QStringLiteral("BEH0010 S 0 15"), QStringLiteral(" S 3 15")}));
        const int vorher = Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung"));
        FMaske->AktState()->btnBuchenClick();
        QVERIFY(Frage().startsWith(QStringLiteral("Beim Einlagern auf\r\nBEH0010\r\ndarf die Ist-Menge")));
        Klicken("btnOK");
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")), vorher);
        QCOMPARE(Offen(1001), 7);
    }

    // Wrong documents and places change nothing.
    void falscheEingaben_data() { ZAM_MotorenDaten(); }
    void falscheEingaben()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Scannen(QStringLiteral("0002100009999111111110"));
        QCOMPARE(Tip(), ZAMInfo().Meldungstext({"ZEPHRAN", 1009}));
        Scannen(CAvisSued);
        QCOMPARE(Tip(), ZAMInfo().Meldungstext({"ZEPHRAN", 1015}));
        Scannen(QStringLiteral("0002100001001111111119x"));
        QCOMPARE(Tip(), QStringLiteral("Unbekannter Barcode!"));
        QCOMPARE(Name(), QStringLiteral("TState_EingangsBelegWahl"));
        Scannen(CWBS1001);
        FMaske->AktState()->btnmButtonsClick(0);
        // A shipping staging place takes no putaway goods; an unknown place is no place.
        Platz(CVBSLager);
        QCOMPARE(Tip(), QStringLiteral("Der Lagerplatz gehört zur Versandbereitstellung!"));
        Platz(TIntTrio(9, 9, 9));
        QCOMPARE(Tip(), QStringLiteral("Unbekannter Barcode!"));
        QCOMPARE(Name(), QStringLiteral("TState_Biserige_Lagerorte"));
        QCOMPARE(Offen(1001), 7);
    }
};

QTEST_MAIN(TestEinlagerungsablauf)
#include "tst_einlagerungsablauf.moc"

// Parcel shipping on the handheld, on the demo site: a picking container packed into a parcel from
// the main menu, booked with its slip and shipping papers; a product another program holds, an
// inconsistent product, a missing printer and a source without branch book nothing and keep the
// list; an emptied source; the last task of a run hands its container over or prints its slip.
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TState_Aufgabe.h"
#include "TState_Menue.h"
#include "TState_PaketVersand.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckZiel.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "TdmBeli.h"
#include "TfrmMDE.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTest>

namespace {

const TIntTrio CBeh1{5, 0, 1}, CPaket1{5, 0, 13}, CPaket2{5, 0, 14}, CVbs14a{2, 2, 2}, CVbs14b{2, 2, 3};
const TInt32Trio CFlasche{1, 100006, 0}, CJacke{1, 100011, 0};
using L = TZAM_TestLager;

QString PdfText(const QString& ADatei)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ADatei, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestPaketVersand : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        // The jacket XL and the bottle hold only what a test puts there.
        for (const char* t : {"zam_bestand", "zam_bf"})
            Db().Schreiben(
                QStringLiteral("DELETE FROM %1 WHERE (prod_id2 = 100011 AND groesse = 5) OR prod_id2 = 100006")
                    .arg(QLatin1String(t)));
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
        FDM->FMitarbeiter = TIntPair(1, 1001);
        FMaske->FOptionen.Allgemein.DruckerWBS = CZAM_Drucker_PDF;
        FMaske->FOptionen.NachsortAllg.Paketversand = u'J';
        ZAMInfo().GezeigteMeldungenHolen();
    }
    // Two jackets XL and a bottle of branch 1.
    void Ware(const TIntTrio& AOrt)
    {
        L::Bestand(Db(), AOrt, CJacke, 5, 1, 2, 1);
        L::Bestand(Db(), AOrt, CFlasche, 0, 1, 1, 1);
    }
    QString Name() { return FMaske->AktStateName(); }
    QString Kopf() { return FMaske->HeaderCaption_Get(); }
    QString Tip()
    {
        bool lang = false, warnung = false;
        return FMaske->FussTipLesen(lang, warnung);
    }
    QString Text(const char* ALabel = "lblSicherheitsAbfrage")
    {
        return FMaske->findChild<QLabel*>(QString::fromLatin1(ALabel))->text().replace(u'\n', QLatin1String("\r\n"));
    }
    void Klicken(const char* AName) { FMaske->findChild<QAbstractButton*>(QString::fromLatin1(AName))->click(); }
    void Knopf(int ADaten, bool ATag)
    {
        TZAM_BtnMenu* m = FMaske->btnmButtons;
        for (int i = 0; i < m->Count(); ++i)
            if ((ATag ? m->Item(i).Tag : m->Item(i).Data) == ADaten) {
                emit m->ButtonClick(i);
                return;
            }
        QFAIL(qPrintable(QStringLiteral("kein Knopf %1 in %2").arg(ADaten).arg(Name())));
    }
    void Scan(const TIntTrio& APlatz)
    {
        FMaske->edtScannFeld->setText(ZAM_Barcode(APlatz));
        FMaske->edtScannFeldExit();
    }
    // An article scanned and its branch chosen.
    void Artikel(const TInt32Trio& AProdukt, int AGrInd)
    {
        TZAM_UmgesetztUArtikelScanDaten d;
        d.Umgesetzt = tsTrue;
        d.ArtikelScanDaten.ProduktId = AProdukt;
        d.ArtikelScanDaten.GroessenIndex = TZAM_Intv100_IndErw(AGrInd);
        FMaske->AktState()->Gescannt(QStringLiteral("x"), d);
        QCOMPARE(Name(), QStringLiteral("TState_Filialauswahl"));
        Knopf(12, true);
    }
    // Parcel shipping opened, source and parcel scanned, the goods of Ware listed.
    void Packen(const TIntTrio& AQuelle, const TIntTrio& APaket)
    {
        FMaske->ChangeState<TState_PaketVersand>();
        Scan(AQuelle);
        Scan(APaket);
        Artikel(CJacke, 5);
        Artikel(CJacke, 5);
        Artikel(CFlasche, 0);
        QCOMPARE(Stueck(), 3);
    }
    // The pieces listed (the top row's sum).
    int Stueck()
    {
        const TVRList* l = FMaske->vtVRList->VRList_Get();
        return l && l->GetRowCount() > 0 ? l->GetCellValueAsInteger(0, 6) : -1;
    }
    TState_PaketVersand* Paket() { return dynamic_cast<TState_PaketVersand*>(FMaske->AktState()); }
    int Zahl(const QString& ASql, const QVariantList& AWerte = {}) { return FUmg->Zahl(ASql, AWerte); }
    // "1" when the other program can take the product's slip lock (and gives it back at once).
    QString Frei(TZAM_Helferprozess& AHelfer, const TInt32Trio& AProdukt)
    {
        const QString schluessel = QStringLiteral("LISTDRUCK_PRODUKT ") + AProdukt.ToTextUnformatted();
        const QString antwort = AHelfer.Befehl(QStringLiteral("lock ") + schluessel);
        if (antwort == QLatin1String("1"))
            AHelfer.Befehl(QStringLiteral("unlock ") + schluessel);
        return antwort.left(1);
    }
    QStringList Pdfs() { return QDir(FUmg->Verzeichnis() + QStringLiteral("/druck")).entryList({"*.pdf"}); }

private Q_SLOTS:
    void cleanup()
    {
        TZAM_DruckZiel::SystemDruckerErsetzen({});
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // From the main menu: BEH-0001 (branch 12) into PAKET-01. The pieces leave the container, go
    // on transport for branch 12 on a stored slip; the parcel travels with its slip number, the
    // slip and the shipping papers are printed, no product stays locked, the container stays
    // the source and the next parcel is a new scan.
    void paket_data() { ZAM_MotorenDaten(); }
    void paket()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        Ware(CBeh1);
        const auto vorher = L::Stand(Db());
        FMaske->ChangeState<TState_Menue>();
        Knopf(CZPMDEM_Paketversand, false);
        QCOMPARE(Name(), QStringLiteral("TState_PaketVersand"));
        QCOMPARE(Kopf(), QStringLiteral("Paketversand"));
        QCOMPARE(Tip(), QStringLiteral("Bitte Kommissionierbehälter / VBS und den / die Artikel scannen!"));
        QVERIFY(FMaske->BtnWBSDruckVisible() && !FMaske->BtnBuchenVisible());
        Scan(CBeh1);
        QCOMPARE(Kopf(), QStringLiteral("Paket für BEH0001"));
        Scan(CPaket1);
        Artikel(CJacke, 5);
        Artikel(CJacke, 5);
        Artikel(CFlasche, 0);
        Klicken("btnWBSDruck");

        QCOMPARE(Name(), QStringLiteral("TState_PaketVersand"));
        QVERIFY(!ZAMBuchung().IstOffen());
        QVERIFY2(ZAMInfo().GezeigteMeldungenHolen().isEmpty(), qPrintable(Tip()));
        QCOMPARE(Stueck(), 0);
        QVERIFY(!Paket()->AnLagerort().LagerortId.Defined());
        QCOMPARE(Paket()->VonLagerortGesperrt(), CBeh1); // the demo's shoes are still in it
        QCOMPARE(Kopf(), QStringLiteral("Paket für BEH0001"));
        QCOMPARE(L::Differenz(vorher, L::Stand(Db())),
                 (QMap<QString, qint64>{{L::B(CBeh1, CJacke, 5, 1), -2},
                                        {L::B(CBeh1, CFlasche, 0, 1), -1},
                                        {L::F(CJacke, 1, 1, 5), -2},
                                        {L::F(CFlasche, 1, 1, 0), -1},
                                        {L::F(CJacke, 12, CZAM_ArtBestTyp_Transport, 5), 2},
                                        {L::F(CFlasche, 12, CZAM_ArtBestTyp_Transport, 0), 1}}));
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung WHERE von_id1 = 5 AND von_id3 = 1 AND "
                                     "an_id1 = 5 AND an_id3 = 13")),
                 2);
        const TZAM_Zeilen b =
            Db().Lesen(QStringLiteral("SELECT wbs_liste1, wbs_liste2 FROM zam_behaelter WHERE id1 = 5 "
                                      "AND id2 = 0 AND id3 = 13 AND auf_transport = 1 AND "
                                      "wbs_gedruckt = 1"));
        QCOMPARE(b.Anzahl(), 1);
        const TIntPair nr(b.Wert(0, 0).toInt(), b.Wert(0, 1).toInt());
        QCOMPARE(Zahl(QStringLiteral("SELECT an_filiale FROM zam_wbs WHERE id1 = ? AND id2 = ? AND von_filiale = 1"),
                      {nr.Id1, nr.Id2}),
                 12);
        QCOMPARE(Zahl(QStringLiteral("SELECT SUM(p.menge) FROM zam_bnep p JOIN zam_bne k ON k.id1 = p.bne_id1 AND "
                                     "k.id2 = p.bne_id2 AND k.id3 = p.bne_id3 AND k.typ = p.bne_typ WHERE "
                                     "k.eingang_id1 = ? AND k.eingang_id2 = ?"),
                      {nr.Id1, nr.Id2}),
                 3);

        const QString ordner = FUmg->Verzeichnis() + QStringLiteral("/druck/");
        QString slip, papiere;
        for (const QString& d : Pdfs()) {
            const QString text = PdfText(ordner + d);
            (text.contains(QStringLiteral("Versandpapier")) ? papiere : slip) = text;
        }
        QVERIFY2(slip.contains(QStringLiteral("Warenbegleitschein")) && slip.contains(TdmBeli::WBSBarcode(nr)),
                 qPrintable(slip));
        QVERIFY2(slip.contains(QStringLiteral("300111")) && slip.contains(QStringLiteral("300106")), qPrintable(slip));
        QVERIFY2(papiere.contains(nr.ToText()), qPrintable(Pdfs().join(u',')));
        QCOMPARE(Frei(helfer, CJacke), QStringLiteral("1"));
        QCOMPARE(Frei(helfer, CFlasche), QStringLiteral("1"));
    }

    // Nothing of a refused parcel stays booked: no stock moved, no slip, the list as it was, the
    // source still held, and no product locked.
    void abgelehnt_data() { ZAM_MotorenDaten(); }
    void abgelehnt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const QString bottleLock = QStringLiteral("LISTDRUCK_PRODUKT ") + CFlasche.ToTextUnformatted();
        const struct
        {
            const char* Name;
            TIntTrio Quelle;
            std::function<void()> Vorher, Nachher;
            QString Text;
        } faelle[] = {
            {"Produkt gesperrt", CBeh1,
             [&] { QCOMPARE(helfer.Befehl(QStringLiteral("lock ") + bottleLock), QStringLiteral("1")); },
             [&] { helfer.Befehl(QStringLiteral("unlock ") + bottleLock); },
             QStringLiteral("Artikel 300106 konnte nicht gesperrt werden!")},
            {"Bestand inkonsistent", CBeh1,
             [&] {
                 Db().Schreiben(QStringLiteral("UPDATE zam_bf SET menge = menge + 1 WHERE prod_id2 = 100011 AND "
                                               "filiale = 1 AND groesse = 5"));
             },
             [&] {
                 Db().Schreiben(QStringLiteral("UPDATE zam_bf SET menge = menge - 1 WHERE prod_id2 = 100011 AND "
                                               "filiale = 1 AND groesse = 5"));
             },
             QStringLiteral("Lagerbestand und Filialbestand von Artikel 300111 stimmen nicht überein")},
            {"kein Drucker", CBeh1,
             [&] {
                 TZAM_DruckZiel::SystemDruckerErsetzen([] {
                     return TZAM_DruckZiel::TSystemDrucker{{QStringLiteral("Büro")}, {}};
                 });
                 FMaske->FOptionen.Allgemein.DruckerWBS = QStringLiteral("Lager");
                 FMaske->FOptionen.Allgemein.DruckerWBSAuto = QStringLiteral("Paketdrucker"); // not configured
             },
             [&] {
                 TZAM_DruckZiel::SystemDruckerErsetzen({});
                 FMaske->FOptionen.Allgemein.DruckerWBS = CZAM_Drucker_PDF;
             },
             QStringLiteral("Drucker nicht gefunden!")},
            {"Quelle ohne Filiale", CVbs14a, [] {}, [] {}, QStringLiteral("Filialzuordnung = -1")},
        };
        for (const auto& f : faelle) {
            const QByteArray fall = f.Name;
            Ware(f.Quelle);
            Packen(f.Quelle, CPaket1);
            const auto vorher = L::Stand(Db());
            const int slips = Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_wbs"));
            const int journal = Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung"));
            f.Vorher();
            Klicken("btnWBSDruck");
            f.Nachher();
            const QString gezeigt = Tip() + u'\n' + ZAMInfo().GezeigteMeldungenHolen().join(u'\n');
            QVERIFY2(gezeigt.contains(f.Text), qPrintable(fall + ": " + gezeigt));
            ZAMBuchung().IstOffen(); // an abandoned booking is reported once
            QVERIFY2(!ZAMBuchung().IstOffen(), fall);
            QVERIFY2(L::Differenz(vorher, L::Stand(Db())).isEmpty(), fall);
            QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_wbs")), slips);
            QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")), journal);
            QCOMPARE(Name(), QStringLiteral("TState_PaketVersand"));
            QVERIFY2(Stueck() == 3, fall);
            QCOMPARE(Paket()->AnLagerort().LagerortId, CPaket1);
            QCOMPARE(Paket()->VonLagerortGesperrt(), f.Quelle);
            QCOMPARE(Frei(helfer, CJacke), QStringLiteral("1"));
            QCOMPARE(Frei(helfer, CFlasche), QStringLiteral("1"));
            // Goods left on the source: leaving asks first.
            Klicken("btnZurueck");
            QVERIFY2(Text().startsWith(QStringLiteral("Es sind sich noch ")), qPrintable(Text()));
            Klicken("btnJa");
            QCOMPARE(Name(), QStringLiteral("TState_Menue"));
            QCOMPARE(helfer.Befehl(QStringLiteral("lock LAGERORT ") + f.Quelle.ToTextUnformatted(9)).left(1),
                     QStringLiteral("1"));
            helfer.Befehl(QStringLiteral("unlock LAGERORT ") + f.Quelle.ToTextUnformatted(9));
            Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand WHERE (prod_id2 = 100011 AND groesse = 5) OR "
                                          "prod_id2 = 100006"));
            Db().Schreiben(QStringLiteral("DELETE FROM zam_bf WHERE (prod_id2 = 100011 AND groesse = 5) OR "
                                          "prod_id2 = 100006"));
        }
    }

    // The last goods of VBS-14-B go into a parcel: the source is given back and cleared, the
    // worker is told to scan another one.
    void quelleLeer_data() { ZAM_MotorenDaten(); }
    void quelleLeer()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand WHERE lo_id1 = 2 AND lo_id2 = 2 AND lo_id3 = 3"));
        Ware(CVbs14b);
        Packen(CVbs14b, CPaket2);
        Klicken("btnWBSDruck");
        QCOMPARE(Text(), QStringLiteral("Die gesamte Ware von\r\nVBS14B\r\nwurde in Pakete umgelagert!\r\n\r\nBitte "
                                        "scannen Sie einen anderen\r\nKommissionierbehälter\r\noder eine andere VBS."));
        Klicken("btnOK");
        QVERIFY(!Paket()->VonLagerortGesperrt().Defined());
        QCOMPARE(Kopf(), QStringLiteral("Paketversand"));
        QCOMPARE(Zahl(QStringLiteral("SELECT an_filiale FROM zam_wbs w JOIN zam_behaelter b ON b.wbs_liste1 = w.id1 "
                                     "AND b.wbs_liste2 = w.id2 WHERE b.id3 = 14")),
                 14);
        // Nothing left to ask about.
        Klicken("btnZurueck");
        QCOMPARE(Name(), QStringLiteral("TState_Menue"));
    }

    // The last task of branch 12 leaves goods in BEH-0001: the option sends the worker to parcel
    // shipping with the container as source, or prints the container's slip.
    void letzteAufgabe_data() { ZAM_MotorenDaten(); }
    void letzteAufgabe()
    {
        ZAM_MOTOR(m);
        const struct
        {
            QChar Option;
            const char* Knopf; // the answer to the stacked question
            QString State;
        } faelle[] = {
            {u'J', nullptr, QStringLiteral("TState_PaketVersand")},
            {u'F', "btnFrageButtonsUntereinander1", QStringLiteral("TState_PaketVersand")},
            {u'F', "btnFrageButtonsUntereinander2", QStringLiteral("TState_Filiale")},
        };
        for (const auto& f : faelle) {
            Starten(m);
            FMaske->FOptionen.NachsortAllg.Paketversand = f.Option;
            // Nothing left to pick anywhere, only the jacket in the picking container.
            Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand"));
            Db().Schreiben(QStringLiteral("DELETE FROM zam_bf"));
            L::Bestand(Db(), CBeh1, CJacke, 5, 1, 1, 1);
            FMaske->FModus = CZPMDEM_FilNachsort;
            auto& d = FMaske->Datentraeger_Get();
            d.Nachsort.FilNummer = 12;
            d.Nachsort.LagNummer = 0;
            d.Nachsort.LaufwegID = {1, 1, 1};
            FMaske->ChangeState<TState_Aufgabe>();
            d.Nachsort.KommBeh = {CBeh1, QStringLiteral("BEH0001"), 1, 12, -1, true, false};
            auto* a = static_cast<TState_Aufgabe*>(FMaske->AktState());
            a->FAufgabenIdx = 0;
            a->NextAufgabe(true);
            if (!f.Knopf) {
                QCOMPARE(Text(), QStringLiteral("Die letzte Aufgabe\r\nfür Filiale 12\r\nwurde bearbeitet.\r\n\r\nEs "
                                                "wird nun zum \r\nPaketversand gewechselt."));
                Klicken("btnOK");
            } else {
                QVERIFY(Text("lblFrageButtonsUntereinander").contains(QStringLiteral("zum Paketversand wechseln?")));
                Klicken(f.Knopf);
            }
            QCOMPARE(Name(), f.State);
            QVERIFY(!d.Paketversand.QuellId.Defined());
            const int aufTransport = Zahl(QStringLiteral("SELECT auf_transport FROM zam_behaelter WHERE id1 = 5 AND "
                                                         "id2 = 0 AND id3 = 1"));
            if (f.State == QLatin1String("TState_PaketVersand")) {
                QCOMPARE(Paket()->VonLagerortGesperrt(), CBeh1);
                QCOMPARE(Kopf(), QStringLiteral("Paket für BEH0001"));
                QVERIFY(!d.Nachsort.KommBeh.Kommissionierbehaelter.Defined());
                QCOMPARE(aufTransport, 0);
            } else {
                QCOMPARE(aufTransport, 1);
                QCOMPARE(L::Stand(Db()).value(L::F(CJacke, 12, CZAM_ArtBestTyp_Transport, 5)), 1);
            }
            cleanup();
        }
    }
};

QTEST_MAIN(TestPaketVersand)
#include "tst_paketversand.moc"

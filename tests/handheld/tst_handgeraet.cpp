// The handheld screen with small test states: scan and key input, state activation, window size,
// logical buttons, the button menu and numeric entry into lists.
#include "TAbstractBTNListState.h"
#include "TAbstractMultipurposePanelState.h"
#include "TAbstractVRListState.h"
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMGlobal.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

// What the test states were asked to do.
struct TProtokoll
{
    QStringList Aufrufe;
} GProtokoll;

class TTestState : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TTestState";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override
    {
        TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
        GProtokoll.Aufrufe << QStringLiteral("malen");
    }
    QString Caption_Get() override { return FCaption; }
    QString FussTip(bool& ALang) override
    {
        ALang = false;
        return QStringLiteral("Bitte scannen.");
    }
    bool UseNumPad() override { return true; }
    void btnZurueckClick() override { GProtokoll.Aufrufe << QStringLiteral("zurueck"); }
    void btnBuchenClick() override { GProtokoll.Aufrufe << QStringLiteral("buchen"); }
    void btnWBSDruckClick() override { GProtokoll.Aufrufe << QStringLiteral("wbs"); }
    void NummernBlockEingabe(int AInt) override { GProtokoll.Aufrufe << QStringLiteral("ziffer %1").arg(AInt); }
    void ButtonsSchalten_Speziell() override
    {
        FMaske->BtnBuchenVisible_Set(true);
        FMaske->BtnWBSDruckVisible_Set(true);
    }
    QString FCaption = QStringLiteral("Test");
};

// Scans reach it; it has no Gescannt of its own.
class TGescanntState : public TTestState
{
public:
    static constexpr const char* CKlassenName = "TGescanntState";
    using TTestState::TTestState;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&) override
    {
        GProtokoll.Aufrufe << QStringLiteral("scan [%1]").arg(AText);
        if (FBlockieren)
            FMaske->FBusy = true; // as a long booking would
    }
    bool FBlockieren = false;
};

class TVerweigerndState : public TTestState
{
public:
    static constexpr const char* CKlassenName = "TVerweigerndState";
    using TTestState::TTestState;
    void Vor_Anfang(bool& AWeiter) override { AWeiter = false; }
};

class TMenueState : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TMenueState";
    using TAbstractBTNListState::TAbstractBTNListState;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return QStringLiteral("Menü"); }
    QString FussTip(bool& ALang) override { return {}; }
    void btnZurueckClick() override {}
    void btnmButtonsClick(int AIndex) override { GProtokoll.Aufrufe << QStringLiteral("knopf %1").arg(AIndex); }
};

class TListenState : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TListenState";
    explicit TListenState(TfrmMDE* AMaske) : TAbstractVRListState(AMaske)
    {
        FVRListe = std::make_unique<TVRList>();
        FVRListe->ColumnAdd(QStringLiteral("Menge"), vrtInteger);
        FVRListe->ColumnAdd(QStringLiteral("Editiert"), vrtBoolean);
    }
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override { FMaske->vtVRList->VRList_Set(FVRListe.get()); }
    QString Caption_Get() override { return QStringLiteral("Liste"); }
    QString FussTip(bool& ALang) override { return {}; }
    void btnZurueckClick() override {}
    TVRList& Liste() { return *FVRListe; }
    void Zeile(int AWert)
    {
        TVRArray a = FVRListe->VRArray_ForRowAdd_Generate();
        Integer2VRItem(AWert, a[0]);
        Boolean2VRItem(false, a[1]);
        FVRListe->RowAdd(a);
    }
};

} // namespace

class TestHandgeraet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    void Tasten(const QString& AText) { ZAM_Tippen(FMaske.get(), AText); }
    void Taste(Qt::Key ATaste, Qt::KeyboardModifiers AModifier = Qt::NoModifier)
    {
        ZAM_Taste(FMaske.get(), ATaste, AModifier);
    }
    void Scannen(const QString& AText) { ZAM_Scannen(FMaske.get(), AText); }
    QString Protokolldatei()
    {
        QFile f(FUmg->Verzeichnis() + QStringLiteral("/protokoll.log"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

private Q_SLOTS:
    void init()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FUmg->DemoAnlegen();
        // No log-on panel at the start: these tests are about the engine.
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        GProtokoll = {};
    }
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    void scanEingabe()
    {
        FMaske->ChangeState<TGescanntState>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TGescanntState"));
        GProtokoll = {};
        Scannen(QStringLiteral("0001200345600078900000"));
        // The digits of the scan go into the scan field, not to the state.
        QCOMPARE(GProtokoll.Aufrufe, QStringList{QStringLiteral("scan [0001200345600078900000]")});
        QVERIFY(!FMaske->FScanning);
        QVERIFY(FMaske->NumpadActions_Enabled_Get());

        // Empty and blank scans only write the protocol line.
        GProtokoll = {};
        Scannen(QString());
        Scannen(QStringLiteral("   "));
        QVERIFY(GProtokoll.Aufrufe.isEmpty());
        QCOMPARE(Protokolldatei().count(QStringLiteral("TfrmMDE.edtScannFeldExit: Leerer Scan abgefangen")), 2);

        // Blanks inside a scan stay.
        Scannen(QStringLiteral(" 12 "));
        QCOMPARE(GProtokoll.Aufrufe.last(), QStringLiteral("scan [ 12 ]"));

        // A scan while the form is busy is dropped; the digit keys work afterwards.
        GProtokoll = {};
        FMaske->FBusy = true;
        Scannen(QStringLiteral("999"));
        FMaske->FBusy = false;
        QVERIFY(GProtokoll.Aufrufe.isEmpty());
        Taste(Qt::Key_7);
        QCOMPARE(GProtokoll.Aufrufe, QStringList{QStringLiteral("ziffer 7")});
    }

    void stateAktivierung()
    {
        FMaske->ChangeState<TTestState>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TTestState"));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        int sichtbar = 0;
        for (QWidget* p : FMaske->AnzeigePanels())
            sichtbar += p->isVisible() ? 1 : 0;
        QCOMPARE(sichtbar, 1);
        QCOMPARE(FMaske->pnlHeader->text(), QStringLiteral("Test"));

        // A refusing state is active but unpainted: header and panel stay as they were.
        GProtokoll = {};
        FMaske->ChangeState<TVerweigerndState>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TVerweigerndState"));
        QVERIFY(GProtokoll.Aufrufe.isEmpty());
        QCOMPARE(FMaske->pnlHeader->text(), QStringLiteral("Test"));

        // A base class finds the archived descendant.
        FMaske->ChangeState<TGescanntState>();
        TAbstractState* nachfahr = FMaske->AktState();
        QCOMPARE(FMaske->GiveState(StateKlasse<TTestState>()), FMaske->GiveState(StateKlasse<TTestState>()));
        QVERIFY(FMaske->GiveState(StateKlasse<TAbstractMultipurposePanelState>()) != nullptr);
        QCOMPARE(FMaske->GiveState(StateKlasse<TGescanntState>()), nachfahr);

        // Nil leaves the active state as it was (and registers the parameter error).
        ZAMInfo().GezeigteMeldungenHolen();
        FMaske->ChangeState(nullptr);
        QCOMPARE(FMaske->AktState(), nachfahr);
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
        QCOMPARE(FMaske->LastState(), FMaske->GiveState(StateKlasse<TVerweigerndState>()));
    }

    void scanOhneEigenesGescanntWarnt()
    {
        FMaske->ChangeState<TTestState>();
        QVERIFY(!FMaske->WarnungAktiv());
        Scannen(QStringLiteral("4711"));
        QVERIFY(FMaske->WarnungAktiv());
        bool lang = false, warnung = false;
        QCOMPARE(FMaske->FussTipLesen(lang, warnung), QStringLiteral("Bitte scannen."));
        QVERIFY(warnung);
    }

    void langeCaptionGekuerzt()
    {
        FMaske->ChangeState<TTestState>();
        auto* s = static_cast<TTestState*>(FMaske->AktState());
        s->FCaption = QStringLiteral("Eine sehr lange Überschrift, die nicht passt");
        FMaske->ChangeState<TTestState>();
        QCOMPARE(FMaske->HeaderCaption_Angezeigt(), QStringLiteral("Eine sehr lange Überschrift, d..."));
        QCOMPARE(FMaske->HeaderCaption_Angezeigt().mid(30, 3), QStringLiteral("..."));
        QCOMPARE(FMaske->HeaderCaption_Get(), s->FCaption);
    }

    void tastenDerLogischenKnoepfe()
    {
        FMaske->ChangeState<TTestState>();
        GProtokoll = {};
        // F5 with post and slip buttons visible: the post button only.
        Taste(Qt::Key_F5);
        QCOMPARE(GProtokoll.Aufrufe, QStringList{QStringLiteral("buchen")});
        FMaske->BtnBuchenEnabled_Set(false);
        Taste(Qt::Key_F5);
        QCOMPARE(GProtokoll.Aufrufe.last(), QStringLiteral("wbs"));

        // Esc and F15 run the back action only while the back button can be used.
        GProtokoll = {};
        Taste(Qt::Key_Escape);
        Taste(Qt::Key_F15);
        QCOMPARE(GProtokoll.Aufrufe, (QStringList{QStringLiteral("zurueck"), QStringLiteral("zurueck")}));
        FMaske->BtnZurueckVisible_Set(false);
        Taste(Qt::Key_Escape);
        QCOMPARE(GProtokoll.Aufrufe.size(), 2);
        QVERIFY(FMaske->isVisible()); // Esc never closes the screen by itself

        // A replaced back handler takes Esc.
        FMaske->BtnZurueckVisible_Set(true);
        FMaske->BtnZurueckOnClick_Set([] { GProtokoll.Aufrufe << QStringLiteral("ersatz"); });
        Taste(Qt::Key_Escape);
        QCOMPARE(GProtokoll.Aufrufe.last(), QStringLiteral("ersatz"));
    }

    void grosseLeistenAbHoehe428()
    {
        FMaske->ChangeState<TTestState>();
        FMaske->setFixedSize(320, 427);
        FMaske->GrosseButtonsSchalten(false);
        QVERIFY(!FMaske->pnlButtonsHeader->isVisible());
        QVERIFY(FMaske->findChild<QWidget*>(QStringLiteral("btnBuchen"))->isVisible());
        QVERIFY(!FMaske->findChild<QWidget*>(QStringLiteral("btnBuchenGross"))->isVisible());
        FMaske->setFixedSize(320, 428);
        FMaske->GrosseButtonsSchalten(false);
        QVERIFY(FMaske->pnlButtonsHeader->isVisible());
        QVERIFY(!FMaske->findChild<QWidget*>(QStringLiteral("btnBuchen"))->isVisible());
        auto* gross = FMaske->findChild<QWidget*>(QStringLiteral("btnBuchenGross"));
        QVERIFY(gross->isVisible());
        QCOMPARE(gross->width(), gross->height());
    }

    void fenstergroesseZuruecksetzen()
    {
        QCOMPARE(FMaske->size(), QSize(320, 320));
        QCOMPARE(FMaske->FOptionen.Fenster.FensterGroesse, fgr320x320);
        // The options ask for 480 x 800 with margins; then the size is taken back.
        TQIV_Optionen_OBMDE o = FMaske->FOptionen;
        o.Fenster.FensterGroesse = fgr480x800;
        o.Fenster.RandOben = 20;
        o.Fenster.RandUnten = 10;
        FMaske->Optionen_Uebernehmen_u_Buchen(o);
        QVERIFY(FMaske->FensterGroesseEinstellen());
        QCOMPARE(FMaske->size(), QSize(480, 770));
        QCOMPARE(FMaske->FAktRandOben, 20);
        FMaske->FensterGroesseZuruecksetzen();
        QCOMPARE(FMaske->size(), QSize(320, 320));
        QCOMPARE(FMaske->FAktRandOben, 0);
        QCOMPARE(FMaske->FOptionen.Fenster.FensterGroesse, fgr320x320);
        QCOMPARE(FMaske->FOptionen.Fenster.RandUnten, 0);
        // Stored too: the next load keeps it.
        FMaske->Optionen_Laden();
        QCOMPARE(FMaske->FOptionen.Fenster.FensterGroesse, fgr320x320);
    }

    void gespeicherteGroesseBeimOeffnen()
    {
        TQIV_Optionen_OBMDE o = FMaske->FOptionen;
        o.Fenster.FensterGroesse = fgr480x800;
        FMaske->Optionen_Uebernehmen_u_Buchen(o);
        FMaske.reset();
        TfrmMDE neu;
        QCOMPARE(neu.size(), QSize(480, 800));
        neu.show();
        QTRY_COMPARE(neu.AktStateName(), QStringLiteral("TState_Menue"));
        QVERIFY(neu.pnlButtonsHeader->isVisible()); // above 427 pixels
    }

    void alternativeScanErkennung()
    {
        TQIV_Optionen_OBMDE o = FMaske->FOptionen;
        o.Scanner.WMCharAuswerten = true;
        o.Scanner.MessageDebugAusgabe = true;
        FMaske->Optionen_Uebernehmen_u_Buchen(o);
        FMaske->ChangeState<TGescanntState>();
        GProtokoll = {};
        // A digit arrives once, not through the filter and the short cut both.
        Taste(Qt::Key_4);
        QCOMPARE(GProtokoll.Aufrufe, QStringList{QStringLiteral("ziffer 4")});
        Scannen(QStringLiteral("815"));
        QCOMPARE(GProtokoll.Aufrufe.last(), QStringLiteral("scan [815]"));
        QVERIFY(Protokolldatei().contains(QStringLiteral("TfrmMDE.KeyPress: Taste")));
        o.Scanner.WMCharAuswerten = false;
        o.Scanner.MessageDebugAusgabe = false;
        FMaske->Optionen_Uebernehmen_u_Buchen(o);
        Taste(Qt::Key_5);
        QCOMPARE(GProtokoll.Aufrufe.last(), QStringLiteral("ziffer 5"));
    }

    void knopfmenueUndZiffern()
    {
        FMaske->ChangeState<TMenueState>();
        TZAM_BtnMenu* menu = FMaske->btnmButtons;
        menu->Add(QStringLiteral("&1 Eins"));
        menu->Add(QStringLiteral("&2 Zwei"), QStringLiteral("7"));
        Taste(Qt::Key_2);
        QCOMPARE(GProtokoll.Aufrufe, QStringList{QStringLiteral("knopf 1")});

        // Captions that do not fit at size 10 get shortened left parts.
        auto* s = static_cast<TAbstractBTNListState*>(FMaske->AktState());
        menu->Clear();
        menu->Add(QStringLiteral("&1 Filialnachsortierung für eine sehr lange Filialbezeichnung"),
                  QStringLiteral("12"));
        QFont f = menu->font();
        f.setPointSize(12);
        menu->setFont(f);
        const int breite = menu->TextBreite(QStringLiteral("1 Filialnachsortierung12"));
        QVERIFY(!s->FontSizeEinstellen(breite, 10));
        QCOMPARE(menu->font().pointSize(), 12);
        s->LeftCaptionKuerzen(breite);
        QVERIFY(menu->Item(0).LeftCaption.endsWith(QStringLiteral("...")));
        QVERIFY(menu->TextBreite(menu->LeftCaptionAnzeige(0) + QStringLiteral("12")) <=
                breite + menu->TextBreite(QStringLiteral("...")));
        QVERIFY(s->FontSizeEinstellen(menu->width() * 4, 10));
    }

    void zifferneingabeInDieListe()
    {
        FMaske->ChangeState<TListenState>();
        auto* s = static_cast<TListenState*>(FMaske->AktState());
        s->Zeile(7);
        s->Zeile(7);
        s->Zeile(0);
        FMaske->vtVRList->Refresh();
        const TVTVRKnoten erste{0, -1}, zweite{1, -1}, dritte{2, -1};
        s->NummernBlockEingabe_2_Liste(3, 0, 1, erste);
        QCOMPARE(s->Liste().GetCellValueAsInteger(0, 0), 3);
        s->NummernBlockEingabe_2_Liste(5, 0, 1, erste);
        QCOMPARE(s->Liste().GetCellValueAsInteger(0, 0), 35);
        s->KeyBackSpace_2_Liste(0, 1, erste);
        QCOMPARE(s->Liste().GetCellValueAsInteger(0, 0), 3);
        s->KeyBackSpace_2_Liste(0, 1, zweite);
        QCOMPARE(s->Liste().GetCellValueAsInteger(1, 0), 6);
        s->KeyBackSpace_2_Liste(0, 1, dritte);
        QCOMPARE(s->Liste().GetCellValueAsInteger(2, 0), 0);
        QCOMPARE(s->NummernBlockEingabe_2_Liste_NeuerWert(4, 0, 1, TVTVRKnoten{}), 0);
        // Plain rows alternate by the rows above.
        QCOMPARE(FMaske->ZeilenFarbe(s->Liste(), 1, 0), QColor(255, 255, 191));
        QVERIFY(!FMaske->ZeilenFarbe(s->Liste(), 0, 0).isValid());
    }
};

QTEST_MAIN(TestHandgeraet)
#include "tst_handgeraet.moc"

#include "TfrmMDE.h"

#include "EZAM_Exception.h"
#include "TAbstractState.h"
#include "TDM_Torvik.h"
#include "TQIV_MDEBildschirmText.h"
#include "TQIV_MDEEreignisFilter.h"
#include "TQIV_OptionenSeiten.h"
#include "TQIV_ScanFeld.h"
#include "TState_Menue.h"
#include "TState_Optionen.h"
#include "TZAMFormStore.h"
#include "TZAMWarteForm.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMFarben.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
constexpr int CFarbeRot = 255;
constexpr int CHeaderMaxZeichen = 30;
} // namespace

TfrmMDE::TfrmMDE(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmMDE"))
{
    setWindowTitle(QStringLiteral("Oblaro"));
    LayoutErstellen();
    AktionenErstellen();
    KnoepfeErstellen();
    TQIV_MDEBildschirmText::Registrieren();
    FormCreate();
}

TfrmMDE::~TfrmMDE()
{
    TZAM_Hausregel::Zerstoeren("TfrmMDE.FormDestroy", [&] {
        TZAM_Hausregel::Kern(nullptr, "TfrmMDE.FormDestroy", 0, [&] { FApplicationEvents.reset(); });
        TZAM_Hausregel::Kern(nullptr, "TfrmMDE.FormDestroy", 0, [&] { FDatenTraeger.Finalisieren(); });
        TZAM_Hausregel::Kern(nullptr, "TfrmMDE.FormDestroy", 0, [&] {
            delete FWartemaske;
            FWartemaske = nullptr;
        });
        TZAM_Hausregel::Kern(nullptr, "TfrmMDE.FormDestroy", 0, [&] {
            FAktState = FLastState = nullptr;
            FStateArchiv.clear();
        });
    });
}

void TfrmMDE::FormCreate()
{
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.FormCreate",
        [&] {
            FFensterGrFrageErlaubt = false;
            FFormShowUeberspringen = false;
            FUmlagHLPrioAusgefuehrt = false;
            for (int k = 0; k < lkAnzahl; ++k) {
                FKnoepfe[size_t(k)].Visible = k == lkBuchen || k == lkZurueck || k == lkWBSDruck;
                FKnoepfe[size_t(k)].Enabled = true;
            }
            KnoepfeAnwenden();
            FIgnoreBusy = false;
            FBtnBuchenOnClick = nullptr;
            FBtnZurueckOnClick = nullptr;

            FensterGroesseEinstellen();
            GrosseButtonsSchalten(true);

            bool ok = false;
            const QString intervall = ZAMProgramm().IniWert(QStringLiteral("AUTOTERMINATE"),
                                                            QStringLiteral("INTERVALL"), QStringLiteral("??????"));
            const int sekunden = intervall == QLatin1String("??????") ? 1200 : intervall.toInt(&ok);
            ZAMProgramm().SetAutoTerminate(intervall == QLatin1String("??????") || !ok ? 1200 : sekunden);

            FModus = CZPMDEM_Null;
            FStateArchiv.clear();
            FAktState = FLastState = nullptr;
            FBusy = FScanning = false;
            FReservAufKubeLP = ZAMParameter().GetBooleanValueByName(QStringLiteral("RESAUFKUBELP"));
            FDatenTraeger.Clear();
            FZurueck_Zaehler = 0;
            FIgnoreScanBeiMeldung = istJa;
            tiMenuAnz->stop();
            tiMenuAnz->setInterval(300000);
            tiMausHalten->stop();
            tiMausHalten->setInterval(800);
            tiUmlagHLPrio->stop();

            // The handheld logs on by itself; whoever the menu had is logged off.
            Benutzer_abmelden();
        },
        false);
}

void TfrmMDE::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    if (!FFormShowGelaufen) {
        FFormShowGelaufen = true;
        QTimer::singleShot(0, this, &TfrmMDE::FormShow);
    }
}

void TfrmMDE::FormShow()
{
    if (FFormShowUeberspringen)
        return;
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.FormShow", [&] {
        Optionen_Laden();
        const TIntPair angemeldet = ZAMProgramm().GetAngemBenutzer_GepNr();
        if (IntPairDefined(angemeldet)) {
            DM_Torvik->FBenutzer = angemeldet;
            IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC();
            const TIntPair mitarbeiter = rechte ? rechte->MitarbeiterZuBenutzer(angemeldet) : TIntPair();
            DM_Torvik->FMitarbeiter = IntPairDefined(mitarbeiter) ? mitarbeiter : angemeldet;
        }
    });
    // The second instance runs the urgent requests once and ends.
    if (DM_Torvik->FUmlagHLPrioModus) {
        if (!FUmlagHLPrioAusgefuehrt) {
            FUmlagHLPrioAusgefuehrt = true;
            UmlagHLPrio_Ausfuehren();
        }
        return;
    }
    // Outside the busy bracket: the menu state handles its own input from here on.
    ChangeState(StateKlasse<TState_Menue>());
    if (!IntPairDefined(DM_Torvik->FBenutzer))
        BenutzerAnmeldungAn([this](bool AErfolg) { BenutzerAnmeldungErgebnis(AErfolg); }, {380, 381}, false);
    FFensterGrFrageErlaubt = true;
    GrosseButtonsSchalten(false);
}

void TfrmMDE::ChangeState(const TStateKlasse* AStateKlasse)
{
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.ChangeState",
        [&] {
            // Without a warehouse no workflow can run: the options come instead.
            TAbstractState* neu =
                GiveState(FOptionen.Allgemein.AktLager > 0 ? AStateKlasse : StateKlasse<TState_Optionen>());
            if (!neu)
                return; // the active state stays as it was
            FLastState = FAktState;
            FAktState = neu;
            if (dynamic_cast<TState_Menue*>(FAktState))
                tiMenuAnz->start();
            else
                tiMenuAnz->stop();
            btnmButtons->ButtonHoehe_Set(34);
            QFont f = btnmButtons->font();
            f.setPointSize(12);
            btnmButtons->setFont(f);
            for (TVTVRList* l : {vtVRList, vtVRListOben, vtVRListUnten})
                l->Model_Get()->CheckSupport_Set(FAktState->NeedCheckSupport());
            FAktState->StateAnfang();
            if (FOptionen.Fenster.AutomPositionsKorrektur)
                FormPositionieren(false);
        },
        false);
}

TAbstractState* TfrmMDE::GiveState(const TStateKlasse* AStateKlasse)
{
    TAbstractState* ergebnis = nullptr;
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.GiveState",
        [&] {
            if (!AStateKlasse)
                FehlerRaise(QStringLiteral("TfrmMDE.GiveState"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                            QStringLiteral("keine Stateklasse"));
            for (const TArchivEintrag& e : FStateArchiv)
                if (AStateKlasse->IstInstanz(e.State.get())) {
                    ergebnis = e.State.get();
                    return;
                }
            if (!AStateKlasse->Erzeugen)
                FehlerRaise(QStringLiteral("TfrmMDE.GiveState"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                            QString::fromLatin1(AStateKlasse->Name));
            FStateArchiv.push_back({AStateKlasse->Erzeugen(this), AStateKlasse->Name});
            ergebnis = FStateArchiv.back().State.get();
        },
        false);
    return ergebnis;
}

QString TfrmMDE::AktStateName() const
{
    for (const TArchivEintrag& e : FStateArchiv)
        if (e.State.get() == FAktState)
            return QString::fromLatin1(e.Name);
    return {};
}

void TfrmMDE::PanelZeigen(QWidget* APanel)
{
    for (QWidget* p : FAnzeigePanels)
        if (p != APanel)
            p->setVisible(false);
    if (APanel)
        APanel->setVisible(true);
}

void TfrmMDE::HeaderCaption_Set(const QString& ACaption)
{
    FHeaderCaption = ACaption;
    pnlHeader->setText(HeaderCaption_Angezeigt());
}

QString TfrmMDE::HeaderCaption_Angezeigt() const
{
    if (FHeaderCaption.size() <= CHeaderMaxZeichen)
        return FHeaderCaption;
    return FHeaderCaption.left(CHeaderMaxZeichen) + QStringLiteral("...");
}

void TfrmMDE::Wartemaske_Show(const QString& AZusatzCaption, const QString& AText)
{
    if (!FWartemaske)
        FWartemaske = new TZAMWarteForm(this);
    if (FWartemaske_Zaehler == 0) {
        FWartemaskeUeberAktivem = isActiveWindow();
        const QString bitte = QStringLiteral("Bitte warten ...");
        FWartemaske->SetCaption(AZusatzCaption.trimmed().isEmpty() ? bitte : AZusatzCaption + u' ' + bitte);
        FWartemaske->SetText(AText.trimmed().isEmpty() ? QStringLiteral("Ihre Anfrage ist in Bearbeitung") : AText);
        FWartemaske->show();
    }
    ++FWartemaske_Zaehler;
}

void TfrmMDE::Wartemaske_Hide()
{
    if (FWartemaske_Zaehler == 0)
        return;
    if (--FWartemaske_Zaehler == 0 && FWartemaske) {
        FWartemaske->hide();
        // The input goes on to the screen, also where the platform gave the wait window the focus.
        if (FWartemaskeUeberAktivem)
            activateWindow();
    }
}

void TfrmMDE::Warnung_Anzeigen()
{
    const QString rot = ZAMFarbe(CFarbeRot).name();
    pnlFooter->setStyleSheet(QStringLiteral("#pnlFooter { background-color: %1; }").arg(rot));
    pnlButtonsFooter->setStyleSheet(QStringLiteral("#pnlButtonsFooter { background-color: %1; }").arg(rot));
    pnlFooter->setProperty("zamFarbe", CFarbeRot);
    QApplication::beep();
    DM_Torvik->PlayHintSound();
}

void TfrmMDE::Warnung_Ruecksetzen()
{
    pnlFooter->setStyleSheet(QString());
    pnlButtonsFooter->setStyleSheet(QString());
    pnlFooter->setProperty("zamFarbe", QVariant());
}

bool TfrmMDE::WarnungAktiv() const
{
    return pnlFooter->property("zamFarbe").toInt() == CFarbeRot;
}

void TfrmMDE::FussTipSetzen(const QString& ATip, bool ALang, bool AWarnung)
{
    FussSichtbarkeitSchalten(!ATip.isEmpty());
    QString tip = ATip;
    tip.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (ALang) {
        QFont f = memFusstip->font();
        f.setPointSize(tip.size() < 101 ? 12 : 7);
        memFusstip->setFont(f);
        memFusstip->setPlainText(tip);
        lblFussTip->clear();
    } else {
        lblFussTip->setText(tip);
        memFusstip->clear();
    }
    memFusstip->setVisible(ALang);
    lblFussTip->setVisible(!ALang);
    Warnung_Ruecksetzen();
    if (AWarnung)
        Warnung_Anzeigen();
}

QString TfrmMDE::FussTipLesen(bool& ALang, bool& AWarnung) const
{
    ALang = !memFusstip->toPlainText().isEmpty();
    AWarnung = WarnungAktiv();
    QString tip = ALang ? memFusstip->toPlainText() : lblFussTip->text();
    tip.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return tip;
}

void TfrmMDE::FussSichtbarkeitSchalten(bool AVisible)
{
    pnlFuss->setVisible(AVisible);
    GrosseButtonsSchalten(false);
    BtnMenu_BlaetterbtnsSchalten();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QColor TfrmMDE::ZeilenFarbe(const TVRList& AListe, int AZeile, int ALevel) const
{
    if (!FAktState)
        return {};
    // A child row is counted within its own list, as a row of the bound list is within that.
    int zaehler = 0;
    const TQIV_ZeilenArt art = FAktState->ZeilenArt(AListe, AZeile, AZeile, zaehler);
    const bool ungerade = zaehler % 2 == 1;
    switch (art) {
    case zaMarkiert:
        return ungerade ? QColor(255, 220, 220) : QColor(255, 170, 170);
    case zaKomplett:
        return ungerade ? QColor(220, 255, 220) : QColor(170, 255, 170);
    case zaNormal:
        break;
    }
    return ungerade ? QColor(255, 255, 191) : QColor();
}

void TfrmMDE::keyPressEvent(QKeyEvent* AEvent)
{
    // A dialog would answer Esc and Enter itself; on this screen they are actions only, or the
    // keys of the panel that is open.
    const bool enter = AEvent->key() == Qt::Key_Return || AEvent->key() == Qt::Key_Enter;
    if (AEvent->key() == Qt::Key_Escape || enter) {
        AEvent->accept();
        if (enter && pnlMengenkorrekturSH->isVisibleTo(this))
            btnMeKorrSHWeiterClick();
        else if (enter && pnlArtNrHandEin->isVisibleTo(this))
            btnArtNrHandEinWeiterClick();
        else if (AEvent->key() == Qt::Key_Escape && pnlArtNrHandEin->isVisibleTo(this))
            btnArtNrHandEinZurueckClick();
        return;
    }
    // With the numeric actions off, a digit still presses the menu button that carries it.
    if (AEvent->key() >= Qt::Key_0 && AEvent->key() <= Qt::Key_9 && AEvent->modifiers() == Qt::NoModifier && !FBusy &&
        !FScanning && pnlBtnMenu->isVisible()) {
        btnmButtons->ZifferDruecken(AEvent->key() - Qt::Key_0);
        AEvent->accept();
        return;
    }
    TZAMForm::keyPressEvent(AEvent);
}

void TfrmMDE::reject() {}

void TfrmMDE::closeEvent(QCloseEvent* AEvent)
{
    // Ends only through its states, or when the program ends.
    if (FSchliessenErlaubt || QCoreApplication::closingDown())
        TZAMForm::closeEvent(AEvent);
    else
        AEvent->ignore();
}

void TfrmMDE::Schliessen(int AModalResult)
{
    FSchliessenErlaubt = true;
    done(AModalResult);
}

void TfrmMDE::pnlHeaderClick()
{
    AnState("TfrmMDE.pnlHeaderClick", [](TAbstractState& S) { S.PnlHeaderClick(); });
}

void TfrmMDE::AnState(const char* AName, const std::function<void(TAbstractState&)>& AAktion)
{
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        if (FAktState)
            AAktion(*FAktState);
    });
}

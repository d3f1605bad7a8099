// Scan and key input of the handheld screen: every key goes to the active state.
#include "TAbstractState.h"
#include "TDM_Torvik.h"
#include "TQIV_MDEEreignisFilter.h"
#include "TQIV_ScanFeld.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TZAM_SkriptLaeufer.h"
#include "TQIV_OptionenSeiten.h"
#include "TfrmMDE.h"

#include "TState_Menue.h"
#include "ZAMGlobal.h"
#include "ZAMShortCut.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int CGruppeNumpad = 1;
}

void TfrmMDE::AktionenErstellen()
{
    auto aktion = [this](const QString& AName, const QKeySequence& AKurz, void (TfrmMDE::*ASlot)(), int AGruppe = 0,
                         int ATag = 0) {
        auto* a = new QAction(this);
        a->setObjectName(AName);
        a->setShortcut(AKurz);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setProperty("zamGruppe", AGruppe);
        a->setProperty("zamTag", ATag);
        connect(a, &QAction::triggered, this, ASlot);
        addAction(a);
        return a;
    };
    actScan = aktion(QStringLiteral("actScan"), ZAMShortCut2KeySequence(122), &TfrmMDE::DoActScanExecute);
    for (int i = 0; i <= 9; ++i)
        FZiffern << aktion(QStringLiteral("act%1").arg(i), QKeySequence(Qt::Key(Qt::Key_0 + i)),
                           &TfrmMDE::actZifferExecute, CGruppeNumpad, i);
    actEnter =
        aktion(QStringLiteral("actEnter"), QKeySequence(Qt::Key_Return), &TfrmMDE::actEnterExecute, CGruppeNumpad, 10);
    actEnter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    actBackspace = aktion(QStringLiteral("actBackspace"), QKeySequence(Qt::Key_Backspace),
                          &TfrmMDE::actBackspaceExecute, CGruppeNumpad);
    aktion(QStringLiteral("actF14"), QKeySequence(Qt::Key_F14), &TfrmMDE::actF14Execute);
    aktion(QStringLiteral("actF15"), QKeySequence(Qt::Key_F15), &TfrmMDE::actF15Execute);
    aktion(QStringLiteral("actAufgOhneLP"), QKeySequence(Qt::CTRL | Qt::Key_A), &TfrmMDE::actAufgOhneLPExecute);
    aktion(QStringLiteral("actScanUeberspringen"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_U),
           &TfrmMDE::actScanUeberspringenExecute);
    aktion(QStringLiteral("actESC"), QKeySequence(Qt::Key_Escape), &TfrmMDE::actESCExecute);
    aktion(QStringLiteral("actF5"), QKeySequence(Qt::Key_F5), &TfrmMDE::actF5Execute);

    connect(edtScannFeld, &TQIV_ScanFeld::Verlassen, this, &TfrmMDE::edtScannFeldExit);
    connect(btnmButtons, &TZAM_BtnMenu::ButtonClick, this, &TfrmMDE::btnmButtonsClick);

    // Lists: cell clicks, header clicks and Enter on a node.
    const std::tuple<TVTVRList*, void (TAbstractState::*)(int, const TVTVRKnoten&), void (TAbstractState::*)(int),
                     const char*>
        listen[] = {
            {vtVRList, &TAbstractState::vtVRListColumnNodeClick, &TAbstractState::vtVRListHeaderClick, "vtVRList"},
            {vtVRListOben, &TAbstractState::vtVRListObenColumnNodeClick, &TAbstractState::vtVRListObenHeaderClick,
             "vtVRListOben"},
            {vtVRListUnten, &TAbstractState::vtVRListUntenColumnNodeClick, &TAbstractState::vtVRListUntenHeaderClick,
             "vtVRListUnten"}};
    for (const auto& [liste, knoten, kopf, name] : listen) {
        auto knotenOp = knoten;
        auto kopfOp = kopf;
        connect(liste, &TVTVRList::ColumnNodeClick, this, [this, knotenOp](int AZeile, int AKind, int ASpalte) {
            AnState("TfrmMDE.vtVRListColumnNodeClick", [&](TAbstractState& S) {
                (S.*knotenOp)(ASpalte, TVTVRKnoten{AZeile, AKind});
            });
        });
        connect(liste, &TVTVRList::HeaderClick, this, [this, kopfOp](int ASpalte) {
            AnState("TfrmMDE.vtVRListHeaderClick", [&](TAbstractState& S) { (S.*kopfOp)(ASpalte); });
        });
        connect(liste, &TVTVRList::KeyEnter, this, [this, knotenOp](int AZeile, int AKind) {
            AnState("TfrmMDE.vtVRListKeyAction", [&](TAbstractState& S) {
                (S.*knotenOp)(-1, TVTVRKnoten{AZeile, AKind});
            });
        });
    }
    vtVRList->Hintergrund_Set(
        [this](const TVRList& AListe, int AZeile, int ALevel) { return ZeilenFarbe(AListe, AZeile, ALevel); });

    for (QLabel* zelle : FDetailZellen)
        zelle->installEventFilter(this);

    auto timer = [this](const QString& AName, int AIntervall) {
        auto* t = new QTimer(this);
        t->setObjectName(AName);
        t->setInterval(AIntervall);
        return t;
    };
    tiMenuAnz = timer(QStringLiteral("tiMenuAnz"), 300000);
    tiMausHalten = timer(QStringLiteral("tiMausHalten"), 800);
    tiBelegHinweis = timer(QStringLiteral("tiBelegHinweis"), 1000);
    tiFensterGroesse = timer(QStringLiteral("tiFensterGroesse"), 10000);
    tiUmlagHLPrio = timer(QStringLiteral("tiUmlagHLPrio"), 10000);
    connect(tiUmlagHLPrio, &QTimer::timeout, this, &TfrmMDE::tiUmlagHLPrioTimer);
    connect(tiMenuAnz, &QTimer::timeout, this, [this] {
        if (auto* menue = dynamic_cast<TState_Menue*>(FAktState))
            menue->AnzahlenAktualisieren();
    });
    // The window-size question unanswered: as "Nein", the old size comes back.
    connect(tiFensterGroesse, &QTimer::timeout, this, [this] {
        tiFensterGroesse->stop();
        if (pnlSicherheitsAbfrage->isVisibleTo(this))
            btnNein->click();
    });
    connect(tiMausHalten, &QTimer::timeout, this, [this] {
        AnState("TfrmMDE.tiMausHaltenTimer", [this](TAbstractState& S) { S.DetailPanelMausHaltenTimer(tiMausHalten); });
    });
    connect(tiBelegHinweis, &QTimer::timeout, this, [this] {
        TZAM_Hausregel::OhneBusy("TfrmMDE.tiBelegHinweisTimer", [this] {
            if (FAktState)
                FAktState->BelegHinweisTimer(tiBelegHinweis);
        });
    });
}

bool TfrmMDE::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    if (AEvent->type() == QEvent::FocusOut && FOptionenSeiten &&
        (AObjekt == FOptionenSeiten->edtUmlagHLPrioTimerInterval || AObjekt == FOptionenSeiten->edtFertigeLoeschen))
        edtUmlagHLPrioTimerIntervalExit();
    if (AObjekt == pnlHeader && AEvent->type() == QEvent::MouseButtonRelease) {
        pnlHeaderClick();
        return true;
    }
    if (AObjekt == lblBild && AEvent->type() == QEvent::MouseButtonRelease) {
        lblBildClick();
        return true;
    }
    if (AEvent->type() == QEvent::MouseButtonRelease && AObjekt->parent() == pnlMeEinSHMeEinWerte) {
        MeEinSHZelleGeklickt(AObjekt);
        return true;
    }
    for (QLabel* zelle : FDetailZellen) {
        if (AObjekt != zelle)
            continue;
        auto* maus = static_cast<QMouseEvent*>(AEvent);
        switch (AEvent->type()) {
        case QEvent::MouseButtonPress:
            AnState("TfrmMDE.DetailPanelMouseDown", [&](TAbstractState& S) {
                S.DetailPanelMouseDown(zelle, maus->button(), maus->modifiers(), maus->position().toPoint().x(),
                                       maus->position().toPoint().y());
            });
            break;
        case QEvent::MouseButtonRelease:
            AnState("TfrmMDE.DetailPanelMouseUp", [&](TAbstractState& S) {
                S.DetailPanelMouseUp(zelle, maus->button(), maus->modifiers(), maus->position().toPoint().x(),
                                     maus->position().toPoint().y());
                S.DetailPanelClick(zelle);
            });
            break;
        default:
            break;
        }
    }
    return TZAMForm::eventFilter(AObjekt, AEvent);
}

void TfrmMDE::NumpadActions_Enabled(bool AEnabled)
{
    for (QAction* a : actions())
        if (a->property("zamGruppe").toInt() == CGruppeNumpad)
            a->setEnabled(AEnabled);
}

bool TfrmMDE::NumpadActions_Enabled_Get() const
{
    return actEnter->isEnabled();
}

void TfrmMDE::DoActScanExecute()
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.DoActScanExecute", [&] {
        edtScannFeld->clear();
        edtScannFeld->Starten();
        edtScannFeld->setFocus(Qt::OtherFocusReason);
        FScanning = true;
        NumpadActions_Enabled(false);
    });
}

bool TfrmMDE::ScanNichtDurchlassen() const
{
    if (pnlSicherheitsAbfrage->isVisibleTo(this) && FIgnoreScanBeiMeldung == istJa)
        return true;
    if (FArtikelAuswahlCallback)
        return true; // an article choice waits for its answer
    for (QWidget* p : {pnlButtonHilfe, pnlEingabe, pnlEingabeAuswahl, pnlBenuAnmeldung, pnlFrageButtonsUntereinander,
                       pnlBildanzeige})
        if (p->isVisibleTo(this))
            return true;
    return false;
}

void TfrmMDE::edtScannFeldExit()
{
    ZAMProgramm().PreventAutoTermination();
    // First of all: a dropped scan must not leave the digit keys dead.
    FScanning = false;
    NumpadActions_Enabled(FAktState && FAktState->UseNumPad());
    if (ScanNichtDurchlassen() || FBusy)
        return;
    const QString text = edtScannFeld->text();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.edtScannFeldExit", [&] {
        if (pnlSicherheitsAbfrage->isVisibleTo(this)) {
            // The message's callback reads the scan field itself.
            if (FIgnoreScanBeiMeldung == istNeinMitCallback) {
                MeldungBtnOKClick();
                return;
            }
            if (FIgnoreScanBeiMeldung == istNeinOhneCallback) {
                FSicherheitsabfrageCallback = nullptr;
                MeldungBtnOKClick();
            }
        }
        // The article and quantity panels take their scans with their own parts.
        if (pnlArtNrHandEin->isVisibleTo(this)) {
            TZAM_UmgesetztUArtikelScanDaten scanDaten;
            ArtNrHandEingabeGescannt(text, scanDaten);
            return;
        }
        if (pnlMengeneingabeSH->isVisibleTo(this)) {
            TZAM_UmgesetztUArtikelScanDaten scanDaten;
            MengeneingabeSHGescannt(text, scanDaten);
            return;
        }
        if (text.trimmed().isEmpty()) {
            ZAMInfo().WriteStamp(QStringLiteral("TfrmMDE.edtScannFeldExit: Leerer Scan abgefangen"), 1);
            return;
        }
        if (FAktState) {
            TZAM_UmgesetztUArtikelScanDaten scanDaten;
            FAktState->Gescannt(text, scanDaten);
        }
    });
}

void TfrmMDE::actZifferExecute()
{
    auto* a = qobject_cast<QAction*>(sender());
    if (!a || FScanning)
        return;
    const int ziffer = a->property("zamTag").toInt();
    // A button of the menu whose caption carries "&" before the digit is pressed, as on the device;
    // its click is an input of its own.
    if (!FBusy && FAktState && FAktState->ActivePanel() == pnlBtnMenu && pnlBtnMenu->isVisible() &&
        btnmButtons->ZifferDruecken(ziffer))
        return;
    AnState("TfrmMDE.actZifferExecute", [&](TAbstractState& S) { S.NummernBlockEingabe(ziffer); });
}

void TfrmMDE::actEnterExecute()
{
    AnState("TfrmMDE.actEnterExecute", [](TAbstractState& S) { S.KeyEnter(); });
}

void TfrmMDE::actBackspaceExecute()
{
    AnState("TfrmMDE.actBackspaceExecute", [](TAbstractState& S) { S.KeyBackSpace(); });
}

void TfrmMDE::actF14Execute()
{
    AnState("TfrmMDE.actF14Execute", [&](TAbstractState& S) {
        if (pnlMengenkorrekturSH->isVisibleTo(this)) {
            ClickBtnMeKorrSH_WeiterOderZurueck(true);
            return;
        }
        if (pnlArtNrHandEin->isVisibleTo(this)) {
            ClickbtnArtNrHandEin_Weiter();
            return;
        }
        if (pnlSicherheitsAbfrage->isVisibleTo(this)) {
            if (btnJa->isVisibleTo(this))
                ClickBtnJaNein(btnJa->text(), tsTrue);
            else if (btnOK->isVisibleTo(this))
                ClickBtnJaNein(btnOK->text(), tsTrue);
            return;
        }
        if (BtnArtNrHandEinVisible() && BtnArtNrHandEinEnabled())
            S.ArtNrHandEin_An();
    });
}

void TfrmMDE::actF15Execute()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.actF15Execute", [&] {
        if (!FAktState)
            return;
        if (pnlMengenkorrekturSH->isVisibleTo(this)) {
            ClickBtnMeKorrSH_WeiterOderZurueck(false);
            return;
        }
        if (pnlArtNrHandEin->isVisibleTo(this)) {
            ClickBtnArtNrHandEin_Zurueck();
            return;
        }
        // With a question open only its "Nein" answers; with a message F15 does nothing.
        if (pnlSicherheitsAbfrage->isVisibleTo(this)) {
            if (btnNein->isVisibleTo(this))
                ClickBtnJaNein(btnNein->text(), tsFalse);
            return;
        }
        if (BtnZurueckVisible() && BtnZurueckEnabled()) {
            if (FBtnZurueckOnClick) {
                const THandler h = FBtnZurueckOnClick; // a copy: the handler may replace itself
                h();
            } else
                FAktState->btnZurueckClick();
        } else if (BtnArtikelNichtGefundenVisible() && BtnArtikelNichtGefundenEnabled()) {
            FAktState->BtnArtNichtGefundenClick();
        }
    });
}

void TfrmMDE::actAufgOhneLPExecute()
{
    AnState("TfrmMDE.actAufgOhneLPExecute", [](TAbstractState& S) { S.AufgOhneLP(); });
}

void TfrmMDE::actScanUeberspringenExecute()
{
    AnState("TfrmMDE.actScanUeberspringenExecute", [&](TAbstractState& S) {
        if (!ScanNichtDurchlassen())
            S.ScanUeberspringen();
    });
}

void TfrmMDE::actESCExecute()
{
    // The back button's current handler, only while the logical back button can be used.
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.actESCExecute", [&] {
        // The article-number entry's own key: Esc presses its "Abbrechen".
        if (pnlArtNrHandEin->isVisibleTo(this)) {
            ClickBtnArtNrHandEin_Zurueck();
            return;
        }
        if (!FAktState || !BtnZurueckVisible() || !BtnZurueckEnabled())
            return;
        if (FBtnZurueckOnClick) {
            const THandler h = FBtnZurueckOnClick; // a copy: the handler may replace itself
            h();
        } else
            FAktState->btnZurueckClick();
    });
}

void TfrmMDE::actF5Execute()
{
    if (BtnBuchenVisible() && BtnBuchenEnabled())
        btnBuchenClick();
    else if (BtnWBSDruckVisible() && BtnWBSDruckEnabled())
        btnWBSDruckClick();
}

void TfrmMDE::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnBuchenClick", [&] {
        if (FBtnBuchenOnClick) {
            const THandler h = FBtnBuchenOnClick; // a copy: the handler may replace itself
            h();
        } else if (FAktState)
            FAktState->btnBuchenClick();
    });
}

void TfrmMDE::btnWBSDruckClick()
{
    AnState("TfrmMDE.btnWBSDruckClick", [](TAbstractState& S) { S.btnWBSDruckClick(); });
}

void TfrmMDE::btnBuchenFussClick()
{
    AnState("TfrmMDE.btnBuchenFussClick", [](TAbstractState& S) { S.btnBuchenFussClick(); });
}

void TfrmMDE::btnmButtonsClick(int AIndex)
{
    // While an article choice waits, the button menu holds the articles.
    if (FArtikelAuswahlCallback) {
        TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnmButtonsClick",
                                   [&] { ArtikelAusgewaehlt(btnmButtons->Item(AIndex).Tag, false); });
        return;
    }
    AnState("TfrmMDE.btnmButtonsClick", [&](TAbstractState& S) { S.btnmButtonsClick(AIndex); });
}

void TfrmMDE::EventHandlingPruefen()
{
    const bool noetig = FOptionen.Scanner.WMCharAuswerten || FOptionen.Scanner.MessageDebugAusgabe ||
                        (DM_Torvik && DM_Torvik->FUmlagHLPrioModus);
    if (noetig && !FApplicationEvents)
        FApplicationEvents = std::make_unique<TQIV_MDEEreignisFilter>(this);
    else if (!noetig)
        FApplicationEvents.reset();
    if (FApplicationEvents)
        FApplicationEvents->SetProtokoll(FOptionen.Scanner.MessageDebugAusgabe);
    // The script runner's scan lines send the same prefix as the device's scanner.
    if (TZAM_SkriptLaeufer* laeufer = TZAM_SkriptLaeufer::Instanz())
        laeufer->SetScanPraefix(actScan->shortcut());
}

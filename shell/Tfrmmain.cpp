#include "Tfrmmain.h"

#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TMandDialog.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "TfrmOptionen.h"
#include "Tfrmlpzuzaehlen.h"
#include "ZAMFarben.h"
#include "ZAMFehler.h"
#include "ZAMFormMitte.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace {

// A menu entry whose work form is built with a later part of the program.
[[noreturn]] void NichtImplementiert(const char* AHandler, const QString& AForm)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, AForm, QString::fromUtf8(AHandler));
}

const QString CProgrammOhneLagerBeenden =
    QStringLiteral("Ohne Lager kann das Kommissioniergerät nicht arbeiten.\r\nProgramm beenden?");

} // namespace

Tfrmmain::Tfrmmain(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmmain"))
{
    LayoutErstellen();
    AktionenErstellen();
    FTimer = new QTimer(this);
    FTimer->setObjectName(QStringLiteral("Timer"));
    FTimer->setInterval(900000);
    connect(FTimer, &QTimer::timeout, this, &Tfrmmain::TimerTimer);
    FormCreate();
}

Tfrmmain::~Tfrmmain()
{
    TZAM_Hausregel::Zerstoeren("Tfrmmain.FormDestroy", [&] {
        delete FMandDialog;
        FMandDialog = nullptr;
    });
}

void Tfrmmain::FormCreate()
{
    TZAM_Hausregel::OhneBusy(
        "Tfrmmain.FormCreate",
        [&] {
            FBusy = false;
            if (QScreen* s = QGuiApplication::primaryScreen())
                move(s->geometry().center() - rect().center());
            FBeforeShow = true;
            FMandDialog = nullptr;
            Benutzer_abmelden();
            if (!Benutzer_anmelden())
                TZAM_Anwendung::Terminate();
            FTimer->stop();
        },
        false);
}

void Tfrmmain::Starten()
{
    if (DM_Torvik->FMDEModus) {
        FFormShowGelaufen = true;
        FormShow();
        return;
    }
    show();
}

void Tfrmmain::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    if (!FFormShowGelaufen) {
        FFormShowGelaufen = true;
        // After the window is on screen: the steps may open modal forms.
        QTimer::singleShot(0, this, &Tfrmmain::FormShow);
    }
}

void Tfrmmain::FormShow()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmmain.FormShow", [&] {
        if (DM_Torvik->FMDEModus) {
            MDE();
            TZAM_Anwendung::Terminate();
            return;
        }
        FTimer->start();
        if (FBeforeShow) {
            FpnlOuter->setGeometry(4, 4, width() - 8, height() - 8);
            FBeforeShow = false;
        }
        while (DM_Torvik->FOptionen.AktLager <= 0 && !TZAM_Anwendung::Terminated()) {
            ZAMInfo().ShowMeldung(0, CZAM_Info_Standard_Text994, {QStringLiteral("Bitte wählen Sie ein Lager aus.")});
            if (TZAM_Anwendung::Terminated())
                break;
            ClickBtnOptionen();
            // The menu's "Beenden" cannot be reached from here: whoever leaves the options without a
            // warehouse may leave the program instead.
            if (DM_Torvik->FOptionen.AktLager <= 0 && !TZAM_Anwendung::Terminated() &&
                ZAMInfo().ShowMeldung(4, CZAM_Info_Standard_Text994, {CProgrammOhneLagerBeenden}) == mrYes)
                TZAM_Anwendung::Terminate();
        }
        if (TZAM_Anwendung::Terminated())
            return;
        FilialeAnzeigen();
        FpgcMain->setCurrentIndex(0);
        Kundenbestellungen_Lesen();

        const TIntTrio halle = TrioAusPair(CZAM_Lagerverwaltung_Halle, DM_Torvik->FOptionen.AktLager);
        IZAM_LagerInventurServer* inventur = DM_Torvik->LagerInventurServer_GoC();
        Knopf(QStringLiteral("btnInbetriebnahme"))->setVisible(inventur && !inventur->LagerortInBetrieb(halle));

        const bool ewaBeleg = ZAMParameter().GetBooleanValueByName(QStringLiteral("EWABELEG"));
        Knopf(QStringLiteral("btnEinlagerung"))->setVisible(ewaBeleg);
        FpnlDataHeaderFilialeZL->setVisible(ewaBeleg);
        if (!ewaBeleg) {
            FpnlDataHeaderHerstellungVerkaufsbereitschaft->setText(QStringLiteral("Einlagerung"));
            Knopf(QStringLiteral("btnWarenannahme_Filiale"))->setText(QStringLiteral("Wareneingang / WBS"));
        }
    });
}

QPushButton* Tfrmmain::Knopf(const QString& AName) const
{
    return findChild<QPushButton*>(AName);
}

void Tfrmmain::reject()
{
    rbtnAbbrClick();
}

void Tfrmmain::MDE()
{
    TZAM_Hausregel::OhneBusy("Tfrmmain.MDE", [] {
        TfrmMDE mde;
        mde.exec();
    });
}

void Tfrmmain::ClickBtnOptionen()
{
    TZAM_Hausregel::OhneBusy("Tfrmmain.ClickBtnOptionen", [&] {
        {
            TfrmOptionen form;
            ZAMFormMitte(&form, this); // over the menu, whose area it fills
            form.exec();
        }
        FilialeAnzeigen();
    });
}

void Tfrmmain::FilialeAnzeigen()
{
    FpnlDataHeader->setText(QStringLiteral("Menü, Lager %1").arg(DM_Torvik->FAktLager));
}

TMandDialog* Tfrmmain::MandDialog_CiN()
{
    if (!FMandDialog)
        FMandDialog = new TMandDialog(this);
    return FMandDialog;
}

void Tfrmmain::Kundenbestellungen_Lesen()
{
    TZAM_Hausregel::OhneBusy(
        "Tfrmmain.Kundenbestellungen_Lesen",
        [&] {
            TQIV_Aufgaben_Suchkriterien_Options optionen;
            Aufgaben_Suchkriterien_Options_Init(optionen, CZAM_Kundenbestellung);
            TZAM_Aufgaben_Suchkriterien kriterien;
            Aufgaben_Suchkriterien_Get(optionen, kriterien);
            IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
            const bool offen = server && server->AufgabenVorhanden(kriterien);
            QPushButton* b = Knopf(QStringLiteral("btnKundenbestellungen"));
            b->setText(QStringLiteral("Kundenbestellungen"));
            const int farbe = offen ? 32768 : CKnopfFarbe;
            b->setStyleSheet(KnopfStil(farbe, 16, offen));
            b->setProperty("zamFarbe", farbe);
            b->ensurePolished();
        },
        false);
}

void Tfrmmain::TimerTimer()
{
    // No busy test: the refresh also runs while a modal form is open; it keeps nobody awake.
    TZAM_Hausregel::OhneBusy(
        "Tfrmmain.TimerTimer",
        [&] {
            if (!DM_Torvik->FMDEModus)
                Kundenbestellungen_Lesen();
        },
        false);
}

void Tfrmmain::Funktion(const char* AName, const QList<TQIV_WPF_Recht>& ARechte, bool ABenutzerPruefen,
                        bool AAktualisieren, const std::function<bool()>& AOeffnen)
{
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        if (!ARechte.isEmpty() && !Recht_Pruefen(ARechte, int(ARechte.size()) - 1))
            return;
        if (ABenutzerPruefen && !Benutzer_Pruefen())
            return;
        CommonLock().ArbeitsgangBeginnen();
        if (AOeffnen() && AAktualisieren)
            Kundenbestellungen_Lesen();
    });
}

void Tfrmmain::tbtnArtikelsucheClick()
{
    Funktion("Tfrmmain.tbtnArtikelsucheClick", {}, false, false, []() -> bool {
        NichtImplementiert("Tfrmmain.tbtnArtikelsucheClick", QStringLiteral("Tfrmlagerbezshow"));
    });
}

void Tfrmmain::btnDruckenClick()
{
    Funktion("Tfrmmain.btnDruckenClick", {}, false, false, []() -> bool {
        NichtImplementiert("Tfrmmain.btnDruckenClick", QStringLiteral("TfrmWarenbegleitschein"));
    });
}

void Tfrmmain::btnOptionenClick()
{
    Funktion("Tfrmmain.btnOptionenClick", {}, false, false, [&] {
        ClickBtnOptionen();
        return false;
    });
}

void Tfrmmain::btnlpzuzaehlenClick()
{
    Funktion("Tfrmmain.btnlpzuzaehlenClick", {380, 385}, false, false, [&] {
        Tfrmlpzuzaehlen form;
        form.SetLager(DM_Torvik->FAktLager);
        form.exec();
        return false;
    });
}

void Tfrmmain::btnFilialnachsortierungClick()
{
    Funktion("Tfrmmain.btnFilialnachsortierungClick", {380, 381}, true, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnFilialnachsortierungClick", QStringLiteral("TfrmNachsortierung"));
    });
}

void Tfrmmain::btnEinlagerungClick()
{
    Funktion("Tfrmmain.btnEinlagerungClick", {380, 381}, false, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnEinlagerungClick", QStringLiteral("Tfrmfilialeinlagerung"));
    });
}

void Tfrmmain::btnWarenannahme_EinlagerungClick()
{
    Funktion("Tfrmmain.btnWarenannahme_EinlagerungClick", {380, 381}, false, true, []() -> bool {
        const bool ewaBeleg = ZAMParameter().GetBooleanValueByName(QStringLiteral("EWABELEG"));
        NichtImplementiert("Tfrmmain.btnWarenannahme_EinlagerungClick",
                           ewaBeleg ? QStringLiteral("Einlagerungsmaske") : QStringLiteral("Tfrmsammeleinlagerung"));
    });
}

void Tfrmmain::btnKundenbestellungenClick()
{
    Funktion("Tfrmmain.btnKundenbestellungenClick", {380, 381}, true, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnKundenbestellungenClick", QStringLiteral("TfrmNachsortierung"));
    });
}

void Tfrmmain::btnRetoureOnlineshopClick()
{
    Funktion("Tfrmmain.btnRetoureOnlineshopClick", {380, 381}, false, true, [&]() -> bool {
        TMandDialog* dlg = MandDialog_CiN();
        dlg->SetShowOneMand(false);
        if (!dlg->Execute(nullptr))
            return false;
        NichtImplementiert("Tfrmmain.btnRetoureOnlineshopClick", QStringLiteral("Einlagerungsmaske"));
    });
}

void Tfrmmain::btnAusstattungFilialeClick()
{
    Funktion("Tfrmmain.btnAusstattungFilialeClick", {380, 383}, false, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnAusstattungFilialeClick", QStringLiteral("Einlagerungsmaske"));
    });
}

void Tfrmmain::btnEntnahmeDekoClick()
{
    Funktion("Tfrmmain.btnEntnahmeDekoClick", {380, 382}, false, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnEntnahmeDekoClick", QStringLiteral("Einlagerungsmaske"));
    });
}

void Tfrmmain::btnUmlagerungClick()
{
    Funktion("Tfrmmain.btnUmlagerungClick", {380, 384}, true, true,
             []() -> bool { NichtImplementiert("Tfrmmain.btnUmlagerungClick", QStringLiteral("TfrmUmlagerung")); });
}

void Tfrmmain::btnInventurClick()
{
    Funktion("Tfrmmain.btnInventurClick", {380, 385}, true, true,
             []() -> bool { NichtImplementiert("Tfrmmain.btnInventurClick", QStringLiteral("TfrmInbetriebnahme")); });
}

void Tfrmmain::btnInbetriebnahmeClick()
{
    Funktion("Tfrmmain.btnInbetriebnahmeClick", {380, 385}, true, true, []() -> bool {
        NichtImplementiert("Tfrmmain.btnInbetriebnahmeClick", QStringLiteral("TfrmInbetriebnahme"));
    });
}

void Tfrmmain::actNachSortNacharbeitExecute()
{
    Funktion("Tfrmmain.actNachSortNacharbeitExecute", {380, 381}, true, true, []() -> bool {
        NichtImplementiert("Tfrmmain.actNachSortNacharbeitExecute", QStringLiteral("TfrmNachsortierung"));
    });
}

void Tfrmmain::btnBenutzerAbmeldenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmmain.btnBenutzerAbmeldenClick", [&] { Benutzer_abmelden(); });
}

void Tfrmmain::rbtnAbbrClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmmain.rbtnAbbrClick", [] { TZAM_Anwendung::Terminate(); });
}

#include "TState_Menue.h"

#include "EZAM_Exception.h"
#include "IZAM_GPListenServer.h"
#include "TDM_Torvik.h"
#include "TQIV_State_WEPlus_ScanSatzSuche.h"
#include "TState_Behaelter_Umbuchen_BehaelterScan.h"
#include "TState_EingangsBelegWahl.h"
#include "TState_Filiale.h"
#include "TState_HLAnfoGrund.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_NachsortAuswahl.h"
#include "TState_Optionen.h"
#include "TState_PaketVersand.h"
#include "TState_Wareneingang.h"
#include "TState_Wechsel_BearbSchritt_BehaelterScan.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTimer>

namespace {
QString AnzahlText(int AAnzahl)
{
    return AAnzahl > 0 ? QString::number(AAnzahl) : QStringLiteral("-");
}
} // namespace

TState_Menue::TState_Menue(TfrmMDE* AMaske) : TAbstractBTNListState(AMaske)
{
    std::unique_ptr<TIntTrioList>& ids = FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds;
    if (!ids)
        ids = std::make_unique<TIntTrioList>();
}

TState_Menue::~TState_Menue()
{
    TZAM_Hausregel::Zerstoeren("TState_Menue.Destroy",
                               [&] { FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds.reset(); });
}

const QList<TQIV_MenueEintrag>& TState_Menue::Menuetabelle()
{
    static const QList<TQIV_MenueEintrag> GTabelle = {
        {CZPMDEM_Nachsort, QStringLiteral("Nachsortierung"), StateKlasse<TState_NachsortAuswahl>()},
        {CZPMDEM_FilNachsort, QStringLiteral("Filialnachsortierung"), StateKlasse<TState_Filiale>()},
        {CZPMDEM_KuBe, QStringLiteral("Kundenbestellungen"), StateKlasse<TState_Filiale>()},
        {CZPMDEM_UmlagHL, QStringLiteral("Verkaufsraumanforderungen"), StateKlasse<TState_HLAnfoGrund>()},
        {CZPMDEM_Einlagerung, QStringLiteral("Einlagerung, WE && WBS"), StateKlasse<TState_EingangsBelegWahl>()},
        {CZPMDEM_Inventur, QStringLiteral("Inventur/Inbetriebnahme"), nullptr},
        {CZPMDEM_WBSDruck, QStringLiteral("Druck Warenbegleitschein"), nullptr},
        {CZPMDEM_WBSoBelegDruck, QStringLiteral("Druck WBS/Belege"), nullptr},
        {CZPMDEM_Lagerinfo, QStringLiteral("Lagerinfo"), nullptr},
        {CZPMDEM_Wareneingang, QStringLiteral("Wareneingang"), StateKlasse<TState_Wareneingang>()},
        {CZPMDEM_WEPLUS, QStringLiteral("Wareneingang PLUS"), StateKlasse<TQIV_State_WEPlus_ScanSatzSuche>()},
        {CZPMDEM_EinlagUVersHilfe, QStringLiteral("Einlagerungs-/Versandhilfe"), nullptr},
        {CZPMDEM_Anreicherung, QStringLiteral("GTIN (EAN) Anreicherung"), nullptr},
        {CZPMDEM_LagerZuAb, QStringLiteral("Manuelle Lagerbewegung"), StateKlasse<TState_ManuelleLagerbewegung>()},
        {CZPMDEM_Paketversand, QStringLiteral("Paketversand"), StateKlasse<TState_PaketVersand>()},
        {CZPMDEM_BearbStart, QStringLiteral("Bearbeitungs-Vorbereitung"), nullptr},
        {CZPMDEM_UmlagBehaelter, QStringLiteral("Umlagerung Behälter"),
         StateKlasse<TState_Behaelter_Umbuchen_BehaelterScan>()},
        {CZPMDEM_BearbUmlagerung, QStringLiteral("Wechsel Bearbeitungs-Schritt"),
         StateKlasse<TState_Wechsel_BearbSchritt_BehaelterScan>()},
        {CZPMDEM_BearbVersand, QStringLiteral("Bearbeitungs-Abschluss"), nullptr},
        {CZPMDEM_Optionen, QStringLiteral("Optionen"), StateKlasse<TState_Optionen>()},
    };
    return GTabelle;
}

TQIV_MenueRechte TState_Menue::Rechte(TZPMDEModus_erw AModus)
{
    switch (AModus) {
    case CZPMDEM_FilNachsort:
    case CZPMDEM_KuBe:
    case CZPMDEM_Einlagerung: return {{380, 381}, false};
    case CZPMDEM_Inventur: return {{380, 385}, false};
    case CZPMDEM_WEPLUS: return {{380, 482}, true};
    case CZPMDEM_EinlagUVersHilfe: return {{380, 483}, false};
    case CZPMDEM_LagerZuAb: return {{380, 384}, false};
    default: return {};
    }
}

void TState_Menue::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    if (!ZAMBuchung().IstOffen())
        return;
    // A workflow left a bracket open, abandoned or forgotten. A forgotten one would hold the
    // database's write lock against every other device: roll it back, report it once and paint
    // the menu afresh.
    AWeiter = false;
    ZAMBuchung().Aufgeben(0);
    ZAMBuchung().IstOffen(); // takes the notice of the abandonment, which is reported here
    TZAM_Hausregel::OhneBusy("TState_Menue.Vor_Anfang", [] {
        throw EZAM_Exception::Text(QStringLiteral("TDM_Torvik.WarenbegleitscheinDrucken: Buchung schon offen."));
    });
    StateAnfang();
}

void TState_Menue::StateAnfangVariablenClear()
{
    FMaske->FModus = CZPMDEM_Null;
    // Between workflows: a device that lost its locks to another one starts afresh here.
    TZAM_Hausregel::OhneBusy("TState_Menue.StateAnfangVariablenClear", [] { CommonLock().ArbeitsgangBeginnen(); });
}

void TState_Menue::StateAnfangMaskeMalen()
{
    const bool wePlus = ZAMParameter().GetBooleanValueByName(QStringLiteral("WEPLUS"));
    const int anzahl2 = BestellungenVorhanden(CZPMDEM_FilNachsort);
    const int anzahl3 = BestellungenVorhanden(CZPMDEM_KuBe);
    const int anzahl4 = BestellungenVorhanden(CZPMDEM_UmlagHL);
    const bool kundenVBS = KundenVBSVorhanden();
    const bool tsPlus = DM_Torvik->AktLagerIstRezeVudazPlusLager();
    const bool vorbereitung = tsPlus && DM_Torvik->BearbVorbereitungVorhanden(DM_Torvik->FAktLager);

    QList<TZPMDEModus_erw> modi;
    if (tsPlus) {
        for (TZPMDEModus_erw m : {CZPMDEM_Einlagerung, CZPMDEM_BearbStart, CZPMDEM_UmlagBehaelter,
                                  CZPMDEM_BearbUmlagerung, CZPMDEM_BearbVersand, CZPMDEM_WBSoBelegDruck,
                                  CZPMDEM_Lagerinfo, CZPMDEM_Anreicherung, CZPMDEM_Optionen})
            if (m == CZPMDEM_BearbStart || m == CZPMDEM_BearbVersand ? vorbereitung
                : m == CZPMDEM_UmlagBehaelter                         ? !vorbereitung
                                                                      : true)
                modi << m;
    } else {
        const bool kubeLP = FMaske->FReservAufKubeLP || kundenVBS;
        for (const TQIV_MenueEintrag& e : Menuetabelle()) {
            const TZPMDEModus_erw m = e.Modus;
            const bool weg = (m >= CZPMDEM_FilNachsort && m <= CZPMDEM_UmlagHL) ||
                             (m == CZPMDEM_WBSDruck && kubeLP) || (m == CZPMDEM_WBSoBelegDruck && !kubeLP) ||
                             (m == CZPMDEM_Wareneingang && wePlus) || (m == CZPMDEM_WEPLUS && !wePlus) ||
                             (m == CZPMDEM_Paketversand && FMaske->FOptionen.NachsortAllg.Paketversand == u'N') ||
                             (m >= CZPMDEM_BearbStart && m <= CZPMDEM_BearbVersand);
            if (!weg)
                modi << m;
        }
    }
    KnoepfeMalen(modi, anzahl2, anzahl3, anzahl4);

    if (FMaske->FFrageFensterGr) {
        FMaske->FFrageFensterGr = false;
        // The question gives the menu's header back when it closes: the menu's, not the last state's.
        FMaske->HeaderCaption_Set(Caption_Get());
        FMaske->tiFensterGroesse->start();
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Fenstergröße OK?"),
            [this](TZAM_TriState_Enum AAntwort, bool) { FrageFensterGroesseOKCallback(AAntwort == tsTrue); }));
    }
    FMaske->FFensterGrFrageErlaubt = true;
}

void TState_Menue::FrageFensterGroesseOKCallback(bool AJa)
{
    FMaske->tiFensterGroesse->stop();
    if (!AJa)
        FMaske->FensterGroesseZuruecksetzen();
}

void TState_Menue::KnoepfeMalen(const QList<TZPMDEModus_erw>& AModi, int AAnzahl2, int AAnzahl3, int AAnzahl4)
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    int nummer = 0;
    for (TZPMDEModus_erw m : AModi)
        ButtonEinfuegen(m, m == CZPMDEM_Optionen ? 0 : ++nummer, AAnzahl2, AAnzahl3, AAnzahl4);
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

void TState_Menue::ButtonEinfuegen(TZPMDEModus_erw AModus, int ANummer, int AAnzahl2, int AAnzahl3, int AAnzahl4)
{
    TZAM_Hausregel::OhneBusy("ButtonEinfuegen", [&] {
        QString caption;
        for (const TQIV_MenueEintrag& e : Menuetabelle())
            if (e.Modus == AModus)
                caption = e.Caption;
        TZAM_BtnMenuItem item;
        item.ButtonType = 1;
        item.Data = AModus;
        item.LeftCaption = (ANummer < 10 ? QStringLiteral("&") : QString()) + QString::number(ANummer) + u' ' + caption;
        if (AModus == CZPMDEM_EinlagUVersHilfe && !FMaske->FReservAufKubeLP)
            item.LeftCaption = QStringLiteral("&%1 Versandhilfe").arg(ANummer);
        if (AModus == CZPMDEM_Nachsort && (AAnzahl2 > 0 || AAnzahl3 > 0 || AAnzahl4 > 0))
            item.RightCaption = AnzahlText(AAnzahl2) + QStringLiteral(" / ") + AnzahlText(AAnzahl3) +
                                QStringLiteral(" / ") + AnzahlText(AAnzahl4);
        const int anzahl = AModus == CZPMDEM_FilNachsort ? AAnzahl2
                           : AModus == CZPMDEM_KuBe      ? AAnzahl3
                           : AModus == CZPMDEM_UmlagHL   ? AAnzahl4
                                                         : 0;
        if (anzahl > 0)
            item.RightCaption = QString::number(anzahl);
        btnmButtons()->Add(item);
    });
}

QString TState_Menue::Caption_Get()
{
    return QStringLiteral("Oblaro, Lager %1").arg(DM_Torvik ? DM_Torvik->FAktLager : 0);
}

QString TState_Menue::FussTip(bool& ALang)
{
    ALang = true;
    if (!DM_Torvik || !IntPairDefined(DM_Torvik->FMitarbeiter))
        return {};
    IZAM_GPListenServer* gp = DM_Torvik->GPListenServer_GoC();
    return QStringLiteral("Angemeldet: ") + (gp ? gp->Name(DM_Torvik->FMitarbeiter, 0) : QString());
}

void TState_Menue::ButtonsSchalten_Speziell()
{
    FMaske->BtnBenutzerAbmeldenVisible_Set(DM_Torvik && IntPairDefined(DM_Torvik->FMitarbeiter));
}

void TState_Menue::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Menue.btnZurueckClick", [&] {
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Möchten Sie das Programm wirklich beenden?"), [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    FMaske->Schliessen(1);
            }));
    });
}

void TState_Menue::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Menue.btnmButtonsClick", [&] {
        const int modus = btnmButtons()->Item(AButtonIndex).Data;
        // Only the menu's own buttons: while the menu is unpainted, another panel's buttons may
        // still be routed here.
        if (modus < CZPMDEM_Nachsort || modus > CZPMDEM_Optionen)
            return;
        FMaske->FModus = TZPMDEModus_erw(modus);
        const TQIV_MenueRechte rechte = Rechte(FMaske->FModus);
        if (rechte.Rechte.isEmpty())
            WorkflowStarten();
        else
            FMaske->BenutzerAnmeldungAn([this](bool AErfolg) { BenutzerAnmeldungErgebnis(AErfolg); }, rechte.Rechte,
                                        rechte.Force);
    });
}

void TState_Menue::BenutzerAnmeldungErgebnis(bool AErfolg)
{
    if (AErfolg)
        TZAM_Hausregel::OhneBusy("TState_Menue.btnmButtonsClick", [&] { WorkflowStarten(); });
}

void TState_Menue::WorkflowStarten()
{
    for (const TQIV_MenueEintrag& e : Menuetabelle()) {
        if (e.Modus != FMaske->FModus)
            continue;
        if (!e.AnfangsState)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, e.Caption,
                                 QStringLiteral("TState_Menue.btnmButtonsClick"));
        // The receipt's scan records carry the employee who logged on.
        if (e.Modus == CZPMDEM_WEPLUS)
            DM_Torvik->MitaGepNr_4_WEPLus_Setzen();
        ChangeState(e.AnfangsState);
        return;
    }
}

#include "TState_Menue.h"

#include "EZAM_Exception.h"
#include "IZAM_GPListenServer.h"
#include "TDM_Torvik.h"
#include "TState_Optionen.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

const QList<TQIV_MenueEintrag>& TState_Menue::Menuetabelle()
{
    static const QList<TQIV_MenueEintrag> GTabelle = {
        {CZPMDEM_Nachsort, QStringLiteral("Nachsortierung"), nullptr},
        {CZPMDEM_FilNachsort, QStringLiteral("Filialnachsortierung"), nullptr},
        {CZPMDEM_KuBe, QStringLiteral("Kundenbestellungen"), nullptr},
        {CZPMDEM_UmlagHL, QStringLiteral("Verkaufsraumanforderungen"), nullptr},
        {CZPMDEM_Einlagerung, QStringLiteral("Einlagerung, WE && WBS"), nullptr},
        {CZPMDEM_Inventur, QStringLiteral("Inventur/Inbetriebnahme"), nullptr},
        {CZPMDEM_WBSDruck, QStringLiteral("Druck Warenbegleitschein"), nullptr},
        {CZPMDEM_WBSoBelegDruck, QStringLiteral("Druck WBS/Belege"), nullptr},
        {CZPMDEM_Lagerinfo, QStringLiteral("Lagerinfo"), nullptr},
        {CZPMDEM_Wareneingang, QStringLiteral("Wareneingang"), nullptr},
        {CZPMDEM_WEPLUS, QStringLiteral("Wareneingang PLUS"), nullptr},
        {CZPMDEM_EinlagUVersHilfe, QStringLiteral("Einlagerungs-/Versandhilfe"), nullptr},
        {CZPMDEM_Anreicherung, QStringLiteral("GTIN (EAN) Anreicherung"), nullptr},
        {CZPMDEM_LagerZuAb, QStringLiteral("Manuelle Lagerbewegung"), nullptr},
        {CZPMDEM_Paketversand, QStringLiteral("Paketversand"), nullptr},
        {CZPMDEM_BearbStart, QStringLiteral("Bearbeitungs-Vorbereitung"), nullptr},
        {CZPMDEM_UmlagBehaelter, QStringLiteral("Umlagerung Behälter"), nullptr},
        {CZPMDEM_BearbUmlagerung, QStringLiteral("Wechsel Bearbeitungs-Schritt"), nullptr},
        {CZPMDEM_BearbVersand, QStringLiteral("Bearbeitungs-Abschluss"), nullptr},
        {CZPMDEM_Optionen, QStringLiteral("Optionen"), StateKlasse<TState_Optionen>()},
    };
    return GTabelle;
}

void TState_Menue::StateAnfangVariablenClear()
{
    FMaske->FModus = CZPMDEM_Null;
    // Between workflows: a device that lost its locks to another one starts afresh here.
    TZAM_Hausregel::OhneBusy("TState_Menue.StateAnfangVariablenClear", [] { CommonLock().ArbeitsgangBeginnen(); });
}

void TState_Menue::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->Clear();
    int nummer = 0;
    for (const TQIV_MenueEintrag& e : Menuetabelle()) {
        const int n = e.Modus == CZPMDEM_Optionen ? 0 : ++nummer;
        TZAM_BtnMenuItem item;
        item.LeftCaption = (n < 10 ? QStringLiteral("&") : QString()) + QString::number(n) + u' ' + e.Caption;
        item.Data = e.Modus;
        item.ButtonType = 1;
        menu->Add(item);
    }
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
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
        const auto modus = TZPMDEModus_erw(btnmButtons()->Item(AButtonIndex).Data);
        FMaske->FModus = modus;
        for (const TQIV_MenueEintrag& e : Menuetabelle()) {
            if (e.Modus != modus)
                continue;
            if (!e.AnfangsState)
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, e.Caption,
                                     QStringLiteral("TState_Menue.btnmButtonsClick"));
            ChangeState(e.AnfangsState);
            return;
        }
    });
}

// The menu's open-task counts and the places it asks for.
#include "TState_Menue.h"

#include "IZAM_AufgabenEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenZaehlKlammer.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"

int TState_Menue::BestellungenVorhanden(TZPMDEModus_erw AModus)
{
    int anzahl = 0;
    TZAM_Hausregel::OhneBusy(
        "TState_Menue.BestellungenVorhanden",
        [&] {
            switch (AModus) {
            case CZPMDEM_FilNachsort:
                anzahl = ListenAnzahl(CZAM_Filialnachsortierung, 6);
                break;
            case CZPMDEM_KuBe:
                KundenbestellungenZaehlen(anzahl);
                break;
            case CZPMDEM_UmlagHL: {
                TIntTrioList gruende;
                if (DM_Torvik->AlleHLAnfoGrundIdsErmitteln(agsKeine, 0, gruende) && !gruende.isEmpty())
                    anzahl = ListenAnzahl(CZAM_Umlagerung_Handlager, 256);
                break;
            }
            default:
                break;
            }
        },
        false);
    return anzahl;
}

int TState_Menue::ListenAnzahl(TZAM_Workflow_Nachsortierung AWorkflow,
                               TZAM_Aufgabe_GeschaeftsvorfallSet AGeschaeftsvorfaelle)
{
    TQIV_Aufgaben_Suchkriterien_Options o;
    Aufgaben_Suchkriterien_Options_Init(o, AWorkflow);
    o.GeschaeftsvorSet = AGeschaeftsvorfaelle;
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);
    // The independent server: the shared one's list may belong to a workflow.
    IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
    if (!server)
        return 0;
    TQIVAufgabenlisteLaden_Options nurIds;
    nurIds.NurIdsLaden = true;
    server->Aufgabenliste_Laden(k, nurIds);
    const int n = server->ZeilenAnzahl();
    server->Aufgabenliste_Freigeben();
    return n;
}

void TState_Menue::KundenbestellungenZaehlen(int& AAnzahl)
{
    const TQIV_Optionen_OBMDE::TNachsortKube& optionen = FMaske->FOptionen.NachsortKube;
    // The three counts read the customer-order tasks once.
    TQIV_AufgabenZaehlKlammer klammer(*DM_Torvik);
    if (optionen.NurWennKomplettImLag) {
        TIntTrioList& komplett = *FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds;
        FMaske->Wartemaske_Show(QString(), QStringLiteral("Ermittlung \"Komplett im Lager\"."));
        DM_Torvik->KomplettImLagerBestListErmitteln(optionen.NurWennBezahlt, komplett);
        FMaske->Wartemaske_Hide();
        AAnzahl += int(komplett.size());
    }
    for (int gv : {CZAM_Aufgabe_GV_Kundenbestellung, CZAM_Aufgabe_GV_KundenbestellungVersand}) {
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Kundenbestellung);
        o.GeschaeftsvorSet = ZAMSetBit(gv);
        o.KubeNurBezahlte = optionen.NurWennBezahlt ? tsTrue : tsFalse;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        TZAM_Int_Int_Array anzahlen;
        DM_Torvik->AufgabenFuerFilErmitteln(anzahlen, k, 0);
        // With the complete orders, they stand for the warehouse's own entry.
        for (int i = optionen.NurWennKomplettImLag ? 1 : 0; i < anzahlen.size(); ++i)
            AAnzahl += anzahlen[i].value(0);
    }
}

bool TState_Menue::KundenVBSVorhanden()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TState_Menue.KundenVBSVorhanden", false, [] {
        IZAM_LagerEditServer* lager = DM_Torvik->LagerEditServer_GoC();
        return lager && !lager->Lagerorte_4_Bereich(DM_Torvik->FAktLager, CZAM_Bereich_KundenVBS).isEmpty();
    });
}

void TState_Menue::AnzahlenAktualisieren()
{
    TZAM_Hausregel::OhneBusy("TState_Menue.AnzahlenAktualisieren", [&] {
        const int anzahl2 = BestellungenVorhanden(CZPMDEM_FilNachsort);
        const int anzahl3 = BestellungenVorhanden(CZPMDEM_KuBe);
        TZAM_BtnMenu* menu = btnmButtons();
        const int position = menu->ScrollOffset();
        menu->BeginUpdate();
        for (int i = 0; i < menu->Count(); ++i) {
            const int modus = menu->Item(i).Data;
            // A count that dropped to 0 keeps the old text.
            const int anzahl = modus == CZPMDEM_FilNachsort ? anzahl2 : modus == CZPMDEM_KuBe ? anzahl3 : 0;
            if (anzahl > 0)
                menu->RightCaption_Set(i, QString::number(anzahl));
        }
        menu->EndUpdate();
        menu->SetScrollOffset(position);
    });
}

#include "TQIV_Aufgaben_Suchkriterien_Options.h"

#include "TDM_Torvik.h"
#include "TZAM_Hausregel.h"

namespace {
constexpr TZAM_Aufgabe_GeschaeftsvorfallSet CKundenbestellungen = ZAMSetBit(3) | ZAMSetBit(4);
constexpr TZAM_ExtVerweis_KennungSet CBelegUndExtAuftrag = ZAMSetBit(1) | ZAMSetBit(3);
} // namespace

void Aufgaben_Suchkriterien_Options_Init(TQIV_Aufgaben_Suchkriterien_Options& AOptionen,
                                         TZAM_Workflow_Nachsortierung AModus)
{
    AOptionen = TQIV_Aufgaben_Suchkriterien_Options();
    AOptionen.Modus = AModus;
}

void Aufgaben_Suchkriterien_Get(const TQIV_Aufgaben_Suchkriterien_Options& AOptionen,
                                TZAM_Aufgaben_Suchkriterien& AKriterien)
{
    Clear_Aufgaben_Suchkriterien(AKriterien);
    TZAM_Hausregel::OhneBusy(
        "Aufgaben_Suchkriterien_Get",
        [&] {
            const bool kube = AOptionen.Modus == CZAM_Kundenbestellung;
            AKriterien.Arten = AOptionen.Modus == CZAM_Umlagerung_Handlager ? ZAMSetBit(8) : ZAMSetBit(1);
            AKriterien.ZielFiliale = qint16(AOptionen.FilNr & 0xffff);
            AKriterien.Lager = DM_Torvik ? DM_Torvik->FAktLager : -1;

            AKriterien.Geschaeftsvorfaelle = AOptionen.GeschaeftsvorSet;
            if (AKriterien.Geschaeftsvorfaelle == 0) {
                switch (AOptionen.Modus) {
                case CZAM_Kundenbestellung:
                    AKriterien.Geschaeftsvorfaelle = CKundenbestellungen;
                    break;
                case CZAM_Umlagerung_Handlager:
                    AKriterien.Geschaeftsvorfaelle = ZAMSetBit(8);
                    break;
                default:
                    AKriterien.Geschaeftsvorfaelle = CZAM_Aufgabe_Geschaeftsvorfall_Alle & ~CKundenbestellungen;
                    break;
                }
            } else if (kube) {
                AKriterien.ExtVerweisEinschluss = CBelegUndExtAuftrag;
            } else {
                AKriterien.ExtVerweisAusschluss = CBelegUndExtAuftrag;
            }

            if (kube) {
                if (AOptionen.KubeNurBezahlte != tsUndefined)
                    AKriterien.NurBezahlte = AOptionen.KubeNurBezahlte == tsTrue;
                else
                    AKriterien.NurBezahlte = DM_Torvik && DM_Torvik->FOptionen.KubeAufgabenNurWennBezahlt;
            }

            AKriterien.Status = AOptionen.Status;
            if (!AOptionen.AufgabenDatumVon.isNull())
                AKriterien.BearbeitungVon = AOptionen.AufgabenDatumVon;
            if (!AOptionen.AufgabenDatumBis.isNull())
                AKriterien.BearbeitungBis = AOptionen.AufgabenDatumBis;
            if (!AOptionen.Herkunft.isNull())
                AKriterien.Herkuenfte = {AOptionen.Herkunft};
            if (AOptionen.BuchFilNr > 0 && DM_Torvik) {
                TZAM_Filiale f;
                IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();
                // An unknown branch keeps the empty key, which no task carries.
                if (tabelle)
                    tabelle->Filiale(AOptionen.BuchFilNr, f);
                AKriterien.BuchFilialen = {f.OrgeId};
            }
            AKriterien.VorgangsTypen = AOptionen.BNEVorgTypSet;
            AKriterien.ZusatzIds = AOptionen.ZusatzIds;
            AKriterien.ZielLagerort = AOptionen.LagerortAnId;
        },
        false);
}

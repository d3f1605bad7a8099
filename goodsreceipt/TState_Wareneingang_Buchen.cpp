// Posting the goods receipt, and the list rebuilt from what could not be posted.
#include "TState_Wareneingang.h"

#include "TDM_Torvik.h"
#include "TZAM_LieferungKey.h"
#include "TZAM_LieferungMani.h"
#include "TSCANNMani.h"
#include "TVRList.h"
#include "TQIV_Wartemaske.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

namespace {
const TInfoKoord CEtikettenFrage{"LAGER", 1205};
const TInfoKoord CEtikettenNichtEingerichtet{"LAGER", 1206};
} // namespace

void TState_Wareneingang::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.btnBuchenClick", [&] {
        if (!FLagerplatzID.Defined())
            return;
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Wollen Sie die Wareneingang wirklich buchen?"), [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    Buchen_nach_Frage();
            }));
    });
}

void TState_Wareneingang::Buchen_nach_Frage()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Buchen_nach_Frage", [&] {
        QString etikDruck;
        if (!DM_Torvik->WEmitMDE_Konfig(etikDruck)) {
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(ZAMInfo().Meldungstext(CEtikettenNichtEingerichtet)));
            return;
        }
        if (etikDruck.compare(QLatin1String("Fragen"), Qt::CaseInsensitive) == 0) {
            // Asked once per posting attempt: the answer is kept until this attempt posts.
            if (FEtikettenDruckNachFrage == 0) {
                FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
                    ZAMInfo().Meldungstext(CEtikettenFrage), [this](TZAM_TriState_Enum AAntwort, bool) {
                        FEtikettenDruckNachFrage = AAntwort == tsTrue ? 2 : 1;
                        Buchen_nach_Frage();
                    }));
                return;
            }
            etikDruck = FEtikettenDruckNachFrage == 2 ? QStringLiteral("Ja") : QStringLiteral("Nein");
            FEtikettenDruckNachFrage = 0;
        }

        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        FFehlerInfos->clear();
        FWENichtBuchbar = false;
        QString fehler;
        bool gebucht = false;
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Wareneingang wird gebucht."));
            // The article rows of the place; an empty list when it has none.
            TVRList leer;
            for (int s = 0; s < FVRListe->GetColumnCount(); ++s)
                leer.ColumnAdd(FVRListe->GetColumn(s));
            const TVRList* zeilen =
                FVRListe->GetRowCount() > 0 && FVRListe->GetRowChild(0) ? FVRListe->GetRowChild(0) : &leer;
            gebucht = DM_Torvik->WE_Buchen(fehler, *FFehlerInfos, zeilen, CProduktId, CHerstId, CGrInd, CMenge, CFilNr,
                                           etikDruck, d.Wareneingang.LagerplatzID);
        }
        if (gebucht) {
            NeuBeginnen();
            return;
        }
        FWENichtBuchbar = true;
        if (!fehler.isEmpty())
            FussTipSet(AllgemeinenFussTipErmitteln(FFussTipLagerScan), true, false);
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            QStringLiteral("ACHTUNG: Es wurde nicht alle Wareneingänge gebucht!\r\n\r\nDie betroffenen Artikel werden "
                           "nun mit den nicht gebuchten Mengen angezeigt."),
            false, [this](TZAM_TriState_Enum, bool) { MeldungErgebnisProblemWareneingang(); }));
    });
}

void TState_Wareneingang::MeldungErgebnisProblemWareneingang()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.MeldungErgebnisProblemWareneingang", [&] {
        // Nothing was stored (the booking as a whole failed): every row is still unposted as it is.
        if (FFehlerInfos->isEmpty() || !FVRListe || FVRListe->GetRowCount() == 0)
            return;
        TSCANNMani* scann = DM_Torvik->ScannMani_GoC();
        if (!scann)
            return;
        TVTVRList* anzeige = FMaske->vtVRList;
        anzeige->BeginUpdate();
        FVRListe->RowChildDelete(0);
        FVRListe->SetCellValueAsInteger(0, CMenge, 0);
        anzeige->EndUpdate();
        ListeZeigen();
        AktuelleZeile_Set({0, -1});
        // The records read back: their quantities are on the list again, and the next posting
        // writes new ones.
        TZAM_LieferungKey gelesen;
        FMaske->Datentraeger_Get().Filialauswahl.UrsprungsState = nullptr;
        const TQIV_InttrioString_List fehlerInfos = *FFehlerInfos;
        for (const TQIV_InttrioString_Rec& f : fehlerInfos) {
            scann->SelectAndAdd(TSCANSelectRec::Construct(f.IntTrio, true, true), 0);
            const TVRList saetze = scann->Liste();
            for (int z = 0; z < saetze.GetRowCount(); ++z) {
                Gescannt_Artikel_Erweitert(saetze.GetCellValueAsInt32Trio(z, cslProdukt), f.Text,
                                           saetze.GetCellValueAsInteger(z, cslAnFiliale),
                                           saetze.GetCellValueAsInteger(z, cslMenge),
                                           saetze.GetCellValueAsInteger(z, cslGrIdx));
                gelesen.ScanIdents.append(saetze.GetCellValueAsIntTrio(z, cslScanIdent));
            }
        }
        if (TZAM_LieferungMani* lieferung = DM_Torvik->LieferungMani_GoC())
            lieferung->Delete(gelesen);
        AktuelleZeile_Set({0, -1});
    });
}

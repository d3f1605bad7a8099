#include "TQIV_State_WEPlus_WENichtBuchbar.h"

#include "IZAM_LagerEditServer.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_State_WEPlus_ScanSatzSuche.h"
#include "TQIV_Wartemaske.h"
#include "TQIV_ZurueckModus.h"
#include "TSCANNMani.h"
#include "TVTVRListUpdate.h"
#include "TZAM_Hausregel.h"
#include "TZAM_LieferungKey.h"
#include "TZAM_LieferungMani.h"
#include "TZAM_Lagerort_Info.h"
#include "TfrmMDE.h"
#include "Vrtools.h"

namespace {
enum : int {
    CScanIdent,
    CLagerort,
    CLagerplatz,
    CProdukt,
    CArtNr,
    CHerstArtNr,
    CGrInd,
    CGroesse,
    CFiliale,
    CMenge,
    CFehler
};
// The sum row holds the failed lines as its children.
constexpr int CSummenZeile = 0;
} // namespace

void TQIV_State_WEPlus_WENichtBuchbar::VRListe_CIN()
{
    if (FVRListe) {
        FVRListe->RowsClear();
        return;
    }
    FVRListe = std::make_unique<TVRList>();
    FVRListe->ColumnAdd(QString(), vrtIntTrio, 0, false);
    FVRListe->ColumnAdd(QString(), vrtIntTrio, 0, false);
    FVRListe->ColumnAdd(QStringLiteral("LP"), vrtString, 90);
    FVRListe->ColumnAdd(QString(), vrtInt32Trio, 0, false);
    FVRListe->ColumnAdd(QString(), vrtString, 0, false);
    FVRListe->ColumnAdd(QStringLiteral("H.ArtNr."), vrtString, 70);
    FVRListe->ColumnAdd(QString(), vrtInteger, 0, false);
    FVRListe->ColumnAdd(QStringLiteral("Gr."), vrtString, 60);
    FVRListe->ColumnAdd(QStringLiteral("Fil."), vrtInteger, 30, true, Qt::AlignRight | Qt::AlignVCenter);
    FVRListe->ColumnAdd(QStringLiteral("Me."), vrtInteger, 30, true, Qt::AlignRight | Qt::AlignVCenter);
    FVRListe->ColumnAdd(QString(), vrtString, 0, false);
}

void TQIV_State_WEPlus_WENichtBuchbar::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_WENichtBuchbar.StateAnfangMaskeMalen", [&] {
        VRListe_CIN();
        {
            const TVTVRListUpdate update(FMaske->vtVRList);
            TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
            VRListe_AlleFehlerHinzu();
            VRListe_FehlerGruppieren();
            FMaske->vtVRList->VRList_Set(FVRListe.get());
            FMaske->vtVRList->Hauptspalte_Set(CLagerplatz);
        }
        Sortieren(CLagerplatz, false);
    });
}

void TQIV_State_WEPlus_WENichtBuchbar::VRListe_AlleFehlerHinzu()
{
    TSCANNMani* scann = DM_Torvik->ScannMani_GoC();
    IZAM_LagerEditServer* lager = DM_Torvik->LagerEditServer_GoC();
    TQIV_ArtvLesenTools* artikelTools = DM_Torvik->ArtvLesenTools_GoC();
    if (!scann)
        return;
    for (const TQIV_InttrioString_Rec& fehler : FMaske->Datentraeger_Get().WEPlus.FehlerInfos) {
        TSCANSelectRec auswahl = TSCANSelectRec::Construct(fehler.IntTrio, true, true);
        auswahl.Typ = CSCAN_Typ_WEPlus;
        scann->SelectAndAdd(auswahl, 0);
        const TVRList& saetze = scann->Liste();
        for (int z = 0; z < saetze.GetRowCount(); ++z) {
            const TIntTrio platz = saetze.GetCellValueAsIntTrio(z, cslLagerort);
            const TInt32Trio produkt = saetze.GetCellValueAsInt32Trio(z, cslProdukt);
            const int grInd = saetze.GetCellValueAsInteger(z, cslGrIdx);
            TZAM_Lagerort_Info info;
            const bool gelesen =
                lager && lager->LagerortInfo_Lesen(platz, info, TQIV_Lagerort_Info_Optionen::Defaults());
            TVRArray a = FVRListe->VRArray_ForRowAdd_Generate();
            IntTrio2VRItem(saetze.GetCellValueAsIntTrio(z, cslScanIdent), a[CScanIdent]);
            IntTrio2VRItem(platz, a[CLagerort]);
            String2VRItem(gelesen ? info.Name : platz.ToText(), a[CLagerplatz]);
            Int32Trio2VRItem(produkt, a[CProdukt]);
            String2VRItem(TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt), a[CArtNr]);
            TZAM_ArtikelInformationen artikel;
            if (artikelTools)
                artikelTools->ArtikelInformationen_Lesen(produkt, grInd, 0, artikel);
            String2VRItem(artikel.HerstellerArtNr, a[CHerstArtNr]);
            Integer2VRItem(grInd, a[CGrInd]);
            String2VRItem(artikel.LangGroesse, a[CGroesse]);
            Integer2VRItem(saetze.GetCellValueAsInteger(z, cslAnFiliale), a[CFiliale]);
            Integer2VRItem(saetze.GetCellValueAsInteger(z, cslMenge), a[CMenge]);
            String2VRItem(fehler.Text, a[CFehler]);
            FVRListe->RowAdd(std::move(a));
        }
    }
}

void TQIV_State_WEPlus_WENichtBuchbar::VRListe_FehlerGruppieren()
{
    const TVRList zeilen = *FVRListe;
    FVRListe->RowsClear();
    TVRArray summe = FVRListe->VRArray_ForRowAdd_Generate();
    String2VRItem(QStringLiteral("Summe"), summe[CLagerplatz]);
    FVRListe->RowAdd(std::move(summe));
    FVRListe->RowCloneChild(CSummenZeile, zeilen);
    Summieren();
}

void TQIV_State_WEPlus_WENichtBuchbar::Summieren()
{
    int summe = 0;
    if (const TVRList* kinder = FVRListe->GetRowChild(CSummenZeile))
        for (int z = 0; z < kinder->GetRowCount(); ++z)
            summe += kinder->GetCellValueAsInteger(z, CMenge);
    FVRListe->SetCellValueAsInteger(CSummenZeile, CMenge, summe);
}

void TQIV_State_WEPlus_WENichtBuchbar::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    if (auto* loeschen = FMaske->findChild<QWidget*>(QStringLiteral("btnZeileLoeschen")))
        loeschen->setVisible(true);
}

QString TQIV_State_WEPlus_WENichtBuchbar::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Wareneingänge nicht buchbar.\r\nFür Ursache auf Zeile klicken.");
}

void TQIV_State_WEPlus_WENichtBuchbar::vtVRListColumnNodeClick(int, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_WENichtBuchbar.vtVRListColumnNodeClick",
                               [&] { Meldung_ErgebnisAnzeigeFehler(ANode); });
}

void TQIV_State_WEPlus_WENichtBuchbar::Meldung_ErgebnisAnzeigeFehler(const TVTVRKnoten& ANode)
{
    if (!ANode.IsValid())
        return;
    const TVTVRList* l = FMaske->vtVRList;
    const QString fehler = l->GetCellValueAsString(ANode, CFehler);
    if (fehler.isEmpty())
        return;
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(l->GetCellValueAsString(ANode, CHerstArtNr) +
                                                 QStringLiteral(", Gr. ") + l->GetCellValueAsString(ANode, CGroesse) +
                                                 QStringLiteral(":\r\n") + fehler));
}

void TQIV_State_WEPlus_WENichtBuchbar::vtVRListHeaderClick(int ACol)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_WENichtBuchbar.vtVRListHeaderClick",
                               [&] { SpalteUmsortieren(ACol); });
}

void TQIV_State_WEPlus_WENichtBuchbar::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_WENichtBuchbar.btnBuchenClick", [&] {
        if (!WareneingangBuchen(this))
            Meldung_ErgebnisProblemWareneingang();
    });
}

bool TQIV_State_WEPlus_WENichtBuchbar::WareneingangBuchen(TAbstractState* AState)
{
    TfrmMDE* maske = AState->Maske();
    auto& w = maske->Datentraeger_Get().WEPlus;
    // Every line deleted: nothing is left to post, the receipt is over.
    bool gebucht = w.DatenCache.Count() == 0;
    if (!gebucht) {
        const TQIV_Wartemaske warten(maske, QStringLiteral("Wareneingang wird gebucht."));
        QString fehler;
        gebucht = DM_Torvik->WEPlus_AusScansaetzen_Buchen(w.DatenCache, w.FehlerInfos, fehler);
    }
    if (gebucht) {
        w.DatenCache.Clear();
        AState->ChangeState(StateKlasse<TQIV_State_WEPlus_ScanSatzSuche>());
    }
    return gebucht;
}

void TQIV_State_WEPlus_WENichtBuchbar::Meldung_ErgebnisProblemWareneingang()
{
    TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
        QStringLiteral("ACHTUNG: Es konnten erneut nicht alle Wareneingänge gebucht werden!\r\n\r\nDie betroffenen "
                       "Artikel werden nun mit den nicht gebuchten Mengen angezeigt."),
        false, [this](TZAM_TriState_Enum, bool) {
            TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_WENichtBuchbar.Meldung_ErgebnisProblemWareneingang",
                                     [&] { ChangeState(StateKlasse<TQIV_State_WEPlus_WENichtBuchbar>()); });
        });
    o.FontSize = 14;
    FMaske->MeldungAn(o);
}

void TQIV_State_WEPlus_WENichtBuchbar::ZeileLoeschenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_WENichtBuchbar.ZeileLoeschenClick", [&] {
        const TVRList* kinder = FVRListe ? FVRListe->GetRowChild(CSummenZeile) : nullptr;
        if (!kinder || kinder->GetRowCount() == 0)
            return;
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
            QStringLiteral("Sollen die Daten der markierten Zeile wirklich gelöscht werden?"),
            [this](TZAM_TriState_Enum AAntwort, bool) { Frage_DatenZuZeileLoeschen_Callback(AAntwort); }, true, 16,
            QString(), QString(), QString(), QString(), false));
    });
}

void TQIV_State_WEPlus_WENichtBuchbar::Frage_DatenZuZeileLoeschen_Callback(TZAM_TriState_Enum AAntwort)
{
    if (AAntwort == tsTrue)
        TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_WENichtBuchbar.Frage_DatenZuZeileLoeschen_Callback",
                                 [&] { MarkierteZeile_Und_DatenLoeschen(); });
}

void TQIV_State_WEPlus_WENichtBuchbar::MarkierteZeile_Und_DatenLoeschen()
{
    const QList<TVTVRKnoten> gewaehlt = FMaske->vtVRList->GetSelectedNodes();
    // The sum row is no line of the receipt.
    if (gewaehlt.isEmpty() || gewaehlt.first().ChildRow < 0)
        return;
    const TVTVRKnoten k = gewaehlt.first();
    if (!DatenAusScanfileUndCacheLoeschen(FMaske->vtVRList->GetCellValueAsIntTrio(k, CScanIdent)))
        return;
    {
        const TVTVRListUpdate update(FMaske->vtVRList);
        FVRListe->RowChild_GoC(k.Row).RowDelete(k.ChildRow);
        Summieren();
    }
    FMaske->vtVRList->expandAll();
}

bool TQIV_State_WEPlus_WENichtBuchbar::DatenAusScanfileUndCacheLoeschen(const TIntTrio& AScanIdent)
{
    // The scan record first: when it cannot be deleted, the cache keeps its lines.
    TZAM_LieferungMani* lieferung = DM_Torvik->LieferungMani_GoC();
    if (!lieferung)
        return false;
    TZAM_LieferungKey key;
    LieferungKeyClear(key);
    key.ScanIdents.append(AScanIdent);
    lieferung->Delete(key);
    auto& w = FMaske->Datentraeger_Get().WEPlus;
    DM_Torvik->Delete_from_DatenCache(AScanIdent, w.DatenCache);
    w.FehlerInfos.removeIf([&](const TQIV_InttrioString_Rec& AFehler) { return AFehler.IntTrio == AScanIdent; });
    return true;
}

void TQIV_State_WEPlus_WENichtBuchbar::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_WENichtBuchbar.btnZurueckClick", [&] {
        const TStateKlasse* ziel = FMaske->Datentraeger_Get().WEPlus.ReturnToState;
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(ziel ? ziel : StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>());
    });
}

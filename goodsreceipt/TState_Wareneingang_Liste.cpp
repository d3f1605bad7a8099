// The count list of the goods receipt: its rows, sums, numeric keys, row clicks and deletion.
#include "TState_Wareneingang.h"

#include "TVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"

TVRList* TState_Wareneingang::Zeile(const TVTVRKnoten& ANode, int& AZeile) const
{
    if (!FVRListe || !ANode.IsValid() || ANode.Row >= FVRListe->GetRowCount())
        return nullptr;
    if (ANode.ChildRow < 0) {
        AZeile = ANode.Row;
        return FVRListe.get();
    }
    TVRList* kinder = FVRListe->GetRowChild(ANode.Row);
    if (!kinder || ANode.ChildRow >= kinder->GetRowCount())
        return nullptr;
    AZeile = ANode.ChildRow;
    return kinder;
}

bool TState_Wareneingang::IstLagerplatzZeile(const TVTVRKnoten& ANode) const
{
    int z = 0;
    const TVRList* l = Zeile(ANode, z);
    return l && l->GetCellValueAsIntTrio(z, CLagerortId).Defined();
}

TVTVRKnoten TState_Wareneingang::AktuelleZeile_Get() const
{
    if (FMaske->vtVRList->VRList_Get() != FVRListe.get())
        return {};
    const TVTVRKnoten k = FMaske->vtVRList->GetFocusedNode();
    int z = 0;
    return Zeile(k, z) && FMaske->vtVRList->selectionModel()->hasSelection() ? k : TVTVRKnoten{};
}

void TState_Wareneingang::AktuelleZeile_Set(const TVTVRKnoten& ANode)
{
    int z = 0;
    if (Zeile(ANode, z))
        FMaske->vtVRList->SetFocusedNode(ANode);
    else
        FMaske->vtVRList->clearSelection();
}

void TState_Wareneingang::ListeZeigen()
{
    TVTVRList* anzeige = FMaske->vtVRList;
    if (anzeige->IsUpdating())
        return;
    anzeige->Refresh();
    anzeige->expandAll();
}

void TState_Wareneingang::ZeileDazu(const QString& ABez, const TInt32Trio& AProdukt_Id, const TIntTrio& ALagerortId,
                                    const TIntPair& AHerstId, const QString& AGroesse, int AGrInd0, int AFilNr,
                                    const QString& AFiliale, int AMenge, bool AZaehlen, const QString& AFehler)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.ZeileDazu", [&] {
        TVTVRList* anzeige = FMaske->vtVRList;
        const TVTVRKnoten aktuell = AktuelleZeile_Get();
        TVTVRKnoten neu{0, -1};
        {
            const TVTVRListUpdate update(anzeige);
            TVRArray a = FVRListe->VRArray_ForRowAdd_Generate();
            String2VRItem(ABez, a[CBez]);
            Int32Trio2VRItem(AProdukt_Id, a[CProduktId]);
            IntTrio2VRItem(ALagerortId, a[CLagerortId]);
            IntPair2VRItem(AHerstId, a[CHerstId]);
            String2VRItem(AGroesse, a[CGroesse]);
            Integer2VRItem(AGrInd0, a[CGrInd]);
            String2VRItem(AFiliale, a[CFiliale]);
            Integer2VRItem(AFilNr, a[CFilNr]);
            Integer2VRItem(AMenge, a[CMenge]);
            Boolean2VRItem(AZaehlen, a[CZaehlen]);
            Boolean2VRItem(false, a[CMengeManuell]);
            String2VRItem(AFehler, a[CFehler]);
            // A place row starts a level of its own; an article goes below the selected row's place.
            if (ALagerortId.Defined() || !aktuell.IsValid()) {
                FVRListe->RowInsert(0, a);
            } else {
                FVRListe->RowChild_GoC(aktuell.Row).RowInsert(0, a);
                neu = {aktuell.Row, 0};
            }
        }
        ListeZeigen();
        AktuelleZeile_Set(neu);
        if (AMenge != 0)
            NachObenSummieren(neu, false);
    });
}

void TState_Wareneingang::NachObenSummieren(const TVTVRKnoten& ANode, bool AOhneZeile)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.NachObenSummieren", [&] {
        // Two levels: an article row's parent is its place row, which has none.
        if (!ANode.IsValid() || ANode.ChildRow < 0 || !FVRListe->GetRowChild(ANode.Row))
            return;
        const TVRList& kinder = *FVRListe->GetRowChild(ANode.Row);
        int summe = 0;
        for (int z = 0; z < kinder.GetRowCount(); ++z)
            if (!AOhneZeile || z != ANode.ChildRow)
                summe += kinder.GetCellValueAsInteger(z, CMenge);
        FMaske->vtVRList->BeginUpdate();
        FVRListe->SetCellValueAsInteger(ANode.Row, CMenge, summe);
        FMaske->vtVRList->EndUpdate();
    });
}

void TState_Wareneingang::NummernBlockEingabe(int AInt)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.NummernBlockEingabe", [&] {
        const TVTVRKnoten k = AktuelleZeile_Get();
        if (!k.IsValid() || IstLagerplatzZeile(k))
            return;
        NummernBlockEingabe_2_Liste(AInt, CMenge, CMengeManuell, k);
        NachObenSummieren(k, false);
    });
}

void TState_Wareneingang::KeyBackSpace()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.KeyBackSpace", [&] {
        const TVTVRKnoten k = AktuelleZeile_Get();
        if (!k.IsValid() || IstLagerplatzZeile(k))
            return;
        KeyBackSpace_2_Liste(CMenge, CMengeManuell, k);
        NachObenSummieren(k, false);
    });
}

void TState_Wareneingang::vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.vtVRListColumnNodeClick", [&] {
        int z = 0;
        const TVRList* l = Zeile(ANode, z);
        if (!l)
            return;
        AktuelleZeile_Set(ANode);
        const QString fehler = l->GetCellValueAsString(z, CFehler);
        if (!fehler.isEmpty())
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(l->GetCellValueAsString(z, CBez) + QStringLiteral(", Gr. ") +
                                                             l->GetCellValueAsString(z, CGroesse) +
                                                             QStringLiteral(":\r\n") + fehler,
                                                         false, [](TZAM_TriState_Enum, bool) {}));
        const QString platz = IstLagerplatzZeile(ANode) ? l->GetCellValueAsString(z, CBez)
                                                        : FVRListe->GetCellValueAsString(ANode.Row, CBez);
        FussTipSet(AllgemeinenFussTipErmitteln(platz), true, false);
    });
}

void TState_Wareneingang::ZeileLoeschenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.ZeileLoeschenClick", [&] {
        const TVTVRKnoten k = AktuelleZeile_Get();
        int z = 0;
        const TVRList* l = Zeile(k, z);
        if (!l) {
            FussTipSet(QStringLiteral("Bitte wählen Sie zunächst eine zu löschende Zeile!"), true, true);
            return;
        }
        const TVRList* kinder = l->GetRowChild(z);
        const bool mitKindern = kinder && kinder->GetRowCount() > 0;
        QString frage;
        if (k.ChildRow < 0 && mitKindern)
            frage = QStringLiteral("Sind Sie sicher, dass Sie diese Wareneingang abbrechen wollen?");
        else if (l->GetCellValueAsIntTrio(z, CLagerortId).Defined() && mitKindern)
            frage = QStringLiteral("Wollen Sie Behälter ") + l->GetCellValueAsString(z, CBez) +
                    QStringLiteral(" und seinen Inhalt aus der Liste entfernen?");
        else if (!IstLagerplatzZeile(k) && l->GetCellValueAsInteger(z, CMenge) < 2) {
            ZeileLoeschen_nach_Frage(k);
            return;
        } else if (k.ChildRow < 0)
            // The place row without articles: deleting it still ends the receipt.
            frage = QStringLiteral("Sind Sie sicher, dass Sie diese Wareneingang abbrechen wollen?");
        else
            frage = QStringLiteral("Wollen Sie Artikel ") + l->GetCellValueAsString(z, CBez) +
                    QStringLiteral(" in Größe ") + l->GetCellValueAsString(z, CGroesse) + QStringLiteral(" von ") +
                    FVRListe->GetCellValueAsString(k.Row, CBez) + QStringLiteral(" entfernen?");
        FMaske->SicherheitsAbfrageAn(
            TQIV_SicherheitsAbfrage_Options::Kurz(frage, [this, k](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    ZeileLoeschen_nach_Frage(k);
            }));
    });
}

void TState_Wareneingang::ZeileLoeschen_nach_Frage(const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.ZeileLoeschen_nach_Frage", [&] {
        int z = 0;
        TVRList* l = Zeile(ANode, z);
        if (!l)
            return;
        if (ANode.ChildRow < 0) {
            NeuBeginnen();
            return;
        }
        NachObenSummieren(ANode, true);
        FMaske->vtVRList->BeginUpdate();
        l->RowDelete(z);
        FMaske->vtVRList->EndUpdate();
        ListeZeigen();
        // The row now at that position, else the last one, else the place row.
        if (l->GetRowCount() > 0)
            AktuelleZeile_Set({ANode.Row, qMin(z, l->GetRowCount() - 1)});
        else
            AktuelleZeile_Set({ANode.Row, -1});
    });
}

TQIV_ZeilenArt TState_Wareneingang::ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler)
{
    // The view may still show another state's list while this state is entered.
    bool eigene = FVRListe && &AListe == FVRListe.get();
    for (int r = 0; FVRListe && !eigene && r < FVRListe->GetRowCount(); ++r)
        eigene = FVRListe->GetRowChild(r) == &AListe;
    auto markiert = [&](int r) { return !AListe.GetCellValueAsString(r, CFehler).isEmpty(); };
    if (!eigene || AZeile >= AListe.GetRowCount() || !markiert(AZeile))
        return TAbstractVRListState::ZeilenArt(AListe, AZeile, ASichtbarDarueber, AZaehler);
    AZaehler = 0;
    for (int r = 0; r <= AZeile; ++r)
        AZaehler += markiert(r) ? 1 : 0;
    return zaMarkiert;
}

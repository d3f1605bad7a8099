#include "TQIV_State_WEPlus_Artikelauswahl.h"

#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_State_WEPlus_ErmittlungAuftragsNr.h"
#include "TVTVRListUpdate.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"

namespace {
enum : int { CProdukt, CHerstArtNr, CHersteller, CBezeichnung, CArtNr };
}

void TQIV_State_WEPlus_Artikelauswahl::VRListe_CIN()
{
    if (FVRListe) {
        FVRListe->RowsClear();
        return;
    }
    FVRListe = std::make_unique<TVRList>();
    FVRListe->ColumnAdd(QString(), vrtInt32Trio, 0, false);
    FVRListe->ColumnAdd(QStringLiteral("H.ArtNr."), vrtString, 80);
    FVRListe->ColumnAdd(QStringLiteral("Herst."), vrtString, 70);
    FVRListe->ColumnAdd(QStringLiteral("Bez."), vrtString, 110);
    FVRListe->ColumnAdd(QStringLiteral("ArtNr."), vrtString, 60);
}

void TQIV_State_WEPlus_Artikelauswahl::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_Artikelauswahl.StateAnfangMaskeMalen", [&] {
        VRListe_CIN();
        {
            const TVTVRListUpdate update(FMaske->vtVRList);
            for (const TInt32Trio& produkt : FMaske->Datentraeger_Get().WEPlus.ProduktIDsAusArtNumSuch)
                VRListe_ArtikelHinzu(produkt);
            TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
            FMaske->vtVRList->VRList_Set(FVRListe.get());
        }
        Sortieren(CHerstArtNr, false);
    });
}

void TQIV_State_WEPlus_Artikelauswahl::VRListe_ArtikelHinzu(const TInt32Trio& AProduktId)
{
    // The information of the grid's first size; size 0 without grid.
    TQIV_Intv100_Sortiment_QIV_GG gg;
    TArtikelTools::GetGG_4_ProdId(AProduktId, gg);
    TZAM_ArtikelInformationen info;
    if (TQIV_ArtvLesenTools* artikel = DM_Torvik->ArtvLesenTools_GoC())
        artikel->ArtikelInformationen_Lesen(AProduktId, gg.IstLeer() ? 0 : gg.Indizes().first(), 0, info);
    TVRArray a = FVRListe->VRArray_ForRowAdd_Generate();
    Int32Trio2VRItem(AProduktId, a[CProdukt]);
    String2VRItem(info.HerstellerArtNr, a[CHerstArtNr]);
    String2VRItem(info.Hersteller, a[CHersteller]);
    String2VRItem(info.Beschreibung, a[CBezeichnung]);
    String2VRItem(TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId), a[CArtNr]);
    FVRListe->RowAdd(std::move(a));
}

void TQIV_State_WEPlus_Artikelauswahl::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    FMaske->BtnArtikelbildAnzVisible_Set(true);
}

QString TQIV_State_WEPlus_Artikelauswahl::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte Artikel durch anklicken auswählen und Auswahl bestätigen.");
}

TInt32Trio TQIV_State_WEPlus_Artikelauswahl::GewaehlterArtikel()
{
    const QList<TVTVRKnoten> gewaehlt = FMaske->vtVRList->GetSelectedNodes();
    if (gewaehlt.isEmpty()) {
        FussTipSet(QStringLiteral("Bitte zuerst einen Artikel auswählen."), true, true);
        return {};
    }
    return FMaske->vtVRList->GetCellValueAsInt32Trio(gewaehlt.first(), CProdukt);
}

void TQIV_State_WEPlus_Artikelauswahl::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_Artikelauswahl.btnBuchenClick", [&] {
        const TInt32Trio produkt = GewaehlterArtikel();
        if (produkt.Defined())
            TQIV_State_WEPlus_ErmittlungAuftragsNr::Aktivieren(FMaske, produkt, -1);
    });
}

void TQIV_State_WEPlus_Artikelauswahl::ArtikelbildAnz_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_Artikelauswahl.ArtikelbildAnz_An",
                               [&] { DoArtikelbildAnz_An(); });
}

void TQIV_State_WEPlus_Artikelauswahl::DoArtikelbildAnz_An()
{
    const TInt32Trio produkt = GewaehlterArtikel();
    if (produkt.Defined())
        FMaske->BildAn(produkt, {});
}

void TQIV_State_WEPlus_Artikelauswahl::vtVRListColumnNodeClick(int, const TVTVRKnoten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_Artikelauswahl.vtVRListColumnNodeClick", [&] {
        bool lang = true;
        FussTipSet(FussTip(lang), lang, false);
    });
}

void TQIV_State_WEPlus_Artikelauswahl::vtVRListHeaderClick(int ACol)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_Artikelauswahl.vtVRListHeaderClick",
                               [&] { SpalteUmsortieren(ACol); });
}

void TQIV_State_WEPlus_Artikelauswahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_Artikelauswahl.btnZurueckClick",
                               [&] { ChangeState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()); });
}

#include "TState_ArtikelWahl.h"

#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Wartemaske.h"
#include "TState_Biserige_Lagerorte.h"
#include "TState_Einlagerung_FilialWahl.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"

namespace E = TQIV_Einlagerung;

namespace {
// The columns shown: with the manufacturer instead of the article number, and without.
const QList<int> CSichtbarHersteller = {cblBezeichnung, cblHersteller, cblHerstArtNr, cblMenge};
const QList<int> CSichtbar = {cblArtNr, cblBezeichnung, cblFarbe, cblMenge};

bool MitBeleg(TQIV_ZPMDE_Ziel AZiel)
{
    return AZiel == bmzBearbeitung || AZiel == bmzFAFuerKube || AZiel == bmzVersand;
}
} // namespace

int TState_ArtikelWahl::Zeilen() const
{
    return FVRListe ? FVRListe->GetRowCount() : 0;
}

void TState_ArtikelWahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    bool eineZeile = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.Vor_Anfang", [&] {
        const TQIV_Wartemaske warten(FMaske, QStringLiteral("Artikel werden ermittelt."));
        auto& e = FMaske->Datentraeger_Get().Einlagerung;
        e.PersoAuswahlForce = paUnbekannt;
        e.Personalisiert = E::PersoAuswahl_4_Ziel(e.Ziel);
        TZAM_DM_FilialPC_Ext* ext = DM_Torvik->DMExtFilPC_GoC();
        if (e.AnFilialeAusKlick > 0)
            ext->SetFiliale(e.AnFilialeAusKlick);
        E::Bewegungen_Laden(FMaske, E::ArtenSet(e.Personalisiert));
        // Branch exchange: only the goods for the chosen branch.
        TVRList& bewegungen = ext->Bewegungsliste();
        if (e.Ziel == bmzFAFuerKube && e.ZielFilialeGewaehlt >= 0)
            for (int r = bewegungen.GetRowCount() - 1; r >= 0; --r)
                if (bewegungen.GetCellValueAsInteger(r, cblPersoZielFil) != e.ZielFilialeGewaehlt)
                    bewegungen.RowDelete(r);
        if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
            FMaske->vtVRList->VRList_Set(nullptr);
        DM_Torvik->GruppierteBewegungsliste_Get(FVRListe, E::ArtikelGruppierung(e.Ziel), true);
        eineZeile = Zeilen() == 1;
    });
    if (!eineZeile)
        return;
    AWeiter = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.Vor_Anfang", [&] {
        if (FMaske->Zurueck_Get())
            ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
        else
            VRListeAuslesen_u_Weiter(0);
    });
}

void TState_ArtikelWahl::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_ArtikelWahl.StateAnfangMaskeMalen", [&] {
        if (!FVRListe)
            return;
        const TQIV_ZPMDE_Ziel ziel = FMaske->Datentraeger_Get().Einlagerung.Ziel;
        const bool hersteller = FMaske->FOptionen.Einlagerung.HerstStattVeltArtNr;
        FVRListe->SetColumnCaption(cblMenge, MitBeleg(ziel) ? QStringLiteral("Me.") : QStringLiteral("Menge"));
        const QList<int>& sichtbar = hersteller ? CSichtbarHersteller : CSichtbar;
        for (int c = 0; c < FVRListe->GetColumnCount(); ++c)
            FVRListe->SetColumnVisible(c, sichtbar.contains(c) || (c == cblBelegNr && MitBeleg(ziel)) ||
                                              (c == cblVerfKombiName && ziel == bmzBearbeitung));
        if (hersteller)
            FVRListe->SortByColumn(cblHerstArtNr, srAufsteigend);
        const TVTVRListUpdate update(FMaske->vtVRList);
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        FMaske->vtVRList->VRList_Set(FVRListe.get());
        if (MitBeleg(ziel)) {
            QList<int> reihenfolge{hersteller ? cblHerstArtNr : cblArtNr, cblMenge, cblBelegNr};
            if (ziel == bmzBearbeitung)
                reihenfolge << cblVerfKombiName;
            FMaske->vtVRList->SpaltenReihenfolge_Set(reihenfolge);
        }
        FMaske->vtVRList->setFocus();
    });
}

QString TState_ArtikelWahl::Caption_Get()
{
    return E::BelegLang(FMaske->Datentraeger_Get());
}

QString TState_ArtikelWahl::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie einen Artikel!");
}

void TState_ArtikelWahl::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.Gescannt", [&] {
        E::ArtikelScan(this, "TState_ArtikelWahl.Gescannt", AText, AScanndaten,
                       [this](const TInt32Trio& AProdukt, int AGrInd) {
                           for (int r = 0; r < Zeilen(); ++r) {
                               if (FVRListe->GetCellValueAsInt32Trio(r, cblProdukt) != AProdukt)
                                   continue;
                               const QStringList groessen =
                                   FVRListe->GetCellValueAsString(r, cblGrIndizes).split(u',', Qt::SkipEmptyParts);
                               for (const QString& g : groessen)
                                   if (g.trimmed().toInt() == AGrInd) {
                                       FMaske->vtVRList->SetFocusedNode({r, -1});
                                       FMaske->vtVRList->SelectNode({r, -1});
                                       return;
                                   }
                           }
                           FussTipSet(QStringLiteral("Der Artikel ist auf dem Beleg nicht enthalten oder wurde "
                                                     "bereits abgearbeitet!"),
                                      true, true);
                       });
    });
}

void TState_ArtikelWahl::KeyEnter()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.KeyEnter", [&] {
        const TVTVRKnoten k = FMaske->vtVRList->GetFirstSelectedNode();
        if (k.IsValid())
            VRListeAuslesen_u_Weiter(k.Row);
    });
}

void TState_ArtikelWahl::vtVRListColumnNodeClick(int, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.vtVRListColumnNodeClick", [&] {
        if (ANode.IsValid())
            VRListeAuslesen_u_Weiter(ANode.Row);
    });
}

void TState_ArtikelWahl::VRListeAuslesen_u_Weiter(int AZeile)
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    const TVRList& l = *FVRListe;
    TQIV_Lager_Sammeleinlagerung& info = e.EinlagerungsInfo;
    Lager_Sammeleinlagerung_Init(info);
    info.ProduktId = l.GetCellValueAsInt32Trio(AZeile, cblProdukt);
    info.BelegId = l.GetCellValueAsIntTrio(AZeile, cblBelegId);
    info.BewByte = l.GetCellValueAsInteger(AZeile, cblBewByte);
    info.VonFiliale = qint16(l.GetCellValueAsInteger(AZeile, cblVonFiliale));
    info.AnFiliale = qint16(l.GetCellValueAsInteger(AZeile, cblAnFiliale));
    info.Lager = DM_Torvik->FAktLager;
    e.PersoZielFiliale = -1;
    e.EinBelegId.Clear();
    e.EinExtVerweis.Clear();
    e.EinVerfKombiId.Clear();
    if (!l.GetCellValueAsString(AZeile, cblBelegNr).isEmpty())
        E::Verweis_Uebernehmen(FMaske, l, AZeile);
    ChangeState(StateKlasse<TState_Biserige_Lagerorte>());
}

void TState_ArtikelWahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelWahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
        FMaske->Zurueck_Set(false);
    });
}

#include "TState_EingangsBelegWahl.h"

#include "Barcode_Auf_EinlagerungsBeleg.h"
#include "IZAM_Info.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_Parameter.h"
#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_WEPlus_ArtikelScan.h"
#include "TState_Biserige_Lagerorte.h"
#include "TState_Menue.h"
#include "TState_ZielWahl.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMBewegungslisteSpalten.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
// Columns of the document list (the branch-PC extension's goods-slip list).
enum : int
{
    CHerkunft = 0,
    CFremdnummer = 1,
    CProdukt = 2,
    CVonFiliale = 5,
    CAnFiliale = 6,
    CWEAvis = 10,
    CWBS = 12,
    CSpalten = 15
};
// The columns shown; with articles on the goods-receipt place also article number and text.
const QList<int> CSichtbar = {0, 1, 3, 4, 5, 6, 7};
const QList<int> CSichtbarMitArtikeln = {0, 1, 3, 4, 5, 6, 7, 8, 9};

void Meldung(TAbstractState* AState, const TInfoKoord& AKoord)
{
    AState->FussTipSet(ZAMInfo().Meldungstext(AKoord), true, true);
}
} // namespace

namespace E = TQIV_Einlagerung;

bool TState_EingangsBelegWahl::ArtikelWaehlbar()
{
    const int modus = ZAMParameter().GetIntegerValueByName(QStringLiteral("WEMode_Param"));
    return modus == 2 || modus == 4;
}

void TState_EingangsBelegWahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.Vor_Anfang", [&] { Laden(); });
}

void TState_EingangsBelegWahl::Laden()
{
    TZAM_DM_FilialPC_Ext* ext = DM_Torvik->DMExtFilPC_GoC();
    const QList<int>& filialen = DM_Torvik->GetAktLagerFilialen();
    ext->WBSListe().RowsClear();
    for (int i = 0; i < filialen.size(); ++i)
        ext->WBSListe_laden(3, filialen.at(i), i == 0);
    ext->WBSListe_laden(4, DM_Torvik->FAktLager, filialen.isEmpty());
    if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
        FMaske->vtVRList->VRList_Set(nullptr);
    FVRListe = CreateCopyVRList(ext->WBSListe());
    FVRListe->SetColumnCaption(CVonFiliale, QStringLiteral("Von Fil"));
    const QList<int>& sichtbar = ArtikelWaehlbar() ? CSichtbarMitArtikeln : CSichtbar;
    for (int c = 0; c < qMin(int(CSpalten), FVRListe->GetColumnCount()); ++c)
        FVRListe->SetColumnVisible(c, sichtbar.contains(c));
}

void TState_EingangsBelegWahl::StateAnfangVariablenClear()
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    e.WBSID = TIntPair();
    e.WBSEnthaeltPerso = false;
    e.WBSEnthaeltNichtPerso = false;
    e.WEAVID.Clear();
    e.WEAVFilNr = -1;
    e.Fremdnummer.clear();
    e.Ziel = bmzUnbekannt;
    e.ZielFilialeGewaehlt = -1;
    e.Personalisiert = paUnbekannt;
    e.PersoAuswahlForce = paUnbekannt;
}

void TState_EingangsBelegWahl::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_EingangsBelegWahl.StateAnfangMaskeMalen", [&] {
        if (!FVRListe)
            Laden();
        const TVTVRListUpdate update(FMaske->vtVRList);
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        FMaske->vtVRList->VRList_Set(FVRListe.get());
        FMaske->vtVRList->setFocus();
    });
}

void TState_EingangsBelegWahl::ButtonsSchalten_Speziell()
{
    E::ListenKnopf(FMaske, "btnVRListeAktualisieren", true);
}

QString TState_EingangsBelegWahl::FussTip(bool& ALang)
{
    ALang = true;
    return ArtikelWaehlbar() ? QStringLiteral("Bitte wählen oder scannen Sie einen Artikel oder Eingangsbeleg!")
                             : QStringLiteral("Bitte wählen oder scannen Sie einen Eingangsbeleg!");
}

void TState_EingangsBelegWahl::btnVRListAktualisierenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.btnVRListAktualisierenClick", [&] {
        FMaske->vtVRList->VRList_Set(nullptr);
        Laden();
        StateAnfangMaskeMalen();
    });
}

void TState_EingangsBelegWahl::KeyEnter()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.KeyEnter", [&] { ZeileAuslesen_U_Weiter(); });
}

void TState_EingangsBelegWahl::vtVRListColumnNodeClick(int, const TVTVRKnoten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.vtVRListColumnNodeClick",
                               [&] { ZeileAuslesen_U_Weiter(); });
}

void TState_EingangsBelegWahl::WBSInhaltMerken()
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    const TVRList& bew = DM_Torvik->DMExtFilPC_GoC()->Bewegungsliste();
    e.WBSEnthaeltPerso = false;
    e.WBSEnthaeltNichtPerso = false;
    for (int r = 0; r < bew.GetRowCount(); ++r) {
        if (bew.GetCell(r, cblExtVerweis).IsNull())
            e.WBSEnthaeltNichtPerso = true;
        else
            e.WBSEnthaeltPerso = true;
    }
}

void TState_EingangsBelegWahl::ZeileAuslesen_U_Weiter()
{
    const TVTVRKnoten knoten = FMaske->vtVRList->GetFirstSelectedNode();
    if (!knoten.IsValid() || !FVRListe) {
        FussTipSet(QStringLiteral("Bitte wählen Sie zunächst eine Zeile!"), false, true);
        return;
    }
    const int r = knoten.Row;
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    e.AnFilialeAusKlick = qint16(FVRListe->GetCellValueAsInteger(r, CAnFiliale));
    const QString herkunftText = FVRListe->GetCellValueAsString(r, CHerkunft);
    switch (TZAM_DM_FilialPC_Ext::WBS_Herkunft_4_String(herkunftText)) {
    case 0:
    case 1:
        e.WBSID = FVRListe->GetCellValueAsIntPair(r, CWBS);
        if (FMaske->FOptionen.Einlagerung.WBSGesEinlagerung != u'N') {
            DM_Torvik->DMExtFilPC_GoC()->SetFiliale(e.AnFilialeAusKlick);
            e.BewegungenGeladen = E::Bewegungen_Laden(FMaske, 30);
            WBSInhaltMerken();
        }
        ChangeState(StateKlasse<TState_ZielWahl>());
        return;
    case 2:
        e.WEAVID = FVRListe->GetCellValueAsIntTrio(r, CWEAvis);
        e.WEAVFilNr = e.AnFilialeAusKlick;
        ChangeState(StateKlasse<TState_ZielWahl>());
        return;
    case 3:
        Einlagerung_Fuellen_WEDL(FMaske, FVRListe->GetCellValueAsInt32Trio(r, CProdukt));
        ChangeState(StateKlasse<TState_Biserige_Lagerorte>());
        return;
    case 4:
        e.Fremdnummer = FVRListe->GetCellValueAsString(r, CFremdnummer).trimmed();
        ChangeState(StateKlasse<TState_ZielWahl>());
        return;
    default:
        FehlerRaise(QStringLiteral("TState_EingangsBelegWahl.ZeileAuslesen_U_Weiter"),
                    CZAM_Info_Fehler_Standard_IllegalerParameter,
                    QStringLiteral("Herkunft = ") + herkunftText + QStringLiteral("; An-Filiale = ") +
                        QString::number(e.AnFilialeAusKlick));
    }
}

void TState_EingangsBelegWahl::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.Gescannt", [&] {
        auto& d = FMaske->Datentraeger_Get();
        d.Einlagerung.AnFilialeAusKlick = -1;
        d.Versandhilfe.AusVersandhilfe = false;
        TIntTrio weav;
        qint16 filiale = -1;
        TIntPair wbs;
        if (Barcode_Auf_EinlagerungsBeleg(AText, weav, filiale, wbs)) {
            Warnung_Ruecksetzen();
            BelegScan(AText);
            return;
        }
        if (!ArtikelWaehlbar()) {
            FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
            return;
        }
        // An article found, chosen or newly assigned to its code is looked up on the
        // goods-receipt place.
        TQIV_WEPlus_ArtikelScan::Verteilen(this, "TState_EingangsBelegWahl.Gescannt", AText, AScanndaten,
                                           [this](bool AOk, const TInt32Trio& AProdukt, int) {
                                               if (AOk)
                                                   ArtikelVomWEPlatz(AProdukt);
                                           });
    });
}

void TState_EingangsBelegWahl::BelegScan(const QString& AText)
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TIntTrio weav;
    qint16 filiale = -1;
    TIntPair wbs;
    Barcode_Auf_EinlagerungsBeleg(AText, weav, filiale, wbs);
    if (weav.Defined()) {
        if (filiale >= 0 && !E::FilialeDesLagers(filiale)) {
            Meldung(this, CZAM_Info_Zephran_WEAvisFremdeFiliale);
            return;
        }
        // A notice without branch: the warehouse's branches in order until one has its goods.
        const QList<int> kandidaten = filiale >= 0 ? QList<int>{filiale} : DM_Torvik->GetAktLagerFilialen();
        e.WEAVID = weav;
        for (int f : kandidaten) {
            e.WEAVFilNr = qint16(f);
            if (E::Bewegungen_Laden(FMaske, 30) && DM_Torvik->DMExtFilPC_GoC()->Bewegungsliste().GetRowCount() > 0) {
                e.BewegungenGeladen = true;
                ChangeState(StateKlasse<TState_ZielWahl>());
                return;
            }
        }
        e.WEAVID.Clear();
        e.WEAVFilNr = -1;
        Meldung(this, CZAM_Info_Zephran_KeineOffeneWare);
        return;
    }
    e.WBSID = wbs;
    if (!E::Bewegungen_Laden(FMaske, 30) || DM_Torvik->DMExtFilPC_GoC()->Bewegungsliste().GetRowCount() == 0) {
        e.WBSID = TIntPair();
        Meldung(this, CZAM_Info_Zephran_KeineOffeneWare);
        return;
    }
    WBSInhaltMerken();
    e.BewegungenGeladen = true;
    ChangeState(StateKlasse<TState_ZielWahl>());
}

void TState_EingangsBelegWahl::ArtikelVomWEPlatz(const TInt32Trio& AProduktId)
{
    TVRList bestand;
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Bestandsliste_4_Lagerort(E::WEPlatz(), bestand);
    for (int r = 0; r < bestand.GetRowCount(); ++r)
        if (bestand.GetCellValueAsInt32Trio(r, 7) == AProduktId) {
            Einlagerung_Fuellen_WEDL(FMaske, AProduktId);
            ChangeState(StateKlasse<TState_Biserige_Lagerorte>());
            return;
        }
    FussTipSet(QStringLiteral("Der Artikel ist noch nicht / nicht mehr auf dem WE-Lagerplatz."), true, true);
}

void TState_EingangsBelegWahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EingangsBelegWahl.btnZurueckClick",
                               [&] { ChangeState(StateKlasse<TState_Menue>()); });
}

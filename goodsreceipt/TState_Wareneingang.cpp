// The goods receipt's activation, its scans and the articles it counts.
#include "TState_Wareneingang.h"

#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TState_Filialauswahl.h"
#include "TState_Menue.h"
#include "TVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Lagerort_Info.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMLagerKonstanten.h"

namespace {
bool GleicherPlatz(const TIntTrio& AId, const TIntPair& AKonstante)
{
    return AId.Id1 == AKonstante.Id1 && AId.Id2 == AKonstante.Id2;
}
} // namespace

TState_Wareneingang::TState_Wareneingang(TfrmMDE* AMaske)
    : TAbstractVRListState(AMaske), FFehlerInfos(std::make_unique<TQIV_InttrioString_List>())
{
    FMaske->Datentraeger_Get().Wareneingang.FehlerInfos = FFehlerInfos.get();
}

TState_Wareneingang::~TState_Wareneingang()
{
    TZAM_Hausregel::Zerstoeren("TState_Wareneingang.Destroy", [&] {
        auto& fehler = FMaske->Datentraeger_Get().Wareneingang.FehlerInfos;
        if (fehler == FFehlerInfos.get())
            fehler = nullptr;
        FFehlerInfos.reset();
    });
}

void TState_Wareneingang::StateAnfangVariablenClear()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.StateAnfangVariablenClear", [&] {
        FFehlerInfos->clear();
        FLagerplatzID.Clear();
        FMaske->vtVRList->clearSelection();
        FWENichtBuchbar = false;
    });
}

void TState_Wareneingang::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.StateAnfangMaskeMalen", [&] {
        // Back from the branch choice the list stays as it was.
        if (FMaske->Datentraeger_Get().Filialauswahl.UrsprungsState == StateKlasse<TState_Wareneingang>())
            return;
        TVTVRList* anzeige = FMaske->vtVRList;
        const TVTVRListUpdate update(anzeige);
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        if (!FVRListe) {
            FVRListe = std::make_unique<TVRList>();
            FVRListe->ColumnAdd(QStringLiteral("LP / Art."), vrtString, 115);
            FVRListe->ColumnAdd(QString(), vrtInt32Trio, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("ID"), vrtIntTrio, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("HerstId"), vrtIntPair, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("Gr."), vrtString, 85);
            FVRListe->ColumnAdd(QStringLiteral("Größe"), vrtInteger, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("Fil."), vrtString, 40);
            FVRListe->ColumnAdd(QStringLiteral("FilNr"), vrtInteger, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("#"), vrtInteger, 50, true, Qt::AlignRight | Qt::AlignVCenter);
            FVRListe->ColumnAdd(QStringLiteral("Zählen"), vrtBoolean, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("MengeManuell"), vrtBoolean, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("Fehler"), vrtString, 0, false);
        } else {
            FVRListe->RowsClear();
        }
        anzeige->VRList_Set(FVRListe.get());
        anzeige->setFocus();
    });
}

void TState_Wareneingang::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Nach_Anfang", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        ListeZeigen();
        FLagerplatzID = d.Wareneingang.LagerplatzID;
        if (FLagerplatzID.Defined())
            FMaske->HeaderCaption_Set(Caption_Get());
        AktuelleZeile_Set(d.Wareneingang.AktuelleZeile);
        if (!AktuelleZeile_Get().IsValid() && DM_Torvik->WEFR_Und_EinlagerunsVersandhilfe_Get()) {
            TZAM_Lagerort_Info auto_;
            auto_.LagerortId = TrioAusPair(CZAM_Lagerverwaltung_DefaultWERE, DM_Torvik->FAktLager);
            auto_.Kennung = CZAM_Lagerort_Lagerplatz;
            auto_.Name = QStringLiteral("Autom.-Lagerpl.");
            auto_.Kurz = QStringLiteral("Auto.-LP");
            Gescannt_Lagerplatz(auto_);
        }
        if (d.Wareneingang.Produkt_Id.Defined()) {
            const TInt32Trio produkt = d.Wareneingang.Produkt_Id;
            const int grInd = d.Wareneingang.GrInd0;
            d.Wareneingang.Produkt_Id.Clear();
            d.Wareneingang.GrInd0 = CZAM_Intv100_OhneGroesse;
            d.Filialauswahl.UrsprungsState = nullptr;
            Gescannt_Artikel_Erweitert(produkt, QString(), -1, 1, grInd);
        }
    });
}

void TState_Wareneingang::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    if (auto* loeschen = FMaske->findChild<QWidget*>(QStringLiteral("btnZeileLoeschen")))
        loeschen->setVisible(true);
    FMaske->BtnArtNrHandEinVisible_Set(true);
}

QString TState_Wareneingang::Caption_Get()
{
    QString caption = QStringLiteral("Wareneingang");
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Caption_Get", [&] {
        if (!FLagerplatzID.Defined())
            return;
        // The area of an ordinary place too: blocked goods are ordinary places of area 5.
        TQIV_Lagerort_Info_Optionen o = TQIV_Lagerort_Info_Optionen::Defaults();
        o.MitBereich = false;
        o.MitGesperrt = false;
        o.MitBereichFuerLagerplaetze = true;
        TZAM_Lagerort_Info info;
        IZAM_LagerEditServer* server = DM_Torvik->LagerEditServer_GoC();
        if (server && server->LagerortInfo_Lesen(FLagerplatzID, info, o) && info.Bereich == CZAM_Bereich_GeblockteWare)
            caption += QStringLiteral(" + blocken");
    });
    return caption;
}

QString TState_Wareneingang::AllgemeinenFussTipErmitteln(const QString& ALagerplatz) const
{
    if (FWENichtBuchbar)
        return QStringLiteral("Wareneingänge nicht buchbar.\r\nFür Ursache auf Zeile klicken.");
    return QStringLiteral("Bitte scannen Sie die Artikel für %1!").arg(ALagerplatz);
}

QString TState_Wareneingang::FussTip(bool& ALang)
{
    ALang = true;
    if (FMaske->Datentraeger_Get().Wareneingang.LagerplatzID.Defined())
        return AllgemeinenFussTipErmitteln(FFussTipLagerScan);
    return QStringLiteral("Bitte scannen Sie den Lagerplatz!");
}

void TState_Wareneingang::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.Gescannt", [&] { GescanntIntern(AText, AScanndaten); });
}

void TState_Wareneingang::GescanntIntern(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    Warnung_Ruecksetzen();
    d.Filialauswahl.UrsprungsState = nullptr;
    if (AScanndaten.Umgesetzt == tsUndefined) {
        // The article reader decides; a code of several articles lets the worker choose first.
        FMaske->ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt", [&] { GescanntIntern(AText2, ADaten); });
        });
        return;
    }
    const TZAM_ArtikelScanDaten& scan = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt == tsTrue) {
        d.Filialauswahl.UrsprungsState = StateKlasse<TState_Wareneingang>();
        Gescannt_Artikel(scan.ProduktId, scan.GroessenIndex);
        return;
    }
    if ((scan.IstEAN || scan.IstUPC) && AktuelleZeile_Get().IsValid()) {
        d.Filialauswahl.UrsprungsState = StateKlasse<TState_Wareneingang>();
        FMaske->EAN_UPC_Zuordnen_an(scan, AText,
                                    [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                                        TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt_Artikel",
                                                                 [&] { Gescannt_Artikel(AProdukt, AGrInd); });
                                    });
        return;
    }
    TQIV_Umsetzen_Optionen o;
    o.EtikKuerzel = true;
    TZAM_Lagerort_Info info;
    if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, info, o)) {
        Warnung_Anzeigen();
        return;
    }
    if (info.Gesperrt) {
        FussTipSet(info.Name + QStringLiteral(" ist Gesperrt!"), true, true);
        return;
    }
    // A container is no place of a receipt: it is ignored.
    if (CZAM_Lagerorte_ohne_Behaelter.Enthaelt(info.Kennung))
        Gescannt_Lagerplatz(info);
}

void TState_Wareneingang::Gescannt_Lagerplatz(const TZAM_Lagerort_Info& AInfo)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt_Lagerplatz", [&] {
        if (FLagerplatzID.Defined()) {
            Warnung_Anzeigen();
            return;
        }
        const TIntTrio& id = AInfo.LagerortId;
        QString abgelehnt;
        if (AInfo.Kennung == CZAM_Lagerort_Halle)
            abgelehnt = QStringLiteral("Auf die Halle kann kein Wareneingang gebucht werden!");
        else if (GleicherPlatz(id, CZAM_Lagerverwaltung_DefaultKube))
            abgelehnt = QStringLiteral("Kein Wareneingang auf den Default-KUBE-Lagerplatz möglich!");
        else if (GleicherPlatz(id, CZAM_Lagerverwaltung_DefaultWEFR))
            abgelehnt = QStringLiteral("Kein Wareneingang auf den Default-WEFR-Lagerplatz möglich!");
        else if (AInfo.Bereich == CZAM_Bereich_Wareneingang)
            abgelehnt = QStringLiteral("Kein Wareneingang auf Lagerplätze aus der Warenannahme möglich!");
        else if (AInfo.Bereich == CZAM_Bereich_Versandbereitstellung)
            abgelehnt = QStringLiteral("Kein Wareneingang auf Versandbereitstellungen möglich!");
        else if (AInfo.Bereich == CZAM_Bereich_Wurmloch)
            abgelehnt = QStringLiteral("Kein Wareneingang auf Lagerplätze für Filialaustäusche möglich!");
        else if (AInfo.Bereich == CZAM_Bereich_KundenVBS)
            abgelehnt = QStringLiteral("Kein Wareneingang auf Kunden-Versandbereitstellungen möglich!");
        else if (AInfo.Bereich == CZAM_Bereich_Bearbeitung)
            abgelehnt = QStringLiteral("Kein Wareneingang auf Lagerplätze für Warenbearbeitung möglich!");
        if (!abgelehnt.isEmpty()) {
            FussTipSet(abgelehnt, true, true);
            return;
        }
        FLagerplatzID = id;
        FMaske->HeaderCaption_Set(Caption_Get());
        const int filNr = FMaske->Datentraeger_Get().Wareneingang.FilNr;
        ZeileDazu(AInfo.Name, {}, id, {}, QString(), CZAM_Intv100_OhneGroesse, filNr, QString(), 0, true, QString());
        FFussTipLagerScan = AInfo.Name;
        FussTipSet(QStringLiteral("Bitte scannen Sie die Artikel für %1!").arg(AInfo.Name), true, false);
    });
}

void TState_Wareneingang::Gescannt_Artikel(const TInt32Trio& AProdukt_Id, int AGrInd0)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt_Artikel",
                             [&] { Gescannt_Artikel_Erweitert(AProdukt_Id, QString(), -1, 1, AGrInd0); });
}

void TState_Wareneingang::Gescannt_Artikel_Erweitert(const TInt32Trio& AProdukt_Id, const QString& AFehler, int AFilNr,
                                                     int AMenge, int AGrInd0)
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt_Artikel_Erweitert", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        // A cancelled entry brings no article: nothing to count, nothing to say.
        if (!AProdukt_Id.Defined())
            return;
        const TVTVRKnoten aktuell = AktuelleZeile_Get();
        if (!aktuell.IsValid()) {
            Warnung_Anzeigen();
            return;
        }
        // A row of size 255 could never be posted: the size must be known.
        if (!zam_Intv100_IstGroesse(AGrInd0)) {
            FussTipSet(CTextOhneGroesse, true, true);
            return;
        }
        if (AFilNr > 0) {
            d.Wareneingang.FilNr = qint16(AFilNr);
        } else if (d.Filialauswahl.UrsprungsState == StateKlasse<TState_Wareneingang>()) {
            // The branch is chosen first; the article goes on when the state is entered again.
            d.Wareneingang.Produkt_Id = AProdukt_Id;
            d.Wareneingang.GrInd0 = quint8(AGrInd0);
            d.Wareneingang.LagerplatzID = FLagerplatzID;
            d.Wareneingang.AktuelleZeile = aktuell;
            ChangeState(StateKlasse<TState_Filialauswahl>());
            return;
        }
        const int filNr = d.Wareneingang.FilNr;
        const int platzZeile = aktuell.Row;
        TVRList* ebene = FVRListe->GetRowChild(platzZeile);
        for (int z = 0; ebene && z < ebene->GetRowCount(); ++z) {
            if (ebene->GetCellValueAsInt32Trio(z, CProduktId) != AProdukt_Id ||
                ebene->GetCellValueAsInteger(z, CGrInd) != AGrInd0 || ebene->GetCellValueAsInteger(z, CFilNr) != filNr)
                continue;
            FMaske->vtVRList->BeginUpdate();
            ebene->SetCellValueAsInteger(z, CMenge, ebene->GetCellValueAsInteger(z, CMenge) + AMenge);
            TVRItem manuell;
            Boolean2VRItem(false, manuell);
            ebene->SetCellValue(z, CMengeManuell, manuell);
            const QString alt = ebene->GetCellValueAsString(z, CFehler);
            if (!AFehler.isEmpty() && !alt.isEmpty() && !alt.contains(AFehler))
                ebene->SetCellValueAsString(z, CFehler, alt + QStringLiteral(";\r\n") + AFehler);
            FMaske->vtVRList->EndUpdate();
            ListeZeigen();
            AktuelleZeile_Set({platzZeile, z});
            NachObenSummieren({platzZeile, z}, false);
            return;
        }
        TZAM_ArtikelInformationen info;
        if (TQIV_ArtvLesenTools* tools = DM_Torvik->ArtvLesenTools_GoC())
            tools->ArtikelInformationen_Lesen(AProdukt_Id, AGrInd0, filNr, info);
        ZeileDazu(TArtikelTools::ProduktID_2_ArtNr_Formatted(AProdukt_Id, false), AProdukt_Id, {}, info.HerstId,
                  info.LangGroesse, AGrInd0, filNr, QString::number(filNr), AMenge, false, AFehler);
    });
}

void TState_Wareneingang::ArtNrHandEin_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.ArtNrHandEin_An", [&] {
        FMaske->Datentraeger_Get().Filialauswahl.UrsprungsState = StateKlasse<TState_Wareneingang>();
        // With till size: a typed article comes with its size.
        FMaske->ArtNrHandEingabeAn(
            [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                TZAM_Hausregel::OhneBusy("TState_Wareneingang.Gescannt_Artikel", [&] {
                    if (AErfolg)
                        Gescannt_Artikel(AProdukt, AGrInd);
                });
            },
            true);
    });
}

void TState_Wareneingang::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Wareneingang.btnZurueckClick", [&] {
        bool fragen = FLagerplatzID.Defined();
        if (DM_Torvik->WEFR_Und_EinlagerunsVersandhilfe_Get())
            fragen = !FVRListe || FVRListe->GetRowCount() == 0 ||
                     (FVRListe->GetRowChild(0) && FVRListe->GetRowChild(0)->GetRowCount() > 0);
        if (!fragen) {
            Zurueck_Nach_Frage();
            return;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Sind Sie sicher, dass Sie diese Wareneingang abbrechen wollen?"),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    Zurueck_Nach_Frage();
            }));
    });
}

void TState_Wareneingang::Zurueck_Nach_Frage()
{
    TZAM_Hausregel::OhneBusy("TState_Wareneingang.Zurueck_Nach_Frage", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        FLagerplatzID.Clear();
        d.Wareneingang.Produkt_Id.Clear();
        d.Wareneingang.GrInd0 = CZAM_Intv100_OhneGroesse;
        d.Wareneingang.FilNr = -1;
        d.Wareneingang.LagerplatzID.Clear();
        d.Wareneingang.AktuelleZeile = {};
        d.Filialauswahl.UrsprungsState = nullptr;
        ChangeState(StateKlasse<TState_Menue>());
    });
}

void TState_Wareneingang::NeuBeginnen()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    FLagerplatzID.Clear();
    d.Wareneingang.LagerplatzID.Clear();
    d.Wareneingang.AktuelleZeile = {};
    d.Filialauswahl.UrsprungsState = nullptr;
    ChangeState(StateKlasse<TState_Wareneingang>());
}

// The piece-wise capture: activation, scans, booking a piece, back, and posting the receipt.
#include "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.h"

#include "TDM_Torvik.h"
#include "TQIV_MDE_ButtonProperties.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_State_WEPlus_Artikelweise_LOScan.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_State_WEPlus_WENichtBuchbar.h"
#include "TQIV_State_WEPlus_Weiterarbeit_Einzelartikel.h"
#include "TQIV_WEPlus_ArtikelScan.h"
#include "TQIV_WEPlus_PruefeLagerort.h"
#include "TQIV_ZurueckModus.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QLabel>

QWidget* TQIV_AbstractState_WEPlus_Artikelweise_LOScan::ActivePanel()
{
    return FMaske->pnlMultipurpose;
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::StateAnfangVariablenClear()
{
    FProdukt_Id = TInt32Trio();
    FGrInd0 = 255;
    FLagerplatzID.Clear();
    FLagerplatzBez.clear();
    FDispoID.Clear();
    FEtikDruckDIId.Clear();
    FDispoAnFil = FDispoAuftrFil = FPersoZielFil = 0;
    FDispoExtVerw.Clear();
    FDispoAuftrNr = TIntPair();
    FZielTyp = bmzUnbekannt;
    FVerfKombiId.Clear();
    FMaske->Datentraeger_Get().WEPlus.ReturnToState = nullptr;
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::StateAnfangMaskeMalen()
{
    Initialize_MultipurposePanel_Visibility();
    Initialize_MultipurposePanel_Color();
    Initialize_MultipurposePanel_Font();
    for (QLabel* zeile : FMaske->FMultipurposeZeilen)
        zeile->clear();
    Meldung_ArtikelScannen();
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::ButtonsSchalten_Speziell()
{
    // The sorted-goods capture prints its labels per assortment and shows no single piece.
    const bool stueckweise = Klasse() == StateKlasse<TQIV_State_WEPlus_Artikelweise_LOScan>() ||
                             Klasse() == StateKlasse<TQIV_State_WEPlus_Weiterarbeit_Einzelartikel>();
    FMaske->BtnArtikelbildAnzVisible_Set(stueckweise);
    FMaske->BtnEtikDruckVisible_Set(stueckweise);
}

QString TQIV_AbstractState_WEPlus_Artikelweise_LOScan::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Artikel platzieren und Lagerplatz scannen oder bestätigen!");
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::ArtikelbildAnz_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.ArtikelbildAnz_An", [&] {
        if (StueckInHand())
            FMaske->BildAn(FProdukt_Id, {});
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Gescannt(const QString& AText,
                                                             TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TQIV_WEPlus_ArtikelScan::Gescannt(
        this, FBusy, "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Gescannt", AText, AScanndaten,
        [this](bool AOk, const TInt32Trio& AProduktId, int AGrInd) {
            // The piece in hand must first be placed or dropped with back.
            if (AProduktId.Defined() && StueckInHand())
                Warnung_Anzeigen();
            else if (!AProduktId.Defined() || Artikel_Zulaessig(AProduktId, AGrInd))
                Gescannt_Artikel(AOk, AProduktId, AGrInd);
        },
        [this](const QString& AText2) { Gescannt_Lagerplatz(AText2); });
}

bool TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikel_Zulaessig(const TInt32Trio& AProduktId, int AGrInd)
{
    const auto& w = FMaske->Datentraeger_Get().WEPlus;
    TInt32Trio nur;
    if (IstWeiterarbeit())
        nur = w.GesamtSort_MitProdId.ProduktId;
    else if (w.VELTAuftragsNrN.isEmpty() && w.DispoOhneAuftrNr.Vorgang.Defined())
        nur = w.DispoOhneAuftrNr.ProduktID;
    if (nur.Defined() && AProduktId != nur) {
        FussTipSet(QStringLiteral("Hier kann nur Artikel ") + DM_Torvik->HerstArtNr_Besorgen(nur) +
                       QStringLiteral(" gescannt werden!"),
                   true, true);
        Meldung_ArtikelScannen();
        return false;
    }
    if (IstWeiterarbeit() && w.GesamtSort_MitProdId.Me.Menge(AGrInd) < 1) {
        FussTipSet(QStringLiteral("Größe ") + DM_Torvik->Langgroesse_Besorgen(AProduktId, AGrInd) +
                       QStringLiteral(" bereits vollständig verteilt!"),
                   true, true);
        Meldung_ArtikelScannen();
        return false;
    }
    return true;
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Gescannt_Lagerplatz(const QString& AText)
{
    TQIV_Umsetzen_Optionen optionen;
    optionen.Stumm = true;
    optionen.EtikKuerzel = true;
    optionen.FilialeMussPassen = !((FZielTyp == bmzBearbeitung || FZielTyp == bmzBearbeitungNurWarten) &&
                                   FMaske->FOptionen.WEPlus.BearbDirektInEW);
    TZAM_Lagerort_Info info;
    if (DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, info, optionen)) {
        Gescannt_Lagerort(info);
        return;
    }
    FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
    if (!StueckInHand())
        Meldung_ArtikelScannen();
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Gescannt_Lagerort", [&] {
        if (!StueckInHand()) {
            FussTipSet(QStringLiteral("Bitte Scannen Sie zuerst einen Artikel."), true, true);
            Meldung_ArtikelScannen();
            return;
        }
        QString meldung;
        if (Pruefe_Lagerort(AInfo, FMaske->FOptionen, FMaske->Datentraeger_Get().WEPlus, meldung, FLagerplatzBez,
                            FLagerplatzID, FPersoZielFil, FVerfKombiId, FDispoExtVerw, FZielTyp,
                            FMaske->BtnBuchenVisible()))
            DoBtnBuchenClick();
        else if (!meldung.isEmpty())
            FussTipSet(meldung, true, true);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.btnBuchenClick",
                               [&] { DoBtnBuchenClick(); });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::DoBtnBuchenClick()
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.DoBtnBuchenClick", [&] {
        if (!StueckInHand()) {
            FussTipSet(QStringLiteral("Bitte scannen Sie zuerst einen Artikel!"), true, true);
            return;
        }
        if (FLagerplatzID.IsNull()) {
            FussTipSet(QStringLiteral("Bitte scannen Sie zuerst einen Lagerplatz!"), true, true);
            return;
        }
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        const TZAM_PersArt_ExtVerweis verweis = TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(FDispoExtVerw);
        const TIntTrio ident = DM_Torvik->Daten_2_ScanSatz(FDispoAuftrNr, w.Lieferscheinnummer, FProdukt_Id, FGrInd0,
                                                           FDispoID, 1, verweis, FDispoAnFil, FLagerplatzID);
        // Without its scan record the piece is not captured: it stays in hand for another try.
        if (ident.IsNull()) {
            FussTipSet(QStringLiteral("Das Teil konnte nicht gespeichert werden! Bitte Lagerplatz erneut scannen "
                                      "oder bestätigen."),
                       true, true);
            return;
        }
        DM_Torvik->Daten_2_DatenCache(FProdukt_Id, FGrInd0, FDispoID, FDispoAnFil, FDispoAuftrFil, verweis,
                                      w.Lieferscheinnummer, FVerfKombiId, 1, FLagerplatzID, ident, w.DatenCache);
        if (IstWeiterarbeit()) {
            w.GesamtSort_MitProdId.Me.Me[size_t(FGrInd0)] -= 1;
            w.GesamtSort_MitProdId.Me.MinMax_Bestimmen();
        }
        ChangeState(Klasse());
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::btnEtikDruckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.btnEtikDruckClick", [&] {
        if (StueckInHand())
            Artikeletikett_Drucken(FMaske, FProdukt_Id, FEtikDruckDIId, true, FZielTyp, FPersoZielFil, FDispoAnFil,
                                   FGrInd0);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        // The orders stay locked and the captured goods in the cache: the order entry goes on.
        ChangeState(StueckInHand() ? Klasse() : StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>());
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Meldung_ArtikelScannen_ErsterArtikel_Callback(
    TZAM_TriState_Enum AAntwort)
{
    if (AAntwort == tsUndefined)
        btnZurueckClick();
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Meldung_ArtikelScannen_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Meldung_ArtikelScannen_Callback", [&] {
        if (AAntwort == tsTrue) {
            const int stueck = DM_Torvik->Gesamtmenge_im_DatenCache(FMaske->Datentraeger_Get().WEPlus.DatenCache, {});
            const QString erfasst =
                stueck == 1 ? QStringLiteral("ein Stück/Paar") : QStringLiteral("%1 Stück/Paare").arg(stueck);
            FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
                QStringLiteral("Sie haben\r\n%1 erfasst.\r\n\r\nWollen Sie den\r\nWareneingang jetzt buchen?")
                    .arg(erfasst),
                [this](TZAM_TriState_Enum AFrage, bool) { Frage_WEBuchen_Callback(AFrage); }, true, 16, QString(),
                QString(), QStringLiteral("Abbrechen"), QString(), false));
            return;
        }
        QList<TQIV_MDE_InfoButtonProperties> knoepfe{
            {0, {}, true, QStringLiteral("Zurückkehren und Erfassung fortsetzen"), 0, 1, QStringLiteral("CROSSRED")},
            {1, {}, true, QStringLiteral("Erfassung beenden - WE buchen"), 10, 1, QString()},
            {2, {}, true, QStringLiteral("Erfassung beenden - WE NICHT buchen"), 31, 1, QString()}};
        FMaske->FrageButtonsUntereinanderAn(
            QStringLiteral("Sie verlassen die Erfassung\r\nohne Buchung des Wareneingangs!\r\nWas wollen Sie tun?"),
            [this](int AFrage, bool) { Frage_Zurueck_Callback(AFrage); }, knoepfe, 14, Caption_Get());
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Frage_Zurueck_Callback(int AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Frage_Zurueck_Callback", [&] {
        if (AAntwort == 1)
            Frage_WEBuchen_Callback(tsTrue);
        else if (AAntwort == 2)
            btnZurueckClick();
        else
            ChangeState(Klasse());
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Frage_WEBuchen_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Frage_WEBuchen_Callback", [&] {
        if (AAntwort != tsTrue) {
            ChangeState(Klasse());
            return;
        }
        if (TQIV_State_WEPlus_WENichtBuchbar::WareneingangBuchen(this))
            return;
        TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
            QStringLiteral("ACHTUNG: Es konnten nicht alle Wareneingänge gebucht werden!\r\n\r\nDie betroffenen "
                           "Artikel werden nun mit den nicht gebuchten Mengen angezeigt."),
            false, [this](TZAM_TriState_Enum, bool) { Meldung_ErgebnisProblemWareneingang(); });
        o.FontSize = 15;
        FMaske->MeldungAn(o);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Meldung_ErgebnisProblemWareneingang()
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Meldung_ErgebnisProblemWareneingang", [&] {
        FMaske->Datentraeger_Get().WEPlus.ReturnToState = Klasse();
        ChangeState(StateKlasse<TQIV_State_WEPlus_WENichtBuchbar>());
    });
}

#include "TAbstractState_Behaelter_Umbuchen_BehaelterScan.h"

#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Behaelter_Umbuchen_LagerortScan.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_Menue.h"
#include "TState_Wechsel_BearbSchritt_LagerortScan.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMLagerKonstanten.h"

QString TAbstractState_Behaelter_Umbuchen_BehaelterScan::CaptionFuer(bool AWechsel)
{
    return AWechsel ? QStringLiteral("Wechsel Bearbeitungs-Schritt") : QStringLiteral("Umlagerung Behälter");
}

void TAbstractState_Behaelter_Umbuchen_BehaelterScan::StateAnfangVariablenClear()
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    Lagerort_Info_Init(m.FBehaelter);
    Lagerort_Info_Init(m.FQuelle);
    Lagerort_Info_Init(m.FZiel);
    m.FFilZuordBuchen = -1;
}

QString TAbstractState_Behaelter_Umbuchen_BehaelterScan::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie den Behälter!");
}

void TAbstractState_Behaelter_Umbuchen_BehaelterScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_BehaelterScan.Gescannt", [&] { Scan(AText); });
}

QString TAbstractState_Behaelter_Umbuchen_BehaelterScan::BehaelterTest(const TZAM_Lagerort_Info& ABehaelter,
                                                                       TZAM_Lagerort_Info& AAuf)
{
    Lagerort_Info_Init(AAuf);
    if (ABehaelter.Gesperrt)
        return QStringLiteral("Der Lagerort ist gesperrt!");
    TIntTrio auf;
    if (TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Lagerort_4_Behaelter(ABehaelter.LagerortId, auf))
        TZAM_BewegungsDienste::Lager(*DM_Torvik).LagerortInfo_Lesen(auf, AAuf, TQIV_Lagerort_Info_Optionen::Defaults());
    if (IstWechsel()) {
        if (DM_Torvik->LVLZMani_GoC()->Lagerort_Status_Ermitteln(ABehaelter.LagerortId) != bhsVoll)
            return QStringLiteral("Der Behälter ist nicht voll!");
        const bool inBearbeitung = AAuf.Bereich == CZAM_Bereich_Bearbeitung ||
                                   AAuf.Bereich == CZAM_Bereich_BearbStart ||
                                   IstPlatz(AAuf.LagerortId, CZAM_Lagerverwaltung_DefBaAbschl) ||
                                   IstPlatz(AAuf.LagerortId, CZAM_Lagerverwaltung_DefBaAbBenF) ||
                                   IstPlatz(AAuf.LagerortId, CZAM_Lagerverwaltung_DefBaAbAndF) ||
                                   IstPlatz(AAuf.LagerortId, CZAM_Lagerverwaltung_DefBaAbVers);
        if (!inBearbeitung)
            return DM_Torvik->BearbVorbereitungVorhanden(DM_Torvik->FAktLager)
                       ? QStringLiteral("Behälter nicht auf Bearbeitungs-Vorbereitung oder -Schritt!")
                       : QStringLiteral("Behälter nicht auf Bearbeitungs-Start oder -Schritt!");
    } else if (AAuf.Bereich == CZAM_Bereich_Bearbeitung &&
               !IstPlatz(AAuf.LagerortId, CZAM_Lagerverwaltung_DefBaAbBenF)) {
        return QStringLiteral("Ware auf einem Bearbeitungslagrort kann hier nicht gebucht werden.");
    }
    return {};
}

void TAbstractState_Behaelter_Umbuchen_BehaelterScan::Scan(const QString& AText)
{
    Warnung_Ruecksetzen();
    TZAM_Lagerort_Info behaelter;
    TQIV_Umsetzen_Optionen optionen;
    optionen.Stumm = true;
    if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, behaelter, optionen) ||
        behaelter.Kennung != CZAM_Lagerort_Behaelter) {
        bool lang = true;
        FussTipSet(FussTip(lang), lang, true);
        return;
    }
    TZAM_Lagerort_Info auf;
    const QString fehler = BehaelterTest(behaelter, auf);
    if (!fehler.isEmpty()) {
        FussTipSet(fehler, true, true);
        return;
    }
    auto& m = FMaske->Datentraeger_Get().Manuell;
    m.FBehaelter = behaelter;
    m.FQuelle = auf;
    if (!IstWechsel()) {
        ChangeState(StateKlasse<TState_Behaelter_Umbuchen_LagerortScan>());
        return;
    }
    const TStateKlasse* klasse = StateKlasse<TState_Wechsel_BearbSchritt_LagerortScan>();
    static_cast<TAbstractState_Behaelter_Umbuchen_LagerortScan*>(FMaske->GiveState(klasse))
        ->NaechsterSchritt_Ermitteln(behaelter);
    ChangeState(klasse);
}

void TAbstractState_Behaelter_Umbuchen_BehaelterScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_BehaelterScan.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        // Back where the chain was started: the manual movements or the main menu.
        if (FMaske->FModus == CZPMDEM_LagerZuAb)
            ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
        else
            ChangeState(StateKlasse<TState_Menue>());
    });
}

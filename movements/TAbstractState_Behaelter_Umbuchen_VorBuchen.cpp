#include "TAbstractState_Behaelter_Umbuchen_VorBuchen.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TAbstractState_Behaelter_Umbuchen_BehaelterScan.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Behaelter_Umbuchen_LagerortScan.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_Menue.h"
#include "TState_Wechsel_BearbSchritt_BehaelterScan.h"
#include "TState_Wechsel_BearbSchritt_LagerortScan.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

using TBehaelterScan = TAbstractState_Behaelter_Umbuchen_BehaelterScan;

namespace {
constexpr int COperationsArt = 69;
const QString CMethode = QStringLiteral("TAbstractState_Behaelter_Umbuchen_VorBuchen.DoBtnBuchenClick");
const QString CBuchungA = CMethode + QStringLiteral(".a");
const QString CBuchungB = CMethode + QStringLiteral(".b");

[[noreturn]] void NichtImplementiert(const QString& AStelle, const char* AStueck)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                         CMethode + AStelle + QStringLiteral(": ") + QLatin1String(AStueck), CMethode);
}
} // namespace

void TAbstractState_Behaelter_Umbuchen_VorBuchen::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    const auto& m = FMaske->Datentraeger_Get().Manuell;
    TQIV_Einlagerung::Zeile_Setzen(FMaske, zBehaelternameUnten, m.FBehaelter.AnzeigeName());
    TQIV_Einlagerung::Zeile_Setzen(FMaske, zZielanzeigeOben, m.FZiel.AnzeigeName());
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
}

QString TAbstractState_Behaelter_Umbuchen_VorBuchen::Caption_Get()
{
    return TBehaelterScan::CaptionFuer(IstWechsel());
}

QString TAbstractState_Behaelter_Umbuchen_VorBuchen::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte bestätigen!");
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_VorBuchen.btnBuchenClick",
                               [&] { DoBtnBuchenClick(); });
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::BearbSchritt_Aktualisieren(const QString& AStelle)
{
    // TQIV_WerkstattMani.BAUBSaetzeUpdateBearbschritt: the processing records follow the step.
    NichtImplementiert(AStelle, "BAUBSaetzeUpdateBearbschritt");
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::Behaelter_VollSetzten_u_LVZDrucken(const QString& AStelle)
{
    NichtImplementiert(AStelle, "Behaelter_VollSetzten_u_LVZDrucken");
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::ANAFFuerBeahelterBuchen(const QString& AStelle)
{
    NichtImplementiert(AStelle, "ANAFFuerBeahelterBuchen");
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::WBSFuerBehaelterDrucken(const QString& AStelle)
{
    NichtImplementiert(AStelle, "WBSFuerBehaelterDrucken");
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::DoBtnBuchenClick()
{
    Warnung_Ruecksetzen();
    const auto& m = FMaske->Datentraeger_Get().Manuell;
    const TIntTrio behaelter = m.FBehaelter.LagerortId;
    const TIntTrio ziel = m.FZiel.LagerortId;
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    const auto abgelehnt = [&](const TZAM_InfoMeldungListe& AMeldungen) {
        FussTipSet(AMeldungen.Meldungen_Anz_Get() > 0 ? AMeldungen.Meldungen_AlsText(QStringLiteral("; "))
                                                      : QStringLiteral("Die Zuordnung kann nicht gebucht werden!"),
                   true, true);
    };
    TZAM_InfoMeldungListe meldungen;
    if (!bewegung.Behaelter_Zuordnung_Pruefen(behaelter, ziel, meldungen)) {
        abgelehnt(meldungen);
        return;
    }
    IZAM_Buchung& buchung = ZAMBuchung();
    if (TBehaelterScan::IstPlatz(ziel, CZAM_Lagerverwaltung_DefBaAbAndF)) {
        // Finished for another branch: the goods leave with a goods slip.
        buchung.Oeffnen(COperationsArt, CBuchungA);
        BearbSchritt_Aktualisieren(QStringLiteral(".a"));
        WBSFuerBehaelterDrucken(QStringLiteral(".1"));
        buchung.Schliessen(CBuchungA);
    } else {
        // The move and the branch the target takes are one booking with the processing steps, so
        // that a refused part leaves the container where it was.
        buchung.Oeffnen(COperationsArt, CBuchungB);
        TZAM_InfoMeldungListe umsetzen;
        if (!bewegung.Behaelter_Umsetzen(behaelter, ziel, umsetzen, true, {})) {
            buchung.Abbrechen();
            buchung.Schliessen(CBuchungB);
            abgelehnt(umsetzen);
            return;
        }
        if (m.FFilZuordBuchen != -1)
            bewegung.Lagerort_FilialeZuordnen(m.FFilZuordBuchen, ziel);
        if (IstWechsel())
            BearbSchritt_Aktualisieren(QStringLiteral(".3"));
        if (m.FQuelle.Bereich == CZAM_Bereich_BearbStart)
            Behaelter_VollSetzten_u_LVZDrucken(QStringLiteral(".4"));
        if (TBehaelterScan::IstPlatz(ziel, CZAM_Lagerverwaltung_DefBaAbVers))
            ANAFFuerBeahelterBuchen(QStringLiteral(".5"));
        if (TBehaelterScan::IstPlatz(ziel, CZAM_Lagerverwaltung_DefBaAbBenF) &&
            !DM_Torvik->LVLZMani_GoC()->Behaelter_Fertig_Setzten(behaelter))
            throw EZAM_Exception::Text(CMethode + QStringLiteral(".6: fertig setzten nicht gelungen!"), CMethode);
        buchung.Schliessen(CBuchungB);
    }
    bewegung.Cache_Leeren();
    ChangeStateAfterBuchen();
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::ChangeStateAfterBuchen()
{
    if (IstWechsel())
        ChangeState(StateKlasse<TState_Wechsel_BearbSchritt_BehaelterScan>());
    else if (DM_Torvik->AktLagerIstRezeVudazPlusLager() && !DM_Torvik->BearbVorbereitungVorhanden(DM_Torvik->FAktLager))
        ChangeState(StateKlasse<TState_Menue>());
    else
        ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
}

void TAbstractState_Behaelter_Umbuchen_VorBuchen::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_VorBuchen.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        if (IstWechsel())
            ChangeState(StateKlasse<TState_Wechsel_BearbSchritt_LagerortScan>());
        else
            ChangeState(StateKlasse<TState_Behaelter_Umbuchen_LagerortScan>());
    });
}

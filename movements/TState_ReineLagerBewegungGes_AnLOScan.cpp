#include "TState_ReineLagerBewegungGes_AnLOScan.h"

#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_ZurueckModus.h"
#include "TState_ReineLagerBewegungGes_VonLOScan.h"
#include "TState_ReineLagerBewegungGes_VorBuchen.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TState_ReineLagerBewegungGes_AnLOScan::StateAnfangVariablenClear()
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    Lagerort_Info_Init(m.FZiel);
    m.FFilZuordZiel = -1;
    m.FLagZuordZiel = -1;
}

void TState_ReineLagerBewegungGes_AnLOScan::OrteZeigen(TfrmMDE* AMaske)
{
    const auto& m = AMaske->Datentraeger_Get().Manuell;
    const auto zeigen = [&](TMultipurposeZeile AZeile, const TZAM_Lagerort_Info& AOrt) {
        if (AOrt.LagerortId.Defined())
            TQIV_Einlagerung::Zeile_Setzen(AMaske, AZeile, AOrt.AnzeigeName());
    };
    zeigen(zBehaelternameUnten, m.FQuelle);
    zeigen(zZielanzeigeOben, m.FZiel);
}

void TState_ReineLagerBewegungGes_AnLOScan::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    OrteZeigen(FMaske);
}

QString TState_ReineLagerBewegungGes_AnLOScan::Caption_Get()
{
    return TState_ReineLagerBewegungGes_VonLOScan::CCaption();
}

QString TState_ReineLagerBewegungGes_AnLOScan::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie Ziellagerort!");
}

void TState_ReineLagerBewegungGes_AnLOScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_AnLOScan.Gescannt", [&] { Scan(AText); });
}

void TState_ReineLagerBewegungGes_AnLOScan::Scan(const QString& AText)
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    TZAM_Lagerort_Info info;
    qint16 filiale = -1;
    qint32 lager = -1;
    if (!TState_ReineLagerBewegungGes_VonLOScan::OrtScannen(this, AText, true, info, filiale, lager))
        return;
    m.FZiel = info;
    m.FFilZuordZiel = filiale;
    m.FLagZuordZiel = lager;
    ChangeState(StateKlasse<TState_ReineLagerBewegungGes_VorBuchen>());
}

void TState_ReineLagerBewegungGes_AnLOScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_AnLOScan.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(StateKlasse<TState_ReineLagerBewegungGes_VonLOScan>());
    });
}

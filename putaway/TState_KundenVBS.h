#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TZAM_Lagervorrichtung.h"

// The customer staging place of the order the goods belong to: the worker scans it (or another
// empty one, which then takes the order).
class TState_KundenVBS : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_KundenVBS";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // 1 when the goods go to a branch of this warehouse, else 2.
    static int Auftragstyp(qint16 AZielFiliale);

    TZAM_Lagervorrichtung FKundenVBS;
    TZAM_Lagervorrichtung FGescannteKundenVBS;

private:
    void Malen();
    void Wechseln(const TZAM_Lagervorrichtung& AOrt);
};

#pragma once

#include "TAbstractMultipurposePanelState.h"

#include <QString>

// Whole bin, second step: the target place, held against the source's branch and warehouse.
class TState_ReineLagerBewegungGes_AnLOScan : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_ReineLagerBewegungGes_AnLOScan";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // The source in the lower container row, the target (when known) in the upper target row.
    static void OrteZeigen(TfrmMDE* AMaske);

private:
    void Scan(const QString& AText);
};

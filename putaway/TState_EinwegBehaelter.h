#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TZAM_Lagerort_Info.h"

// The one-way container that takes goods for processing where the warehouse has no processing
// preparation places: the one assigned to the position, or a free one that is assigned now.
class TState_EinwegBehaelter : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_EinwegBehaelter";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // Assigns a free container to the position's order after the processing check; false with
    // the footer's warning when refused.
    static bool EinwegBehaelter_Zuordnen(TAbstractState* AState, const TZAM_Lagerort_Info& AInfo, int AFiliale);

    TZAM_Behaelter FEinwegB;
    TZAM_Behaelter FGescannterEinwegB;

private:
    void Scan(const QString& AText);
};

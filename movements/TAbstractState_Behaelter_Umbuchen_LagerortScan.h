#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TZAM_Lagerort_Info.h"

#include <QString>

// Container rebooking, second step: the place the container goes onto. The container must carry
// the target's branch unless the target is a container of no branch and no goods of others (which
// then takes the container's branch with the booking).
class TAbstractState_Behaelter_Umbuchen_LagerortScan : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TAbstractState_Behaelter_Umbuchen_LagerortScan";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    virtual bool IstWechsel() const = 0;
    // The processing step the full container goes to next (FNaechsterSchritt).
    void NaechsterSchritt_Ermitteln(const TZAM_Lagerort_Info& ABehaelter);

    TZAM_Lagerort_Info FNaechsterSchritt;

private:
    void Scan(const QString& AText);
    // Empty when the container may go onto the target; AFilZuordBuchen: the branch the target
    // takes with the booking, -1 for none.
    QString ZielTest(const TZAM_Lagerort_Info& AZiel, qint16& AFilZuordBuchen);
    void Weiter();
};

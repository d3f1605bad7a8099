#pragma once

#include "TAbstractMultipurposePanelState.h"

#include <QString>

// Container rebooking, last step: the worker confirms with the disk button; the container moves
// onto the target, with the processing bookings its places ask for, in one booking.
class TAbstractState_Behaelter_Umbuchen_VorBuchen : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TAbstractState_Behaelter_Umbuchen_VorBuchen";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;

    virtual bool IstWechsel() const = 0;

private:
    void DoBtnBuchenClick();
    // After a stored booking: the next container of a step change, else the menu the chain
    // belongs to.
    void ChangeStateAfterBuchen();
    // The processing pieces of the bookings; AStelle names the step in the bracket's error texts.
    static void BearbSchritt_Aktualisieren(const QString& AStelle);
    static void Behaelter_VollSetzten_u_LVZDrucken(const QString& AStelle);
    static void ANAFFuerBeahelterBuchen(const QString& AStelle);
    static void WBSFuerBehaelterDrucken(const QString& AStelle);
};

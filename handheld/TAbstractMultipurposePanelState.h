#pragma once

#include "TAbstractState.h"

// The rows of the multipurpose panel, top to bottom (TfrmMDE::FMultipurposeZeilen).
enum TMultipurposeZeile : int {
    zBehaeltername,
    zBehaelternameUnten,
    zMitteOben,
    zMitte,
    zMitteUnten,
    zZielanzeigeOben,
    zZielanzeige
};

// A state on the multipurpose panel: seven stacked text rows.
class TAbstractMultipurposePanelState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractMultipurposePanelState";
    using TAbstractState::TAbstractState;

    QWidget* ActivePanel() override;
    // The painting defaults a subclass starts from.
    void StateAnfangMaskeMalen() override;
};

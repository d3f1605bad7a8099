#pragma once

#include "TAbstractState.h"

// A state on the button menu.
class TAbstractBTNListState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractBTNListState";
    using TAbstractState::TAbstractState;

    QWidget* ActivePanel() override;
    TZAM_BtnMenu* btnmButtons() { return btnmButtons_Get(); }
    // The largest font size from the current one down to AMinGroesse at which every caption
    // (first lines of left and right caption) fits AMaxBreite; false, font unchanged, when none does.
    bool FontSizeEinstellen(int AMaxBreite, int AMinGroesse);
    // Shortens the left captions until left and right caption fit AMaxBreite.
    void LeftCaptionKuerzen(int AMaxBreite);
    // After painting the buttons: the captions fitted to the menu (font down to size 10, else
    // shortened), the paging buttons switched and the menu focused.
    void KnoepfeEinpassen();
};

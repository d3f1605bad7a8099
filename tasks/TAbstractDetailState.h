#pragma once

#include "TAbstractState.h"

class TState_Aufgabe;

// Not built yet: the steps of a task row on the detail panel.
class TAbstractDetailState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractDetailState";
    using TAbstractState::TAbstractState;

    QWidget* ActivePanel() override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}
};

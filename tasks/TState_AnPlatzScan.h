#pragma once

#include "TAbstractDetailState.h"

// Not built yet.
class TState_AnPlatzScan : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_AnPlatzScan";
    using TAbstractDetailState::TAbstractDetailState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}

};

#pragma once

#include "TAbstractBTNListState.h"

// Not built yet.
class TState_Laufwege : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Laufwege";
    using TAbstractBTNListState::TAbstractBTNListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}

};

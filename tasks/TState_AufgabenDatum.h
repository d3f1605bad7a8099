#pragma once

#include "TAbstractBTNListState.h"

// Not built yet.
class TState_AufgabenDatum : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_AufgabenDatum";
    using TAbstractBTNListState::TAbstractBTNListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}

};

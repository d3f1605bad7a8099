#pragma once

#include "TAbstractBTNListState.h"

// Not built yet.
class TState_AufgPosAnzahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_AufgPosAnzahl";
    using TAbstractBTNListState::TAbstractBTNListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}

};

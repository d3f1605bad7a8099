#pragma once

#include "TAbstractVRListState.h"

// Not built yet.
class TState_Kommissionierbehaelter : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_Kommissionierbehaelter";
    using TAbstractVRListState::TAbstractVRListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override {}
    QString Caption_Get() override { return {}; }
    QString FussTip(bool&) override { return {}; }
    void btnZurueckClick() override {}
    // Unlocks the picking container when this handheld locked it.
    void Eigenen_Kommissionierbehaelter_entsperren() {}
    // The picking container is released and emptied.
    void Init_Und_entsperren_Nachsort_KomBeh() {}
};

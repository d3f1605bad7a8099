#pragma once

#include "TState_Menue.h"

// The sub-menu of the three re-sorting workflows, each with its open-task count.
class TState_NachsortAuswahl : public TState_Menue
{
public:
    static constexpr const char* CKlassenName = "TState_NachsortAuswahl";
    using TState_Menue::TState_Menue;

    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnZurueckClick() override;
};

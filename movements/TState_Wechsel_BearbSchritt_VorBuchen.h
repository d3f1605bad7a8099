#pragma once

#include "TAbstractState_Behaelter_Umbuchen_VorBuchen.h"

// Confirms a step change of processing.
class TState_Wechsel_BearbSchritt_VorBuchen : public TAbstractState_Behaelter_Umbuchen_VorBuchen
{
public:
    static constexpr const char* CKlassenName = "TState_Wechsel_BearbSchritt_VorBuchen";
    using TAbstractState_Behaelter_Umbuchen_VorBuchen::TAbstractState_Behaelter_Umbuchen_VorBuchen;
    bool IstWechsel() const override { return true; }
};

#pragma once

#include "TAbstractState_Behaelter_Umbuchen_VorBuchen.h"

// Confirms a plain rebooking.
class TState_Behaelter_Umbuchen_VorBuchen : public TAbstractState_Behaelter_Umbuchen_VorBuchen
{
public:
    static constexpr const char* CKlassenName = "TState_Behaelter_Umbuchen_VorBuchen";
    using TAbstractState_Behaelter_Umbuchen_VorBuchen::TAbstractState_Behaelter_Umbuchen_VorBuchen;
    bool IstWechsel() const override { return false; }
};

#pragma once

#include "TAbstractState_Behaelter_Umbuchen_BehaelterScan.h"

// The container of a plain rebooking.
class TState_Behaelter_Umbuchen_BehaelterScan : public TAbstractState_Behaelter_Umbuchen_BehaelterScan
{
public:
    static constexpr const char* CKlassenName = "TState_Behaelter_Umbuchen_BehaelterScan";
    using TAbstractState_Behaelter_Umbuchen_BehaelterScan::TAbstractState_Behaelter_Umbuchen_BehaelterScan;
    bool IstWechsel() const override { return false; }
};

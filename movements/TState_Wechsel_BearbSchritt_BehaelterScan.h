#pragma once

#include "TAbstractState_Behaelter_Umbuchen_BehaelterScan.h"

// The full container that goes on to its next processing step.
class TState_Wechsel_BearbSchritt_BehaelterScan : public TAbstractState_Behaelter_Umbuchen_BehaelterScan
{
public:
    static constexpr const char* CKlassenName = "TState_Wechsel_BearbSchritt_BehaelterScan";
    using TAbstractState_Behaelter_Umbuchen_BehaelterScan::TAbstractState_Behaelter_Umbuchen_BehaelterScan;
    bool IstWechsel() const override { return true; }
};

#pragma once

#include "TAbstractState_Behaelter_Umbuchen_LagerortScan.h"

// The expected next processing step of a full container.
class TState_Wechsel_BearbSchritt_LagerortScan : public TAbstractState_Behaelter_Umbuchen_LagerortScan
{
public:
    static constexpr const char* CKlassenName = "TState_Wechsel_BearbSchritt_LagerortScan";
    using TAbstractState_Behaelter_Umbuchen_LagerortScan::TAbstractState_Behaelter_Umbuchen_LagerortScan;
    bool IstWechsel() const override { return true; }
};

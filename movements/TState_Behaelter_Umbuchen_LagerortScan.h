#pragma once

#include "TAbstractState_Behaelter_Umbuchen_LagerortScan.h"

// The target of a plain rebooking.
class TState_Behaelter_Umbuchen_LagerortScan : public TAbstractState_Behaelter_Umbuchen_LagerortScan
{
public:
    static constexpr const char* CKlassenName = "TState_Behaelter_Umbuchen_LagerortScan";
    using TAbstractState_Behaelter_Umbuchen_LagerortScan::TAbstractState_Behaelter_Umbuchen_LagerortScan;
    bool IstWechsel() const override { return false; }
};

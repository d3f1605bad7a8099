#pragma once

#include "TAbstractDetailState.h"

// The price check: when the branches of the warehouse sell the article at different prices, the
// worker confirms that his piece carries the row's price.
class TState_Preispruefung : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_Preispruefung";
    using TAbstractDetailState::TAbstractDetailState;

    void Vor_Anfang(bool& AWeiter) override;
    void Nach_Anfang() override;
    QString FussTip(bool& ALang) override;
    int ZuFaerbendesPanel() override { return 19; }

    // A price as the questions show it: two decimals, a decimal comma, whatever the locale.
    static QString PreisText(double APreis);

    int FAktLager = 0;
    int FAnzFilInLager = 0;
    double FSollPreis = 0;
};

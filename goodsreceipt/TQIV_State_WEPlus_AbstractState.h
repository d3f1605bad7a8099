#pragma once

#include "TAbstractState.h"
#include "TZAM_TriState.h"

// The common base of the WE-Plus states that fix what is received and capture it: whether the
// goods come sorted by article or unsorted.
class TQIV_State_WEPlus_AbstractState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_AbstractState";
    using TAbstractState::TAbstractState;

    // A defined answer sets WEPlus.Sortimentsweise (yes: sorted by article).
    virtual void Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort, bool AAntwortDurchUser);
    // Labels of the current article not yet printed; then the answer of the option, or the
    // question when the option asks.
    void SicherheitsAbfrage_Sortimentsweise();
};

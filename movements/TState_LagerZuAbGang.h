#pragma once

#include "TAbstractLagerZuAbGangState.h"

// The stock receipt (mode 2) and issue (mode 3) on a scanned place.
class TState_LagerZuAbGang : public TAbstractLagerZuAbGangState
{
public:
    static constexpr const char* CKlassenName = "TState_LagerZuAbGang";
    using TAbstractLagerZuAbGangState::TAbstractLagerZuAbGangState;

    const TStateKlasse* EigeneStateKlasse() const override;
};

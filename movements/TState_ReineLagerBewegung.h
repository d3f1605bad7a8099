#pragma once

#include "TAbstractState_ReineLagerBewegung.h"

// The relocation of scanned articles between two places (mode 1).
class TState_ReineLagerBewegung : public TAbstractState_ReineLagerBewegung
{
public:
    static constexpr const char* CKlassenName = "TState_ReineLagerBewegung";
    using TAbstractState_ReineLagerBewegung::TAbstractState_ReineLagerBewegung;

    const TStateKlasse* EigeneStateKlasse() const override;
};

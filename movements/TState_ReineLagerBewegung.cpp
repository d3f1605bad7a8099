#include "TState_ReineLagerBewegung.h"

const TStateKlasse* TState_ReineLagerBewegung::EigeneStateKlasse() const
{
    return StateKlasse<TState_ReineLagerBewegung>();
}

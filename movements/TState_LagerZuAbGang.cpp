#include "TState_LagerZuAbGang.h"

const TStateKlasse* TState_LagerZuAbGang::EigeneStateKlasse() const
{
    return StateKlasse<TState_LagerZuAbGang>();
}

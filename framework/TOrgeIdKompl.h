#pragma once

#include "TIntPair.h"

// Complete organisation key of a branch: two pairs.
struct TOrgeIdKompl
{
    TIntPair OrgeId;
    TIntPair OrgeEbene;

    bool operator==(const TOrgeIdKompl&) const = default;
    bool IsNull() const { return OrgeId.IsNull() && OrgeEbene.IsNull(); }
};

inline size_t qHash(const TOrgeIdKompl& k, size_t seed = 0) { return qHashMulti(seed, k.OrgeId, k.OrgeEbene); }

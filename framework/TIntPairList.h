#pragma once

#include "TIntPair.h"

#include <QList>
#include <algorithm>

// A list of two-part keys (order keys). Sort orders it by the keys' comparer; Find searches a
// sorted list by halving it.
class TIntPairList : public QList<TIntPair>
{
public:
    using QList<TIntPair>::QList;

    void Sort() { std::sort(begin(), end()); }
    // In a sorted list: true with the key's index, or false with the index it would be inserted at.
    bool Find(const TIntPair& AKey, qsizetype& AIndex) const
    {
        const auto it = std::lower_bound(cbegin(), cend(), AKey);
        AIndex = it - cbegin();
        return it != cend() && *it == AKey;
    }
};

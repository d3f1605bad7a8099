#pragma once

#include "TIntTrio.h"

#include <QList>
#include <algorithm>

// A list of three-part keys (task ids, reason ids, whitelists). Sort orders it by the keys'
// comparer (part by part); Find searches a sorted list by halving it.
class TIntTrioList : public QList<TIntTrio>
{
public:
    using QList<TIntTrio>::QList;

    void Sort() { std::sort(begin(), end()); }
    // In a sorted list: true with the key's index, or false with the index it would be inserted at.
    bool Find(const TIntTrio& AKey, qsizetype& AIndex) const
    {
        const auto it = std::lower_bound(cbegin(), cend(), AKey);
        AIndex = it - cbegin();
        return it != cend() && *it == AKey;
    }
};

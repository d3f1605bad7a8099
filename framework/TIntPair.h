#pragma once

#include "TZAM_IntSchluessel.h"

#include <QHashFunctions>

struct TIntPair : TZAM_IntSchluessel<TIntPair, 2>
{
    qint32 Id1 = 0;
    qint32 Id2 = 0;

    TIntPair() = default;
    TIntPair(qint32 A1, qint32 A2) : Id1(A1), Id2(A2) {}

    TTeile Teile() const { return {Id1, Id2}; }
    void SetTeile(const TTeile& t) { Id1 = t[0], Id2 = t[1]; }
};

inline const TIntPair CLeeresIntPair{};

inline bool IntPairDefined(const TIntPair& A) { return A.Defined(); }
inline bool IntPairEqual(const TIntPair& A, const TIntPair& B) { return A == B; }
inline TIntPair IntPair_Init(qint32 A1, qint32 A2) { return TIntPair(A1, A2); }
inline size_t qHash(const TIntPair& k, size_t seed = 0) { return qHashMulti(seed, k.Id1, k.Id2); }

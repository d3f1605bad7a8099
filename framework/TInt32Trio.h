#pragma once

#include "TZAM_IntSchluessel.h"

#include <QHashFunctions>

// Product identifier.
struct TInt32Trio : TZAM_IntSchluessel<TInt32Trio, 3>
{
    qint32 Id1 = 0;
    qint32 Id2 = 0;
    qint32 Id3 = 0;

    TInt32Trio() = default;
    TInt32Trio(qint32 A1, qint32 A2, qint32 A3) : Id1(A1), Id2(A2), Id3(A3) {}

    TTeile Teile() const { return {Id1, Id2, Id3}; }
    void SetTeile(const TTeile& t) { Id1 = t[0], Id2 = t[1], Id3 = t[2]; }
};

inline size_t qHash(const TInt32Trio& k, size_t seed = 0) { return qHashMulti(seed, k.Id1, k.Id2, k.Id3); }

#pragma once

#include "TIntTrio.h"

struct TIntQuad : TZAM_IntSchluessel<TIntQuad, 4>
{
    qint32 Id1 = 0;
    qint32 Id2 = 0;
    qint32 Id3 = 0;
    qint32 Id4 = 0;

    TIntQuad() = default;
    TIntQuad(qint32 A1, qint32 A2, qint32 A3, qint32 A4) : Id1(A1), Id2(A2), Id3(A3), Id4(A4) {}

    TTeile Teile() const { return {Id1, Id2, Id3, Id4}; }
    void SetTeile(const TTeile& t) { Id1 = t[0], Id2 = t[1], Id3 = t[2], Id4 = t[3]; }
};

inline TIntQuad QuadAusTrio(const TIntTrio& A, qint32 A4) { return TIntQuad(A.Id1, A.Id2, A.Id3, A4); }
inline TIntTrio TrioAusQuad(const TIntQuad& A) { return TIntTrio(A.Id1, A.Id2, A.Id3); }
inline size_t qHash(const TIntQuad& k, size_t seed = 0) { return qHashMulti(seed, k.Id1, k.Id2, k.Id3, k.Id4); }

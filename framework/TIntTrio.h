#pragma once

#include "TIntPair.h"

struct TIntTrio : TZAM_IntSchluessel<TIntTrio, 3>
{
    qint32 Id1 = 0;
    qint32 Id2 = 0;
    qint32 Id3 = 0;

    TIntTrio() = default;
    TIntTrio(qint32 A1, qint32 A2, qint32 A3) : Id1(A1), Id2(A2), Id3(A3) {}

    TTeile Teile() const { return {Id1, Id2, Id3}; }
    void SetTeile(const TTeile& t) { Id1 = t[0], Id2 = t[1], Id3 = t[2]; }
};

// The largest three-part key: the pseudo container of a pick without goods slip, the placeholder
// of a reference or disposition that is none. Its ten-digit parts have no 9-digit text form.
inline const TIntTrio CMaxIntTrio{2147483647, 2147483647, 2147483647};
inline bool IntTrioDefined(const TIntTrio& A) { return A.Defined(); }
inline bool IntTrioEqual(const TIntTrio& A, const TIntTrio& B) { return A == B; }
inline TIntTrio IntTrio_Init(qint32 A1, qint32 A2, qint32 A3) { return TIntTrio(A1, A2, A3); }
inline TIntPair PairAusTrio(const TIntTrio& A) { return TIntPair(A.Id1, A.Id2); }
inline TIntTrio TrioAusPair(const TIntPair& A, qint32 A3) { return TIntTrio(A.Id1, A.Id2, A3); }
inline size_t qHash(const TIntTrio& k, size_t seed = 0) { return qHashMulti(seed, k.Id1, k.Id2, k.Id3); }

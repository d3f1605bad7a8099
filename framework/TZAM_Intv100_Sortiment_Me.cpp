#include "TZAM_Intv100_Sortiment_Me.h"

#include <algorithm>

void TZAM_Intv100_Sortiment_Me::Init()
{
    Me.fill(0);
    MinIndex = CZAM_Intv100_OhneGroesse;
    MaxIndex = 0;
}

void TZAM_Intv100_Sortiment_Me::MinMax_Bestimmen()
{
    MinIndex = CZAM_Intv100_OhneGroesse;
    MaxIndex = 0;
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        if (Me[i] != 0) {
            if (MinIndex > i)
                MinIndex = TZAM_Intv100_IndErw(i);
            MaxIndex = TZAM_Intv100_IndErw(i);
        }
}

qint64 TZAM_Intv100_Sortiment_Me::Sum() const
{
    qint64 s = 0;
    for (int m : Me)
        s += m;
    return s;
}

bool TZAM_Intv100_Sortiment_Me::IsEmpty() const
{
    return std::all_of(Me.cbegin(), Me.cend(), [](int AMenge) { return AMenge == 0; });
}

bool TZAM_Intv100_Sortiment_Me::IsPositive() const
{
    return std::none_of(Me.cbegin(), Me.cend(), [](int AMenge) { return AMenge < 0; }) && !IsEmpty();
}

TZAM_Intv100_Sortiment_Me& TZAM_Intv100_Sortiment_Me::operator-=(const TZAM_Intv100_Sortiment_Me& A)
{
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        Me[i] -= A.Me[i];
    MinMax_Bestimmen();
    return *this;
}

TZAM_Intv100_Sortiment_Me Intv100_Sortiment_Me_GrMinima(const TZAM_Intv100_Sortiment_Me& A,
                                                         const TZAM_Intv100_Sortiment_Me& B)
{
    TZAM_Intv100_Sortiment_Me m;
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        m.Me[i] = std::min(A.Me[i], B.Me[i]);
    m.MinMax_Bestimmen();
    return m;
}

#include "TZAM_Intv100_Sortiment_Me.h"

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

qint64 TZAM_Intv100_Sortiment_Me::Summe() const
{
    qint64 s = 0;
    for (int m : Me)
        s += m;
    return s;
}

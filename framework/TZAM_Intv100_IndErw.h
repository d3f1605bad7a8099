#pragma once

#include <QtGlobal>

// The size index of an article: one byte. 0 to 99 are the sizes of the article's grid (0 is the
// single size of an article without sizes); 255 means that no size was given. A value of 128 or
// above never names a size.
using TZAM_Intv100_IndErw = quint8;

inline constexpr int CZAM_Intv100_Anzahl = 100;
inline constexpr TZAM_Intv100_IndErw CZAM_Intv100_OhneGroesse = 255;
// Answer of a lookup that found no size (a till size the article lacks).
inline constexpr TZAM_Intv100_IndErw CZAM_Intv100_Ungueltig = 128;

// True for the indexes 0 to 99 that can name a size.
inline bool zam_Intv100_IstGroesse(int AIndex)
{
    return AIndex >= 0 && AIndex < CZAM_Intv100_Anzahl;
}

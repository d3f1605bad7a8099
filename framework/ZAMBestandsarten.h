#pragma once

#include <QString>

// Stock types: the framework's numbers. A set of them is a bit set (bit n: type n).
inline constexpr int CZAM_ArtBestTyp_Frei = 1;       // free stock
inline constexpr int CZAM_ArtBestTyp_Geblockt = 2;   // blocked goods
inline constexpr int CZAM_ArtBestTyp_Reserviert = 11; // pieces of an order in its target branch
// Ours: goods on transport to a branch, booked by a goods slip (outside every type the forms name).
inline constexpr int CZAM_ArtBestTyp_Transport = 40;

inline constexpr qint64 ZAMBestandsartBit(int ATyp)
{
    return qint64(1) << ATyp;
}

// The branch stock file's code of a type: " " (one blank) for free stock, the number otherwise.
QString CZAM_ArtBestTyp_BFWert(int ATyp);
QString CZAM_ArtBestTyp_2_String(int ATyp);

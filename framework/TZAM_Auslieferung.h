#pragma once

#include <QtGlobal>

// How a customer-order document is delivered: its delivery kind and the branch it is delivered
// from (-1 none).
struct TZAM_Auslieferung
{
    int Art = 0;
    qint16 Filiale = -1;

    bool operator==(const TZAM_Auslieferung&) const = default;
};

// The delivery kind that asks for a position's own delivery branch.
inline constexpr int CZAM_Auslieferung_Position = 3;

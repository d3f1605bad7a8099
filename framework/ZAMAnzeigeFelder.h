#pragma once

#include "TIntPair.h"

#include <QString>
#include <array>

// A field of the movement list display: its identifier, caption, visibility and width.
struct TZAM_AnzeigeFeld
{
    qint16 FeldId = 0;
    QString Caption;
    bool Sichtbar = true;
    int Breite = 60;
};

inline constexpr int CZAM_AnzeigeFelder_Anzahl = 41;
using TZAM_AnzeigeFelder = std::array<TZAM_AnzeigeFeld, CZAM_AnzeigeFelder_Anzahl>;

// The framework's default table of the display fields.
const TZAM_AnzeigeFelder& CAnzeigeFelder();

// The two feature fields the article feature settings report (parameter "ARTMERKM", a pair text).
TIntPair ZAMArtikelMerkmal_FeldIds();

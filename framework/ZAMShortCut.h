#pragma once

#include <QKeySequence>
#include <QLatin1String>
#include <array>

// The framework's short-cut code: a Windows virtual-key code in the low bits plus the modifier
// flags below. Stored options keep this number, the forms need a QKeySequence.
using TZAM_ShortCut = quint16;
inline constexpr TZAM_ShortCut CZAM_ShortCut_Shift = 0x2000;
inline constexpr TZAM_ShortCut CZAM_ShortCut_Ctrl = 0x4000;
inline constexpr TZAM_ShortCut CZAM_ShortCut_Alt = 0x8000;
inline constexpr TZAM_ShortCut CZAM_ShortCut_F11 = 122;

// An unknown key code gives the empty sequence.
QKeySequence ZAMShortCut2KeySequence(TZAM_ShortCut AShortCut);
// The first key of a one-key sequence; 0 for an empty or longer sequence, a key without a
// virtual-key code or the Meta modifier.
TZAM_ShortCut ZAMKeySequence2ShortCut(const QKeySequence& AFolge);

struct TZAM_ScanPraefix
{
    TZAM_ShortCut ShortCut;
    QLatin1String Caption;
};

// The prefix keys a handheld scanner may be set to send; F11 is the default and comes first.
inline constexpr std::array<TZAM_ScanPraefix, 5> CZAM_ScanPraefixMDEVorrat{{
    {CZAM_ShortCut_F11, QLatin1String("F11")},
    {123, QLatin1String("F12")},
    {CZAM_ShortCut_Ctrl | CZAM_ShortCut_F11, QLatin1String("Strg+F11")},
    {CZAM_ShortCut_Shift | CZAM_ShortCut_F11, QLatin1String("Umschalt+F11")},
    {121, QLatin1String("F10")},
}};

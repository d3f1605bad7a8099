#pragma once

#include <QColor>
#include <QFont>

// Colour numbers as the system stores them: 0x00BBGGRR, or a system colour 0xFF0000nn with the
// Windows colour index nn, resolved through the application palette.
inline constexpr int CZAMFarbe_Fenster = int(0xFF000005);       // window background
inline constexpr int CZAMFarbe_FensterText = int(0xFF000008);
inline constexpr int CZAMFarbe_Markiert = int(0xFF00000D);      // selection background
inline constexpr int CZAMFarbe_MarkiertText = int(0xFF00000E);
inline constexpr int CZAMFarbe_ButtonFlaeche = int(0xFF00000F); // button face
inline constexpr int CZAMFarbe_ButtonText = int(0xFF000012);
inline constexpr int CZAMFarbe_Rot = 255;
inline constexpr int CZAMFarbe_Gelb = 65535;
inline constexpr int CZAMFarbe_Weiss = 0xFFFFFF;
inline constexpr int CZAMFarbe_Hervorhebung = 2101432; // the dark red of headers and targets

QColor ZAMFarbe(int AFarbe);
// The colour number of a colour: 0x00BBGGRR (system colours are not recovered).
int ZAMFarbeNummer(const QColor& AFarbe);

// Font heights as the system stores them: negative is a pixel size, positive a point size, 0 leaves
// the font as it is.
void ZAMSchriftHoeheSetzen(QFont& AFont, int AHoehe);

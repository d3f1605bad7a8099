#pragma once

#include "TZAM_Lager_BEW.h"

// The correction of kind AArt for the movement's article, size and pieces, between the branches
// AVonFiliale and AAnFiliale (-1 none).
inline TZAM_Lager_BNE_Korrektur zam_Korrektur(const TZAM_Lager_BEW& ABew, int AArt, int AVonFiliale, int AAnFiliale)
{
    TZAM_Lager_BNE_Korrektur k;
    k.ProduktId = ABew.ProduktId;
    k.GrInd = ABew.GrInd;
    k.Menge = ABew.Menge;
    k.VonFiliale = qint16(AVonFiliale);
    k.AnFiliale = qint16(AAnFiliale);
    k.KorrekturArt = quint8(AArt);
    return k;
}

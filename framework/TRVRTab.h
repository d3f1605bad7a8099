#pragma once

#include "IZAM_NummernkreisServer.h"

// The number-range table of one table kind, loaded once and walked in its stored order.
class TRVRTab
{
public:
    // Replaces what was loaded by the ranges of the table kind.
    void Laden(int ATabellenArt);
    int Anzahl() const { return int(FKreise.size()); }
    const TZAM_Nummernkreis& Kreis(int AIndex) const { return FKreise.at(AIndex); }
    const QList<TZAM_Nummernkreis>& Kreise() const { return FKreise; }

private:
    QList<TZAM_Nummernkreis> FKreise;
};

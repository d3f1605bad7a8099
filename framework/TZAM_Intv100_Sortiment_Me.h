#pragma once

#include "TZAM_Intv100_IndErw.h"

#include <array>

// Quantities of one article per size index 0 to 99, with the lowest and the highest index in use.
// An empty vector has its lowest index above its highest (255 and 0), so a walk from the lowest to
// the highest index visits nothing.
struct TZAM_Intv100_Sortiment_Me
{
    TZAM_Intv100_IndErw MinIndex = CZAM_Intv100_OhneGroesse;
    TZAM_Intv100_IndErw MaxIndex = 0;
    std::array<int, CZAM_Intv100_Anzahl> Me{};

    // Every quantity 0, the range empty.
    void Init();
    // The range from the first to the last index whose quantity is not 0; empty when there is none.
    void MinMax_Bestimmen();
    // No size has a quantity other than 0.
    bool IsEmpty() const;
    // No quantity below 0, and at least one above.
    bool IsPositive() const;
    // The quantity of a size; 0 for an index that names no size.
    int Menge(int AIndex) const { return zam_Intv100_IstGroesse(AIndex) ? Me[AIndex] : 0; }
    // Sum over every size.
    qint64 Sum() const;
    // Size by size; the range is determined afresh.
    TZAM_Intv100_Sortiment_Me& operator-=(const TZAM_Intv100_Sortiment_Me& A);
    friend TZAM_Intv100_Sortiment_Me operator-(TZAM_Intv100_Sortiment_Me A, const TZAM_Intv100_Sortiment_Me& B)
    {
        return A -= B;
    }

    bool operator==(const TZAM_Intv100_Sortiment_Me&) const = default;
};

// The smaller quantity of the two per size, with its range.
TZAM_Intv100_Sortiment_Me Intv100_Sortiment_Me_GrMinima(const TZAM_Intv100_Sortiment_Me& A,
                                                         const TZAM_Intv100_Sortiment_Me& B);

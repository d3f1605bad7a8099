#pragma once

#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_PersArt_ExtVerweis.h"

// The quantities per size of one target branch: the branch first, the branch that ordered, the
// quantities and the reference (a customer order) they belong to.
struct TZAM_Intv100_Sortiment_MeMitFilUndVerweis
{
    qint16 Filiale = -1;
    qint16 AuftrFiliale = -1;
    TZAM_Intv100_Sortiment_Me Me;
    TZAM_PersArt_ExtVerweis Verweis;

    bool operator==(const TZAM_Intv100_Sortiment_MeMitFilUndVerweis&) const = default;
};

#pragma once

#include "TInt32Trio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

// The quantities per size of one product.
struct TZAM_Intv100_Sortiment_MeMitProduktId
{
    TInt32Trio ProduktId;
    TZAM_Intv100_Sortiment_Me Me;

    bool operator==(const TZAM_Intv100_Sortiment_MeMitProduktId&) const = default;
};

#pragma once

#include "TInt32Trio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

// One line of a delivery: the product and the quantity booked per size.
struct TZAM_LieferungItem
{
    TInt32Trio ProduktId;
    TZAM_Intv100_Sortiment_Me Menge;
};

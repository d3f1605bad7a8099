#pragma once

#include "IZAM_Druck.h"
#include "TIntPair.h"

// The requirements module: the shipping papers of a parcel.
class TBedarfeDataModule
{
public:
    // The shipping papers of the slip: sender (the from-branch's warehouse and the from-branch),
    // recipient (to-branch number and name), the slip number with its Code 128 bars, the pieces
    // and the date; on the site's document printer (type 1; none configured: the machine's
    // default, or a PDF). Raises when the slip is unknown and the print module's refusals.
    static TZAM_DruckErgebnis VersPapFuerWBSErstellen(int AVonFiliale, int AAnFiliale, const TIntPair& AListenNr);
};

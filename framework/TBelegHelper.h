#pragma once

#include "TIntQuad.h"

#include <QtGlobal>

// Rules of customer-order documents.
class TBelegHelper
{
public:
    // The branch a position is delivered from. A position may name a deviating delivery branch:
    // asked for delivery kind 3 (CZAM_Auslieferung_Position), that branch answers when the
    // position names one; otherwise the document head's. False (branch -1) for an unknown
    // position or when the document module is not available. Without AMitKopf the head is not
    // asked: a position that names no branch of its own (or any other kind) answers -1, true.
    static bool Auslieferung_Bestimmen(const TIntQuad& APosition, bool AMitKopf, int AAuslieferungsArt,
                                       qint16& AFiliale);
};

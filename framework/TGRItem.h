#pragma once

#include "TZAM_LieferungItem.h"

#include <QString>

// An item of the grouped goods-receipt dialog and what its posting gave: the posted flag, the
// reason of a refusal, the delivery key's text and the delivery line (booked quantities per size).
struct TGRItem
{
    bool Gebucht = false;
    QString Meldung;
    QString LieferungKeyText;
    TZAM_LieferungItem Lieferung;
};

#pragma once

#include "TQIV_PersoAuswahl.h"
#include "TZAM_Lagerort_Info.h"

#include <QString>

// Whether goods of kind AArt may be put on the place or container AInfo; AFiliale is the branch
// personalised goods must reach. ABehaelterOK: a container may stand in for a staging place;
// AKundenVBSOK: a customer-order staging place is acceptable. A refusal answers false with the
// reason in AMeldung; the routine changes nothing.
bool Lagerort_Zulaessig(const TZAM_Lagerort_Info& AInfo, TQIV_PersoAuswahl AArt, qint16 AFiliale, QString& AMeldung,
                        bool ABehaelterOK, bool AKundenVBSOK);

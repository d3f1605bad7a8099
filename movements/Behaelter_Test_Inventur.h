#pragma once

#include "TIntTrio.h"
#include "TZAM_Lagerort_Info.h"

#include <QString>

// Whether a container may be counted or commissioned (and put onto AZiel when that is defined):
// the container-to-place test, not commissioned twice, and no branch assignment, single use,
// transport or printed goods slip. AMeldung says why not. Uses the data module's services; their
// failures raise to the caller's handler.
bool Behaelter_Test_Inventur(const TZAM_Lagerort_Info& ABehaelter, const TIntTrio& AZiel, bool AAlsInbetriebnahme,
                             QString& AMeldung);

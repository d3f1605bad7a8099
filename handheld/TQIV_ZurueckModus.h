#pragma once

#include "TfrmMDE.h"

// The screen's back mode for the lifetime of the object: the states activated meanwhile know that
// the worker is going back.
class TQIV_ZurueckModus
{
public:
    explicit TQIV_ZurueckModus(TfrmMDE* AMaske) : FMaske(AMaske) { FMaske->Zurueck_Set(true); }
    ~TQIV_ZurueckModus() { FMaske->Zurueck_Set(false); }
    TQIV_ZurueckModus(const TQIV_ZurueckModus&) = delete;
    TQIV_ZurueckModus& operator=(const TQIV_ZurueckModus&) = delete;

private:
    TfrmMDE* FMaske;
};

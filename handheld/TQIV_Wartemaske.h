#pragma once

#include "TfrmMDE.h"

// The screen's wait window for the lifetime of the object: shown on construction, hidden however
// the scope is left.
class TQIV_Wartemaske
{
public:
    TQIV_Wartemaske(TfrmMDE* AMaske, const QString& AText) : FMaske(AMaske) { FMaske->Wartemaske_Show({}, AText); }
    ~TQIV_Wartemaske() { FMaske->Wartemaske_Hide(); }
    TQIV_Wartemaske(const TQIV_Wartemaske&) = delete;
    TQIV_Wartemaske& operator=(const TQIV_Wartemaske&) = delete;

private:
    TfrmMDE* FMaske;
};

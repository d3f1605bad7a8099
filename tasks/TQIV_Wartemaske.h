#pragma once

#include "TfrmMDE.h"

// The screen's wait window for the length of a scope, closed on every way out.
class TQIV_Wartemaske
{
public:
    TQIV_Wartemaske(TfrmMDE* AMaske, const QString& AText) : FMaske(AMaske)
    {
        FMaske->Wartemaske_Show(QString(), AText);
    }
    ~TQIV_Wartemaske() { FMaske->Wartemaske_Hide(); }
    TQIV_Wartemaske(const TQIV_Wartemaske&) = delete;
    TQIV_Wartemaske& operator=(const TQIV_Wartemaske&) = delete;

private:
    TfrmMDE* FMaske;
};

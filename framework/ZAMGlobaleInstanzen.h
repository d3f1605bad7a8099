#pragma once

#include "IZAM_FGSystems.h"
#include "IZAM_FilialTabelle.h"
#include "TZAM_GlobaleInstanz.h"

// The framework's global instances, each taken and given back exactly once per holder.
inline IZAM_FilialTabelle* GlobFilialTabelle_GetInstance() { return TZAM_GlobaleInstanz<IZAM_FilialTabelle>::GetInstance(); }
inline void GlobFilialTabelle_ReleaseInstance() { TZAM_GlobaleInstanz<IZAM_FilialTabelle>::ReleaseInstance(); }
inline IZAM_FGSystems* GlobFGSystems_GetInstance() { return TZAM_GlobaleInstanz<IZAM_FGSystems>::GetInstance(); }
inline void GlobFGSystems_ReleaseInstance() { TZAM_GlobaleInstanz<IZAM_FGSystems>::ReleaseInstance(); }

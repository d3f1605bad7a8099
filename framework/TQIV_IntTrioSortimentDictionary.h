#pragma once

#include "TIntTrio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

#include <map>

// Quantities per size by a three-part key (a process combination), enumerated in ascending key
// order, so that every run walks the keys alike.
using TQIV_IntTrioSortimentDictionary = std::map<TIntTrio, TZAM_Intv100_Sortiment_Me>;

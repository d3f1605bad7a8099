#pragma once

#include "TIntTrio.h"
#include "TQIV_Dispo_Info.h"
#include "TQIV_ZPMDE_Datentraeger.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QString>

struct TQIV_Optionen_OBMDE;

// Whether a scanned place takes a WE-Plus piece of target kind AZielTyp. A preset place (a
// staging place, a container) takes only itself, except the remembered putaway place, which any
// place fit for putaway replaces. Without a preset the place is checked: for putaway (kind 1) and
// for processing in one-way containers (kinds 4 and 5), whose container is then assigned to the
// customer order. On success the preset becomes the place (and for kind 1 the remembered putaway
// place); otherwise AMeldung says why.
bool Pruefe_Lagerort(const TZAM_Lagerort_Info& AInfo, const TQIV_Optionen_OBMDE& AOptionen,
                     TQIV_ZPMDE_Datentraeger::TWEPlus& AWEPlus, QString& AMeldung, QString& ALagerplatzBez,
                     TIntTrio& ALagerplatzID, qint16 AFiliale, const TIntTrio& AVerfKombiId,
                     const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_ZPMDE_Ziel AZielTyp, bool ABuchenSichtbar);

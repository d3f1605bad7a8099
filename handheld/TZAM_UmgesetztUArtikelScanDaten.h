#pragma once

#include "TZAM_ArtikelScanDaten.h"
#include "TZAM_TriState.h"

// The scan handed to a state's Gescannt: whether it was already converted into an article, and
// the article scan data. The screen passes it empty; the article-entry panels pass it filled.
struct TZAM_UmgesetztUArtikelScanDaten
{
    TZAM_TriState_Enum Umgesetzt = tsUndefined;
    TZAM_ArtikelScanDaten ArtikelScanDaten;
};

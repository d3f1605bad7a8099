#pragma once

#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_TriState.h"
#include "TZAM_UmgesetztUArtikelScanDaten.h"

#include <QString>
#include <functional>

// The answers of the handheld's dialog panels reach their callers through these. A panel clears
// its stored callback before calling it, so a callback may open the next panel.

// Messages and yes/no questions: true for "Ja"/"OK", false for "Nein", undefined for
// "Abbrechen" and the back button.
using TQIV_Sicherheitsabfrage_callback = std::function<void(TZAM_TriState_Enum AAntwort, bool AAntwortDurchUser)>;
// Stacked answers: the index of the pressed button, -1 for the back button.
using TQIV_FrageButtonsUntereinander_Callback = std::function<void(int AAntwort, bool AAntwortDurchUser)>;
using TQIV_Eingabe_callback =
    std::function<void(TZAM_TriState_Enum AAntwort, const QString& AEditRueckgabe, const QString& AComboRueckgabe)>;
using TQIV_BenutzerAnmeldung_Callback = std::function<void(bool AErfolg)>;
using TQIV_Bildanzeige_Callback = std::function<void()>;
// The quantity correction: (true, the typed quantity, the caller's index) for "Weiter",
// (false, 0, -1) for "Abbrechen".
using TQIV_MengenkorrekturSH_Callback = std::function<void(bool AErfolg, int AIstMenge, int AIndex)>;
// The size-quantity entry: (true, the actual quantities) for the post button, (false, an empty
// vector) for the back button.
using TQIV_MengeneingabeSH_Callback = std::function<void(bool AErfolg, const TZAM_Intv100_Sortiment_Me& ASortiment)>;
// The article selection: the scanned text, and its scan data converted (Umgesetzt true with an
// article, false without one).
using TQIV_ArtikelAuswahl_Callback =
    std::function<void(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)>;
// The article-number entry: (true, product, size index) for "Weiter", (false, the empty product,
// 255) for "Abbrechen".
using TQIV_ArtNrHandEin_Callback = std::function<void(bool AErfolg, const TInt32Trio& AProdId, TZAM_Intv100_IndErw AGrIdx)>;

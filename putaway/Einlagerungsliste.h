#pragma once

#include "TInt32Trio.h"
#include "TIntQuad.h"
#include "TIntTrio.h"
#include "TQIV_Lager_Sammeleinlagerung.h"
#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_Lagerort_Info.h"

#include <QList>
#include <memory>

class TVRList;

// The putaway list of the target places: one row per size and target, sorted by size index.
enum TEinlagerungslisteSpalte : int
{
    celLagerplatz,   // the place's name
    celLagerplatzId, // TIntTrio
    celBehaelter,    // the container's name
    celBehaelterId,  // TIntTrio
    celAnzeige,      // the container's name when there is one, else the place's
    celGroesse,      // the size name
    celGrIdx,        // the size index
    celSoll,         // planned pieces
    celIst,          // counted pieces
    celVerwKennung,  // the reference kind's letter
    celVerwIdent,    // TIntQuad: the reference key with its position
    celAnzahl
};

// The largest count a row takes.
inline constexpr int CEinlagerung_MaxMenge = 99999;

// Creates the list with its captions and visible columns, or empties it.
void EinlagerungslisteCIN_Clear(std::unique_ptr<TVRList>& AListe);
// One row per movement of the branch-PC extension's list with that document key and product
// (and, when given, that process combination, the list split by combination first, and that
// customer-order document): planned and counted are the open pieces.
void ArtikelSollZusammenstellen(TVRList& AListe, const TInt32Trio& AProduktId, const TIntTrio& ABelegId,
                                const TIntTrio& AKubeBelegId, const TIntTrio& AVerfKombiId);
// One row per size of the product lying on the place: planned and counted are its pieces.
void ArtikelSollZusammenstellenLP(TVRList& AListe, const TInt32Trio& AProduktId, const TIntTrio& ALagerort);
// The places where the product lies in the warehouse: one row per place and container with
// the pieces summed; shown are place, pieces and container.
std::unique_ptr<TVRList> BisherigeLagerorteAnzeigen(const TInt32Trio& AProduktId, int ALager);
// Rows by size index, rows of one size in their order.
void Einlagerungsliste_Sortieren(TVRList& AListe);

// The row a scanned place goes into: the first row while it has no place, else the selected
// row (-1: none selected).
int Zeile_fuer_Ziellagerort_bestimmen(const TVRList& AListe, int AGewaehlt);
// The row has a place or a container.
bool EinlagerOrtDefiniert(const TVRList& AListe, int AZeile);
// Writes the scanned place into the row: a container with the place it stands on (kept when the
// row had the same container), any other place alone.
void Lagerort_2_Liste(TVRList& AListe, int AZeile, const TZAM_Lagerort_Info& AInfo);
// The planned pieces of the consecutive rows of the row's size, from the row on.
int SollMenge_ermitteln(const TVRList& AListe, int AZeile);
// A new row after AZeile with the row's size and reference, the given planned and counted pieces
// and no place; answers its index.
int ZeileEinfuegen(TVRList& AListe, int AZeile, int ASoll, int AIst);
// Splits the row's count C: the row keeps C - C/2 and its plan less C/2 (not below 0), a new row
// below takes C/2 and the rest of the plan. Answers the new row.
int Zeile_Teilen(TVRList& AListe, int AZeile);

// What the rows put where: per size the plan is handed out row by row (each row gives the
// smaller of its count and what is left of the plan; a row without place uses the last place
// seen), per reference (only with APerVerweis, otherwise all in one group) and target. Counts
// beyond the plan are excess (with the row's target), plan left over is shortfall.
struct TQIV_LagerortZuweisung
{
    QList<TQIV_Lager_Bew_Sortimente_MitExtVerweis> Menge;
    TZAM_Intv100_Sortiment_Me Fehl_Menge;
    TQIV_Lager_Bew_Sortiment_Array Pos_Diff_Menge;
};
TQIV_LagerortZuweisung Auslesen_LagerortZuweisung_do(const TVRList& AListe, bool APerVerweis);

#pragma once

#include "TIntTrio.h"
#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDate>
#include <QList>
#include <memory>

class IZAM_DispoServer;
struct TZAM_DispoSatz;

// One assortment position of a disposition: the pieces still open for a customer-order position
// (Verweis) at a target branch, per size with their range. Index is the place in the list.
struct TQIV_SortimentPos
{
    int Index = 0;
    qint16 Filiale = -1;
    TZAM_Intv100_Sortiment_Me Menge;
    TZAM_PersArt_ExtVerweis Verweis;
};

// Reads one disposition at a time: its dates and its assortment positions. Handed out by the
// article reader (TQIV_ArtLesSimple::VorgangDWSP_Iterator_GoC) and given back to it.
//
// The primary date is the delivery date the disposition names (zam_bne.datum2; null when none is
// set), the secondary date the day the disposition was made (zam_bne.datum).
//
// The assortment positions are the positions for a customer-order position (kind 1 with a real
// key; the placeholder counts as none), one per target branch and reference, ordered by branch
// and reference, each with what is still open of it (planned - received, never below 0). Positions
// with nothing open are left out, and a closed disposition has none: a customer-order share never
// exceeds what is open.
class TQIV_VorgangDWSP_Iterator
{
public:
    TQIV_VorgangDWSP_Iterator();
    ~TQIV_VorgangDWSP_Iterator();

    // False, standing on nothing, when no disposition has the id.
    bool Positionieren(const TIntTrio& AVorgId);
    // Stands on a disposition read already.
    void Positionieren(const TZAM_DispoSatz& ASatz);
    bool Gefunden() const { return FGefunden; }
    const TIntTrio& VorgId() const { return FVorgId; }
    QDate PrimaerDatum() const { return FPrimaerDatum; }
    QDate SekundaerDatum() const { return FSekundaerDatum; }
    int SortimentePos_Anzahl() const { return int(FSortimentePos.size()); }
    // Raises the illegal-parameter error for an index outside the list.
    const TQIV_SortimentPos& SortimentePos(int AIndex) const;

    // The assortment positions of a stored disposition, as described above.
    static QList<TQIV_SortimentPos> SortimentePos_Bilden(const TZAM_DispoSatz& ASatz);

private:
    IZAM_DispoServer& Server();
    std::unique_ptr<IZAM_DispoServer> FServer;
    bool FGefunden = false;
    TIntTrio FVorgId;
    QDate FPrimaerDatum;
    QDate FSekundaerDatum;
    QList<TQIV_SortimentPos> FSortimentePos;
};

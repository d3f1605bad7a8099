#pragma once

#include "IZAM_Server.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>

// Reads of the order files: order lines and their positions (with the movement type they book),
// and the reservations of branch stock.
class IZAM_AuftragsDateien : public IZAM_Server
{
public:
    // The order line's date; false when there is no such order line.
    virtual bool BNE_Datum(const TIntTrio& AVorgang, QDateTime& ADatum) = 0;
    // The reference of the order-line position a task came from, found by the order line, the
    // target branch (0 for the warehouse's own) and the quantity; false when none matches.
    virtual bool BNEP_ExtVerweis(const TIntTrio& AVorgang, qint16 AZielFiliale, int AMenge,
                                 TZAM_PersArt_ExtVerweis& AVerweis) = 0;
    // The sum of the reserved branch stock of a reference; a branch above 0 and a non-empty
    // stock-type code filter.
    virtual int BFP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale, const QString& ABestandsartCode) = 0;
    // The sum of the order-line positions of a reference; each filter applies when above 0.
    virtual int BNEP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AZielFiliale, int AQuellFiliale,
                           int ABewTyp) = 0;
    // The quantity of the one position with this full key; 0 when there is none.
    virtual int BNEP_Menge(const TIntTrio& AVorgang, int AZielFiliale, int AQuellFiliale, int ABewTyp,
                           const TZAM_PersArt_ExtVerweis& AVerweis) = 0;
};

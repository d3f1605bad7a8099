#pragma once

#include "IZAM_Server.h"
#include "TIntQuad.h"
#include "TQIV_IntTrioSortimentDictionary.h"

#include <QHash>
#include <QList>
#include <QString>

// The processing of customer-order positions (the workshop): which process combinations take
// how many pieces of a position per size, and the branch that processes a position. A position
// is named as a reference names it (order id and number).
class IZAM_WerkstattServer : public IZAM_Server
{
public:
    // Every combination stored for each of the positions (order id and number) with its pieces
    // per size (ranges determined); a position that is unknown or has no combination is missing.
    virtual QHash<TIntQuad, TQIV_IntTrioSortimentDictionary> VerfahrenKombinationen(
        const QList<TIntQuad>& APositionen) = 0;
    // The processing branch of the position; below 1 when it is not processed or unknown.
    virtual int BearbeitungsFiliale(const TIntTrio& AVerweisId, int AVerweisNr) = 0;
    // The combination's name; false when the combination is unknown.
    virtual bool VerfKombi_Bezeichnung(const TIntTrio& AVerfKombiId, QString& AName) = 0;
};

#pragma once

#include "IZAM_Server.h"
#include "TQIV_IntTrioSortimentDictionary.h"

#include <QString>

// The processing of customer-order positions (the workshop): which process combinations take
// how many pieces of a position per size, and the branch that processes a position. A position
// is named as a reference names it (order id and number).
class IZAM_WerkstattServer : public IZAM_Server
{
public:
    // Every combination stored for the position with its pieces per size (ranges determined);
    // empty for an unknown position or one without combinations.
    virtual TQIV_IntTrioSortimentDictionary VerfahrenKombinationen(const TIntTrio& AVerweisId, int AVerweisNr) = 0;
    // The processing branch of the position; below 1 when it is not processed or unknown.
    virtual int BearbeitungsFiliale(const TIntTrio& AVerweisId, int AVerweisNr) = 0;
    // The combination's name; false when the combination is unknown.
    virtual bool VerfKombi_Bezeichnung(const TIntTrio& AVerfKombiId, QString& AName) = 0;
};

#pragma once

#include "IZAM_Server.h"
#include "TIntPair.h"

#include <QList>

// An entry of a supplier's order-branch list: an order branch and the branches it orders for,
// in their order.
struct TZAM_AuftrFilEintrag
{
    qint16 AuftrFiliale = -1;
    QList<qint16> Filialen;

    bool operator==(const TZAM_AuftrFilEintrag&) const = default;
};

// The order-branch lists of the suppliers (zam_auftrfil).
class IZAM_AuftrFilServer : public IZAM_Server
{
public:
    // The supplier's entries by their stored number, each with its branches by position; nothing
    // for a supplier without entries.
    virtual QList<TZAM_AuftrFilEintrag> Eintraege(const TIntPair& ALieferant) = 0;
    // Replaces the supplier's list; the entries are numbered from 1 in the given order.
    virtual void Speichern(const TIntPair& ALieferant, const QList<TZAM_AuftrFilEintrag>& AEintraege) = 0;
};

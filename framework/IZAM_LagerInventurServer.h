#pragma once

#include "IZAM_Server.h"
#include "TIntTrio.h"

#include <QDate>
#include <QList>
#include <QString>

struct TZAM_Zaehlplatz
{
    TIntTrio LagerortId;
    QString Name;
    QDate Zaehldatum; // null when never set
};

// Inventory: places in operation and their counting dates.
class IZAM_LagerInventurServer : public IZAM_Server
{
public:
    // True when the storage place has been taken into operation.
    virtual bool LagerortInBetrieb(const TIntTrio& ALagerort) = 0;
    // The places of a warehouse with their counting dates, in name order.
    virtual QList<TZAM_Zaehlplatz> Zaehlplaetze(int ALager) = 0;
    virtual void ZaehldatumSetzen(const QList<TIntTrio>& ALagerorte, const QDate& ADatum) = 0;
};

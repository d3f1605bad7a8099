#pragma once

#include "IZAM_Server.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>
#include <QList>

// What the external order system knows of one position of an order.
struct TQIV_EXBI_Info
{
    QString Kennung;     // the order's source
    TIntTrio AuftragsId;
    int AuftragsNr = 0;  // the position
    QString BestellNr;   // the order number text
    QDateTime Datum;
    bool Bezahlt = false;
    int BuchFiliale = 0;
    QChar Herkunft;
    int Positionen = 0;  // positions of the order in all
};

class IZAM_EXBIServer : public IZAM_Server
{
public:
    // The position a reference of kind 3 names (order id and position); false when unknown.
    virtual bool Info_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_EXBI_Info& AInfo) = 0;
    // Every position of an order number, as references of kind 3.
    virtual QList<TZAM_PersArt_ExtVerweis> ExtVerweise_4_BestellNr(const QString& ABestellNr) = 0;
};

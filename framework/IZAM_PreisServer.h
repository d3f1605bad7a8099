#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"

#include <QDate>

// Selling prices per product, branch and size, valid from a day on.
class IZAM_PreisServer : public IZAM_Server
{
public:
    // The price in cent valid on the day; 0 when there is none.
    virtual qint64 VKPreisCent(const TInt32Trio& AProdukt, int AFiliale, int AGrInd, const QDate& ADatum) = 0;
};

#pragma once

#include "IZAM_Server.h"
#include "TIntTrio.h"

#include <QList>
#include <QString>

struct TZAM_Laufweg
{
    TIntTrio Id;
    int Lager = 0;
    QString Name;
};

// Walking routes: templates of a warehouse and their places in route order.
class IZAM_WegeOptEditServer : public IZAM_Server
{
public:
    // The templates of a warehouse in service order.
    virtual QList<TZAM_Laufweg> Laufwege_4_Lager(int ALager) = 0;
    // The places of a template in route order; empty for an unknown template.
    virtual QList<TIntTrio> Laufweg_Lagerorte(const TIntTrio& ALaufweg) = 0;
};

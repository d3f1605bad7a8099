#pragma once

#include "IZAM_Server.h"

#include <QList>
#include <QString>

// A warehouse group: the warehouse number, its name and its branches in the group's order.
struct TZAM_Lagergruppe
{
    int Nummer = 0;
    QString Name;
    QList<int> Filialen;
};

// The storage structure: warehouse groups, places and containers.
class IZAM_LagerEditServer : public IZAM_Server
{
public:
    // Every warehouse group in the server's order (the group "OhneLager" included).
    virtual QList<TZAM_Lagergruppe> Lagergruppen() = 0;
    // False when no group has that number.
    virtual bool Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe) = 0;
};

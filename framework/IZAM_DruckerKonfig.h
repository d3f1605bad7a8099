#pragma once

#include "IZAM_Server.h"

#include <QList>
#include <QString>

struct TZAM_Drucker
{
    int Typ = 0; // 0: the standard printer of the site
    QString Name;
};

// The printer configuration of the site.
class IZAM_DruckerKonfig : public IZAM_Server
{
public:
    virtual QList<TZAM_Drucker> Drucker() = 0;
    // The name of the printer of the type; empty when none is configured.
    virtual QString DruckerFuerTyp(int ATyp) = 0;
};

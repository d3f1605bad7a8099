#pragma once

#include "IZAM_Server.h"

#include <QList>

// An entry of a processing order's template: a branch and the kind of its tasks (a breakdown
// category of the warehouse).
struct TZAM_AbarbVorlageEintrag
{
    int Filiale = 0;
    int Art = 0;
    bool operator==(const TZAM_AbarbVorlageEintrag&) const = default;
};

// The processing order a warehouse works its re-sorting in: the breakdown categories it shows
// separately and the branches in the order of its template.
struct TZAM_Abarbeitung
{
    int Nummer = 0;
    int Lager = 0;
    quint8 Gesondert = 0; // breakdown categories 0..7, one bit each
    QList<TZAM_AbarbVorlageEintrag> Vorlage;
};

// Processing orders of the warehouses.
class IZAM_AbarbEditServer : public IZAM_Server
{
public:
    // The current processing order of a warehouse; false when it has none.
    virtual bool AktuelleAbarbeitung(int ALager, TZAM_Abarbeitung& AAbarbeitung) = 0;
};

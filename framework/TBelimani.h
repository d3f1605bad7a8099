#pragma once

#include "TIntPair.h"

#include <QString>

// The number range of the user numbers that terminals get: (CZAM_TerminalGepKreis, terminal
// number). Employee and user keys never use it.
inline constexpr qint32 CZAM_TerminalGepKreis = 90;

// The framework's document manager, a global instance: here the numbers of terminals.
class TBelimani
{
public:
    // The user number of a terminal identification; the terminal table gives each identification
    // a number on first use. The empty pair for an empty identification.
    TIntPair TerminalIDToGepNr(const QString& ATerminalId);
};

TBelimani* GlobBeliMani_GetInstance();
void GlobBeliMani_ReleaseInstance();

// The employee and the user logged on at the rights server; empty when nobody is.
TIntPair WpGetBenuAngemeldet();
TIntPair WpGetUserAngemeldet();

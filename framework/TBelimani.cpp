#include "TBelimani.h"

TIntPair TBelimani::TerminalIDToGepNr(const QString&)
{
    return {};
}

TBelimani* GlobBeliMani_GetInstance()
{
    static TBelimani GInstanz;
    return &GInstanz;
}

void GlobBeliMani_ReleaseInstance() {}

TIntPair WpGetBenuAngemeldet()
{
    return {};
}

TIntPair WpGetUserAngemeldet()
{
    return {};
}

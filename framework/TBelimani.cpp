#include "TBelimani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_RechteServer.h"
#include "IZAM_TerminalServer.h"

namespace {
// The manager is one per process and may outlive a database; the services are asked afresh.
std::unique_ptr<IZAM_RechteServer> Rechte()
{
    TWWSServerFactory& f = Glob_WWSServerFactoryClass();
    return f.Verfuegbar<IZAM_RechteServer>() ? f.Create<IZAM_RechteServer>() : nullptr;
}
} // namespace

TIntPair TBelimani::TerminalIDToGepNr(const QString& ATerminalId)
{
    if (ATerminalId.isEmpty())
        return {};
    return TIntPair(CZAM_TerminalGepKreis,
                    Glob_WWSServerFactoryClass().Create<IZAM_TerminalServer>()->TerminalNummer(ATerminalId));
}

TBelimani* GlobBeliMani_GetInstance()
{
    static TBelimani GInstanz;
    return &GInstanz;
}

void GlobBeliMani_ReleaseInstance() {}

TIntPair WpGetBenuAngemeldet()
{
    const std::unique_ptr<IZAM_RechteServer> rechte = Rechte();
    if (!rechte)
        return {};
    const TIntPair benutzer = rechte->AktBenutzer();
    return benutzer.IsNull() ? TIntPair() : rechte->MitarbeiterZuBenutzer(benutzer);
}

TIntPair WpGetUserAngemeldet()
{
    const std::unique_ptr<IZAM_RechteServer> rechte = Rechte();
    return rechte ? rechte->AktBenutzer() : TIntPair();
}

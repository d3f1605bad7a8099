#include "TZAM_Hausregel.h"

#include "EZAM_Exception.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"

#include <exception>

namespace {

int BuchungsTiefe()
{
    return ZAMDienste().Buchung ? ZAMDienste().Buchung->Tiefe() : 0;
}

// Clears the busy flag and abandons a bracket left open on every way out, also when a
// programming fault passes through.
class TWache
{
public:
    TWache(bool* ABusy) : FBusy(ABusy), FTiefe(BuchungsTiefe())
    {
        if (FBusy)
            *FBusy = true;
    }
    ~TWache()
    {
        if (FBusy)
            *FBusy = false;
        if (FFehler || std::uncaught_exceptions() > FAusnahmen)
            Aufgeben();
    }
    void FehlerMerken() { FFehler = true; }
    void Aufgeben() noexcept
    {
        try {
            if (BuchungsTiefe() > FTiefe)
                ZAMDienste().Buchung->Aufgeben(FTiefe);
        } catch (...) {
        }
    }

private:
    bool* FBusy;
    int FTiefe;
    int FAusnahmen = std::uncaught_exceptions();
    bool FFehler = false;
};

} // namespace

bool TZAM_Hausregel::Kern(bool* ABusy, const char* AName, unsigned AOptionen, const std::function<void()>& ABody)
{
    const QString name = QString::fromUtf8(AName);
    if ((AOptionen & hrPrevent) && ZAMDienste().Programm)
        ZAMDienste().Programm->PreventAutoTermination();
    if ((AOptionen & hrBusyTest) && ABusy && *ABusy)
        return false;

    bool fertig = false;
    {
        TWache wache((AOptionen & hrBusyTest) ? ABusy : nullptr);
        try {
            ABody();
            fertig = true;
        } catch (const EZAM_Exception& E) {
            wache.FehlerMerken();
            wache.Aufgeben();
            if (ZAMDienste().Info)
                ZAMDienste().Info->RegisterException(name, E, (AOptionen & hrZeigen) != 0);
        }
    }
    if (AOptionen & hrTerminate)
        FehlerTerminate(name, 0);
    return fertig;
}

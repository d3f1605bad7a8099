#include "TZAM_Hausregel.h"

#include "EZAM_Exception.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QList>
#include <QThread>

#include <exception>

namespace {

QList<int>& HandlerEbenen()
{
    static QList<int> e;
    return e;
}

// Notes the loop level of a running handler of the main thread for as long as it runs.
class TEbene
{
public:
    TEbene() : FHaupt(QCoreApplication::instance() && QThread::currentThread() == qApp->thread())
    {
        if (FHaupt)
            HandlerEbenen().append(QThread::currentThread()->loopLevel());
    }
    ~TEbene()
    {
        if (FHaupt)
            HandlerEbenen().removeLast();
    }

private:
    bool FHaupt;
};

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

namespace {
QString& LetzterFehlerText()
{
    thread_local QString GText;
    return GText;
}
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
        TEbene ebene;
        TWache wache((AOptionen & hrBusyTest) ? ABusy : nullptr);
        try {
            ABody();
            fertig = true;
        } catch (const EZAM_Exception& E) {
            LetzterFehlerText() = E.Meldungstext();
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

QString TZAM_Hausregel::LetzterFehler()
{
    return LetzterFehlerText();
}

int TZAM_Hausregel::HandlerEbene()
{
    const QList<int>& e = HandlerEbenen();
    return e.isEmpty() ? -1 : e.last();
}

#include "TZAM_Anwendung.h"

#include <QCoreApplication>
#include <QThread>

namespace {
bool GTerminated = false;
int GExitCode = 0;
} // namespace

void TZAM_Anwendung::Terminate(int AExitCode)
{
    if (!GTerminated)
        GExitCode = AExitCode;
    GTerminated = true;
    // Leaving loops that do not run would make every later dialog return at once; before the
    // message loop the flag alone keeps the program entry from starting it.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(GExitCode);
}

bool TZAM_Anwendung::Terminated() { return GTerminated; }

int TZAM_Anwendung::ExitCode() { return GExitCode; }

void TZAM_Anwendung::Zuruecksetzen()
{
    GTerminated = false;
    GExitCode = 0;
}

#include "TZAM_Anwendung.h"

#include <QCoreApplication>
#include <QThread>

namespace {
bool GTerminated = false;
}

void TZAM_Anwendung::Terminate()
{
    GTerminated = true;
    // Leaving loops that do not run would make every later dialog return at once; before the
    // message loop the flag alone keeps the program entry from starting it.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool TZAM_Anwendung::Terminated() { return GTerminated; }

void TZAM_Anwendung::Zuruecksetzen() { GTerminated = false; }

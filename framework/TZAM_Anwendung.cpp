#include "TZAM_Anwendung.h"

#include <QCoreApplication>

namespace {
bool GTerminated = false;
}

void TZAM_Anwendung::Terminate()
{
    GTerminated = true;
    QCoreApplication::exit(0);
}

bool TZAM_Anwendung::Terminated() { return GTerminated; }

void TZAM_Anwendung::Zuruecksetzen() { GTerminated = false; }

#pragma once

#include "IZAM_Buchung.h"
#include "IZAM_CommonLock.h"
#include "IZAM_Info.h"
#include "IZAM_Parameter.h"
#include "IZAM_Programm.h"

// The framework services the program calls. zam/ installs them at program start (and the test
// fixtures do); a call before that raises the module-not-available error.
struct TZAM_Dienste
{
    IZAM_Info* Info = nullptr;
    IZAM_Programm* Programm = nullptr;
    IZAM_Parameter* Parameter = nullptr;
    IZAM_CommonLock* Lock = nullptr;
    IZAM_Buchung* Buchung = nullptr;
};

void ZAMDienste_Setzen(const TZAM_Dienste& ADienste);
const TZAM_Dienste& ZAMDienste();

IZAM_Info& ZAMInfo();
IZAM_Programm& ZAMProgramm();
IZAM_Parameter& ZAMParameter();
IZAM_CommonLock& CommonLock();
IZAM_Buchung& ZAMBuchung();

QString ZAMInfoTerminalID();
// Catalogue text; falls back to group and number while no message service is installed.
QString ZAMMeldungstext(const TInfoKoord& AKoord, const QStringList& AEinfuegungen);

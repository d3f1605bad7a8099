#include "ZAMGlobal.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

namespace {
TZAM_Dienste GDienste;

template <class T>
T& Dienst(T* ADienst, const char* AName)
{
    if (!ADienst)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QString::fromLatin1(AName));
    return *ADienst;
}
} // namespace

void ZAMDienste_Setzen(const TZAM_Dienste& ADienste) { GDienste = ADienste; }
const TZAM_Dienste& ZAMDienste() { return GDienste; }

IZAM_Info& ZAMInfo() { return Dienst(GDienste.Info, "ZAMInfo"); }
IZAM_Programm& ZAMProgramm() { return Dienst(GDienste.Programm, "ZAMProgramm"); }
IZAM_Parameter& ZAMParameter() { return Dienst(GDienste.Parameter, "ZAMParameter"); }
IZAM_CommonLock& CommonLock() { return Dienst(GDienste.Lock, "CommonLock"); }
IZAM_Buchung& ZAMBuchung() { return Dienst(GDienste.Buchung, "ZAMBuchung"); }

QString ZAMInfoTerminalID() { return ZAMProgramm().TerminalID(); }

QString ZAMMeldungstext(const TInfoKoord& AKoord, const QStringList& AEinfuegungen)
{
    if (GDienste.Info)
        return GDienste.Info->Meldungstext(AKoord, AEinfuegungen);
    QString s = QStringLiteral("%1 %2").arg(AKoord.Gruppe).arg(AKoord.Nummer);
    for (const QString& e : AEinfuegungen)
        s += QStringLiteral(": ") + e;
    return s;
}

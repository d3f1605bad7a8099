#include "ZAMFehler.h"

#include "EZAM_Exception.h"
#include "ZAMGlobal.h"

void FehlerRaise(const QString& AMethode, int ANummer, const QString& AGruppe, const QString& AEinfuegung)
{
    FehlerRaise(AMethode, TInfoKoord{AGruppe, ANummer}, AEinfuegung);
}

void FehlerRaise(const QString& AMethode, const TInfoKoord& AKoord, const QString& AEinfuegung)
{
    if (AKoord.Nummer == 0)
        return;
    throw EZAM_Exception(AKoord, AEinfuegung, AMethode);
}

void FehlerTerminate(const QString& AMethode, int ANummer) noexcept
{
    if (ANummer == 0)
        return;
    try {
        if (ZAMDienste().Info)
            ZAMDienste().Info->WriteStamp(QStringLiteral("%1: Fehler %2 beim Beenden").arg(AMethode).arg(ANummer));
    } catch (...) {
    }
}

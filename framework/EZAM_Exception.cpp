#include "EZAM_Exception.h"

#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

EZAM_Exception::EZAM_Exception(const TInfoKoord& AKoord, const QString& AEinfuegung, const QString& AMethode)
    : FKoord(AKoord), FEinfuegung(AEinfuegung), FMethode(AMethode)
{
}

EZAM_Exception EZAM_Exception::Text(const QString& AText, const QString& AMethode)
{
    return EZAM_Exception(TInfoKoord{}, AText, AMethode);
}

QString EZAM_Exception::Meldungstext() const
{
    if (IstLiteral())
        return FEinfuegung;
    return ZAMMeldungstext(FKoord, {FEinfuegung});
}

const char* EZAM_Exception::what() const noexcept
{
    try {
        FWhat = Meldungstext().toStdString();
    } catch (...) {
        FWhat = "EZAM_Exception";
    }
    return FWhat.c_str();
}

EZAM_KonvertFehler::EZAM_KonvertFehler(const QString& AEinfuegung, const QString& AMethode)
    : EZAM_Exception(CZAM_Info_Fehler_Standard_Konvertierung, AEinfuegung, AMethode)
{
}

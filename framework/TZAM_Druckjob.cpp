#include "TZAM_Druckjob.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "ZAMInfoKoords.h"

TZAM_Druckjob::TZAM_Druckjob(const QString& ADrucker, const QString& AArt, const QSizeF& ASeiteMm)
{
    std::unique_ptr<IZAM_Druck> druck = Glob_WWSServerFactoryClass().Create<IZAM_Druck>();
    FAuftrag = druck->Beginnen(ADrucker, AArt, ASeiteMm);
    if (!FAuftrag)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Druck"),
                             QStringLiteral("TZAM_Druckjob.Create"));
}

TZAM_Druckjob::~TZAM_Druckjob() = default;

QRectF TZAM_Druckjob::Mm(double ALinks, double AOben, double ABreite, double AHoehe) const
{
    const double e = EinheitenJeMm();
    return QRectF(ALinks * e, AOben * e, ABreite * e, AHoehe * e);
}

TZAM_DruckErgebnis TZAM_Druckjob::Abschliessen()
{
    return FAuftrag->Abschliessen();
}

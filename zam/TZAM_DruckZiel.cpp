#include "TZAM_DruckZiel.h"

#include "IZAM_Druck.h"

#include <QPrinterInfo>

TZAM_DruckZiel TZAM_DruckZiel::Bestimmen(const QString& ADrucker, const QStringList& AVorhanden,
                                         const QString& AStandard)
{
    const QString name = ADrucker.trimmed();
    if (AVorhanden.isEmpty() || name.compare(CZAM_Drucker_PDF, Qt::CaseInsensitive) == 0)
        return {dzPDF, {}};
    for (const QString& v : AVorhanden)
        if (!name.isEmpty() && v.compare(name, Qt::CaseInsensitive) == 0)
            return {dzDrucker, v};
    if (!AStandard.isEmpty())
        return {dzDrucker, AStandard};
    return {dzKeiner, {}};
}

namespace {
std::function<TZAM_DruckZiel::TSystemDrucker()>& Quelle()
{
    static std::function<TZAM_DruckZiel::TSystemDrucker()> GQuelle;
    return GQuelle;
}
} // namespace

TZAM_DruckZiel::TSystemDrucker TZAM_DruckZiel::SystemDrucker()
{
    if (Quelle())
        return Quelle()();
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

void TZAM_DruckZiel::SystemDruckerErsetzen(std::function<TSystemDrucker()> AQuelle)
{
    Quelle() = std::move(AQuelle);
}

TZAM_DruckZiel TZAM_DruckZiel::Bestimmen(const QString& ADrucker)
{
    const TSystemDrucker s = SystemDrucker();
    return Bestimmen(ADrucker, s.Namen, s.Standard);
}

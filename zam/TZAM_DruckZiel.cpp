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

TZAM_DruckZiel TZAM_DruckZiel::Bestimmen(const QString& ADrucker)
{
    return Bestimmen(ADrucker, QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

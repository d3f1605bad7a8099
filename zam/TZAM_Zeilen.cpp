#include "TZAM_Zeilen.h"

QVariant TZAM_Zeilen::Wert(int AZeile, const QString& ASpalte) const
{
    const qsizetype i = FSpalten.indexOf(ASpalte, 0);
    if (i >= 0)
        return Wert(AZeile, int(i));
    for (qsizetype j = 0; j < FSpalten.size(); ++j)
        if (FSpalten.at(j).compare(ASpalte, Qt::CaseInsensitive) == 0)
            return Wert(AZeile, int(j));
    return {};
}

#include "Barcode_Auf_EinlagerungsBeleg.h"

#include "EZAM_Exception.h"
#include "ZAMUtils.h"

#include <algorithm>

bool Barcode_Auf_EinlagerungsBeleg(const QString& AText, TIntTrio& AWEAvisId, qint16& AWEAvisFiliale, TIntPair& AWBSId)
{
    AWEAvisId.Clear();
    AWEAvisFiliale = -1;
    AWBSId = TIntPair();
    try {
        const bool avisMitFiliale = AText.size() == 24 && AText.endsWith(QLatin1String("00"));
        if (AText.size() == 18 || avisMitFiliale) {
            const TIntTrio id = zam_String2TIntTrio(AText.left(17));
            if (avisMitFiliale) {
                const QString filiale = AText.mid(17, 4);
                if (!std::all_of(filiale.begin(), filiale.end(), [](QChar AZeichen) { return AZeichen.isDigit(); }))
                    return false;
                AWEAvisFiliale = qint16(filiale.toInt());
            }
            AWEAvisId = id;
            return true;
        }
        const QString kennung = AText.mid(13, 8);
        if (AText.size() == 22 && (kennung == QLatin1String("11111111") || kennung == QLatin1String("12000000"))) {
            AWBSId = zam_String2TIntPair(AText.left(13));
            return true;
        }
    } catch (const EZAM_KonvertFehler&) {
        AWEAvisId.Clear();
        AWEAvisFiliale = -1;
    }
    return false;
}

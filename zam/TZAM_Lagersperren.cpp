#include "TZAM_Lagersperren.h"

#include "IZAM_CommonLock.h"
#include "ZAMGlobal.h"

bool TZAM_Lagersperren::Fremd(const TIntTrio& AId, QString* AHalter)
{
    const QString schluessel = Schluessel(AId);
    return CommonLock().IsLockedOtherObjekt(CArtLagerort, schluessel, AHalter) ||
           CommonLock().IsLockedOtherObjekt(CArtBehaelter, schluessel, AHalter);
}

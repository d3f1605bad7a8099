#include "TZAM_Lagersperren.h"

#include "IZAM_CommonLock.h"
#include "TZAM_SperrService.h"
#include "ZAMGlobal.h"

bool TZAM_Lagersperren::Fremd(const TIntTrio& AId, QString* AHalter)
{
    const QString schluessel = Schluessel(AId);
    return CommonLock().IsLockedOtherObjekt(CArtLagerort, schluessel, AHalter) ||
           CommonLock().IsLockedOtherObjekt(CArtBehaelter, schluessel, AHalter);
}

bool TZAM_Lagersperren::AlleFremden(QSet<QString>& ASchluessel)
{
    auto* dienst = dynamic_cast<TZAM_SperrService*>(&CommonLock());
    if (!dienst)
        return false;
    ASchluessel = dienst->FremdGesperrt(CArtLagerort) + dienst->FremdGesperrt(CArtBehaelter);
    return true;
}

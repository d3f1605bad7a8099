#include "TQIV_AbsortSperre.h"

#include "IZAM_CommonLock.h"
#include "TDM_Torvik.h"
#include "TZAM_BtnMenuItem.h"
#include "ZAMGlobal.h"

namespace TQIV_AbsortSperre {

void FremdeBearbeiterMarkieren(TZAM_BtnMenuItem& AItem, int AFiliale, const QString& AKennung)
{
    QList<TIntPair> halter;
    if (!CommonLock().IsLockedOtherAbsort(AFiliale, AKennung, DM_Torvik->FBenutzer, &halter) || halter.isEmpty())
        return;
    QStringList namen;
    for (const TIntPair& h : halter) {
        TGepData daten;
        DM_Torvik->UserDataByUserId(daten, h);
        namen << (daten.Name.isEmpty() ? QStringLiteral("Unbekannt") : daten.Name);
    }
    AItem.LeftCaption += namen.size() == 1 ? QStringLiteral("\r\nIn Bearbeitung durch ") + namen.first()
                                           : QStringLiteral("\r\nIn Bearb. durch ") + namen.join(QStringLiteral(", "));
    AItem.RightCaption += QStringLiteral("\r\n");
    AItem.Height = 51;
}

} // namespace TQIV_AbsortSperre

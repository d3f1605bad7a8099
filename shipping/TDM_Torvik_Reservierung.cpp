// The reservation document of a customer-order document, printed when the site asks for it.
#include "TDM_Torvik.h"

#include "TZAM_Hausregel.h"
#include "TZAM_ReservierungDruck.h"
#include "ZAMGlobal.h"

void TDM_Torvik::Reservierung_ausEBS_Drucken(const TIntTrio& AEBSId, const QString& ADrucker)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Reservierung_ausEBS_Drucken",
        [&] {
            if (!ZAMParameter().GetBooleanValueByName(QStringLiteral("RESBELDR")))
                return;
            TZAM_ReservierungDruck::Drucken(AEBSId, ADrucker);
        },
        false);
}

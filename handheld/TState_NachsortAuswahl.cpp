#include "TState_NachsortAuswahl.h"

#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TState_NachsortAuswahl::StateAnfangMaskeMalen()
{
    const int anzahl2 = BestellungenVorhanden(CZPMDEM_FilNachsort);
    const int anzahl3 = BestellungenVorhanden(CZPMDEM_KuBe);
    const int anzahl4 = BestellungenVorhanden(CZPMDEM_UmlagHL);
    KnoepfeMalen({CZPMDEM_FilNachsort, CZPMDEM_KuBe, CZPMDEM_UmlagHL}, anzahl2, anzahl3, anzahl4);
}

QString TState_NachsortAuswahl::Caption_Get()
{
    return QStringLiteral("Nachsortierung");
}

QString TState_NachsortAuswahl::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte wählen Sie eine Nachsortierung aus.");
}

void TState_NachsortAuswahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_NachsortAuswahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_Menue>());
        FMaske->Zurueck_Set(false);
    });
}

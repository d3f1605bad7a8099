#include "TQIV_State_WEPlus_AbstractState.h"

#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TQIV_State_WEPlus_AbstractState::Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort, bool)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_AbstractState.Frage_Sortimentsweise_Callback", [&] {
        if (AAntwort != tsUndefined)
            FMaske->Datentraeger_Get().WEPlus.Sortimentsweise = AAntwort == tsTrue;
    });
}

void TQIV_State_WEPlus_AbstractState::SicherheitsAbfrage_Sortimentsweise()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_AbstractState.SicherheitsAbfrage_Sortimentsweise", [&] {
        FMaske->Datentraeger_Get().WEPlus.EtikettenSchonGedruckt = false;
        switch (FMaske->FOptionen.WEPlus.GeordnetUnsortiert) {
        case wpvGeordnet:
            Frage_Sortimentsweise_Callback(tsTrue, false);
            return;
        case wpvUnsortiert:
            Frage_Sortimentsweise_Callback(tsFalse, false);
            return;
        default:
            break;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
            QStringLiteral("Ist die Ware\r\nnach Artikeln geordnet oder\r\nunsortiert?\r\n\r\n(Die weitere "
                           "Bearbeitung geschieht\r\nim Sortiment für geordnete Ware\r\nstückweise für unsortierte "
                           "Ware.)"),
            [this](TZAM_TriState_Enum AAntwort, bool ADurchUser) {
                Frage_Sortimentsweise_Callback(AAntwort, ADurchUser);
            },
            false, 14, QStringLiteral("geordnet"), QStringLiteral("unsortiert"), QString(), QString(), true));
    });
}

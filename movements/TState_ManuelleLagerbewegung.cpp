#include "TState_ManuelleLagerbewegung.h"

#include "EZAM_Exception.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Behaelter_Umbuchen_BehaelterScan.h"
#include "TState_LagerZuAbGang.h"
#include "TState_Menue.h"
#include "TState_ReineLagerBewegung.h"
#include "TState_ReineLagerBewegungGes_VonLOScan.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"

const QList<TState_ManuelleLagerbewegung::TEintrag>& TState_ManuelleLagerbewegung::Tabelle()
{
    static const QList<TEintrag> GTabelle = {
        {CZAM_LB_Modus_UmlagerungArtikel, StateKlasse<TState_ReineLagerBewegung>()},
        {CZAM_LB_Modus_Lagerzugang, StateKlasse<TState_LagerZuAbGang>()},
        {CZAM_LB_Modus_Lagerabgang, StateKlasse<TState_LagerZuAbGang>()},
        {CZAM_LB_Modus_UmlagerungBehaelter, StateKlasse<TState_Behaelter_Umbuchen_BehaelterScan>()},
        {CZAM_LB_Modus_GesamtesFach, StateKlasse<TState_ReineLagerBewegungGes_VonLOScan>()},
    };
    return GTabelle;
}

void TState_ManuelleLagerbewegung::StateAnfangVariablenClear()
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    m.Modus = CZAM_LB_Modus_Keiner;
    m.FFilZuordQuelle = -1;
    m.FLagZuordQuelle = -1;
}

void TState_ManuelleLagerbewegung::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    int nummer = 0;
    for (const TEintrag& e : Tabelle()) {
        TZAM_BtnMenuItem item;
        item.ButtonType = 1;
        item.Tag = e.Modus;
        item.LeftCaption = QStringLiteral("&%1 %2").arg(++nummer).arg(Lagerbewegung_Modus_Text(e.Modus));
        menu->Add(item);
    }
    menu->EndUpdate();
    KnoepfeEinpassen();
}

QString TState_ManuelleLagerbewegung::FussTip(bool& ALang)
{
    ALang = true;
    return {};
}

void TState_ManuelleLagerbewegung::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ManuelleLagerbewegung.btnmButtonsClick", [&] {
        TZAM_BtnMenu* menu = btnmButtons();
        if (AButtonIndex < 0 || AButtonIndex >= menu->Count())
            return;
        const int modus = menu->Item(AButtonIndex).Tag;
        for (const TEintrag& e : Tabelle()) {
            if (e.Modus != modus)
                continue;
            if (!e.AnfangsState)
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, Lagerbewegung_Modus_Text(e.Modus),
                                     QStringLiteral("TState_ManuelleLagerbewegung.btnmButtonsClick"));
            FMaske->Datentraeger_Get().Manuell.Modus = e.Modus;
            ChangeState(e.AnfangsState);
            return;
        }
    });
}

void TState_ManuelleLagerbewegung::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ManuelleLagerbewegung.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(StateKlasse<TState_Menue>());
    });
}

#include "TState_MehrPosBestellungen.h"

#include "EZAM_Exception.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_Laufwege.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "TfrmMDE.h"

namespace {
constexpr int CKnopfHoehe = 51;
constexpr int CTagAlle = -1;
constexpr int CTagBestellung = 0;
} // namespace

void TState_MehrPosBestellungen::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_MehrPosBestellungen.Nach_Anfang", [&] {
        if (btnmButtons()->Count() == 0)
            Zurueck();
    });
}

void TState_MehrPosBestellungen::StateAnfangVariablenClear()
{
    auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
    kb.BelegId = TIntTrio();
    kb.ExBIBelegId.clear();
}

void TState_MehrPosBestellungen::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->Clear();
    menu->ButtonHoehe_Set(CKnopfHoehe);
    menu->BeginUpdate();
    TZAM_Hausregel::OhneBusy("TState_MehrPosBestellungen.StateAnfangMaskeMalen", [&] {
        const auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        if (!kb.MehrPosBestKeyList || !kb.MehrPosBestDict)
            return;
        if (kb.MehrPosBestKeyList->size() > 1) {
            TZAM_BtnMenuItem alle;
            alle.LeftCaption = QStringLiteral("Alle mit mehreren Aufgaben\r\n");
            alle.Tag = CTagAlle;
            menu->Add(alle);
        }
        for (const TQIV_Kennung_Text_Datum_Rec& key : std::as_const(*kb.MehrPosBestKeyList)) {
            // The dictionary keys an order without its date; the key list carries it for the order.
            const auto it = kb.MehrPosBestDict->constFind({key.Kennung, key.Text, QDate()});
            if (it == kb.MehrPosBestDict->cend())
                continue;
            TZAM_BtnMenuItem item;
            item.LeftCaption =
                it->FBelegNr + QStringLiteral("\r\nvom ") + key.Datum.toString(QStringLiteral("dd.MM.yyyy"));
            item.RightCaption = QString::number(it->FAufgAnzIst) + QStringLiteral("\r\n");
            item.Hint = CZAM_PersArtExtKennung_2_Kuerzel(key.Kennung) + key.Text;
            item.Tag = CTagBestellung;
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_MehrPosBestellungen::Caption_Get()
{
    return QStringLiteral("Mehrere Aufgaben");
}

QString TState_MehrPosBestellungen::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie eine Bestellung!");
}

void TState_MehrPosBestellungen::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MehrPosBestellungen.btnmButtonsClick", [&] {
        const TZAM_BtnMenuItem& item = btnmButtons()->Item(AButtonIndex);
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        const QString beleg = CZAM_PersArtExtKennung_2_Kuerzel(CZAM_PersArtExt_KuBe);
        const QString extern_ = CZAM_PersArtExtKennung_2_Kuerzel(CZAM_PersArtExt_EXBI);
        if (item.Tag == CTagAlle) {
            kb.BelegId = TIntTrio();
            kb.ExBIBelegId.clear();
        } else if (item.Tag == CTagBestellung && item.Hint.startsWith(beleg)) {
            kb.BelegId = TIntTrio::FromText(item.Hint.mid(beleg.size()));
            kb.ExBIBelegId.clear();
        } else if (item.Tag == CTagBestellung && item.Hint.startsWith(extern_)) {
            kb.BelegId = TIntTrio();
            kb.ExBIBelegId = item.Hint.mid(extern_.size()).trimmed();
        } else {
            throw EZAM_Exception::Text(
                QStringLiteral("TState_MehrPosBestellungen.btnmButtonsClick: Unbekannter Tag: ") +
                QString::number(item.Tag));
        }
        ChangeState(StateKlasse<TState_Laufwege>());
    });
}

void TState_MehrPosBestellungen::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MehrPosBestellungen.btnZurueckClick", [&] { Zurueck(); });
}

void TState_MehrPosBestellungen::Zurueck()
{
    FMaske->Datentraeger_Get().Kundenbestellung.AutoPosAnzNachMehrPos = false;
    FMaske->Zurueck_Set(true);
    ChangeState(StateKlasse<TState_AufgPosAnzahl>());
    FMaske->Zurueck_Set(false);
}

#include "TState_AufgPosAnzahl.h"

#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TQIV_NachsortFilter.h"
#include "TState_AufgabenDatum.h"
#include "TState_BelegHerkunft.h"
#include "TState_Filiale.h"
#include "TState_Laufwege.h"
#include "TState_MehrPosBestellungen.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace {
enum TTag
{
    tgAlle,
    tgEine,
    tgMehrere,
    tgWagen,
    tgImLager
};
} // namespace

TState_AufgPosAnzahl::TState_AufgPosAnzahl(TfrmMDE* AMaske)
    : TAbstractBTNListState(AMaske), FEinPosBestList(std::make_unique<TQIV_IntTrio_Int_List>()),
      FMehrPosBestList(std::make_unique<TIntTrioList>()),
      FMehrPosBestDict(std::make_unique<TQIV_BelegInfo_4_Kennung_U_Text_Dict>()),
      FMehrPosBestKeyList(std::make_unique<TQIV_Kennung_Text_Datum_List>()),
      FKomplettImLagerList(std::make_unique<TIntTrioList>()), FWagenBestSammelList(std::make_unique<TIntTrioList>()),
      FWagenProblemList(std::make_unique<QStringList>())
{
    auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
    kb.EinPosBestList = FEinPosBestList.get();
    kb.MehrPosBestList = FMehrPosBestList.get();
    kb.MehrPosBestDict = FMehrPosBestDict.get();
    kb.MehrPosBestKeyList = FMehrPosBestKeyList.get();
    kb.KomplettImLagerList = FKomplettImLagerList.get();
    kb.WagenBestSammelList = FWagenBestSammelList.get();
    kb.WagenProblemList = FWagenProblemList.get();
}

TState_AufgPosAnzahl::~TState_AufgPosAnzahl()
{
    TZAM_Hausregel::Zerstoeren("TState_AufgPosAnzahl.Destroy", [&] {
        WagenAufgabenEntsperren();
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        kb.EinPosBestList = nullptr;
        kb.MehrPosBestList = nullptr;
        kb.MehrPosBestDict = nullptr;
        kb.MehrPosBestKeyList = nullptr;
        kb.KomplettImLagerList = nullptr;
        kb.WagenBestSammelList = nullptr;
        kb.WagenProblemList = nullptr;
    });
}

void TState_AufgPosAnzahl::WagenAufgabenEntsperren()
{
    if (FWagenBestSammelList->isEmpty())
        return;
    IZAM_AufgabenEditServer* server = DM_Torvik ? DM_Torvik->AufgabenEditServer_GoC() : nullptr;
    if (server)
        for (const TIntTrio& id : std::as_const(*FWagenBestSammelList))
            server->Aufgabe_Entsperren(id);
    FWagenBestSammelList->clear();
}

void TState_AufgPosAnzahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    const bool waehlen = FMaske->FOptionen.NachsortKube.PosAnzahlWaehlen;
    if (!waehlen)
        AWeiter = false;
    TZAM_Hausregel::OhneBusy("TState_AufgPosAnzahl.Vor_Anfang", [&] {
        WagenAufgabenEntsperren();
        if (waehlen)
            return;
        // Without the choice the list shows every order, whatever an earlier run chose.
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        kb.PosAnzahl = bpaUnbekannt;
        kb.AutoPosAnzNachMehrPos = false;
        if (FMaske->Zurueck_Get())
            ChangeState(StateKlasse<TState_AufgabenDatum>());
        else
            ChangeState(StateKlasse<TState_Laufwege>());
    });
}

void TState_AufgPosAnzahl::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_AufgPosAnzahl.Nach_Anfang", [&] {
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        if (btnmButtons()->Count() == 0) {
            Zurueck();
        } else if (kb.AutoPosAnzNachMehrPos) {
            kb.PosAnzahl = bpaMehrere;
            ChangeState(StateKlasse<TState_MehrPosBestellungen>());
        }
    });
}

void TState_AufgPosAnzahl::StateAnfangVariablenClear()
{
    auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
    kb.PosAnzahl = bpaUnbekannt;
    kb.AufgabeGebucht = false;
    FEinPosBestList->clear();
    FMehrPosBestList->clear();
    FMehrPosBestDict->clear();
    FMehrPosBestKeyList->clear();
    FKomplettImLagerList->clear();
    FWagenBestSammelList->clear();
    FWagenProblemList->clear();
}

void TState_AufgPosAnzahl::StateAnfangMaskeMalen()
{
    TQIV_NachsortFilter::KundenfilterMalen(*FMaske, "TState_AufgPosAnzahl.StateAnfangMaskeMalen",
                                           QStringLiteral("Anzahlen werden ermittelt."), [&] { KnoepfeMalen(); });
}

void TState_AufgPosAnzahl::KnoepfeMalen()
{
    const auto& kube = FMaske->FOptionen.NachsortKube;
    TQIV_Aufgaben_Suchkriterien_Options o = TQIV_NachsortFilter::Optionen(*FMaske, TQIV_NachsortFilter::fsDatum);
    o.BNEVorgTypSet = TQIV_NachsortFilter::VorgangsTypen(*FMaske, false);
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);
    const bool whitelist = TQIV_NachsortFilter::WhitelistAktiv(*FMaske);
    const auto& ids = FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds;
    DM_Torvik->PositionsAnzahlenErmitteln(*FEinPosBestList, *FMehrPosBestList, *FMehrPosBestDict, *FMehrPosBestKeyList,
                                          *FKomplettImLagerList, k, whitelist && ids ? *ids : TIntTrioList(), whitelist,
                                          !kube.NurWennKomplettImLag);

    const int einzel = int(FEinPosBestList->size());
    const int mehrere = int(FMehrPosBestKeyList->size());
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    auto knopf = [menu](const QString& ACaption, int ATag, const QString& ARechts) {
        TZAM_BtnMenuItem item;
        item.LeftCaption = ACaption;
        item.RightCaption = ARechts;
        item.Tag = ATag;
        menu->Add(item);
    };
    if (einzel > 0 && mehrere > 0)
        knopf(QStringLiteral("&1 - Alle"), tgAlle, QString());
    if (einzel > 0)
        knopf(QStringLiteral("&2 - Mit einer Aufgabe"), tgEine, QString::number(einzel));
    if (mehrere > 0)
        knopf(QStringLiteral("&3 - Mit mehreren Aufgaben"), tgMehrere, QString::number(mehrere));
    if (kube.WagenAnz > 0 && (mehrere > 0 || (einzel > 0 && kube.EinPosFuerWagen)))
        knopf(QStringLiteral("&4 - Auf einen Wagen passend"), tgWagen, QString());
    if (!FKomplettImLagerList->isEmpty() && FMaske->Datentraeger_Get().Nachsort.FilNummer <= 0 &&
        !kube.NurWennKomplettImLag)
        knopf(QStringLiteral("&5 - Komplett im Lager"), tgImLager, QString::number(FKomplettImLagerList->size()));
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_AufgPosAnzahl::Caption_Get()
{
    if (!FMaske->FOptionen.NachsortKube.HerkunftWaehlen)
        return QStringLiteral("Kundenbestellungen");
    return TState_BelegHerkunft::HerkunftName(FMaske->Datentraeger_Get().Kundenbestellung.HerkunftBuchFilPair.Herkunft);
}

QString TState_AufgPosAnzahl::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie die Bestellungen aus!");
}

void TState_AufgPosAnzahl::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AufgPosAnzahl.btnmButtonsClick", [&] {
        const int tag = btnmButtons()->Item(AButtonIndex).Tag;
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        switch (tag) {
        case tgMehrere:
            kb.PosAnzahl = bpaMehrere;
            ChangeState(StateKlasse<TState_MehrPosBestellungen>());
            return;
        case tgAlle:
            kb.PosAnzahl = bpaAlle;
            break;
        case tgEine:
            kb.PosAnzahl = bpaEine;
            break;
        case tgWagen:
            kb.PosAnzahl = bpaWagen;
            break;
        case tgImLager:
            kb.PosAnzahl = bpaImLager;
            break;
        default:
            throw EZAM_Exception::Text(QStringLiteral("TState_AufgPosAnzahl.btnmButtonsClick: Unbekannter Tag: ") +
                                       QString::number(tag));
        }
        ChangeState(StateKlasse<TState_Laufwege>());
    });
}

void TState_AufgPosAnzahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AufgPosAnzahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_AufgabenDatum>());
        FMaske->Zurueck_Set(false);
    });
}

void TState_AufgPosAnzahl::Zurueck()
{
    FMaske->Zurueck_Set(true);
    if (FMaske->FOptionen.NachsortKube.HerkunftWaehlen)
        ChangeState(StateKlasse<TState_BelegHerkunft>());
    else
        ChangeState(StateKlasse<TState_Filiale>());
    FMaske->Zurueck_Set(false);
}

#include "TState_Laufwege.h"

#include "TDM_Torvik.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_Aufgabe.h"
#include "TState_BelegHerkunft.h"
#include "TState_Filiale.h"
#include "TState_HLAnfoGrund.h"
#include "TState_HLAnfoZielLOAuswahl.h"
#include "TState_MehrPosBestellungen.h"
#include "TZAM_AufgabenAllokation.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

TState_Laufwege::TState_Laufwege(TfrmMDE* AMaske)
    : TAbstractBTNListState(AMaske), FLaufwegVerbotDict(std::make_unique<TZAM_LaufwegVerbotDict>())
{
    FMaske->Datentraeger_Get().Nachsort.LaufwegVerbotDict = FLaufwegVerbotDict.get();
}

TState_Laufwege::~TState_Laufwege()
{
    TZAM_Hausregel::Zerstoeren("TState_Laufwege.Destroy", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (d.Nachsort.LaufwegVerbotDict == FLaufwegVerbotDict.get())
            d.Nachsort.LaufwegVerbotDict = nullptr;
        FLaufwegVerbotDict.reset();
    });
}

const QList<TZAM_Laufweg>& TState_Laufwege::Laufwege(int ALager)
{
    auto it = FLaufwegeCache.find(ALager);
    if (it == FLaufwegeCache.end()) {
        IZAM_WegeOptEditServer* wege = DM_Torvik->WegeOptEditServer_GoC();
        it = FLaufwegeCache.insert(ALager, wege ? wege->Laufwege_4_Lager(ALager) : QList<TZAM_Laufweg>());
    }
    return it.value();
}

void TState_Laufwege::StateAnfangVariablenClear()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    d.Nachsort.LaufwegID = TIntTrio();
    FLaufwegVerbotDict->Clear();
}

void TState_Laufwege::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_Laufwege.StateAnfangMaskeMalen", [&] {
        const QList<TZAM_Laufweg>& laufwege = Laufwege(DM_Torvik->FAktLager);
        for (int i = 0; i < laufwege.size(); ++i) {
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Tag = i;
            const int n = i + 1;
            item.LeftCaption = (n <= 9 ? QStringLiteral("&") : QString()) + QString::number(n) + QStringLiteral(" - ") +
                               QString(laufwege.at(i).Name).replace(u'&', QLatin1String("&&"));
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_Laufwege::Caption_Get()
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    if (FMaske->FModus == CZPMDEM_UmlagHL)
        return QStringLiteral("Nachsortierung %1")
            .arg(TState_HLAnfoGrund::GrundBezeichnung(d.UmlagerungHandlager.HLAnfoGrundId));
    if (d.Nachsort.FilNummer <= 0)
        return QStringLiteral("Nachsortierung Lager %1").arg(DM_Torvik->FAktLager);
    return QStringLiteral("Nachsortierung Filiale %1").arg(d.Nachsort.FilNummer);
}

QString TState_Laufwege::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie einen Laufweg!");
}

void TState_Laufwege::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Laufwege.btnmButtonsClick", [&] {
        const int index = btnmButtons()->Item(AButtonIndex).Tag;
        const QList<TZAM_Laufweg>& laufwege = Laufwege(DM_Torvik->FAktLager);
        if (index < 0 || index >= laufwege.size())
            return;
        FMaske->Datentraeger_Get().Nachsort.LaufwegID = laufwege.at(index).Id;
        ChangeState(StateKlasse<TState_Aufgabe>());
    });
}

void TState_Laufwege::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Laufwege.btnZurueckClick", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const TQIV_Optionen_OBMDE::TNachsortKube& kube = FMaske->FOptionen.NachsortKube;
        const TStateKlasse* ziel = StateKlasse<TState_Filiale>();
        if (FMaske->FModus == CZPMDEM_KuBe && kube.PosAnzahlWaehlen) {
            if (d.Kundenbestellung.PosAnzahl == bpaMehrere)
                ziel = StateKlasse<TState_MehrPosBestellungen>();
            else {
                d.Kundenbestellung.AutoPosAnzNachMehrPos = false;
                ziel = StateKlasse<TState_AufgPosAnzahl>();
            }
        } else if (FMaske->FModus == CZPMDEM_KuBe && kube.HerkunftWaehlen)
            ziel = StateKlasse<TState_BelegHerkunft>();
        else if (FMaske->FModus == CZPMDEM_UmlagHL)
            ziel = StateKlasse<TState_HLAnfoZielLOAuswahl>();
        FMaske->Zurueck_Set(true);
        ChangeState(ziel);
        FMaske->Zurueck_Set(false);
    });
}

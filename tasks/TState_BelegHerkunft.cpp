#include "TState_BelegHerkunft.h"

#include "IZAM_FilialTabelle.h"
#include "TDM_Torvik.h"
#include "TQIV_NachsortFilter.h"
#include "TState_AufgabenDatum.h"
#include "TState_Filiale.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Herkunftskennzeichen.h"
#include "TfrmMDE.h"

#include <algorithm>

namespace {
constexpr int CZweiZeilen = 51;

QString FilialName(int AFiliale)
{
    TZAM_Filiale f;
    IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();
    if (tabelle && tabelle->Filiale(AFiliale, f))
        return f.Name;
    return QString();
}
} // namespace

QString TState_BelegHerkunft::HerkunftName(QChar AHerkunft)
{
    return AHerkunft.isNull() ? QStringLiteral("Alle Herkünfte") : CZAM_Herkunftskennzeichen_2_string(AHerkunft);
}

void TState_BelegHerkunft::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    if (FMaske->FOptionen.NachsortKube.HerkunftWaehlen)
        return;
    AWeiter = false;
    TZAM_Hausregel::OhneBusy("TState_BelegHerkunft.Vor_Anfang", [&] {
        // Without the choice no origin of an earlier run may narrow the tasks.
        auto& paar = FMaske->Datentraeger_Get().Kundenbestellung.HerkunftBuchFilPair;
        paar.Herkunft = QChar();
        paar.BuchFilNr = -1;
        if (FMaske->Zurueck_Get())
            ChangeState(StateKlasse<TState_Filiale>());
        else
            ChangeState(StateKlasse<TState_AufgabenDatum>());
    });
}

void TState_BelegHerkunft::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_BelegHerkunft.Nach_Anfang", [&] {
        if (btnmButtons()->Count() == 0)
            ZurFiliale();
    });
}

void TState_BelegHerkunft::StateAnfangVariablenClear()
{
    auto& paar = FMaske->Datentraeger_Get().Kundenbestellung.HerkunftBuchFilPair;
    paar.Herkunft = QChar();
    paar.BuchFilNr = -1;
}

void TState_BelegHerkunft::StateAnfangMaskeMalen()
{
    TQIV_NachsortFilter::KundenfilterMalen(*FMaske, "TState_BelegHerkunft.StateAnfangMaskeMalen",
                                           QStringLiteral("Herkünfte werden ermittelt."), [&] { KnoepfeMalen(); });
}

void TState_BelegHerkunft::KnoepfeMalen()
{
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(TQIV_NachsortFilter::Optionen(*FMaske, TQIV_NachsortFilter::fsFiliale), k);
    const bool whitelist = TQIV_NachsortFilter::WhitelistAktiv(*FMaske);
    const auto& ids = FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds;
    const TIntTrioList leer;
    TQIV_Herkunft_Anzahl_Dict herkuenfte;
    DM_Torvik->BelegHerkuenfteErmitteln(herkuenfte, k, whitelist && ids ? *ids : leer, whitelist);

    // The dictionary has no order of its own: the origins in the order of their marks.
    QList<QChar> marken = herkuenfte.keys();
    std::sort(marken.begin(), marken.end());
    auto summe = [](const TQIV_Herkunft_Anzahl_Liste& AListe) {
        int n = 0;
        for (const auto& p : AListe)
            n += p.second;
        return n;
    };

    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    if (marken.size() > 1) {
        int gesamt = 0;
        for (const auto& liste : std::as_const(herkuenfte))
            gesamt += summe(liste);
        TZAM_BtnMenuItem alle;
        alle.LeftCaption = QStringLiteral("Alle Herkünfte");
        alle.RightCaption = QString::number(gesamt);
        alle.Tag = -1;
        menu->Add(alle);
    }
    const bool buchFil = FMaske->FOptionen.NachsortKube.BuchFilWaehlen;
    for (QChar marke : marken) {
        const TQIV_Herkunft_Anzahl_Liste& liste = herkuenfte[marke];
        TZAM_BtnMenuItem item;
        item.LeftCaption = CZAM_Herkunftskennzeichen_2_string(marke);
        item.RightCaption = QString::number(summe(liste));
        item.Tag = -1;
        item.Hint = marke.isNull() ? QString() : QString(marke);
        if (buchFil && liste.size() == 1) {
            const int filiale = DM_Torvik->OrgeID2Filiale(liste.first().first);
            if (filiale > 0) {
                item.Tag = filiale;
                item.LeftCaption += QStringLiteral("\r\n") + FilialName(filiale);
                item.Height = CZweiZeilen;
            }
        }
        menu->Add(item);
        if (!buchFil || liste.size() < 2)
            continue;
        for (const auto& [orge, anzahl] : liste) {
            // A booking branch missing from the branch table cannot be chosen: the criteria name
            // booking branches by number.
            const int filiale = orge.OrgeId.Defined() ? DM_Torvik->OrgeID2Filiale(orge) : -1;
            if (filiale <= 0)
                continue;
            TZAM_BtnMenuItem b = item;
            b.LeftCaption = CZAM_Herkunftskennzeichen_2_string(marke) + QStringLiteral("\r\n") + FilialName(filiale);
            b.RightCaption = QString::number(anzahl);
            b.Tag = filiale;
            b.Height = CZweiZeilen;
            menu->Add(b);
        }
    }
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_BelegHerkunft::Caption_Get()
{
    return QStringLiteral("Herkunft");
}

QString TState_BelegHerkunft::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie eine Herkunft!");
}

void TState_BelegHerkunft::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_BelegHerkunft.btnmButtonsClick", [&] {
        const TZAM_BtnMenuItem& item = btnmButtons()->Item(AButtonIndex);
        auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
        kb.HerkunftBuchFilPair.Herkunft = item.Hint.isEmpty() ? QChar() : item.Hint.at(0);
        kb.HerkunftBuchFilPair.BuchFilNr = qint16(item.Tag);
        kb.AutoPosAnzNachMehrPos = false;
        ChangeState(StateKlasse<TState_AufgabenDatum>());
    });
}

void TState_BelegHerkunft::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_BelegHerkunft.btnZurueckClick", [&] { ZurFiliale(); });
}

void TState_BelegHerkunft::ZurFiliale()
{
    FMaske->Zurueck_Set(true);
    ChangeState(StateKlasse<TState_Filiale>());
    FMaske->Zurueck_Set(false);
}

#include "TState_HLAnfoZielLOAuswahl.h"
#include "TQIV_AufgabenLagerListe.h"

#include "TDM_Torvik.h"
#include "TQIV_Wartemaske.h"
#include "TState_HLAnfoGrund.h"
#include "TState_Laufwege.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"

namespace L = TQIV_AufgabenLagerListe;

namespace {
}

void TState_HLAnfoZielLOAuswahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    const TStateKlasse* sprung = nullptr;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_HLAnfoZielLOAuswahl.Vor_Anfang", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        TQIV_Wartemaske warten(FMaske, QStringLiteral("Anforderungsgründe werden ermittelt."));
        FAnzahlProZiel.clear();
        FAnzahlZeilen = 0;
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Umlagerung_Handlager);
        o.GeschaeftsvorSet = ZAMSetBit(CZAM_Aufgabe_GV_Handlager);
        o.ZusatzIds = {d.UmlagerungHandlager.HLAnfoGrundId};
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
        if (server) {
            server->Aufgabenliste_Laden(k, false, false, false, false, false);
            const TVRList& liste = server->AufgabenVRListe();
            FAnzahlZeilen = liste.GetRowCount();
            for (int r = 0; r < FAnzahlZeilen; ++r)
                ++FAnzahlProZiel[liste.GetCellValueAsIntTrio(r, L::CAnLagerortId)];
            server->Aufgabenliste_Freigeben();
        }
        if (FMaske->Zurueck_Get() && FAnzahlProZiel.size() <= 1)
            sprung = StateKlasse<TState_HLAnfoGrund>();
        else if (!FMaske->Zurueck_Get() && FAnzahlProZiel.size() == 1) {
            d.UmlagerungHandlager.ZielLagerortId = FAnzahlProZiel.constBegin().key();
            sprung = StateKlasse<TState_Laufwege>();
        }
    });
    if (!sprung)
        return;
    AWeiter = false;
    ChangeState(sprung);
}

void TState_HLAnfoZielLOAuswahl::StateAnfangVariablenClear()
{
    FMaske->Datentraeger_Get().UmlagerungHandlager.ZielLagerortId = TIntTrio();
}

void TState_HLAnfoZielLOAuswahl::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_HLAnfoZielLOAuswahl.StateAnfangMaskeMalen", [&] {
        if (FAnzahlProZiel.size() > 1) {
            TZAM_BtnMenuItem alle;
            alle.ButtonType = 1;
            alle.LeftCaption = QStringLiteral("&1 - Alle");
            alle.RightCaption = QString::number(FAnzahlZeilen);
            // The display form: the largest key's ten-digit parts have no 9-digit text.
            alle.Hint = CMaxIntTrio.ToText();
            menu->Add(alle);
        }
        TQIV_StringInttrio_List wurmloecher;
        DM_Torvik->AlleWurmloecherErmitteln(true, wurmloecher);
        for (int i = 0; i < wurmloecher.size(); ++i) {
            const int anzahl = FAnzahlProZiel.value(wurmloecher.at(i).second);
            if (anzahl <= 0)
                continue;
            const int n = i + 2;
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.LeftCaption = (n < 10 ? QStringLiteral("&") : QString()) + QString::number(n) + QStringLiteral(" - ") +
                               QString(wurmloecher.at(i).first).replace(u'&', QLatin1String("&&"));
            item.RightCaption = QString::number(anzahl);
            item.Hint = wurmloecher.at(i).second.ToText();
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_HLAnfoZielLOAuswahl::Caption_Get()
{
    return TState_HLAnfoGrund::GrundBezeichnung(FMaske->Datentraeger_Get().UmlagerungHandlager.HLAnfoGrundId);
}

QString TState_HLAnfoZielLOAuswahl::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie einen Ziel-Lagerplatz.");
}

void TState_HLAnfoZielLOAuswahl::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_HLAnfoZielLOAuswahl.btnmButtonsClick", [&] {
        const TIntTrio ziel = TIntTrio::FromText(btnmButtons()->Item(AButtonIndex).Hint);
        FMaske->Datentraeger_Get().UmlagerungHandlager.ZielLagerortId = ziel == CMaxIntTrio ? TIntTrio() : ziel;
        ChangeState(StateKlasse<TState_Laufwege>());
    });
}

void TState_HLAnfoZielLOAuswahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_HLAnfoZielLOAuswahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_HLAnfoGrund>());
        FMaske->Zurueck_Set(false);
    });
}

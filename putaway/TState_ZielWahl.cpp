#include "TState_ZielWahl.h"

#include "IZAM_Info.h"
#include "TDM_Torvik.h"
#include "TQIV_EXBI_Mani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Wartemaske.h"
#include "TQIV_WerkstattMani.h"
#include "TState_EingangsBelegWahl.h"
#include "TState_Einlagerung_FilialWahl.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace E = TQIV_Einlagerung;

namespace {
struct TArt
{
    int Nummer;
    const char* Text;
    TQIV_ZPMDE_Ziel Ziel;
};
// The kinds in the menu's order with their fixed numbers.
constexpr TArt CArten[] = {{1, "Versand an den Kunden", bmzVersand},
                           {2, "Filialaustausch für Kunden", bmzFAFuerKube},
                           {3, "Einlagerung ins Lager", bmzEinlagerung},
                           {4, "Bearbeitung von Ware", bmzBearbeitung}};
} // namespace

bool TState_ZielWahl::Ziele_Ermitteln(int AArtenSet)
{
    FBewLadenPersoAuswahl = AArtenSet;
    const bool geladen = E::Bewegungen_Laden(FMaske, AArtenSet);
    ZieleUndFilialenErmitteln();
    return geladen;
}

void TState_ZielWahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    const TStateKlasse* sprung = nullptr;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielWahl.Vor_Anfang", [&] {
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Ziele werden ermittelt."));
            bool& geladen = FMaske->Datentraeger_Get().Einlagerung.BewegungenGeladen;
            if (geladen && FBewLadenPersoAuswahl == 30)
                ZieleUndFilialenErmitteln();
            else
                Ziele_Ermitteln(FBewLadenPersoAuswahl);
            geladen = false;
        }
        if (FVersandAnz + FFAFuerKubeAnz + FEinlagerungAnz + FBearbeitungAnz > 0)
            return;
        // Nothing (left) to put away: back to the documents.
        sprung = StateKlasse<TState_EingangsBelegWahl>();
    });
    FBewLadenPersoAuswahl = 30;
    if (!sprung)
        return;
    AWeiter = false;
    ChangeState(sprung);
}

void TState_ZielWahl::ZieleUndFilialenErmitteln()
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    FVersandAnz = FFAFuerKubeAnz = FEinlagerungAnz = FBearbeitungAnz = 0;
    e.ZielFilialenAlle.clear();
    std::unique_ptr<TVRList> gruppiert;
    DM_Torvik->GruppierteBewegungsliste_NachExtVerweis_Get(gruppiert);
    if (!gruppiert)
        return;
    TQIV_WerkstattMani* werkstatt = DM_Torvik->WerkstattMani_GoC();
    TZAM_DM_FilialPC_Ext* ext = DM_Torvik->DMExtFilPC_GoC();
    for (int r = 0; r < gruppiert->GetRowCount(); ++r) {
        const int menge = gruppiert->GetCellValueAsInteger(r, cblMenge);
        const TIntQuad schluessel = gruppiert->GetCellValueAsIntQuad(r, cblExtVerweis);
        const quint8 kennung = Kuerzel_2_PersArt_ExtVerweis_Kennung(gruppiert->GetCellValueAsString(r, cblExtKuerzel));
        const TZAM_PersArt_ExtVerweis verweis =
            TZAM_PersArt_ExtVerweis::Construct(kennung, TrioAusQuad(schluessel), schluessel.Id4);
        if (gruppiert->GetCell(r, cblExtVerweis).IsNull() || kennung == 0) {
            FEinlagerungAnz += menge;
        } else if (kennung == CZAM_PersArtExt_EXBI) {
            if (TQIV_EXBI_Mani* exbi = DM_Torvik->EXBIMani_GoC();
                exbi && exbi->BestInfoExists_4_PersArt_ExtVerweis(verweis))
                FVersandAnz += menge;
        } else if (kennung == CZAM_PersArtExt_KuBe) {
            const qint16 ziel = ext->Zielfiliale_4_KubeExtVerweis(verweis);
            int p1 = 0, p2 = 0;
            if (werkstatt)
                werkstatt->BearbVorbereitungsMengeErmtitteln(
                    verweis.Id, verweis.Nummer, gruppiert->GetCellValueAsInteger(r, cblGrIdx), ziel, p1, p2);
            if (p1 > 0 && p2 > 0)
                FehlerRaise(QStringLiteral("TState_ZielWahl.ZieleUndFilialenErmitteln"),
                            CZAM_Info_Fehler_Standard_LeseFehler,
                            QStringLiteral("hBearbAnzZielFil = %1; hBearbAnzSonstFil = %2").arg(p1).arg(p2));
            p1 = qMin(menge, p1);
            p2 = qMin(menge, p2);
            FBearbeitungAnz += p1 + p2;
            FVersandAnz -= p1;
            FFAFuerKubeAnz -= p2;
            if (ziel > 0 && !E::FilialeDesLagers(ziel)) {
                FFAFuerKubeAnz += menge;
                e.ZielFilialenAlle[ziel] += menge;
            } else {
                FVersandAnz += menge;
            }
        }
    }
    if (FVersandAnz < 0 || FFAFuerKubeAnz < 0 || FEinlagerungAnz < 0 || FBearbeitungAnz < 0) {
        ZAMInfo().WriteStamp(QStringLiteral("TState_ZielWahl.ZieleUndFilialenErmitteln: %1: Versand %2, "
                                            "Filialaustausch %3, Einlagerung %4, Bearbeitung %5")
                                 .arg(E::BelegKurz(FMaske->Datentraeger_Get()))
                                 .arg(FVersandAnz)
                                 .arg(FFAFuerKubeAnz)
                                 .arg(FEinlagerungAnz)
                                 .arg(FBearbeitungAnz));
        FehlerRaise(QStringLiteral("TState_ZielWahl.ZieleUndFilialenErmitteln"), CZAM_Info_Fehler_Standard_LeseFehler,
                    QStringLiteral("s. Infoprotokolle"));
    }
}

void TState_ZielWahl::StateAnfangVariablenClear()
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    e.Ziel = bmzUnbekannt;
    e.ZielFilialeGewaehlt = -1;
    e.Personalisiert = paUnbekannt;
    e.PersoAuswahlForce = paUnbekannt;
}

void TState_ZielWahl::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_ZielWahl.StateAnfangMaskeMalen", [&] {
        const int mengen[] = {FVersandAnz, FFAFuerKubeAnz, FEinlagerungAnz, FBearbeitungAnz};
        for (int i = 0; i < 4; ++i) {
            if (mengen[i] <= 0)
                continue;
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Tag = CArten[i].Nummer;
            item.LeftCaption =
                u'&' + QString::number(CArten[i].Nummer) + QStringLiteral(" - ") + QString::fromUtf8(CArten[i].Text);
            item.RightCaption = QString::number(mengen[i]);
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_ZielWahl::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Wählen Sie, was Sie bearbeiten wollen!");
}

void TState_ZielWahl::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielWahl.btnmButtonsClick", [&] {
        const int nummer = btnmButtons()->Item(AButtonIndex).Tag;
        if (nummer < 1 || nummer > 4)
            return;
        FMaske->Datentraeger_Get().Einlagerung.Ziel = CArten[nummer - 1].Ziel;
        ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
    });
}

void TState_ZielWahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielWahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_EingangsBelegWahl>());
        FMaske->Zurueck_Set(false);
    });
}

#include "TState_HLAnfoGrund.h"

#include "IZAM_CommonLock.h"
#include "IZAM_GrundServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AbsortSperre.h"
#include "TQIV_Wartemaske.h"
#include "TState_Aufgabe.h"
#include "TState_HLAnfoZielLOAuswahl.h"
#include "TState_NachsortAuswahl.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"

namespace L = TQIV_AufgabenLagerListe;

namespace {

// Hand-store tasks of the current warehouse in the given statuses (0: the workflow's default).
TZAM_Aufgaben_Suchkriterien HandlagerKriterien(TZAM_Aufgabe_StatusSet AStatus)
{
    TQIV_Aufgaben_Suchkriterien_Options o;
    Aufgaben_Suchkriterien_Options_Init(o, CZAM_Umlagerung_Handlager);
    o.GeschaeftsvorSet = ZAMSetBit(CZAM_Aufgabe_GV_Handlager);
    if (AStatus != 0)
        o.Status = AStatus;
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);
    return k;
}
} // namespace

QString TState_HLAnfoGrund::GrundBezeichnung(const TIntTrio& AGrundId)
{
    TGrndSatz satz;
    DM_Torvik->HLAnfoGrundSatzErmitteln(AGrundId, true, satz);
    return satz.Bezeichnung;
}

QString TState_HLAnfoGrund::GetKennung(const QString& AGrundText) const
{
    return (FMaske->FModus == CZPMDEM_UmlagHL ? QStringLiteral("U") : QStringLiteral("_")) + AGrundText;
}

void TState_HLAnfoGrund::StateAnfangVariablenClear()
{
    TZAM_Hausregel::OhneBusy("TState_HLAnfoGrund.StateAnfangVariablenClear", [&] {
        if (!FGesperrteKennung.isEmpty()) {
            const QString kennung = FGesperrteKennung;
            FGesperrteKennung.clear();
            CommonLock().UnlockAbsort(0, kennung, DM_Torvik->FBenutzer);
        }
        FMaske->Datentraeger_Get().UmlagerungHandlager.HLAnfoGrundId = TIntTrio();
    });
}

void TState_HLAnfoGrund::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_HLAnfoGrund.FertigeAufgabenLoeschen", [&] { FertigeAufgabenLoeschen(); });
    GruendeFuerAbsortierungErmittelnUndAnzeigen();
}

int TState_HLAnfoGrund::FertigeAufgabenLoeschen()
{
    const int tage = FMaske->FOptionen.UmlagHL.FertigeLoeschenTage;
    if (tage <= 0)
        return 0;
    TQIV_Wartemaske warten(FMaske, QStringLiteral("Alte Aufgaben werden gelöscht."));
    IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
    if (!server)
        return 0;
    const TZAM_Aufgabe_StatusSet fertig = ZAMSetBit(CZAM_Aufgabe_Status_Erledigt) | ZAMSetBit(6) | ZAMSetBit(7);
    server->Aufgabenliste_Laden(HandlagerKriterien(fertig), false, false, false, false, false);
    // The ids first: deleting changes nothing in the loaded list, but the list is the server's.
    const TVRList& liste = server->AufgabenVRListe();
    const QDateTime jetzt = QDateTime::currentDateTime();
    QList<TIntTrio> alt;
    for (int r = 0; r < liste.GetRowCount(); ++r) {
        const QDateTime zeit(liste.GetCellValueAsDate(r, L::CDatum), liste.GetCellValueAsTime(r, L::CUhrzeit));
        // Whole days, as the days between two moments count them.
        if (zeit.isValid() && zeit.secsTo(jetzt) / 86400 >= tage)
            alt << liste.GetCellValueAsIntTrio(r, 10);
    }
    server->Aufgabenliste_Freigeben();
    int geloescht = 0;
    for (const TIntTrio& id : alt)
        if (server->Aufgabe_Loeschen(id,
                                     CZAM_Aufgabe_LoeschPruefungen_Alle & ~CZAM_Aufgabe_LoeschPruefung_OhneErfuellung))
            ++geloescht;
    return geloescht;
}

void TState_HLAnfoGrund::GruendeFuerAbsortierungErmittelnUndAnzeigen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_HLAnfoGrund.GruendeFuerAbsortierungErmittelnUndAnzeigen", [&] {
        TQIV_Wartemaske warten(FMaske, QStringLiteral("Anforderungsgründe werden ermittelt."));
        IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
        if (!server)
            return;
        server->Aufgabenliste_Laden(HandlagerKriterien(0), false, false, false, false, false);
        QHash<TIntTrio, int> anzahlen;
        DM_Torvik->AufgabenFuerSpalteErmitteln(server->AufgabenVRListe(), L::CGrund, anzahlen);
        server->Aufgabenliste_Freigeben();
        TIntTrioList gruende;
        DM_Torvik->AlleHLAnfoGrundIdsErmitteln(agsPrioReihenfolge, tsUndefined, gruende);
        for (int i = 0; i < gruende.size(); ++i) {
            const int anzahl = anzahlen.value(gruende.at(i));
            if (anzahl <= 0)
                continue;
            const int n = i + 1;
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Hint = gruende.at(i).ToTextUnformatted(9);
            item.LeftCaption = (n < 10 ? QStringLiteral("&") : QString()) + QString::number(n) + QStringLiteral(" - ") +
                               GrundBezeichnung(gruende.at(i)).replace(u'&', QLatin1String("&&"));
            item.RightCaption = QString::number(anzahl);
            TQIV_AbsortSperre::FremdeBearbeiterMarkieren(item, 0, GetKennung(item.Hint));
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    if (menu->Count() == 0)
        FussTipSet(QStringLiteral("Keine Aufgaben gefunden."), false, false);
    else {
        const int breite = menu->width() - 8;
        if (!FontSizeEinstellen(breite, 10))
            LeftCaptionKuerzen(breite);
    }
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_HLAnfoGrund::Caption_Get()
{
    return QStringLiteral("Verkaufsraumanforderungen");
}

QString TState_HLAnfoGrund::FussTip(bool& ALang)
{
    ALang = false;
    return {};
}

void TState_HLAnfoGrund::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_HLAnfoGrund.btnmButtonsClick", [&] {
        const QString text = btnmButtons()->Item(AButtonIndex).Hint;
        const TIntTrio grund = TIntTrio::FromTextDef(text, TIntTrio());
        if (!grund.Defined())
            return;
        const QString kennung = GetKennung(text);
        // Shared: other handhelds may work the same reason; they only see who does.
        CommonLock().LockAbsort(0, kennung, DM_Torvik->FBenutzer);
        FGesperrteKennung = kennung;
        FMaske->Datentraeger_Get().UmlagerungHandlager.HLAnfoGrundId = grund;
        ChangeState(StateKlasse<TState_HLAnfoZielLOAuswahl>());
    });
}

void TState_HLAnfoGrund::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_HLAnfoGrund.btnZurueckClick", [&] {
        auto* aufgabe = static_cast<TState_Aufgabe*>(FMaske->GiveState(StateKlasse<TState_Aufgabe>()));
        if (DM_Torvik->FUmlagHLPrioModus) {
            aufgabe->UmlagHLPrio_Fertig();
            return;
        }
        aufgabe->LetzteDatenLeeren();
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_NachsortAuswahl>());
        FMaske->Zurueck_Set(false);
    });
}

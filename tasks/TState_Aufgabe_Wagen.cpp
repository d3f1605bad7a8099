#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Wartemaske.h"
#include "TState_Aufgabe.h"
#include "TState_Laufwege.h"
#include "TState_VonPlatzScan.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QSet>

namespace L = TQIV_AufgabenLagerListe;

void TState_Aufgabe::VRListe_an_AufWagenPassendeAufgaben_Anpassen()
{
    auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
    if (!kb.WagenBestSammelList)
        return;
    TIntTrioList& wagen = *kb.WagenBestSammelList;
    wagen.clear();
    QSet<TIntTrio> mitLP;
    for (int r = 0; r < ZeilenAnzahl(); ++r)
        if (GiveIntTrio(L::CLagerortId, r).Defined())
            mitLP.insert(GiveIntTrio(L::CAufgabenId, r));
    IZAM_AufgabenEditServer& server = *DM_Torvik->AufgabenEditServer_Temp_GoC();
    const int kapazitaet = FMaske->FOptionen.NachsortKube.WagenAnz;
    int ladung = 0;
    // An order joins the cart whole, every task locked, or not at all.
    auto aufladen = [&](const QList<TIntTrio>& AAufgaben, int AArtikel) {
        if (ladung + AArtikel > kapazitaet)
            return;
        QList<TIntTrio> gesperrt;
        for (const TIntTrio& id : AAufgaben) {
            QString halter;
            QDateTime seit;
            if (wagen.contains(id) || !mitLP.contains(id) || !server.Aufgabe_Sperren(id, halter, seit)) {
                for (const TIntTrio& g : gesperrt)
                    server.Aufgabe_Entsperren(g);
                return;
            }
            gesperrt << id;
        }
        ladung += AArtikel;
        wagen << gesperrt;
    };
    if (kb.MehrPosBestKeyList && kb.MehrPosBestDict)
        for (const TQIV_Kennung_Text_Datum_Rec& key : *kb.MehrPosBestKeyList) {
            const TQIV_Beleg_Info info = kb.MehrPosBestDict->value(key);
            if (info.FArtikelAnzIst == info.FArtikelAnzSoll)
                aufladen(info.FAufgabenIds, info.FArtikelAnzIst);
            if (ladung >= kapazitaet)
                break;
        }
    if (ladung < kapazitaet && FMaske->FOptionen.NachsortKube.EinPosFuerWagen && kb.EinPosBestList)
        for (const auto& [id, menge] : *kb.EinPosBestList) {
            aufladen({id}, menge);
            if (ladung >= kapazitaet)
                break;
        }
    wagen.Sort();
    for (int r = ZeilenAnzahl() - 1; r >= 0; --r)
        if (!wagen.contains(GiveIntTrio(L::CAufgabenId, r)))
            FVRListe->RowDelete(r);
}

void TState_Aufgabe::UmlagHLPrio_Ausfuehren()
{
    bool fertig = true;
    TZAM_Hausregel::OhneBusy("TState_Aufgabe.UmlagHLPrio_Ausfuehren", [&] {
        FMaske->FModus = CZPMDEM_UmlagHL;
        FAufgabenIdx = -1;
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        TQIV_Wartemaske warten(FMaske, QStringLiteral("Anforderungen werden geladen."));
        TIntTrio grund, laufweg;
        if (!DM_Torvik->Aufgaben_fuerUmlagHLPrio_laden(grund, laufweg))
            return;
        d.UmlagerungHandlager.HLAnfoGrundId = grund;
        d.Nachsort.LaufwegID = laufweg;
        d.Nachsort.AufgabenVRListe_Verweis = &DM_Torvik->AufgabenEditServer_GoC()->AufgabenVRListe();
        FMaske->GiveState(StateKlasse<TState_Laufwege>()); // it owns the prohibitions of the run
        StateAnfangMaskeMalen();
        for (int r = 0; r < ZeilenAnzahl(); ++r) {
            bool weg = false;
            if (Aktiv(r) && CheckAufgabe(r, true, weg)) {
                FAufgabenIdx = r;
                FAktAufgId = GiveIntTrio(L::CAufgabenId);
                d.Nachsort.KommBehWahlStates = {};
                fertig = false;
                ChangeState(StateKlasse<TState_VonPlatzScan>());
                return;
            }
        }
    });
    if (fertig)
        UmlagHLPrio_Fertig();
}

void TState_Aufgabe::UmlagHLPrio_Fertig()
{
    // The second instance has done its work: its parent takes over again.
    ZAMProgramm().Beenden(0);
}

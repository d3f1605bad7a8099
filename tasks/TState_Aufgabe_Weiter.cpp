#include "EZAM_Exception.h"
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_NachsortFilter.h"
#include "TQIV_ZurueckModus.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_Aufgabe.h"
#include "TState_BelegHerkunft.h"
#include "TState_Filiale.h"
#include "TState_HLAnfoZielLOAuswahl.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_MehrPosBestellungen.h"
#include "TState_PaketVersand.h"
#include "TState_VonPlatzScan.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMInfoKoords.h"

#include <QSet>

namespace L = TQIV_AufgabenLagerListe;

namespace {
// The previous foot tip comes back when the check is done.
class TFussTipMerken
{
public:
    TFussTipMerken(TAbstractState& AState, const QString& ATip) : FState(AState)
    {
        FTip = FState.FussTipGet(FLang, FWarnung);
        FState.FussTipSet(ATip, false, false);
    }
    ~TFussTipMerken() { FState.FussTipSet(FTip, FLang, FWarnung); }

private:
    TAbstractState& FState;
    QString FTip;
    bool FLang = false, FWarnung = false;
};

IZAM_AufgabenEditServer& Aufgaben()
{
    return *DM_Torvik->AufgabenEditServer_Temp_GoC();
}

// Runs ABody going back (the skipping states skip backwards).
void Zurueck(TfrmMDE* AMaske, const std::function<void()>& ABody)
{
    const TQIV_ZurueckModus zurueck(AMaske);
    ABody();
}
} // namespace

bool TState_Aufgabe::CheckAufgabe(int AZeile, bool ACheckLocked, bool& ATaskGone)
{
    ATaskGone = false;
    return TZAM_Hausregel::ErgebnisOhneBusy("Check_Aufgabe", false, [&] {
        TFussTipMerken tip(*this, QStringLiteral("Aufgabe wird geprüft."));
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(TQIV_NachsortFilter::Optionen(*FMaske, TQIV_NachsortFilter::fsFiliale), k);
        const TIntTrio id = GiveIntTrio(L::CAufgabenId, AZeile);
        TZAM_AufgabenStand stand;
        if ((ACheckLocked && Aufgaben().Aufgabe_Gesperrt(id)) || !Aufgaben().Aufgabe_Lesen(id, stand) ||
            !(k.Status & ZAMSetBit(stand.Status)) ||
            ((k.Arten & ZAMSetBit(1)) && stand.Art == 1 && stand.Offen() < GiveInt(L::CMenge, AZeile))) {
            ATaskGone = true;
            return false;
        }
        TIntTrio quelle;
        if (!Get_VonLagerplatz(AZeile, quelle))
            return false;
        return DM_Torvik->Lagerbestand(quelle, GiveInt32Trio(L::CProduktId, AZeile), GiveInt(L::CGrInd, AZeile)) >=
               GiveInt(L::CMenge, AZeile);
    });
}

void TState_Aufgabe::NextAufgabe(bool ASetCurrentInactive)
{
    TZAM_Hausregel::OhneBusy("TState_Aufgabe.NextAufgabe", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const bool wagen = WagenModus();
        if (ASetCurrentInactive && FAufgabenIdx >= 0 && FAufgabenIdx < ZeilenAnzahl())
            AktivSetzen(FAufgabenIdx, false);
        static_cast<TState_VonPlatzScan*>(FMaske->GiveState(StateKlasse<TState_VonPlatzScan>()))->VonLPEntsperren();

        // Each row is tried once per search; a row whose stock ran short is allocated again from
        // there on, and a source that fails twice for its task is dropped, so the search ends.
        QSet<QPair<TIntTrio, TIntTrio>> gescheitert;
        int gefunden = -1;
        bool weiter = true;
        while (weiter && gefunden < 0) {
            weiter = false;
            const int n = ZeilenAnzahl();
            for (int k = 1; k <= n; ++k) {
                const int r = FAufgabenIdx < 0 ? k - 1 : (FAufgabenIdx + k) % n;
                if (!Aktiv(r))
                    continue;
                if (!GiveIntTrio(L::CLagerortId, r).Defined()) {
                    const QString beleg = GiveString(L::CBelegNr, r);
                    if (wagen && d.Kundenbestellung.WagenProblemList &&
                        !d.Kundenbestellung.WagenProblemList->contains(beleg))
                        d.Kundenbestellung.WagenProblemList->append(beleg);
                    continue;
                }
                bool weg = false;
                if (CheckAufgabe(r, !wagen, weg)) {
                    gefunden = r;
                    break;
                }
                FAufgabenIdx = r;
                TIntTrio quelle;
                Get_VonLagerplatz(r, quelle);
                const QPair<TIntTrio, TIntTrio> schluessel{GiveIntTrio(L::CAufgabenId, r), quelle};
                if (weg || gescheitert.contains(schluessel))
                    AktivSetzen(r, false);
                else {
                    gescheitert.insert(schluessel);
                    DoAufgabenListe_2_AufgabenLagerListe(r);
                    --FAufgabenIdx;
                }
                weiter = true;
                break;
            }
        }
        SichtbarkeitAnwenden();
        if (gefunden >= 0) {
            FAufgabenIdx = gefunden;
            FAktAufgId = GiveIntTrio(L::CAufgabenId);
            ChangeState(StateKlasse<TState_VonPlatzScan>());
            return;
        }
        KeineAufgabeMehr();
    });
}

void TState_Aufgabe::KeineAufgabeMehr()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    QStringList* probleme = d.Kundenbestellung.WagenProblemList;
    if (WagenModus() && probleme && !probleme->isEmpty()) {
        QStringList belege = probleme->mid(0, 3);
        QString liste = belege.join(QStringLiteral(",\r\n"));
        if (probleme->size() > 1) {
            if (probleme->size() <= 3) {
                belege.removeLast();
                liste = belege.join(QStringLiteral(",\r\n")) + QStringLiteral(" und\r\n") + probleme->last();
            } else
                liste += QStringLiteral(",\r\n") + probleme->last() + QStringLiteral(" ...");
        }
        const bool eine = probleme->size() == 1;
        TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
            QStringLiteral("Aufgrund von\r\nWarenbewegungen im Lager\r\n%1\r\n%2\r\nwahrscheinlich nicht "
                           "komplett\r\nauf dem Wagen!")
                .arg(eine ? QStringLiteral("ist die Bestellung") : QStringLiteral("sind die Bestellungen"), liste),
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TState_Aufgabe.WagenProblemCallback", [&] {
                    FMaske->Datentraeger_Get().Kundenbestellung.WagenProblemList->clear();
                    for (int r = 0; r < ZeilenAnzahl(); ++r)
                        if (Aktiv(r) && !GiveIntTrio(L::CLagerortId, r).Defined())
                            AktivSetzen(r, false);
                    NextAufgabe(false);
                });
            });
        o.FontSize = eine ? 16 : probleme->size() == 2 ? 14 : 12;
        FMaske->MeldungAn(o);
        return;
    }
    FAktAufgId = TIntTrio();
    d.Kundenbestellung.AufgabeGebucht = false;
    const bool prio = DM_Torvik->FUmlagHLPrioModus;
    const TQIV_ZPMDE_Nachsort_KomBeh& beh = d.Nachsort.KommBeh;
    if (beh.KomBehAnFil <= 0) {
        ChangeStateZurueck_Oder_ProgrammBeenden(true, prio);
        return;
    }
    const bool ware =
        beh.KomBehBehaelter && DM_Torvik->LagerBewegungEditServer_GoC()->Behaelter_HatWare(beh.Kommissionierbehaelter);
    auto zurueck = [this, prio] { ChangeStateZurueck_Oder_ProgrammBeenden(true, prio); };
    const QString kopf = QStringLiteral("Die letzte Aufgabe\r\nfür Filiale %1\r\n").arg(beh.KomBehAnFil);
    if (!ware) {
        if (beh.Kommissionierbehaelter == CMaxIntTrio)
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
                QStringLiteral("Die letzte Aufgabe\r\nfür Filiale %1\r\n(ohne WBS)\r\nwurde bearbeitet.")
                    .arg(beh.KomBehAnFil),
                false, [zurueck](TZAM_TriState_Enum, bool) {
                    TZAM_Hausregel::OhneBusy("TState_Aufgabe.OhneWBSCallback", zurueck);
                }));
        else
            zurueck();
        return;
    }
    switch (FMaske->FOptionen.NachsortAllg.Paketversand.unicode()) {
    case u'J':
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            kopf + QStringLiteral("wurde bearbeitet.\r\n\r\nEs wird nun zum \r\nPaketversand gewechselt."), false,
            [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TState_Aufgabe.PaketversandCallback", [&] { PaketversandStarten(); });
            }));
        break;
    case u'F':
        FMaske->FrageButtonsUntereinanderAn(
            kopf + QStringLiteral("wurde bearbeitet.\r\nWollen Sie jetzt\r\n- den WBS drucken oder \r\n- zum "
                                  "Paketversand wechseln?"),
            [this, zurueck](int AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TState_Aufgabe.WBSOderPaketCallback", [&] {
                    if (AAntwort == 1)
                        PaketversandStarten();
                    else if (AAntwort == 2)
                        WBSDruckenOderZurueck(true);
                    else
                        zurueck();
                });
            },
            {{0, {}, true, QStringLiteral("zurück")},
             {1, {}, true, QStringLiteral("Paketversand")},
             {2, {}, true, QStringLiteral("WBS drucken")}},
            14, Caption_Get());
        break;
    default:
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            kopf + QStringLiteral("wurde bearbeitet.\r\nWollen Sie jetzt den WBS\r\nfür %1\r\ndrucken?")
                       .arg(beh.KomBehBez),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TState_Aufgabe.WBSDruckenCallback",
                                         [&] { WBSDruckenOderZurueck(AAntwort == tsTrue); });
            }));
        break;
    }
}

void TState_Aufgabe::WBSDruckenOderZurueck(bool ADrucken)
{
    if (!ADrucken) {
        ChangeStateZurueck_Oder_ProgrammBeenden(true, DM_Torvik->FUmlagHLPrioModus);
        return;
    }
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
    if (kb.KomBehAnLag >= 0)
        return;
    // The step states' print: a failed print shows its error as the foot tip and the list stays.
    auto* schritt = static_cast<TState_VonPlatzScan*>(FMaske->GiveState(StateKlasse<TState_VonPlatzScan>()));
    if (!schritt->WBSDruck(kb.Kommissionierbehaelter, kb.KomBehAnFil))
        return;
    d.Paketversand.QuellId = TIntTrio();
    ChangeStateZurueck_Oder_ProgrammBeenden(true, DM_Torvik->FUmlagHLPrioModus);
}

void TState_Aufgabe::PaketversandStarten()
{
    // The picking container is packed into parcels: it is handed over as the parcels' source and
    // the run starts afresh with another container.
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const TIntTrio behaelter = d.Nachsort.KommBeh.Kommissionierbehaelter;
    static_cast<TState_Kommissionierbehaelter*>(FMaske->GiveState(StateKlasse<TState_Kommissionierbehaelter>()))
        ->Init_Und_entsperren_Nachsort_KomBeh();
    d.Paketversand.QuellId = behaelter;
    LetzteDatenLeeren();
    ChangeState(StateKlasse<TState_PaketVersand>());
}

void TState_Aufgabe::NichtErledigteAufaben_NeuLaden(bool AEntsperren)
{
    TZAM_Hausregel::OhneBusy("TState_Aufgabe.NichtErledigteAufaben_NeuLaden", [&] {
        DoAufgabenListe_2_AufgabenLagerListe(qMax(FAufgabenIdx, 0));
        --FAufgabenIdx;
        if (AEntsperren)
            Aufgabe_Entsperren_Und_StatusRuecksetzen();
        NextAufgabe(false);
    });
}

bool TState_Aufgabe::Aufgabe_Sperren_und_StatusAendern(QString& ABenutzer, QDateTime& AZeit, TIntTrio& AZuSperren,
                                                       TIntTrio& AGesperrteAufgabe)
{
    if (FGesperrteAufgabe.Defined()) {
        if (FGesperrteAufgabe == FAktAufgId)
            return true;
        AZuSperren = FAktAufgId;
        AGesperrteAufgabe = FGesperrteAufgabe;
        return false;
    }
    bool weg = false;
    if (!CheckAufgabe(FAufgabenIdx, false, weg)) {
        FussTipSet(QStringLiteral("Diese Aufgabe wurde bereits bearbeitet!"), false, true);
        return false;
    }
    if (!Aufgaben().Aufgabe_Sperren(FAktAufgId, ABenutzer, AZeit)) {
        FussTipSet(QStringLiteral("Diese Aufgabe wird bereits bearbeitet!"), false, true);
        return false;
    }
    FGesperrteAufgabe = FAktAufgId;
    FAlterAufgabenStatus = FNeuerAufgabenStatus = -1;
    TZAM_AufgabenStand stand;
    if (Kuerzel_2_TZAM_Aufgabe_Art_Erw(GiveString(L::CArt)) != CZAM_Aufgabe_Art_Handlager ||
        !Aufgaben().Aufgabe_Lesen(FGesperrteAufgabe, stand))
        return true;
    if (stand.Status >= 5 && stand.Status <= 8) {
        // A finished or worked hand-store task is not worked again: its lock goes back at once.
        FussTipSet(QStringLiteral("Aufgabe hat den Status %1!").arg(CZAM_Aufgabe_Status_2_String(stand.Status)), false,
                   true);
        Aufgabe_Entsperren_Und_StatusRuecksetzen();
        return false;
    }
    FAlterAufgabenStatus = stand.Status;
    FNeuerAufgabenStatus = 8;
    Aufgaben().Aufgabe_StatusUnterSperreSetzen(FGesperrteAufgabe, FNeuerAufgabenStatus);
    return true;
}

void TState_Aufgabe::Aufgabe_Entsperren_Und_StatusRuecksetzen()
{
    if (!FGesperrteAufgabe.Defined())
        return;
    const TIntTrio id = FGesperrteAufgabe;
    FGesperrteAufgabe = TIntTrio();
    // The task service puts a status set under the lock back itself when it is still the task's.
    Aufgaben().Aufgabe_Entsperren(id);
    FAlterAufgabenStatus = FNeuerAufgabenStatus = -1;
}

void TState_Aufgabe::AufgabenStatus_Ruecksetzen(const TIntTrio& AAufgabenId)
{
    TZAM_AufgabenStand stand;
    if (FAlterAufgabenStatus >= 0 && Aufgaben().Aufgabe_Lesen(AAufgabenId, stand) &&
        stand.Status == FNeuerAufgabenStatus)
        Aufgaben().Aufgabe_StatusAendern(AAufgabenId, FAlterAufgabenStatus);
}

void TState_Aufgabe::ChangeStateZurueck_Oder_ProgrammBeenden(bool ANachLetzterAufgabe, bool APrioModus)
{
    if (APrioModus) {
        UmlagHLPrio_Ausfuehren();
        return;
    }
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    auto& kb = d.Kundenbestellung;
    if (FMaske->FModus == CZPMDEM_KuBe && FMaske->FOptionen.NachsortKube.PosAnzahlWaehlen) {
        if (kb.PosAnzahl == bpaMehrere) {
            if (ANachLetzterAufgabe) {
                kb.AutoPosAnzNachMehrPos = true;
                ChangeState(StateKlasse<TState_AufgPosAnzahl>());
            } else
                ChangeState(StateKlasse<TState_MehrPosBestellungen>());
        } else if (kb.PosAnzahl == bpaWagen) {
            if (kb.AufgabeGebucht)
                FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
                    QStringLiteral("Die Aufgaben sind noch nicht alle bearbeitet.\r\nWollen Sie die Bearbeitung "
                                   "beenden?"),
                    [this](TZAM_TriState_Enum AAntwort, bool) {
                        if (AAntwort == tsTrue)
                            TZAM_Hausregel::OhneBusy("TState_Aufgabe.WagenBeendenCallback", [&] {
                                Zurueck(FMaske, [&] { ChangeState(StateKlasse<TState_AufgPosAnzahl>()); });
                            });
                    }));
            else
                Zurueck(FMaske, [&] { ChangeState(StateKlasse<TState_AufgPosAnzahl>()); });
        } else {
            kb.AutoPosAnzNachMehrPos = false;
            ChangeState(StateKlasse<TState_AufgPosAnzahl>());
        }
    } else if (FMaske->FModus == CZPMDEM_KuBe && FMaske->FOptionen.NachsortKube.HerkunftWaehlen)
        ChangeState(StateKlasse<TState_BelegHerkunft>());
    else if (FMaske->FModus == CZPMDEM_UmlagHL)
        Zurueck(FMaske, [&] { ChangeState(StateKlasse<TState_HLAnfoZielLOAuswahl>()); });
    else
        ChangeState(StateKlasse<TState_Filiale>());
}

void TState_Aufgabe::LWVerbotDict_AktDatenHinzu()
{
    TZAM_LaufwegVerbotDict* verbote = FMaske->Datentraeger_Get().Nachsort.LaufwegVerbotDict;
    TIntTrio quelle;
    if (!verbote || !Get_VonLagerplatz(-1, quelle))
        return;
    verbote->Verbieten({qRound64(GiveDouble(L::CPreis) * 100), GiveInt(L::CGrInd), GiveInt32Trio(L::CProduktId)},
                       quelle);
}

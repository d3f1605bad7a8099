#include "TState_Kommissionierbehaelter.h"

#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TState_Aufgabe.h"
#include "TState_HLAnfoGrund.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMUtils.h"

bool TState_Kommissionierbehaelter::NurVersandbereitstellung() const
{
    const qint16 filiale = FMaske->Datentraeger_Get().Nachsort.FilNummer;
    return FMaske->FModus == CZPMDEM_KuBe && filiale > 0 && DM_Torvik->GetAktLagerFilialen().contains(filiale);
}

bool TState_Kommissionierbehaelter::Passt()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
    const int lager = DM_Torvik->FAktLager;
    const qint16 filiale = d.Nachsort.FilNummer;
    if (!kb.Kommissionierbehaelter.Defined() || kb.KomBehVonLag != lager)
        return false;
    if (filiale < 1 ? kb.KomBehAnLag != lager : kb.KomBehAnFil != filiale)
        return false;
    if (kb.Kommissionierbehaelter == CMaxIntTrio && (FMaske->FModus == CZPMDEM_KuBe || PutawayZurBearbeitung()))
        return false;
    if (kb.KomBehBehaelter && FMaske->FModus == CZPMDEM_FilNachsort &&
        (FMaske->FOptionen.Nachsort.SofortvollzugOhneWBS || DM_Torvik->FilialeBenachbartZuLager(filiale)))
        return false;
    if (kb.KomBehBehaelter && !kb.KomBehSelbstGesperrt) {
        bool gesperrt = false;
        QString meldung;
        if (!DM_Torvik->Behaelter_pruefen(kb.Kommissionierbehaelter, filiale, d.Nachsort.LagNummer, false, true,
                                          gesperrt, meldung))
            return false;
        kb.KomBehSelbstGesperrt = gesperrt;
    }
    return true;
}

void TState_Kommissionierbehaelter::Laden()
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const int lager = DM_Torvik->FAktLager;
    const qint16 filiale = d.Nachsort.FilNummer;
    FVBS.clear();
    FBehaelter.clear();
    IZAM_LagerEditServer* orte = DM_Torvik->LagerEditServer_GoC();
    if (filiale < 1)
        orte->VBSListe_Laden(lager, -1, lager);
    else
        orte->VBSListe_Laden(lager, filiale, -1);
    const TVRList& vbs = orte->VBSListe();
    for (int r = 0; r < vbs.GetRowCount(); ++r)
        FVBS << qMakePair(TIntTrio::FromText(vbs.GetCellValueAsString(r, orte->VBSListe_SpalteId())),
                          vbs.GetCellValueAsString(r, orte->VBSListe_SpalteName()));
    FBehaelter = DM_Torvik->LagerBewegungEditServer_GoC()->Behaelter_4_Ziel(lager, filiale);
}

void TState_Kommissionierbehaelter::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    enum
    {
        Waehlen,
        Weitergehen,
        Pseudo,
        Bereitstellung
    } ergebnis = Waehlen;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Kommissionierbehaelter.Vor_Anfang", [&] {
        const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const qint16 filiale = d.Nachsort.FilNummer;
        if (Passt()) {
            ergebnis = Weitergehen;
            return;
        }
        const bool ohneWBS = FMaske->FOptionen.Nachsort.SofortvollzugOhneWBS ||
                             (filiale > 0 && DM_Torvik->FilialeBenachbartZuLager(filiale));
        TZAM_Filiale f;
        IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();
        if (ohneWBS && FMaske->FModus != CZPMDEM_KuBe && !PutawayZurBearbeitung() && filiale > 0 && tabelle &&
            tabelle->Filiale(filiale, f) && !f.LVBenutzen) {
            ergebnis = Pseudo;
            return;
        }
        Laden();
        const bool behaelterErlaubt = filiale >= 1 ? FMaske->FOptionen.NachsortAllg.KommBehErlaubt
                                                   : FMaske->FOptionen.NachsortAllg.KommBehErlaubtVersand;
        if (!FVBS.isEmpty() && behaelterErlaubt)
            ergebnis = Waehlen;
        else if (FVBS.size() == 1 && FBehaelter.isEmpty())
            ergebnis = Bereitstellung;
    });
    switch (ergebnis) {
    case Waehlen:
        return;
    case Weitergehen:
        AWeiter = false;
        Weiter();
        return;
    case Pseudo:
        AWeiter = false;
        Kommissionierbehaelter_gefunden(CMaxIntTrio, QStringLiteral("Ohne WBS"), false);
        return;
    case Bereitstellung:
        AWeiter = false;
        Kommissionierbehaelter_gefunden(FVBS.first().first, FVBS.first().second, false);
        return;
    }
}

void TState_Kommissionierbehaelter::StateAnfangVariablenClear()
{
    FMaske->Datentraeger_Get().Paketversand.QuellId = TIntTrio();
}

void TState_Kommissionierbehaelter::StateAnfangMaskeMalen()
{
    if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
        FMaske->vtVRList->VRList_Set(nullptr);
    FVRListe = std::make_unique<TVRList>();
    FVRListe->ColumnAdd(QStringLiteral("Lagerorte"), vrtString, 200);
    FVRListe->ColumnAdd(QStringLiteral("Id"), vrtIntTrio, 80, false);
    FVRListe->ColumnAdd(QStringLiteral("Behälter"), vrtBoolean, 40, false);
    auto zeile = [this](const TIntTrio& AId, const QString& AName, bool ABehaelter) {
        TVRArray z = FVRListe->VRArray_ForRowAdd_Generate();
        String2VRItem(AName, z[CSpalteName]);
        IntTrio2VRItem(AId, z[CSpalteId]);
        Boolean2VRItem(ABehaelter, z[CSpalteBehaelter]);
        FVRListe->RowAdd(std::move(z));
    };
    for (const auto& v : FVBS)
        zeile(v.first, v.second, false);
    for (const TZAM_BehaelterFuerZiel& b : FBehaelter)
        zeile(b.Id, b.Name, true);
    FMaske->vtVRList->VRList_Set(FVRListe.get());
}

QString TState_Kommissionierbehaelter::Caption_Get()
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    QString caption;
    if (FMaske->FModus == CZPMDEM_UmlagHL)
        caption = TState_HLAnfoGrund::GrundBezeichnung(d.UmlagerungHandlager.HLAnfoGrundId);
    else if (d.Nachsort.FilNummer < 1)
        caption = QStringLiteral("Lager %1").arg(DM_Torvik->FAktLager);
    else
        caption = QStringLiteral("Filiale %1").arg(d.Nachsort.FilNummer);
    auto* aufgabe = static_cast<TState_Aufgabe*>(FMaske->GiveState(StateKlasse<TState_Aufgabe>()));
    if (aufgabe && aufgabe->Liste())
        caption += QStringLiteral(", Aufgabe %1 von %2").arg(aufgabe->FAufgabenIdx).arg(aufgabe->ZeilenAnzahl());
    return caption;
}

QString TState_Kommissionierbehaelter::FussTip(bool& ALang)
{
    ALang = true;
    return NurVersandbereitstellung() ? QStringLiteral("Bitte scannen Sie einen Lagerplatz der Versandbereitstellung!")
                                      : QStringLiteral("Kommissionierbehälter / VBS scannen oder wählen!");
}

void TState_Kommissionierbehaelter::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Kommissionierbehaelter.Gescannt", [&] {
        TQIV_Umsetzen_Optionen optionen;
        optionen.Stumm = true;
        optionen.KeineGecachtenInfos = true;
        TZAM_Lagerort_Info info;
        if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, info, optionen)) {
            Warnung_Anzeigen();
            return;
        }
        Pruefen_Und_Uebernehmen(info.LagerortId, info.AnzeigeName(), info.Kennung == CZAM_Lagerort_Behaelter,
                                info.Bereich);
    });
}

void TState_Kommissionierbehaelter::vtVRListColumnNodeClick(int, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Kommissionierbehaelter.vtVRListColumnNodeClick", [&] {
        if (!FVRListe || ANode.Row < 0 || ANode.Row >= FVRListe->GetRowCount())
            return;
        const bool behaelter = FVRListe->GetCellValueAsBoolean(ANode.Row, CSpalteBehaelter);
        // The list's places are the staging places of the target.
        Pruefen_Und_Uebernehmen(FVRListe->GetCellValueAsIntTrio(ANode.Row, CSpalteId),
                                FVRListe->GetCellValueAsString(ANode.Row, CSpalteName), behaelter,
                                behaelter ? CZAM_Bereich_Lager : CZAM_Bereich_Versandbereitstellung);
    });
}

void TState_Kommissionierbehaelter::Pruefen_Und_Uebernehmen(const TIntTrio& AId, const QString& AName,
                                                            bool AIstBehaelter,
                                                            TZAM_Lager_Ausgezeichnete_Bereiche ABereich)
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const bool inListe = std::any_of(FVBS.cbegin(), FVBS.cend(), [&](const auto& v) { return v.first == AId; });
    const QString nichtVerfuegbar = QStringLiteral("Lagerplatz ist nicht verfügbar!");
    if (NurVersandbereitstellung()) {
        if (AIstBehaelter || ABereich != CZAM_Bereich_Versandbereitstellung || !inListe) {
            FussTipSet(nichtVerfuegbar, false, true);
            return;
        }
    } else if (!AIstBehaelter && !inListe) {
        FussTipSet(nichtVerfuegbar, false, true);
        return;
    }
    bool gesperrt = false;
    if (AIstBehaelter) {
        QString meldung;
        if (!DM_Torvik->Behaelter_pruefen(AId, d.Nachsort.FilNummer, d.Nachsort.LagNummer,
                                          d.KommBehWahl.ZuordnenVerboten, true, gesperrt, meldung)) {
            FussTipSet(meldung, true, true);
            return;
        }
    }
    Kommissionierbehaelter_gefunden(AId, AName, AIstBehaelter, gesperrt);
}

void TState_Kommissionierbehaelter::Kommissionierbehaelter_gefunden(const TIntTrio& AId, const QString& AName,
                                                                    bool AIstBehaelter, bool AGesperrt)
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
    const int lager = DM_Torvik->FAktLager;
    const qint16 filiale = d.Nachsort.FilNummer;
    bool eigeneSperre = AIstBehaelter && AGesperrt;
    if (kb.Kommissionierbehaelter == AId)
        eigeneSperre = eigeneSperre || (AIstBehaelter && kb.KomBehSelbstGesperrt);
    else
        Eigenen_Kommissionierbehaelter_entsperren(); // the one before is no longer worked
    kb.Kommissionierbehaelter = AId;
    kb.KomBehVonLag = lager;
    kb.KomBehAnFil = filiale < 1 ? qint16(-1) : filiale;
    kb.KomBehAnLag = filiale < 1 ? lager : -1;
    kb.KomBehBez = AName;
    kb.KomBehBehaelter = AIstBehaelter;
    kb.KomBehSelbstGesperrt = eigeneSperre;
    d.Paketversand.QuellId = TIntTrio();
    if (AIstBehaelter) {
        IZAM_LagerBewegungEditServer* bewegung = DM_Torvik->LagerBewegungEditServer_GoC();
        TZAM_Lager_Gitterwagen_Zuordnungsdaten daten;
        bewegung->Behaelter_Zuordnung_Lesen(AId, daten);
        if (daten.Filiale < 0 && daten.Lager <= 0)
            // To the branch (no warehouse: the container check compares the warehouse of a branch
            // target, 0), or to the warehouse without branch.
            bewegung->Behaelter_Zuordnen(AId, filiale < 1 ? -1 : filiale, filiale < 1 ? lager : -1);
    }
    Weiter();
}

void TState_Kommissionierbehaelter::Weiter()
{
    const TQIV_ZPMDE_States& states = FMaske->Datentraeger_Get().Nachsort.KommBehWahlStates;
    const TStateKlasse* weiter = states.WeiterState;
    if (!weiter)
        return;
    ChangeState(weiter);
    // The putaway's target list takes the container as if it had been scanned there; without
    // picking container ("Ohne WBS") the worker scans the place himself.
    if (states.ScanAnWeiter && FMaske->Datentraeger_Get().Nachsort.KommBeh.Kommissionierbehaelter != CMaxIntTrio) {
        TZAM_UmgesetztUArtikelScanDaten leer;
        FMaske->GiveState(weiter)->Gescannt(
            zam_TIntTrio2String(FMaske->Datentraeger_Get().Nachsort.KommBeh.Kommissionierbehaelter) +
                QStringLiteral("00000"),
            leer);
    }
}

bool TState_Kommissionierbehaelter::PutawayZurBearbeitung() const
{
    return FMaske->FModus == CZPMDEM_Einlagerung &&
           FMaske->Datentraeger_Get().Einlagerung.Ziel == bmzFAFuerBearbeitung;
}

void TState_Kommissionierbehaelter::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Kommissionierbehaelter.btnZurueckClick", [&] {
        const TStateKlasse* zurueck = FMaske->Datentraeger_Get().Nachsort.KommBehWahlStates.ZurueckState;
        FMaske->Zurueck_Set(true);
        ChangeState(zurueck ? zurueck : StateKlasse<TState_Aufgabe>());
        FMaske->Zurueck_Set(false);
    });
}

void TState_Kommissionierbehaelter::Eigenen_Kommissionierbehaelter_entsperren()
{
    TZAM_Hausregel::OhneBusy("TState_Kommissionierbehaelter.Eigenen_Kommissionierbehaelter_entsperren", [&] {
        TQIV_ZPMDE_Nachsort_KomBeh& kb = FMaske->Datentraeger_Get().Nachsort.KommBeh;
        if (!kb.KomBehBehaelter || !kb.KomBehSelbstGesperrt)
            return;
        kb.KomBehSelbstGesperrt = false;
        DM_Torvik->LagerEditServer_GoC()->Behaelter_Entsperren(kb.Kommissionierbehaelter);
    });
}

void TState_Kommissionierbehaelter::Init_Und_entsperren_Nachsort_KomBeh()
{
    Eigenen_Kommissionierbehaelter_entsperren();
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    d.Nachsort.KommBeh = TQIV_ZPMDE_Nachsort_KomBeh();
    d.Paketversand.QuellId = TIntTrio();
}

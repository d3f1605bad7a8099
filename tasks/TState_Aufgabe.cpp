#include "TState_Aufgabe.h"

#include "EZAM_Exception.h"
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_NachsortFilter.h"
#include "TQIV_Wartemaske.h"
#include "TQIV_ZurueckModus.h"
#include "TState_HLAnfoGrund.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_VonPlatzScan.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

namespace L = TQIV_AufgabenLagerListe;

TState_Aufgabe::TState_Aufgabe(TfrmMDE* AMaske) : TAbstractVRListState(AMaske) {}

TState_Aufgabe::~TState_Aufgabe()
{
    TZAM_Hausregel::Zerstoeren("TState_Aufgabe.Destroy", [&] { Aufgabe_Entsperren_Und_StatusRuecksetzen(); });
}

bool TState_Aufgabe::WagenModus() const
{
    return FMaske->FModus == CZPMDEM_KuBe && FMaske->Datentraeger_Get().Kundenbestellung.PosAnzahl == bpaWagen;
}

void TState_Aufgabe::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    AWeiter = false;
    bool leer = false;
    // The engine enters the list also from inside one of its own handlers (a row tapped whose task
    // another handheld locked first): no busy test here.
    TZAM_Hausregel::OhneBusy("TState_Aufgabe.Vor_Anfang", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (d.LagerInfo.ReturnToState == StateKlasse<TState_Aufgabe>())
            d.LagerInfo.ReturnToState = nullptr;
        TQIV_Wartemaske warten(FMaske, QStringLiteral("Aufgaben werden vorbereitet."));
        if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
            FMaske->vtVRList->VRList_Set(nullptr);
        if (FVRListe)
            FVRListe->RowsClear();
        Laden();
        AWeiter = d.Nachsort.AufgabenVRListe_Verweis && d.Nachsort.AufgabenVRListe_Verweis->GetRowCount() > 0;
        leer = !AWeiter;
    });
    if (leer)
        ChangeStateZurueck_Oder_ProgrammBeenden(true, false);
}

void TState_Aufgabe::Laden()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    TQIV_Aufgaben_Suchkriterien_Options o = TQIV_NachsortFilter::Optionen(*FMaske, TQIV_NachsortFilter::fsDatum);
    if (FMaske->FModus == CZPMDEM_KuBe)
        o.BNEVorgTypSet = TQIV_NachsortFilter::VorgangsTypen(*FMaske, true);
    else if (FMaske->FModus == CZPMDEM_UmlagHL) {
        o.ZusatzIds = {d.UmlagerungHandlager.HLAnfoGrundId};
        o.LagerortAnId = d.UmlagerungHandlager.ZielLagerortId;
    }
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);

    if (FMaske->FModus == CZPMDEM_KuBe) {
        const auto& kb = d.Kundenbestellung;
        auto ids = [&k](const auto& AListe) {
            for (const auto& e : AListe)
                if constexpr (std::is_same_v<std::decay_t<decltype(e)>, TIntTrio>)
                    k.AufgabenIds << e;
                else
                    k.AufgabenIds << e.first;
        };
        switch (kb.PosAnzahl) {
        case bpaEine:
            if (kb.EinPosBestList)
                ids(*kb.EinPosBestList);
            break;
        case bpaImLager:
            if (kb.KomplettImLagerList)
                ids(*kb.KomplettImLagerList);
            break;
        case bpaMehrere:
            if (kb.BelegId.Defined())
                k.BelegId = kb.BelegId;
            else if (!kb.ExBIBelegId.isEmpty())
                k.ExtAuftragsKey = kb.ExBIBelegId;
            else if (kb.MehrPosBestList)
                ids(*kb.MehrPosBestList);
            break;
        case bpaWagen:
            if (kb.WagenBestSammelList)
                ids(*kb.WagenBestSammelList);
            break;
        default:
            break;
        }
    }

    TQIV_Wartemaske warten(FMaske, QStringLiteral("Aufgaben werden geladen."));
    bool artikel = false, groesse = false;
    for (int s : FMaske->FOptionen.Nachsort.ListeSpalten) {
        artikel |= (s >= 13 && s <= 19) || s == 43 || s == 45 || s == 46 || s == 53 || (s >= 55 && s <= 62) ||
                   s == 64 || (s >= 70 && s <= 78);
        groesse |= s == 21 || s == 22 || (s >= 80 && s <= 82);
    }
    const bool verbote = d.Nachsort.LaufwegVerbotDict && !d.Nachsort.LaufwegVerbotDict->IsEmpty();
    const TQIVAufgabenlisteLaden_Options laden =
        TQIVAufgabenlisteLaden_Options::Schalter(false, true, artikel, groesse, verbote);
    IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_GoC();
    if (TQIV_NachsortFilter::WhitelistAktiv(*FMaske) && d.Kundenbestellung.ZulaessigeAufgabenIds)
        DM_Torvik->Aufgabenliste_Laden_MitWhitelist(server, k, *d.Kundenbestellung.ZulaessigeAufgabenIds, laden);
    else
        server->Aufgabenliste_Laden(k, laden);
    d.Nachsort.AufgabenVRListe_Verweis = &server->AufgabenVRListe();
}

void TState_Aufgabe::StateAnfangVariablenClear()
{
    FAufgabenIdx = -1;
    FLagerplatzGescannt = false;
}

void TState_Aufgabe::StateAnfangMaskeMalen()
{
    TQIV_Wartemaske warten(FMaske, QStringLiteral("Aufgaben werden angezeigt."));
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
    DoAufgabenListe_2_AufgabenLagerListe(-1);
    L::Aufgabenliste_Shorten_Captions(*FVRListe);
    const bool wagen = WagenModus();
    if (wagen && d.Kundenbestellung.WagenBestSammelList && d.Kundenbestellung.WagenBestSammelList->isEmpty())
        VRListe_an_AufWagenPassendeAufgaben_Anpassen();
    FMaske->vtVRList->VRList_Set(FVRListe.get());
    L::SpaltenKonfiguration_2_Aufgabenliste(*FMaske->vtVRList, *FVRListe, FMaske->FOptionen.Nachsort.ListeSpalten);
    SichtbarkeitAnwenden();
    const bool wagenLeer =
        wagen && (!d.Kundenbestellung.WagenBestSammelList || d.Kundenbestellung.WagenBestSammelList->isEmpty());
    if (!wagenLeer) {
        for (int r = 0; FAktAufgId.Defined() && r < ZeilenAnzahl(); ++r)
            if (GiveIntTrio(L::CAufgabenId, r) == FAktAufgId) {
                FAufgabenIdx = r;
                FMaske->vtVRList->SetFocusedNode({r, -1});
                FMaske->vtVRList->scrollTo(FMaske->vtVRList->currentIndex());
                break;
            }
        return;
    }
    QString laufweg;
    for (const TZAM_Laufweg& w : DM_Torvik->WegeOptEditServer_GoC()->Laufwege_4_Lager(DM_Torvik->FAktLager))
        if (w.Id == d.Nachsort.LaufwegID)
            laufweg = w.Name;
    const QString text =
        QStringLiteral("Es gibt aktuell keine Aufgaben,\r\nim Laufweg\r\n%1\r\ndie eine Bestellung\r\n"
                       "%2vollständig auslieferungsfertig\r\nmachen würden.")
            .arg(laufweg, FMaske->FOptionen.NachsortKube.EinPosFuerWagen ? QString()
                                                                         : QStringLiteral("mit mehreren Aufgaben\r\n"));
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(text, false, [this](TZAM_TriState_Enum, bool) {
        TZAM_Hausregel::OhneBusy("TState_Aufgabe.WagenLeerCallback",
                                 [&] { ChangeStateZurueck_Oder_ProgrammBeenden(true, false); });
    }));
}

void TState_Aufgabe::SichtbarkeitAnwenden()
{
    if (!FVRListe || FMaske->vtVRList->VRList_Get() != FVRListe.get())
        return;
    L::Aufgabenliste_Zeilen_unsichtbar_schalten(
        *FMaske->vtVRList, *FVRListe, WagenModus() ? azNurMitLP : FAufg_ohne_LP_anzeigen, &FSichtbareImLaufweg);
    FMaske->vtVRList->Refresh();
}

void TState_Aufgabe::ButtonsSchalten_Speziell()
{
    // The container-info and goods-slip buttons of the list stay hidden (the screen's default).
    if (auto* b = FMaske->findChild<QWidget*>(QStringLiteral("btnVRListeAktualisieren")))
        b->setVisible(true);
}

QString TState_Aufgabe::Caption_Get()
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const int anzahl = ZeilenAnzahl();
    if (FMaske->FModus == CZPMDEM_UmlagHL)
        return QStringLiteral("%1, %2 Aufgaben")
            .arg(TState_HLAnfoGrund::GrundBezeichnung(d.UmlagerungHandlager.HLAnfoGrundId))
            .arg(anzahl);
    if (d.Nachsort.FilNummer <= 0)
        return QStringLiteral("Lager %1, %2 Aufgaben").arg(DM_Torvik->FAktLager).arg(anzahl);
    return QStringLiteral("Filiale %1, %2 Aufgaben").arg(d.Nachsort.FilNummer).arg(anzahl);
}

QString TState_Aufgabe::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie eine Aufgabe!");
}

void TState_Aufgabe::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Aufgabe.btnZurueckClick", [&] {
        FAktAufgId = TIntTrio();
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeStateZurueck_Oder_ProgrammBeenden(true, false);
    });
}

void TState_Aufgabe::vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Aufgabe.vtVRListColumnNodeClick", [&] {
        if (ANode.Row < 0 || ANode.Row >= ZeilenAnzahl())
            return;
        bool weg = false;
        if (!CheckAufgabe(ANode.Row, false, weg)) {
            FussTipSet(QStringLiteral("Diese Aufgabe wurde bereits bearbeitet!"), false, true);
            return;
        }
        Waehlen(ANode.Row, false);
    });
}

void TState_Aufgabe::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Aufgabe.Gescannt", [&] {
        if (AText.length() != 22) {
            Warnung_Anzeigen();
            return;
        }
        const TIntTrio quelle = zam_String2TIntTrio(AText.left(17));
        for (int r = 0; r < ZeilenAnzahl(); ++r) {
            TIntTrio id;
            if (!Aktiv(r) || !Get_VonLagerplatz(r, id) || id != quelle)
                continue;
            bool weg = false;
            if (!CheckAufgabe(r, false, weg))
                break;
            Waehlen(r, true);
            return;
        }
        Warnung_Anzeigen();
    });
}

void TState_Aufgabe::Waehlen(int AZeile, bool AGescannt)
{
    FAufgabenIdx = AZeile;
    FAktAufgId = GiveIntTrio(L::CAufgabenId);
    if (AGescannt)
        FLagerplatzGescannt = true;
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    if (FMaske->FModus == CZPMDEM_UmlagHL) {
        d.Nachsort.KommBehWahlStates = {};
        ChangeState(StateKlasse<TState_VonPlatzScan>());
    } else {
        d.Nachsort.KommBehWahlStates = {StateKlasse<TState_Aufgabe>(), StateKlasse<TState_VonPlatzScan>()};
        ChangeState(StateKlasse<TState_Kommissionierbehaelter>());
    }
}

void TState_Aufgabe::AufgOhneLP()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Aufgabe.AufgOhneLP", [&] {
        if (WagenModus())
            return;
        FAufg_ohne_LP_anzeigen = FAufg_ohne_LP_anzeigen == azNurMitLP          ? azNurMitLPOderBeh
                                 : FAufg_ohne_LP_anzeigen == azNurMitLPOderBeh ? azAlle
                                                                               : azNurMitLP;
        SichtbarkeitAnwenden();
    });
}

void TState_Aufgabe::btnVRListAktualisierenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Aufgabe.btnVRListAktualisierenClick", [&] {
        Laden();
        if (FMaske->Datentraeger_Get().Nachsort.AufgabenVRListe_Verweis->GetRowCount() == 0) {
            ChangeStateZurueck_Oder_ProgrammBeenden(true, false);
            return;
        }
        StateAnfangMaskeMalen();
        FMaske->HeaderCaption_Set(Caption_Get());
    });
}

TQIV_ZeilenArt TState_Aufgabe::ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler)
{
    const int laufwegSpalte = AListe.GetColumnCount() - 2;
    auto markiert = [&](int r) {
        return !AListe.GetCellValueAsIntTrio(r, L::CLagerortId).Defined() ||
               AListe.GetCellValueAsInteger(r, laufwegSpalte) >= CZAM_LaufwegPos_AusserhalbLaufweg;
    };
    // The view may still show another state's list while this state is entered.
    if (&AListe != FVRListe.get() || laufwegSpalte < 0 || AZeile >= AListe.GetRowCount() || !markiert(AZeile))
        return TAbstractVRListState::ZeilenArt(AListe, AZeile, ASichtbarDarueber, AZaehler);
    AZaehler = 0;
    for (int r = 0; r <= AZeile; ++r)
        AZaehler += markiert(r) ? 1 : 0;
    return zaMarkiert;
}

QString TState_Aufgabe::ZeilenZusatz(const TVRList& AListe, int AZeile)
{
    const int laufwegSpalte = AListe.GetColumnCount() - 2;
    if (laufwegSpalte < 0 || &AListe != FVRListe.get())
        return {};
    return QStringLiteral("Weg %1, %2")
        .arg(AListe.GetCellValueAsInteger(AZeile, laufwegSpalte))
        .arg(AListe.GetCellValueAsBoolean(AZeile, laufwegSpalte + 1) ? QStringLiteral("aktiv")
                                                                     : QStringLiteral("erledigt"));
}

void TState_Aufgabe::DoAufgabenListe_2_AufgabenLagerListe(int AStartZeile)
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const QList<TIntTrio> plaetze = DM_Torvik->WegeOptEditServer_GoC()->Laufweg_Lagerorte(d.Nachsort.LaufwegID);
    if (plaetze.isEmpty() || !d.Nachsort.AufgabenVRListe_Verweis)
        throw EZAM_Exception(TInfoKoord{QStringLiteral("LAGER"), 1123}, QString(),
                             QStringLiteral("TState_Aufgabe.DoAufgabenListe_2_AufgabenLagerListe"));
    L::AufgabenListe_2_AufgabenLagerListe(
        FVRListe, FMaske->FOptionen.Nachsort.Sortierung, FMaske->FOptionen.NachsortAllg.NurLOImLaufweg || WagenModus(),
        AStartZeile, *d.Nachsort.AufgabenVRListe_Verweis, FColIdxActiv, d.Nachsort.LaufwegVerbotDict, plaetze);
}

void TState_Aufgabe::LetzteDatenLeeren()
{
    FLetzterLagerplatz = TIntTrio();
    FLetzteProduktId = TInt32Trio();
    FLetzterGroeInd0 = 255;
    FLetzteAufgId = TIntTrio();
}

bool TState_Aufgabe::Aktiv(int AZeile) const
{
    return FVRListe && FColIdxActiv >= 0 && FVRListe->GetCellValueAsBoolean(AZeile, FColIdxActiv);
}

void TState_Aufgabe::AktivSetzen(int AZeile, bool AAktiv)
{
    TVRItem i(vrtBoolean);
    i.Setzen(vrtBoolean, AAktiv);
    FVRListe->SetCellValue(AZeile, FColIdxActiv, i);
}

bool TState_Aufgabe::Get_VonLagerplatz(int AZeile, TIntTrio& AId)
{
    AId = GiveIntTrio(L::CBehaelterId, AZeile);
    if (!AId.Defined())
        AId = GiveIntTrio(L::CLagerortId, AZeile);
    return AId.Defined();
}

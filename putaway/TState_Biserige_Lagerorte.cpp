#include "TState_Biserige_Lagerorte.h"

#include "Einlagerungsliste.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "Lagerort_Zulaessig.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_WerkstattMani.h"
#include "TState_ArtikelWahl.h"
#include "TState_Einlagerung_FilialWahl.h"
#include "TState_EinwegBehaelter.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_KundenVBS.h"
#include "TState_ZielLagerorte.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

namespace E = TQIV_Einlagerung;

void TState_Biserige_Lagerorte::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    bool weg = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Biserige_Lagerorte.Vor_Anfang", [&] {
        auto& e = FMaske->Datentraeger_Get().Einlagerung;
        e.KundenVBSAlsAnLPOK = false;
        e.BehaelterAlsAnLPOK = false;
        e.PersoAuswahlForce = paUnbekannt;
        FMaske->vtVRList->OptionSetzen(CVTVRList_MehrfachAuswahl, false);
        weg = Routing();
    });
    if (weg)
        AWeiter = false;
}

bool TState_Biserige_Lagerorte::Routing()
{
    auto& d = FMaske->Datentraeger_Get();
    auto& e = d.Einlagerung;
    const int lager = DM_Torvik->FAktLager;
    const bool zurueck = FMaske->Zurueck_Get();
    const TStateKlasse* ziel = nullptr;
    QString scan;
    const auto einweg = [&] {
        e.PersoAuswahlForce = paBearbeitung;
        ziel = StateKlasse<TState_EinwegBehaelter>();
    };
    if ((e.Personalisiert == paVersand || e.Personalisiert == paFAFuerKunde) && E::WBSOderWEAvis(d)) {
        const int b =
            DM_Torvik->WerkstattMani_GoC()->BearbeitungsFiliale_4_Beleg(e.EinExtVerweis.Id, e.EinExtVerweis.Nummer);
        const bool n =
            DM_Torvik->ZielfilialeEchtBenachbartZuTSPlusLagerFiliale(e.PersoZielFiliale, e.EinlagerungsInfo.AnFiliale);
        if (E::FilialeDesLagers(b) || n) {
            if (!DM_Torvik->BearbVorbereitungVorhanden(lager))
                einweg();
            else if (!E::FilialeDesLagers(b))
                return false;
            else
                ziel = StateKlasse<TState_KundenVBS>();
        } else if (e.PersoZielFiliale == e.EinlagerungsInfo.AnFiliale) {
            TIntTrio vbs;
            QString name;
            if (!DM_Torvik->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(vbs, name))
                return false;
            scan = E::ScanText(vbs);
        } else {
            d.Nachsort.FilNummer = e.PersoZielFiliale;
            d.Nachsort.KommBehWahlStates = {StateKlasse<TState_ArtikelWahl>(), StateKlasse<TState_ZielLagerorte>(),
                                            true};
            ziel = StateKlasse<TState_Kommissionierbehaelter>();
        }
    } else if (e.Personalisiert == paBearbeitung) {
        const QList<TZAM_Lagerort_Info> plaetze =
            DM_Torvik->LagerEditServer_GoC()->Lagerorte_4_Bereich(lager, CZAM_Bereich_BearbVorbereitung);
        if (plaetze.size() > 1)
            return false;
        if (plaetze.size() == 1)
            scan = E::ScanText(plaetze.first().LagerortId);
        else
            einweg();
    } else {
        return false;
    }
    if (zurueck) {
        Zuordnungen_Leerer_Ziele_Loeschen();
        Zurueck();
        return true;
    }
    if (!ziel)
        return LagerortScan(scan);
    ChangeState(ziel);
    return true;
}

void TState_Biserige_Lagerorte::Zuordnungen_Leerer_Ziele_Loeschen()
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    QList<TIntTrio> ziele;
    const TZAM_Lagervorrichtung& vbs =
        static_cast<TState_KundenVBS*>(FMaske->GiveState(StateKlasse<TState_KundenVBS>()))->FKundenVBS;
    ziele << vbs.Id;
    TZAM_Behaelter behaelter;
    QString vater;
    if (e.EinExtVerweis.Defined() &&
        DM_Torvik->Behaelter_Exists_4_ExtVerweis(e.EinExtVerweis, e.EinVerfKombiId, bhsOffen, behaelter, vater))
        ziele << behaelter.Id;
    for (const TIntTrio& ort : std::as_const(ziele))
        if (ort.Defined() && !bewegung.Lagerort_HatBestand(ort))
            DM_Torvik->LVLZMani_GoC()->Lagerort_Verweis_Loeschen(ort);
}

void TState_Biserige_Lagerorte::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_Biserige_Lagerorte.StateAnfangMaskeMalen", [&] {
        if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
            FMaske->vtVRList->VRList_Set(nullptr);
        FVRListe = BisherigeLagerorteAnzeigen(FMaske->Datentraeger_Get().Einlagerung.EinlagerungsInfo.ProduktId,
                                              DM_Torvik->FAktLager);
        const TVTVRListUpdate update(FMaske->vtVRList);
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        FMaske->vtVRList->VRList_Set(FVRListe.get());
        FMaske->vtVRList->SpaltenReihenfolge_Set({3, 10, 5});
    });
}

QString TState_Biserige_Lagerorte::Caption_Get()
{
    const auto& d = FMaske->Datentraeger_Get();
    if (d.Versandhilfe.AusVersandhilfe)
        return QStringLiteral("Einlagerung: Bisherige Lagerorte");
    return QStringLiteral("Bisherige Lagerorte: ") + E::ArtikelText(FMaske, d.Einlagerung.EinlagerungsInfo.ProduktId);
}

QString TState_Biserige_Lagerorte::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie den Lagerplatz auf den Sie den Artikel einlagern wollen!");
}

void TState_Biserige_Lagerorte::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Biserige_Lagerorte.Gescannt", [&] { LagerortScan(AText); });
}

bool TState_Biserige_Lagerorte::LagerortScan(const QString& AText)
{
    Warnung_Ruecksetzen();
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TZAM_Lagerort_Info info;
    if (!E::Lagerort_Umsetzen(this, AText, info, QStringLiteral("Unbekannter Barcode!"), false))
        return false;
    QString meldung;
    if (!Lagerort_Zulaessig(info, e.Personalisiert, e.PersoZielFiliale, meldung, e.BehaelterAlsAnLPOK,
                            e.KundenVBSAlsAnLPOK)) {
        FussTipSet(meldung, true, true);
        return false;
    }
    ChangeState(StateKlasse<TState_ZielLagerorte>());
    TZAM_UmgesetztUArtikelScanDaten leer;
    FMaske->GiveState(StateKlasse<TState_ZielLagerorte>())->Gescannt(AText, leer);
    return true;
}

void TState_Biserige_Lagerorte::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Biserige_Lagerorte.btnZurueckClick", [&] { Zurueck(); });
}

void TState_Biserige_Lagerorte::Zurueck()
{
    const auto& d = FMaske->Datentraeger_Get();
    if (d.Versandhilfe.AusVersandhilfe)
        FehlerRaise(QStringLiteral("TState_Biserige_Lagerorte.btnZurueckClick"),
                    CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("TState_EinlagerungVersandhilfe"));
    const auto* artikel = static_cast<TState_ArtikelWahl*>(FMaske->GiveState(StateKlasse<TState_ArtikelWahl>()));
    FMaske->Zurueck_Set(true);
    ChangeState(!E::AusWEPlatz(d) && artikel->Zeilen() >= 2 ? StateKlasse<TState_ArtikelWahl>()
                                                            : StateKlasse<TState_Einlagerung_FilialWahl>());
    FMaske->Zurueck_Set(false);
}

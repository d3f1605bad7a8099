#include "TState_GesamtEinlagerung_LagerortScan.h"

#include "EZAM_Exception.h"
#include "Lagerort_Zulaessig.h"
#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Wartemaske.h"
#include "TState_Einlagerung_FilialWahl.h"
#include "TState_EinwegBehaelter.h"
#include "TState_GesamtEinlagerung_VorBuchen.h"
#include "TVRList.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"

namespace E = TQIV_Einlagerung;

TState_GesamtEinlagerung_LagerortScan::TState_GesamtEinlagerung_LagerortScan(TfrmMDE* AMaske)
    : TAbstractMultipurposePanelState(AMaske)
{
}

TState_GesamtEinlagerung_LagerortScan::~TState_GesamtEinlagerung_LagerortScan()
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    if (e.Gesamt_VRListe == FGesamtListe.get())
        e.Gesamt_VRListe = nullptr;
}

QString TState_GesamtEinlagerung_LagerortScan::KindText(TfrmMDE* AMaske)
{
    switch (AMaske->Datentraeger_Get().Einlagerung.Personalisiert) {
    case paVersand:
        return QStringLiteral("Versand an den Kunden");
    case paFAFuerKunde:
        return QStringLiteral("Filialaustausch für Kunden");
    case paBearbeitung:
        return QStringLiteral("Bearbeitung von Ware");
    default:
        return QStringLiteral("Einlagerung ins Lager");
    }
}

QString TState_GesamtEinlagerung_LagerortScan::BelegZeile(TfrmMDE* AMaske)
{
    const auto& e = AMaske->Datentraeger_Get().Einlagerung;
    return e.WBSID.Defined() ? QStringLiteral("WBS ") + e.WBSID.ToText() : QStringLiteral("FR ") + e.Fremdnummer;
}

void TState_GesamtEinlagerung_LagerortScan::Vor_Anfang(bool& AWeiter)
{
    TAbstractMultipurposePanelState::Vor_Anfang(AWeiter);
    bool weg = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_GesamtEinlagerung_LagerortScan.Vor_Anfang", [&] {
        if (FMaske->Zurueck_Get())
            return;
        weg = Vorbelegen();
    });
    if (weg)
        AWeiter = false;
}

bool TState_GesamtEinlagerung_LagerortScan::Vorbelegen()
{
    auto& d = FMaske->Datentraeger_Get();
    auto& e = d.Einlagerung;
    if (!E::WBSOderFremdnr(d))
        throw EZAM_Exception::Text(QStringLiteral("TState_GesamtEinlagerung_LagerortScan.Vor_Anfang: WBS-ID leer!"));
    FEinwegBId.Clear();
    e.Gesamt_An_Lagerplatz.Clear();
    {
        const TQIV_Wartemaske warten(FMaske, QStringLiteral("WBS wird analysiert."));
        e.Personalisiert = E::PersoAuswahl_4_Ziel(e.Ziel);
        e.PersoZielFiliale = -1;
        e.EinBelegId.Clear();
        e.EinExtVerweis.Clear();
        e.EinVerfKombiId.Clear();
        E::Bewegungen_Laden(FMaske, E::ArtenSet(e.Personalisiert));
        DM_Torvik->GruppierteBewegungsliste_Get(FGesamtListe, E::ArtikelGruppierung(e.Ziel), true);
        e.Gesamt_VRListe = FGesamtListe.get();
        for (int r = 0; FGesamtListe && r < FGesamtListe->GetRowCount(); ++r) {
            const TVRList* kinder = FGesamtListe->GetRowChild(r);
            if (!kinder || kinder->GetRowCount() == 0)
                continue;
            E::Verweis_Uebernehmen(FMaske, *FGesamtListe, r);
            break;
        }
    }
    TIntTrio ort;
    if (e.Personalisiert == paVersand && e.WBSID.Defined()) {
        QString name;
        if (!DM_Torvik->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(ort, name))
            return false;
    } else if (e.Ziel == bmzBearbeitung) {
        TZAM_Behaelter behaelter;
        QString vater;
        if (!e.EinExtVerweis.Defined() ||
            !DM_Torvik->Behaelter_Exists_4_ExtVerweis(e.EinExtVerweis, e.EinVerfKombiId, bhsOffen, behaelter, vater))
            return false;
        FEinwegBId = behaelter.Id;
        ort = behaelter.Id;
    } else {
        return false;
    }
    return Scan(E::ScanText(ort));
}

void TState_GesamtEinlagerung_LagerortScan::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    E::Zeile_Setzen(FMaske, zBehaelternameUnten, BelegZeile(FMaske));
    E::Zeile_Setzen(FMaske, zZielanzeigeOben, QStringLiteral("Ziellagerort"));
}

QString TState_GesamtEinlagerung_LagerortScan::Caption_Get()
{
    return KindText(FMaske);
}

QString TState_GesamtEinlagerung_LagerortScan::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie den Lagerplatz auf den Sie den WBS einlagern wollen!");
}

void TState_GesamtEinlagerung_LagerortScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_GesamtEinlagerung_LagerortScan.Gescannt", [&] { Scan(AText); });
}

bool TState_GesamtEinlagerung_LagerortScan::Scan(const QString& AText)
{
    Warnung_Ruecksetzen();
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TZAM_Lagerort_Info info;
    if (!E::Lagerort_Umsetzen(this, AText, info, QStringLiteral("Bitte scannen Sie den Ziellagerort!"), true))
        return false;
    if (e.Ziel == bmzBearbeitung) {
        if (FEinwegBId.Defined() && info.LagerortId != FEinwegBId) {
            FussTipSet(QStringLiteral("Bitte scannen Sie den angegebenen Behälter!"), true, true);
            return false;
        }
        const QList<int>& filialen = DM_Torvik->GetAktLagerFilialen();
        if (!FEinwegBId.Defined() &&
            !TState_EinwegBehaelter::EinwegBehaelter_Zuordnen(this, info, filialen.isEmpty() ? 0 : filialen.first()))
            return false;
    } else {
        QString meldung;
        if (!Lagerort_Zulaessig(info, e.Personalisiert, e.PersoZielFiliale, meldung, false, false)) {
            FussTipSet(meldung, true, true);
            return false;
        }
    }
    e.Gesamt_An_Lagerplatz = info.LagerortId;
    ChangeState(StateKlasse<TState_GesamtEinlagerung_VorBuchen>());
    return true;
}

void TState_GesamtEinlagerung_LagerortScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_GesamtEinlagerung_LagerortScan.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
        FMaske->Zurueck_Set(false);
    });
}

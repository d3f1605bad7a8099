#include "TState_GesamtEinlagerung_VorBuchen.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "IZAM_Info.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TState_GesamtEinlagerung_LagerortScan.h"
#include "TState_ZielWahl.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"
#include "ZAMGlobal.h"

namespace E = TQIV_Einlagerung;

namespace {
constexpr int COperationsArt = 68;
const QString CBuchung = QStringLiteral("TState_GesamtEinlagerung_VorBuchen.btnBuchenClick");
} // namespace

void TState_GesamtEinlagerung_VorBuchen::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    TZAM_Hausregel::OhneBusy("TState_GesamtEinlagerung_VorBuchen.StateAnfangMaskeMalen", [&] {
        const TIntTrio ort = FMaske->Datentraeger_Get().Einlagerung.Gesamt_An_Lagerplatz;
        E::Zeile_Setzen(FMaske, zBehaelternameUnten, TState_GesamtEinlagerung_LagerortScan::BelegZeile(FMaske));
        E::Zeile_Setzen(FMaske, zZielanzeigeOben, DM_Torvik->LagerEditServer_GoC()->LagerortName(ort));
    });
}

void TState_GesamtEinlagerung_VorBuchen::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
}

QString TState_GesamtEinlagerung_VorBuchen::Caption_Get()
{
    return TState_GesamtEinlagerung_LagerortScan::KindText(FMaske);
}

QString TState_GesamtEinlagerung_VorBuchen::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte buchen Sie die Einlagerung, mit der Diskette oben rechts!");
}

bool TState_GesamtEinlagerung_VorBuchen::BuchenOTesten(bool ABuchen, QString& AMeldungen)
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    const TVRList* liste = e.Gesamt_VRListe;
    if (!liste)
        return true;
    // The place entry: a container stands on its place.
    TQIV_Lager_Bew_Sortiment ziel;
    TZAM_Lagerort_Info info;
    DM_Torvik->LagerEditServer_GoC()->LagerortInfo_Lesen(e.Gesamt_An_Lagerplatz, info,
                                                         TQIV_Lagerort_Info_Optionen::Defaults());
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    if (info.Kennung == CZAM_Lagerort_Behaelter) {
        ziel.Behaelter = e.Gesamt_An_Lagerplatz;
        bewegung.Lagerort_4_Behaelter(ziel.Behaelter, ziel.Lagerort);
    } else {
        ziel.Lagerort = e.Gesamt_An_Lagerplatz;
    }
    for (int r = 0; r < liste->GetRowCount(); ++r) {
        const TVRList* kinder = liste->GetRowChild(r);
        if (!kinder || kinder->GetRowCount() == 0)
            continue;
        TQIV_Lager_Sammeleinlagerung& info2 = e.EinlagerungsInfo;
        Lager_Sammeleinlagerung_Init(info2);
        info2.ProduktId = liste->GetCellValueAsInt32Trio(r, cblProdukt);
        info2.BelegId = liste->GetCellValueAsIntTrio(r, cblBelegId);
        info2.BewByte = liste->GetCellValueAsInteger(r, cblBewByte);
        info2.VonFiliale = qint16(liste->GetCellValueAsInteger(r, cblVonFiliale));
        info2.AnFiliale = qint16(liste->GetCellValueAsInteger(r, cblAnFiliale));
        info2.Lager = DM_Torvik->FAktLager;
        info2.Mitarbeiter = DM_Torvik->FMitarbeiter;
        info2.PersoAuswahl = e.Personalisiert;
        info2.PersoFiliale = e.PersoZielFiliale;
        info2.VerfKombiId = e.Ziel == bmzBearbeitung ? liste->GetCellValueAsIntTrio(r, cblVerfKombi) : e.EinVerfKombiId;
        TQIV_Lager_Bew_Sortiment eintrag = ziel;
        eintrag.Menge.Init();
        for (int k = 0; k < kinder->GetRowCount(); ++k)
            eintrag.Menge.Me[kinder->GetCellValueAsInteger(k, cblGrIdx)] += kinder->GetCellValueAsInteger(k, cblMenge);
        eintrag.Menge.MinMax_Bestimmen();
        info2.Lagerorte = {eintrag};
        TZAM_InfoMeldungListe meldungen;
        if (!bewegung.Sammeleinlagerung_Buchen(info2, meldungen, ABuchen)) {
            AMeldungen = meldungen.Meldungen_AlsText(QStringLiteral("; "));
            ZAMInfo().WriteStamp(QStringLiteral("TState_GesamtEinlagerung_VorBuchen.BuchenOTesten:\r\nEinlagerung von "
                                                "Artikel ") +
                                 liste->GetCellValueAsString(r, cblArtNr) + QStringLiteral(" nicht möglich:\r\n") +
                                 AMeldungen);
            return false;
        }
    }
    return true;
}

void TState_GesamtEinlagerung_VorBuchen::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_GesamtEinlagerung_VorBuchen.btnBuchenClick", [&] {
        QString meldungen;
        if (!BuchenOTesten(false, meldungen)) {
            FussTipSet(meldungen, true, true);
            return;
        }
        IZAM_Buchung& buchung = ZAMBuchung();
        buchung.Oeffnen(COperationsArt, CBuchung);
        if (!BuchenOTesten(true, meldungen))
            throw EZAM_Exception::Text(CBuchung + QStringLiteral(": Einlagerung nicht möglich: ") + meldungen);
        buchung.Schliessen(CBuchung);
        // What the document still holds decides where the worker goes on.
        ChangeState(StateKlasse<TState_ZielWahl>());
    });
}

void TState_GesamtEinlagerung_VorBuchen::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_GesamtEinlagerung_VorBuchen.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_GesamtEinlagerung_LagerortScan>());
        FMaske->Zurueck_Set(false);
    });
}

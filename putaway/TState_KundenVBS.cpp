#include "TState_KundenVBS.h"

#include "IZAM_BelegEditServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TState_Biserige_Lagerorte.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QScopeGuard>

namespace E = TQIV_Einlagerung;

int TState_KundenVBS::Auftragstyp(qint16 AZielFiliale)
{
    return E::FilialeDesLagers(AZielFiliale) ? 1 : 2;
}

void TState_KundenVBS::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    TZAM_Hausregel::OhneBusy("TState_KundenVBS.StateAnfangMaskeMalen", [&] { Malen(); });
}

void TState_KundenVBS::Malen()
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    const int lager = DM_Torvik->FAktLager;
    FGescannteKundenVBS.Clear();
    TLVLZMani* lvlz = DM_Torvik->LVLZMani_GoC();
    TIntTrio beleg;
    bool erster = false;
    const auto nochmal = [this](TZAM_TriState_Enum AAntwort, bool) {
        TZAM_Hausregel::OhneBusy("TState_KundenVBS.StateAnfangMaskeMalen", [&] {
            if (AAntwort == tsUndefined)
                btnZurueckClick();
            else
                StateAnfangMaskeMalen();
        });
    };
    if (!lvlz->KundenVBS_4_ExtVerweis(e.EinExtVerweis, lager, Auftragstyp(e.PersoZielFiliale), FKundenVBS, beleg,
                                      erster)) {
        TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
            QStringLiteral("Keine freie\r\nKunden-VBS\r\nim Laufweg\r\ngefunden!"), false, nochmal);
        o.ZurueckEnabled = true;
        FMaske->MeldungAn(o);
        return;
    }
    if (erster) {
        IZAM_BelegEditServer* belege = DM_Torvik->BelegEditServer_GoC();
        const int artikel = belege && belege->Beleg_Laden(beleg, false) ? belege->ArtikelAnzahl() : -1;
        QString text = QStringLiteral("Erster Artikel\r\neiner Bestellung\r\nmit %1 Artikeln.").arg(artikel);
        if (lvlz->KundenVBS_FreieVorhanden(lager))
            text += QStringLiteral("\r\n\r\nWechsel der Kunden-VBS\r\nist möglich.");
        TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(text, false, nochmal);
        o.FontSize = 14;
        FMaske->MeldungAn(o);
        return;
    }
    E::Zeile_Setzen(FMaske, zBehaelternameUnten, QStringLiteral("Bitte scannen Sie"));
    E::Zeile_Setzen(FMaske, zMitteUnten, FKundenVBS.Anzeige());
}

QString TState_KundenVBS::Caption_Get()
{
    return E::Kopf(FMaske);
}

QString TState_KundenVBS::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte Lagerort scannen!");
}

void TState_KundenVBS::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_KundenVBS.Gescannt", [&] {
        Warnung_Ruecksetzen();
        auto& e = FMaske->Datentraeger_Get().Einlagerung;
        TZAM_Lagerort_Info info;
        if (!E::Lagerort_Umsetzen(this, AText, info, QStringLiteral("Bitte scannen Sie den Ziellagerort!"), true))
            return;
        if (info.LagerortId == FKundenVBS.Id) {
            e.KundenVBSAlsAnLPOK = true;
            const auto zuruecksetzen = qScopeGuard([&e] { e.KundenVBSAlsAnLPOK = false; });
            static_cast<TState_Biserige_Lagerorte*>(FMaske->GiveState(StateKlasse<TState_Biserige_Lagerorte>()))
                ->LagerortScan(E::ScanText(info.LagerortId));
            return;
        }
        // Another staging place takes the order only while neither it nor the one given holds goods:
        // goods already on the given place would belong to no order any more.
        IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
        if (info.Bereich != CZAM_Bereich_KundenVBS || bewegung.Lagerort_HatBestand(info.LagerortId) ||
            bewegung.Lagerort_HatBestand(FKundenVBS.Id)) {
            FussTipSet(QStringLiteral("Bitte scannen Sie die angegebene Versandbereitstellung!"), true, true);
            return;
        }
        FGescannteKundenVBS = {info.LagerortId, info.Name, info.Kurz};
        TQIV_SicherheitsAbfrage_Options o = TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Sie haben nicht\r\n%1\r\ngescannt.\r\n\r\nWollen Sie\r\n%2\r\nverwenden?")
                .arg(FKundenVBS.Anzeige(), FGescannteKundenVBS.Anzeige()),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::Ausfuehren(FBusy, "TState_KundenVBS.Gescannt", [&] {
                    if (AAntwort == tsTrue)
                        Wechseln(FGescannteKundenVBS);
                });
            });
        o.FontSize = 14;
        FMaske->SicherheitsAbfrageAn(o);
    });
}

void TState_KundenVBS::Wechseln(const TZAM_Lagervorrichtung& AOrt)
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TIntTrio beleg;
    IZAM_BelegEditServer* belege = DM_Torvik->BelegEditServer_GoC();
    TLVLZMani* lvlz = DM_Torvik->LVLZMani_GoC();
    if (belege && belege->BelegId_4_Position(QuadAusTrio(e.EinExtVerweis.Id, e.EinExtVerweis.Nummer), 0, beleg, 0) &&
        lvlz->KundenVBS_ZuordnenZu_KubeBelegId(e.EinExtVerweis, Auftragstyp(e.PersoZielFiliale), beleg, AOrt.Id)) {
        lvlz->Lagerort_Verweis_Loeschen(FKundenVBS.Id);
        StateAnfangMaskeMalen();
        return;
    }
    FMaske->MeldungAn(
        TQIV_Meldung_Options::Kurz(QStringLiteral("%1\r\nkann der Bestellung\r\nnicht zugeordnet werden.")
                                       .arg(AOrt.Anzeige().isEmpty() ? AOrt.Id.ToText() : AOrt.Anzeige())));
}

void TState_KundenVBS::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_KundenVBS.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_Biserige_Lagerorte>());
        FMaske->Zurueck_Set(false);
    });
}

#include "TAbstractState_Behaelter_Umbuchen_LagerortScan.h"

#include "EZAM_Exception.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TAbstractState_Behaelter_Umbuchen_BehaelterScan.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Behaelter_Umbuchen_BehaelterScan.h"
#include "TState_Behaelter_Umbuchen_VorBuchen.h"
#include "TState_Wechsel_BearbSchritt_BehaelterScan.h"
#include "TState_Wechsel_BearbSchritt_VorBuchen.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

using TBehaelterScan = TAbstractState_Behaelter_Umbuchen_BehaelterScan;

void TAbstractState_Behaelter_Umbuchen_LagerortScan::StateAnfangVariablenClear()
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    Lagerort_Info_Init(m.FZiel);
    m.FFilZuordBuchen = -1;
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    TQIV_Einlagerung::Zeile_Setzen(FMaske, zBehaelternameUnten,
                                   FMaske->Datentraeger_Get().Manuell.FBehaelter.AnzeigeName());
}

QString TAbstractState_Behaelter_Umbuchen_LagerortScan::Caption_Get()
{
    return TBehaelterScan::CaptionFuer(IstWechsel());
}

QString TAbstractState_Behaelter_Umbuchen_LagerortScan::FussTip(bool& ALang)
{
    ALang = true;
    if (IstWechsel())
        return QStringLiteral("Bitte scannen Sie \"") + FNaechsterSchritt.AnzeigeName() + QStringLiteral("\"!");
    return QStringLiteral("Bitte scannen Sie den Ziellagerort!");
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::NaechsterSchritt_Ermitteln(const TZAM_Lagerort_Info& ABehaelter)
{
    Lagerort_Info_Init(FNaechsterSchritt);
    // The processing records that name the next step are not kept by this system yet.
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                         QStringLiteral("Nächster Bearbeitungs-Schritt für ") + ABehaelter.AnzeigeName(),
                         QStringLiteral("TAbstractState_Behaelter_Umbuchen_LagerortScan.NaechsterSchritt_Ermitteln"));
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_LagerortScan.Gescannt", [&] { Scan(AText); });
}

QString TAbstractState_Behaelter_Umbuchen_LagerortScan::ZielTest(const TZAM_Lagerort_Info& AZiel,
                                                                 qint16& AFilZuordBuchen)
{
    AFilZuordBuchen = -1;
    if (AZiel.Gesperrt)
        return QStringLiteral("Der Lagerort ist gesperrt!");
    const auto& m = FMaske->Datentraeger_Get().Manuell;
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    const int behaelterFiliale = bewegung.FilialZuordnung_Lesen(m.FBehaelter.LagerortId, 0);
    const int zielFiliale = bewegung.FilialZuordnung_Lesen(AZiel.LagerortId, 2);
    if (behaelterFiliale != zielFiliale) {
        if (zielFiliale >= 0 || AZiel.Kennung != CZAM_Lagerort_Behaelter ||
            bewegung.Behaelter_HatFremdeArtikel(AZiel.LagerortId, 0, 0))
            return QStringLiteral("Der Behälter muss der gleichen Filiale zugeordnet sein wie das Ziel!");
        AFilZuordBuchen = qint16(behaelterFiliale);
    }
    const bool versand = TBehaelterScan::IstPlatz(AZiel.LagerortId, CZAM_Lagerverwaltung_DefBaAbVers);
    if (AZiel.Bereich == CZAM_Bereich_Wareneingang)
        return QStringLiteral("Auf die Warenannahme darf kein Behälter gestellt werden!");
    if (AZiel.Bereich == CZAM_Bereich_Versandbereitstellung && !versand)
        return QStringLiteral("In die Versandbereitstellung darf kein Behälter gestellt werden!");
    if (IstWechsel()) {
        if (AZiel.Bereich != CZAM_Bereich_Bearbeitung && !versand)
            return QStringLiteral("Der Lagerort ist kein Bearbeitungs-Schritt!");
        if (AZiel.LagerortId != FNaechsterSchritt.LagerortId)
            return QStringLiteral("Falscher Bearbeitungs-Schritt! Erwartet: \"") + FNaechsterSchritt.AnzeigeName() +
                   QStringLiteral("\"");
        return {};
    }
    if (AZiel.Bereich == CZAM_Bereich_Bearbeitung)
        return QStringLiteral("Ein Lagerort zur Warenbearbeitung darf nicht direkt bebucht werden.");
    if (AZiel.Bereich == CZAM_Bereich_BearbStart) {
        // A processing start takes a container whose goods are still to be processed.
        TZAM_PersArt_ExtVerweis verweis;
        TIntTrio kombi;
        int auftragsTyp = 0, status = 0;
        TLVLZMani* lvlz = DM_Torvik->LVLZMani_GoC();
        if (!lvlz->ExtVerweis_u_VerfKombiId_4_Lagerort(verweis, kombi, auftragsTyp, status, m.FBehaelter.LagerortId) ||
            !verweis.Defined())
            return QStringLiteral("Der Behälter wird nicht bearbeitet!");
        if (status == bhsFertig)
            return QStringLiteral("Der Behälter ist schon fertig bearbeitet!");
    }
    return {};
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::Scan(const QString& AText)
{
    Warnung_Ruecksetzen();
    TZAM_Lagerort_Info ziel;
    TQIV_Umsetzen_Optionen optionen;
    optionen.Stumm = true;
    optionen.KeineGecachtenInfos = true;
    optionen.MitBereichFuerLagerplaetze = true;
    if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, ziel, optionen)) {
        bool lang = true;
        FussTipSet(FussTip(lang), lang, true);
        return;
    }
    qint16 filZuordBuchen = -1;
    const QString fehler = ZielTest(ziel, filZuordBuchen);
    if (!fehler.isEmpty()) {
        FussTipSet(fehler, true, true);
        return;
    }
    auto& m = FMaske->Datentraeger_Get().Manuell;
    m.FZiel = ziel;
    m.FFilZuordBuchen = filZuordBuchen;
    if (!IstWechsel()) {
        Weiter();
        return;
    }
    FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
        QStringLiteral("Soll\r\n%1\r\nzu\r\n%2\r\nwechseln?").arg(m.FBehaelter.AnzeigeName(), ziel.AnzeigeName()),
        [this](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::OhneBusy("TAbstractState_Behaelter_Umbuchen_LagerortScan.WechselFrageAntwort", [&] {
                if (AAntwort == tsTrue)
                    Weiter();
                else
                    StateAnfangVariablenClear();
            });
        }));
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::Weiter()
{
    if (IstWechsel())
        ChangeState(StateKlasse<TState_Wechsel_BearbSchritt_VorBuchen>());
    else
        ChangeState(StateKlasse<TState_Behaelter_Umbuchen_VorBuchen>());
}

void TAbstractState_Behaelter_Umbuchen_LagerortScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState_Behaelter_Umbuchen_LagerortScan.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        if (IstWechsel())
            ChangeState(StateKlasse<TState_Wechsel_BearbSchritt_BehaelterScan>());
        else
            ChangeState(StateKlasse<TState_Behaelter_Umbuchen_BehaelterScan>());
    });
}

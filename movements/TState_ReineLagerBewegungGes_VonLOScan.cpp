#include "TState_ReineLagerBewegungGes_VonLOScan.h"

#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_MDE_ButtonProperties.h"
#include "TQIV_ZurueckModus.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_ReineLagerBewegungGes_AnLOScan.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TState_ReineLagerBewegungGes_VonLOScan::StateAnfangVariablenClear()
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    Lagerort_Info_Init(m.FQuelle);
    Lagerort_Info_Init(m.FZiel);
    m.FFilZuordQuelle = -1;
    m.FLagZuordQuelle = -1;
    m.FFilZuordZiel = -1;
    m.FLagZuordZiel = -1;
}

QString TState_ReineLagerBewegungGes_VonLOScan::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie Quelllagerort!");
}

QString TState_ReineLagerBewegungGes_VonLOScan::LagerortTest(TfrmMDE* AMaske, const TZAM_Lagerort_Info& AInfo,
                                                             bool AAlsZiel, qint16& AFilZuord, qint32& ALagZuord)
{
    AFilZuord = -1;
    ALagZuord = -1;
    if (AInfo.Gesperrt)
        return QStringLiteral("Der Lagerort ist gesperrt!");
    switch (AInfo.Bereich) {
    case CZAM_Bereich_Wareneingang:
        return QStringLiteral("In das Wareneingangslager darf nicht direkt gebucht werden.");
    case CZAM_Bereich_Bearbeitung:
        return QStringLiteral("Keine Gesamtumlag. für Ware in Bearbeitung!");
    case CZAM_Bereich_BearbVorbereitung:
        return QStringLiteral("Keine Gesamtumlag. für Bearbeitungs-Vorbereitungen!");
    case CZAM_Bereich_BearbStart:
        return QStringLiteral("Keine Gesamtumlag. für Bearbeitungs-Starts!");
    case CZAM_Bereich_Wurmloch:
        return QStringLiteral("Ein Wurmloch darf nicht direkt bebucht werden.");
    case CZAM_Bereich_GeblockteWare:
        // Blocked goods belong to their branches; a whole bin cannot tell them apart.
        if (DM_Torvik->GetAktLagerFilialen().size() > 1)
            return QStringLiteral("Keine Gesamtumlag. für Blockware in Lägern mit mehreren Filialen!");
        break;
    case CZAM_Bereich_Versandbereitstellung:
        return QStringLiteral("Auf die bzw. von der Versandbereitstellung darf nicht direkt gebucht werden.");
    case CZAM_Bereich_KundenVBS:
        return QStringLiteral("Auf bzw. von Kunden-VBS darf nicht direkt gebucht werden.");
    default:
        break;
    }
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    const int filiale = bewegung.FilialZuordnung_Lesen(AInfo.LagerortId, 2);
    const int lager = bewegung.LagerZuordnung_Lesen(AInfo.LagerortId, 2);
    if (!AAlsZiel) {
        if (lager > 0 && !DM_Torvik->LagerExistiert_Und_IstEinFilialLager(lager))
            return QStringLiteral("Von-Lagerort darf keinem Mehr-Filial-Lager zugeordnet sein.");
    } else {
        // A target of no branch takes the goods when it is a container without goods of others.
        const auto& m = AMaske->Datentraeger_Get().Manuell;
        const bool filialeOk =
            filiale == m.FFilZuordQuelle || (filiale < 0 && AInfo.Kennung == CZAM_Lagerort_Behaelter &&
                                             !bewegung.Behaelter_HatFremdeArtikel(AInfo.LagerortId, 0, 0));
        if (!filialeOk || lager != m.FLagZuordQuelle)
            return QStringLiteral("Die Filialzuordnung der beiden Lagerorte stimmt nicht überein!");
    }
    AFilZuord = qint16(filiale);
    ALagZuord = lager;
    return {};
}

void TState_ReineLagerBewegungGes_VonLOScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_VonLOScan.Gescannt", [&] { Scan(AText); });
}

bool TState_ReineLagerBewegungGes_VonLOScan::OrtScannen(TAbstractState* AState, const QString& AText, bool AAlsZiel,
                                                        TZAM_Lagerort_Info& AInfo, qint16& AFilZuord, qint32& ALagZuord)
{
    AState->Warnung_Ruecksetzen();
    TQIV_Umsetzen_Optionen optionen;
    optionen.Stumm = true;
    if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, AInfo, optionen)) {
        AState->FussTipSet(AAlsZiel ? QStringLiteral("Bitte scannen Sie den Ziellagerort!")
                                    : QStringLiteral("Bitte scannen Sie den Quelllagerort!"),
                           true, true);
        return false;
    }
    if (AAlsZiel && AInfo.LagerortId == AState->Maske()->Datentraeger_Get().Manuell.FQuelle.LagerortId) {
        AState->FussTipSet(QStringLiteral("Quell- und Ziellagerort dürfen nicht identisch sein!"), true, true);
        return false;
    }
    const QString fehler = LagerortTest(AState->Maske(), AInfo, AAlsZiel, AFilZuord, ALagZuord);
    if (!fehler.isEmpty()) {
        AState->FussTipSet(fehler, true, true);
        return false;
    }
    return true;
}

void TState_ReineLagerBewegungGes_VonLOScan::Scan(const QString& AText)
{
    auto& m = FMaske->Datentraeger_Get().Manuell;
    TZAM_Lagerort_Info info;
    qint16 filiale = -1;
    qint32 lager = -1;
    if (!OrtScannen(this, AText, false, info, filiale, lager))
        return;
    m.FQuelle = info;
    m.FFilZuordQuelle = filiale;
    m.FLagZuordQuelle = lager;
    if (info.Art != CZAM_LagerortArt_Behaelter) {
        ChangeState(StateKlasse<TState_ReineLagerBewegungGes_AnLOScan>());
        return;
    }
    // Emptying a container is asked for: it is easily scanned instead of the place it stands on.
    FMaske->FrageButtonsUntereinanderAn(
        QStringLiteral("Wollen Sie wirklich den INHALT\r\naus %1\r\numlagern und den\r\nBEHÄLTER LEEREN?")
            .arg(info.AnzeigeName()),
        [this](int AAntwort, bool) {
            TZAM_Hausregel::OhneBusy("TState_ReineLagerBewegungGes_VonLOScan.BehaelterFrageAntwort",
                                     [&] { BehaelterFrageAntwort(AAntwort); });
        },
        {{0, {}, true, QStringLiteral("Ja - umlagern und Behälter leeren")},
         {1, {}, true, QStringLiteral("Nein - anderen Quelllagerort scannen")},
         {2, {}, true, QStringLiteral("\"") + CCaption() + QStringLiteral("\" abbrechen")}},
        14, Caption_Get());
}

void TState_ReineLagerBewegungGes_VonLOScan::BehaelterFrageAntwort(int AAntwort)
{
    switch (AAntwort) {
    case 0:
        ChangeState(StateKlasse<TState_ReineLagerBewegungGes_AnLOScan>());
        break;
    case 2: {
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
        break;
    }
    default: // another source, also after the back button
        StateAnfangVariablenClear();
        break;
    }
}

void TState_ReineLagerBewegungGes_VonLOScan::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_VonLOScan.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
    });
}

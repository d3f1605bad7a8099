#include "Lagerort_Zulaessig.h"

#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Lager_BEW.h"

namespace {
// The kind of an assignment the putaway reads: the ordinary one.
constexpr int CZuordnungNormal = 2;

// The first rule that refuses the place, as its message; empty when the place is acceptable.
QString Ablehnung(const TZAM_Lagerort_Info& AInfo, TQIV_PersoAuswahl AArt, qint16 AFiliale, bool ABehaelterOK,
                  bool AKundenVBSOK)
{
    const bool behaelter = AInfo.Kennung == CZAM_Lagerort_Behaelter;
    const TZAM_Lager_Ausgezeichnete_Bereiche bereich = AInfo.Bereich;
    if (AInfo.Gesperrt)
        return QStringLiteral("Der Lagerplatz ist gesperrt!");
    if (bereich == CZAM_Bereich_Wareneingang)
        return QStringLiteral("Der Lagerplatz gehört zur Warenannahme!");
    if (bereich == CZAM_Bereich_Wurmloch)
        return QStringLiteral("Der Lagerplatz ist ein Wurmloch!");
    if (bereich == CZAM_Bereich_KundenVBS && !AKundenVBSOK)
        return QStringLiteral("Der Lagerplatz ist eine Kunden-Versandbereitstellung!");
    if (bereich == CZAM_Bereich_GeblockteWare)
        return QStringLiteral("Der Lagerplatz ist für geblockte Ware!");
    if (bereich == CZAM_Bereich_Bearbeitung)
        return QStringLiteral("Der Lagerplatz ist für die Bearbeitung von Ware!");
    if (bereich == CZAM_Bereich_BearbVorbereitung && AArt != paBearbeitung)
        return QStringLiteral("Der Lagerplatz ist eine Bearbeitungs-Vorbereitung!");
    // Goods to process go to the preparation places, or into containers where there are none.
    if (AArt == paBearbeitung) {
        if (DM_Torvik->BearbVorbereitungVorhanden(DM_Torvik->FAktLager)) {
            if (bereich != CZAM_Bereich_BearbVorbereitung)
                return QStringLiteral("Der Lagerplatz muss eine Bearbeitungs-Vorbereitung sein!");
        } else if (!behaelter) {
            return QStringLiteral("Der Lagerplatz muss ein Behälter sein!");
        }
    }
    if (bereich == CZAM_Bereich_BearbStart)
        return QStringLiteral("Der Lagerplatz ist ein Bearbeitungs-Start!");
    if (bereich == CZAM_Bereich_Versandbereitstellung && AArt == paEinlagerung)
        return QStringLiteral("Der Lagerplatz gehört zur Versandbereitstellung!");

    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    if ((AArt == paVersand || AArt == paFAFuerKunde) && !(behaelter && ABehaelterOK)) {
        if (AArt == paVersand) {
            if (bereich != CZAM_Bereich_Versandbereitstellung && bereich != CZAM_Bereich_KundenVBS)
                return QStringLiteral("Der Lagerplatz gehört nicht zur Versandbereitstellung!");
            if (bereich == CZAM_Bereich_Versandbereitstellung &&
                !TZAM_BewegungsDienste::Lager(*DM_Torvik)
                     .Lagerort_InLager(AInfo.LagerortId,
                                       bewegung.LagerZuordnung_Lesen(AInfo.LagerortId, CZuordnungNormal)))
                return QStringLiteral("Der Lagerplatz hat eine falsche Filialzuordnung!");
        } else if (bereich != CZAM_Bereich_KundenVBS &&
                   bewegung.FilialZuordnung_Lesen(AInfo.LagerortId, CZuordnungNormal) != AFiliale) {
            return QStringLiteral("Der Lagerplatz hat eine falsche Filialzuordnung!");
        }
    }
    if (behaelter) {
        TZAM_Lager_Gitterwagen_Zuordnungsdaten zuordnung;
        Gitterwagen_Zuordnungsdaten_Init(zuordnung);
        bewegung.Behaelter_Zuordnung_Lesen(AInfo.LagerortId, zuordnung);
        const qint16 filiale = AArt == paFAFuerKunde ? AFiliale : DM_Torvik->FAktBewFiliale;
        if (zuordnung.Filiale >= 0 && zuordnung.Filiale != filiale)
            return QStringLiteral("Der Behälter hat eine Filialzuordnung!");
        if (zuordnung.WBSListenNr.Defined())
            return QStringLiteral("Warenbegleitschein bereits gedruckt.");
    }
    return {};
}
} // namespace

bool Lagerort_Zulaessig(const TZAM_Lagerort_Info& AInfo, TQIV_PersoAuswahl AArt, qint16 AFiliale, QString& AMeldung,
                        bool ABehaelterOK, bool AKundenVBSOK)
{
    AMeldung.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("Lagerort_Zulaessig", false, [&] {
        AMeldung = Ablehnung(AInfo, AArt, AFiliale, ABehaelterOK, AKundenVBSOK);
        return AMeldung.isEmpty();
    });
}

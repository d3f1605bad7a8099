#include "Behaelter_Test_Inventur.h"

#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMInfoKoords.h"

bool Behaelter_Test_Inventur(const TZAM_Lagerort_Info& ABehaelter, const TIntTrio& AZiel, bool AAlsInbetriebnahme,
                             QString& AMeldung)
{
    AMeldung.clear();
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    if (AZiel.Defined()) {
        TZAM_InfoMeldungListe meldungen;
        if (!bewegung.Behaelter_Zuordnung_Pruefen(ABehaelter.LagerortId, AZiel, meldungen)) {
            AMeldung = meldungen.Meldungen_Anz_Get() > 0 ? meldungen.Meldungen_AlsText(QStringLiteral("; "))
                                                         : QStringLiteral("Zuordnung nicht möglich!");
            return false;
        }
    }
    if (AAlsInbetriebnahme) {
        IZAM_LagerInventurServer* inventur = DM_Torvik->LagerInventurServer_GoC();
        if (!inventur)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("LagerInventurServer"));
        if (inventur->LagerortInBetrieb(ABehaelter.LagerortId)) {
            AMeldung = QStringLiteral("Dieser Behälter ist bereits in Betrieb genommen.");
            return false;
        }
    }
    TZAM_Lager_Gitterwagen_Zuordnungsdaten daten;
    bewegung.Behaelter_Zuordnung_Lesen(ABehaelter.LagerortId, daten);
    if (daten.Filiale >= 0)
        AMeldung = QStringLiteral("Behälter ist bereits einer Filiale zugeordnet!");
    else if (daten.Einweg)
        AMeldung = QStringLiteral("Ein Einwegbehälter kann nicht verwendet werden");
    else if (daten.AufTransport)
        AMeldung = QStringLiteral("Behälter befindet sich auf Transport!");
    else if (daten.WBSGedruckt || daten.WBSListenNr.Defined())
        AMeldung = QStringLiteral("Warenbegleitschein gedruckt!");
    return AMeldung.isEmpty();
}

// The booking of a task: its movement and its shortfall, the fulfilment, and the task closed.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TQIV_AufgabenZeile.h"
#include "TZAM_AufgabenEditServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMInfoKoords.h"

namespace {
// A finished task leaves the task files as deleted (status 10): its fulfilment records, which
// hang on it, stay.
void AufgabeLoeschen(TZAM_Datenbank& ADb, const TIntTrio& AId)
{
    const QVariantList id{AId.Id1, AId.Id2, AId.Id3};
    ADb.Schreiben(QStringLiteral("DELETE FROM zam_aufgabe_sperrstatus WHERE id1 = ? AND id2 = ? AND id3 = ?"), id);
    ADb.Schreiben(QStringLiteral("UPDATE zam_auko SET status = ? WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                  QVariantList{QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Geloescht))} + id);
}
} // namespace

bool TZAM_LagerBewegungEditServerSql::Aufgabe_Buchen(
    TZAM_Lager_BEW& ALagerbewegung_physisch, TQIV_AufgabenZeile& AAufgabenzeile,
    TZAM_Lager_BEW& ALagerbewegung_Fehlmenge, TZAM_Aufgabe_Erfuellen_Daten& AErfuellungsdaten_Fehlmenge,
    bool AMitAufgaben_Erfuellung_Fehl, TZAM_Lager_BNE_Korrektur& ALagerBNE_physisch,
    TZAM_Lager_BNE_Korrektur& ALagerBNE_Korrektur, bool AMitFehlmenge, bool AMitLagerbewegung_physisch,
    bool AMitBNEKorrektur, bool AAufgabe_Nicht_Loeschen, bool ADruckAufgabeBenoetigt, TZAM_InfoMeldungListe* AMeldungen,
    bool& AAufgabeGeloescht)
{
    Q_UNUSED(ADruckAufgabeBenoetigt);
    AAufgabeGeloescht = false;
    TZAM_InfoMeldungListe eigene;
    TZAM_InfoMeldungListe& meldungen = AMeldungen ? *AMeldungen : eigene;
    const TIntTrio id = AErfuellungsdaten_Fehlmenge.AufgabenId.Defined() ? AErfuellungsdaten_Fehlmenge.AufgabenId
                                                                         : AAufgabenzeile.AufgabenId;
    return GanzOderGarNicht(QStringLiteral("Aufgabe_Buchen"), [&] {
        // Fulfilled are the pieces moved and, when asked, the pieces booked out as missing: never
        // both for the same pieces, and never more than is open (the task service refuses).
        int erfuellen = 0;
        if (AMitLagerbewegung_physisch) {
            const bool ok =
                ALagerBNE_physisch.KorrekturArt == CZAM_Korrektur_Keine
                    ? Lagerbewegung_Buchen(ALagerbewegung_physisch, true, &meldungen)
                    : Bestandskorrektur_Buchen(ALagerbewegung_physisch, ALagerBNE_physisch, true, &meldungen);
            if (!ok)
                return false;
            erfuellen += ALagerbewegung_physisch.Menge;
        }
        if (AMitFehlmenge) {
            TZAM_Lager_BNE_Korrektur keine;
            if (!Bestandskorrektur_Buchen(ALagerbewegung_Fehlmenge, AMitBNEKorrektur ? ALagerBNE_Korrektur : keine,
                                          true, &meldungen))
                return false;
            if (AMitAufgaben_Erfuellung_Fehl)
                erfuellen += ALagerbewegung_Fehlmenge.Menge;
        }
        if (erfuellen <= 0 || !id.Defined())
            return true;
        TZAM_AufgabenEditServerSql aufgaben(FDb);
        TZAM_Aufgabe_Erfuellen_Daten daten = AErfuellungsdaten_Fehlmenge;
        daten.AufgabenId = id;
        daten.Menge = erfuellen;
        if (!aufgaben.Aufgabe_Erfuellen(daten, daten.Mitarbeiter, TIntTrio(), &meldungen, erfuellen))
            return false;
        TZAM_AufgabenStand stand;
        if (aufgaben.Aufgabe_Lesen(id, stand) && stand.Offen() <= 0) {
            aufgaben.Aufgabe_StatusAendern(id, CZAM_Aufgabe_Status_Erledigt);
            if (!AAufgabe_Nicht_Loeschen) {
                AufgabeLoeschen(FDb, id);
                AAufgabeGeloescht = true;
            }
        }
        return true;
    });
}

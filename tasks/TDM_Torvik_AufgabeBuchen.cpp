// Booking a task: relocation tasks to the hand store move and fulfil as one booking.
#include "TDM_Torvik.h"

#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
constexpr int COperationsArtUmlagerung = 5;
const QString CName = QStringLiteral("TDM_Torvik.LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen");
} // namespace

bool TDM_Torvik::LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen(
    const TQIV_NachsortBuchenUndWeiter_SteuerungsRec& ASteuerung, TZAM_Lager_BEW& ALagerbewegung_physisch,
    TQIV_AufgabenZeile& AAufgabenzeile, TZAM_Lager_BEW& ALagerbewegung_Fehlmenge,
    TZAM_Aufgabe_Erfuellen_Daten& AErfuellungsdaten_Fehlmenge, bool AMitAufgaben_Erfuellung_Fehl,
    TZAM_Lager_BNE_Korrektur& ALagerBNE_physisch, TZAM_Lager_BNE_Korrektur& ALagerBNE_Korrektur, bool AMitFehlmenge,
    bool AMitLagerbewegung_physisch, bool AMitBNEKorrektur, bool AAufgabe_Nicht_Loeschen, bool ADruckAufgabeBenoetigt,
    TZAM_InfoMeldungListe* AMeldungen, bool& AAufgabeGeloescht)
{
    AAufgabeGeloescht = false;
    TZAM_InfoMeldungListe eigene;
    TZAM_InfoMeldungListe& meldungen = AMeldungen ? *AMeldungen : eigene;
    return TZAM_Hausregel::ErgebnisOhneBusy(
        "TDM_Torvik.LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen", false, [&]() -> bool {
            if (ASteuerung.AufgabenArt != CZAM_Aufgabe_Art_Handlager)
                return TZAM_BewegungsDienste::Bewegung(*this).Aufgabe_Buchen(
                    ALagerbewegung_physisch, AAufgabenzeile, ALagerbewegung_Fehlmenge, AErfuellungsdaten_Fehlmenge,
                    AMitAufgaben_Erfuellung_Fehl, ALagerBNE_physisch, ALagerBNE_Korrektur, AMitFehlmenge,
                    AMitLagerbewegung_physisch, AMitBNEKorrektur, AAufgabe_Nicht_Loeschen, ADruckAufgabeBenoetigt,
                    AMeldungen, AAufgabeGeloescht);

            IZAM_AufgabenEditServer* aufgaben = AufgabenEditServer_GoC();
            if (!aufgaben)
                return false;
            // The relocation and its fulfilment are one booking: a refused fulfilment takes the
            // relocation back with it.
            IZAM_Buchung& buchung = ZAMBuchung();
            buchung.Oeffnen(COperationsArtUmlagerung, CName);
            int menge = ALagerbewegung_physisch.Menge;
            if (!ASteuerung.NurErfuellung) {
                IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
                IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*this);
                TQIV_Lagerort_Info_Optionen o = TQIV_Lagerort_Info_Optionen::Defaults();
                o.EtikKuerzel = true;
                TZAM_Lagerort_Info von, an;
                lager.LagerortInfo_Lesen(ALagerbewegung_physisch.VonLagerortId, von, o);
                lager.LagerortInfo_Lesen(ALagerbewegung_physisch.AnLagerortId, an, o);
                const QList<int>& filialen = GetAktLagerFilialen();
                bool weniger = false, nichts = false;
                QString meldung;
                const bool ok = Umlagerung_MitBewegungen_Buchen(
                    weniger, von, an, ALagerbewegung_physisch.ProduktId, ALagerbewegung_physisch.GrInd,
                    ALagerbewegung_physisch.Menge, qint16(bewegung.FilialZuordnung_Lesen(von.LagerortId, 2)),
                    qint16(bewegung.FilialZuordnung_Lesen(an.LagerortId, 2)),
                    bewegung.LagerZuordnung_Lesen(von.LagerortId, 2), bewegung.LagerZuordnung_Lesen(an.LagerortId, 2),
                    filialen.isEmpty() ? -1 : filialen.first(), false, false, &meldungen, nichts, meldung, &menge);
                if (!ok || nichts || menge <= 0) {
                    if (!meldung.trimmed().isEmpty())
                        meldungen.Meldung_Add(CZAM_Info_Standard_Text994, {meldung});
                    else if (ok)
                        meldungen.Meldung_Add(CZAM_Info_Standard_Text994,
                                              {QStringLiteral("Auf dem Lagerplatz ist kein Bestand mehr, "
                                                              "es wurde nichts umgelagert.")});
                    buchung.Schliessen(CName);
                    return false;
                }
            }
            // Fulfilled is what was moved (a short stock moves less).
            if (!aufgaben->Aufgabe_Erfuellen(AErfuellungsdaten_Fehlmenge, FMitarbeiter, TIntTrio(), &meldungen,
                                             menge)) {
                buchung.Abbrechen();
                buchung.Schliessen(CName);
                return false;
            }
            buchung.Schliessen(CName);
            return true;
        });
}

#include "TZAM_BuchungService.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

TZAM_BuchungService::TZAM_BuchungService(TZAM_Datenbank& ADb, const QString& ATerminal) : FDb(ADb), FTerminal(ATerminal)
{
    // A failed write inside the bracket has already rolled the transaction back.
    FDb.SetBeiFehlerInTransaktion([this] { Verdorben(); });
}

TZAM_BuchungService::~TZAM_BuchungService()
{
    FDb.SetBeiFehlerInTransaktion({});
    FDb.TransaktionZuruecksetzen();
    FDb.SetSchreibenGesperrt(false);
}

void TZAM_BuchungService::Oeffnen(int AOperationsArt, const QString& AName)
{
    if (FZustand == bzAufgegeben && !FStapel.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, AName);
    if (FZustand == bzAbgebrochen && !FStapel.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Abgebrochen, AName);
    if (FStapel.isEmpty()) {
        FZustand = bzNormal;
        FId = Beginnen(AOperationsArt, AName);
        FProtId = TIntTrio(1, qint32(FId / 1000000), qint32(FId % 1000000));
    }
    FStapel.append(AName);
}

void TZAM_BuchungService::Schliessen(const QString& AName)
{
    if (FStapel.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, AName);
    switch (FZustand) {
    case bzAbgebrochen:
        FStapel.removeLast();
        if (FStapel.isEmpty())
            Zuruecksetzen();
        return;
    case bzAufgegeben:
        FStapel.removeLast();
        if (FStapel.isEmpty()) {
            FAufgegebenMelden = false; // this raise reports it
            Zuruecksetzen();
        }
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, AName);
    case bzNormal:
        break;
    }
    if (FStapel.last() != AName) {
        const QString offen = FStapel.last();
        FDb.TransaktionZuruecksetzen();
        Verdorben();
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_KlammerFalsch,
                             QStringLiteral("'%1' geschlossen, '%2' ist offen").arg(AName, offen));
    }
    if (FStapel.size() == 1) {
        const qint64 id = FId;
        try {
            FDb.TransaktionFestschreiben();
        } catch (const EZAM_Exception& E) {
            FStapel.clear();
            Zuruecksetzen();
            if (E.Koord() != CZAM_Info_Fehler_DB_Verbindung_Verloren)
                throw;
            NachVerlorenerAntwort(id, AName);
            return;
        } catch (...) {
            FStapel.clear();
            Zuruecksetzen();
            throw;
        }
    }
    FStapel.removeLast();
    if (FStapel.isEmpty())
        Zuruecksetzen();
}

void TZAM_BuchungService::Abbrechen()
{
    if (FStapel.isEmpty())
        return;
    FDb.TransaktionZuruecksetzen();
    if (FZustand == bzNormal)
        FZustand = bzAbgebrochen;
    FDb.SetSchreibenGesperrt(true);
}

bool TZAM_BuchungService::IstOffen()
{
    if (!FStapel.isEmpty())
        return true;
    if (FAufgegebenMelden) {
        FAufgegebenMelden = false;
        return true;
    }
    return false;
}

void TZAM_BuchungService::Aufgeben(int ATiefe)
{
    if (FStapel.size() <= ATiefe)
        return;
    FDb.TransaktionZuruecksetzen();
    if (FZustand != bzAbgebrochen)
        FAufgegebenMelden = true;
    while (FStapel.size() > qMax(ATiefe, 0))
        FStapel.removeLast();
    if (FStapel.isEmpty()) {
        Zuruecksetzen();
    } else if (FZustand == bzNormal) {
        FZustand = bzAufgegeben;
        FDb.SetSchreibenGesperrt(true);
    }
}

TIntTrio TZAM_BuchungService::GetProtId()
{
    if (FStapel.isEmpty() || FZustand != bzNormal)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, QStringLiteral("GetProtId"));
    return FProtId;
}

void TZAM_BuchungService::Verdorben()
{
    if (FStapel.isEmpty())
        return;
    FZustand = bzAufgegeben;
    FAufgegebenMelden = true;
    FDb.SetSchreibenGesperrt(true);
}

qint64 TZAM_BuchungService::Beginnen(int AOperationsArt, const QString& AName)
{
    const QString insert = FDb.Sql(QStringLiteral("INSERT INTO zam_buchung (operationsart, name, terminal, zeit, gebucht) "
                                                  "VALUES (?, ?, ?, {JETZT}, ?) RETURNING id"));
    if (!FDb.IstSQLite()) {
        FDb.TransaktionBeginnen();
        return FDb.SchreibenMitErgebnis(insert, {AOperationsArt, AName, FTerminal, 1}).Wert(0, 0).toLongLong();
    }
    // SQLite hands the key of a rolled-back row out again: the row is stored before the
    // transaction and marked booked inside it.
    const qint64 id = FDb.SchreibenMitErgebnis(insert, {AOperationsArt, AName, FTerminal, 0}).Wert(0, 0).toLongLong();
    FDb.TransaktionBeginnen();
    FDb.Schreiben(QStringLiteral("UPDATE zam_buchung SET gebucht = 1 WHERE id = ?"), {id});
    return id;
}

// The COMMIT was sent but its answer lost: the bracket's row tells whether the server stored it.
void TZAM_BuchungService::NachVerlorenerAntwort(qint64 AId, const QString& AName)
{
    const QString buchung = QStringLiteral("%1 (%2)").arg(AName).arg(AId);
    bool gespeichert = false;
    try {
        gespeichert = FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_buchung WHERE id = ? AND gebucht = 1"),
                                    {AId}, 0)
                          .toInt() > 0;
    } catch (const EZAM_Exception& E) {
        Protokoll(QStringLiteral("Buchung %1: Verbindung beim Abschluss verloren, ob gespeichert ist unbekannt (%2)")
                      .arg(buchung, E.Meldungstext()));
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Ungewiss, buchung);
    }
    if (gespeichert) {
        Protokoll(QStringLiteral("Buchung %1: Verbindung beim Abschluss verloren, die Buchung ist gespeichert").arg(buchung));
        return;
    }
    Protokoll(QStringLiteral("Buchung %1: Verbindung beim Abschluss verloren, die Buchung ist nicht gespeichert").arg(buchung));
    throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtGespeichert, buchung);
}

void TZAM_BuchungService::Protokoll(const QString& AText)
{
    if (IZAM_Info* info = ZAMDienste().Info)
        info->WriteStamp(AText, 1);
}

void TZAM_BuchungService::Zuruecksetzen()
{
    FZustand = bzNormal;
    FProtId = TIntTrio();
    FId = 0;
    FDb.SetSchreibenGesperrt(false);
}

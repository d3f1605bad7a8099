#include "TZAM_BuchungService.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
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
        FDb.TransaktionBeginnen();
        const TZAM_Zeilen z = FDb.SchreibenMitErgebnis(
            FDb.Sql(QStringLiteral("INSERT INTO zam_buchung (operationsart, name, terminal, zeit) "
                                   "VALUES (?, ?, ?, {JETZT}) RETURNING id")),
            {AOperationsArt, AName, FTerminal});
        const qint64 id = z.Wert(0, 0).toLongLong();
        FProtId = TIntTrio(1, qint32(id / 1000000), qint32(id % 1000000));
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
        try {
            FDb.TransaktionFestschreiben();
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

void TZAM_BuchungService::Zuruecksetzen()
{
    FZustand = bzNormal;
    FProtId = TIntTrio();
    FDb.SetSchreibenGesperrt(false);
}

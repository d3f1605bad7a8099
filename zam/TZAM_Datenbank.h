#pragma once

#include "TZAM_DBKonfig.h"
#include "TZAM_Zeilen.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlError;
class QSqlQuery;

// One connection of the program. Every failure becomes an EZAM_Exception with a catalogue key.
// Outside a transaction each statement commits at once and is retried when the database is busy
// or a deadlock was detected; inside one a failed write rolls the whole transaction back, and a
// read runs under a savepoint so that its failure spoils nothing. Values are always bound; a
// null QString binds as an empty text, an invalid QVariant as NULL.
class TZAM_Datenbank
{
public:
    TZAM_Datenbank(const TZAM_DBKonfig& AKonfig, const QString& AVerbindungsName);
    ~TZAM_Datenbank();
    TZAM_Datenbank(const TZAM_Datenbank&) = delete;
    TZAM_Datenbank& operator=(const TZAM_Datenbank&) = delete;

    void Oeffnen();
    void Schliessen() noexcept;
    bool IstOffen() const;
    bool IstSQLite() const { return FKonfig.IstSQLite(); }
    const TZAM_DBKonfig& Konfig() const { return FKonfig; }
    const QString& VerbindungsName() const { return FName; }

    TZAM_Zeilen Lesen(const QString& ASql, const QVariantList& AWerte = {});
    // First column of the first row, ADefault when there is no row or the value is null.
    QVariant LesenWert(const QString& ASql, const QVariantList& AWerte = {}, const QVariant& ADefault = {});
    // Answers the number of rows changed.
    int Schreiben(const QString& ASql, const QVariantList& AWerte = {});
    // A write whose RETURNING clause answers rows.
    TZAM_Zeilen SchreibenMitErgebnis(const QString& ASql, const QVariantList& AWerte = {});

    // Transactions of the booking bracket. Beginnen retries while the database is busy.
    void TransaktionBeginnen();
    void TransaktionFestschreiben();
    void TransaktionZuruecksetzen() noexcept;
    bool InTransaktion() const { return FInTransaktion; }
    // Called after a failed write has rolled the transaction back.
    void SetBeiFehlerInTransaktion(std::function<void()> ABeiFehler) { FBeiFehler = std::move(ABeiFehler); }
    // While set, a write outside a transaction is refused: the bracket it belongs to was abandoned.
    void SetSchreibenGesperrt(bool AGesperrt) { FSchreibenGesperrt = AGesperrt; }

    // Replaces the engine tokens of the common SQL text: {ID} (an automatic key column),
    // {JETZT} (seconds since 1970 by the database clock), {BLOB}, {INT64}.
    QString Sql(const QString& AText) const;
    void SetWiederholungen(int AAnzahl) { FWiederholungen = AAnzahl; }

private:
    enum TArt { daLesen, daSchreiben };
    TZAM_Zeilen Ausfuehren(TArt AArt, const QString& ASql, const QVariantList& AWerte, bool AErgebnis, int* AGeaendert);
    bool Einmal(const QString& ASql, const QVariantList& AWerte, bool AErgebnis, TZAM_Zeilen* AZeilen,
                int* AGeaendert, QSqlError* AFehler);
    static bool Ergebnis(QSqlQuery& q, bool AErgebnis, TZAM_Zeilen* AZeilen, int* AGeaendert, QSqlError* AFehler);
    void Direkt(const QString& ASql);
    // Retries while the database is busy, and once after reconnecting a lost connection.
    void Wiederholt(const QString& ASql, const std::function<bool(QSqlError*)>& AVersuch);
    bool IstBelegt(const QSqlError& AFehler) const;
    bool IstVerbindungWeg(const QSqlError& AFehler) const;
    [[noreturn]] void Fehler(const QSqlError& AFehler, const QString& ASql) const;
    void Wiederverbinden();

    TZAM_DBKonfig FKonfig;
    QString FName;
    bool FInTransaktion = false;
    bool FSchreibenGesperrt = false;
    int FWiederholungen = 40;
    std::function<void()> FBeiFehler;
};

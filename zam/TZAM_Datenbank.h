#pragma once

#include "TZAM_DBKonfig.h"
#include "TZAM_Zeilen.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlError;
class QSqlQuery;

// The text by which SQLite's length triggers (see TZAM_Migrationen) refuse a value, as
// PostgreSQL refuses a text longer than its VARCHAR(n).
inline constexpr char CZAM_ZuLangMarke[] = "zam: Wert zu lang";

// One connection of the program. Every failure becomes an EZAM_Exception with a catalogue key.
// Outside a transaction each statement commits at once; it is tried again while the database is
// busy (until one deadline for all tries), and after a lost connection only when it cannot have
// taken effect (a read, BEGIN, or a statement not yet sent). Inside a transaction a failed write
// rolls the whole transaction back, and a read runs under a savepoint so that its failure spoils
// nothing. Every result is read to its end, so no error of a later row is lost. Values are always
// bound; a null QString binds as an empty text, an invalid QVariant as NULL, a bool as 0 or 1.
// A statement with values is prepared once per connection and kept for every object of that
// connection (two round trips fewer on PostgreSQL for every further execution).
class TZAM_Datenbank
{
public:
    // Raises when another live object uses the connection name for another database.
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
    // A point in time as this engine stores it ({ZEITPUNKT}); date-time values are bound so.
    QString ZeitpunktText(const QDateTime& AZeit) const;
    // A {ZEITPUNKT} value as read (PostgreSQL: a date-time; SQLite: the stored text); invalid for NULL.
    static QDateTime ZeitpunktLesen(const QVariant& AWert);
    // Answers the number of rows changed. A column named id is the table's automatic key: an
    // INSERT that names it is refused on both engines.
    int Schreiben(const QString& ASql, const QVariantList& AWerte = {});
    // A write whose RETURNING clause answers rows.
    TZAM_Zeilen SchreibenMitErgebnis(const QString& ASql, const QVariantList& AWerte = {});
    // The one way to change a stored quantity: relative to the stored value and never below zero,
    // so two devices never lose each other's change. Answers false (and changes nothing) when no
    // row matches ABedingung or the row holds less than -ADelta; raises when several rows match.
    bool MengeAendern(const QString& ATabelle, const QString& ASpalte, const QString& ABedingung,
                      const QVariantList& AWerte, qint64 ADelta);

    // Transactions of the booking bracket. Beginnen retries while the database is busy and is
    // refused (naming AWofuer) while writes are blocked.
    void TransaktionBeginnen(const QString& AWofuer = QStringLiteral("Transaktion"));
    // Raises instead of committing a transaction that a failed statement has spoilt. A lost
    // connection raises CZAM_Info_Fehler_DB_Verbindung_Verloren: whether it was stored is unknown.
    void TransaktionFestschreiben();
    void TransaktionZuruecksetzen() noexcept;
    bool InTransaktion() const { return FInTransaktion; }
    // Called after a failed write has rolled the transaction back.
    void SetBeiFehlerInTransaktion(std::function<void()> ABeiFehler) { FBeiFehler = std::move(ABeiFehler); }
    // While set, a write outside a transaction is refused: the bracket it belongs to was abandoned.
    void SetSchreibenGesperrt(bool AGesperrt) { FSchreibenGesperrt = AGesperrt; }

    // Replaces the engine tokens of the common SQL text: {ID} (an automatic key column),
    // {JETZT} (seconds since 1970 by the database clock), {BLOB}, {INT64}, {BINAER} (after a
    // text in ORDER BY: code-point order, the same on both engines whatever the server's collation).
    QString Sql(const QString& AText) const;

private:
    bool Einmal(QSqlQuery& q, const QString& ASql, const QVariantList& AWerte, TZAM_Zeilen* AZeilen,
                int* AGeaendert, QSqlError* AFehler);
    static bool Ergebnis(QSqlQuery& q, TZAM_Zeilen* AZeilen, int* AGeaendert, QSqlError* AFehler);
    TZAM_Zeilen Ausfuehren(bool ASchreiben, const QString& ASql, const QVariantList& AWerte, int* AGeaendert);
    bool Direkt(const QString& ASql, QSqlError* AFehler);
    void DirektOderFehler(const QString& ASql);
    // Tries again while the database is busy; after a lost connection only when AWiederholbar.
    void Wiederholt(bool AWiederholbar, const QString& ASql, const std::function<bool(QSqlError*)>& AVersuch);
    void Verbinden();
    void Einrichten();
    void Wiederverbinden();
    bool VerbindungBekanntTot() const;
    bool IstBelegt(const QSqlError& AFehler) const;
    bool IstVerbindungWeg(const QSqlError& AFehler) const;
    bool IstZuLang(const QSqlError& AFehler) const;
    [[noreturn]] void Fehler(const QSqlError& AFehler, const QString& ASql) const;
    void FehlerInTransaktion(const QSqlError& AFehler, const QString& ASql);
    QSqlDatabase Verbindung() const;
    // The statement prepared on this connection; null with AFehler set when it does not prepare.
    QSqlQuery* Vorbereitet(const QString& ASql, QSqlError* AFehler);
    // Before the connection closes: its prepared statements go while it is still there.
    void VorbereiteteVerwerfen();

    TZAM_DBKonfig FKonfig;
    QString FName;
    bool FInTransaktion = false;
    bool FSchreibenGesperrt = false;
    std::function<void()> FBeiFehler;
};

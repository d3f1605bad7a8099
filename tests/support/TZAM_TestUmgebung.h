#pragma once

#include "Glob_WWSServerFactoryClass.h"
#include "TZAM_Backend.h"
#include "TZAM_DBKonfig.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A scratch site for one test: an ini file and an empty database (a SQLite file in a temporary
// folder, or a database of its own on the PostgreSQL test server), with our framework installed.
class TZAM_TestUmgebung
{
public:
    enum TMotor { tmSQLite, tmPostgres };

    explicit TZAM_TestUmgebung(TMotor AMotor, TZAM_Backend::TOptionen AOptionen = {}, bool AOeffnen = true);
    ~TZAM_TestUmgebung();

    // Whether the PostgreSQL test server of scripts/pg-testserver.sh answers; AGrund says why not.
    static bool PostgresVerfuegbar(QString* AGrund = nullptr);
    // True when the test run demands the PostgreSQL suites (a missing server is then a failure).
    static bool PostgresPflicht();

    TZAM_Backend& Backend() { return *FBackend; }
    const QString& IniPfad() const { return FIniPfad; }
    // What the program wrote to its protocol file so far.
    QString Protokoll() const;
    const TZAM_DBKonfig& Konfig() const { return FKonfig; }
    QString Verzeichnis() const { return FDir.path(); }
    TMotor Motor() const { return FMotor; }
    // Ends the framework (as a program end does) and starts it again on the same database.
    void Neustart(TZAM_Backend::TOptionen AOptionen = {});
    void Beenden();
    // Fills the database with the demo site.
    void DemoAnlegen();
    // Sets a parameter for every device.
    void ParameterSetzen(const QString& AName, const QString& AWert);
    // The number the query answers; -1 without a row.
    int Zahl(const QString& ASql, const QVariantList& AWerte = {});

private:
    void Starten(TZAM_Backend::TOptionen AOptionen, bool AOeffnen);

    TMotor FMotor;
    QTemporaryDir FDir;
    QString FIniPfad;
    QString FPgDatenbank;
    TZAM_DBKonfig FKonfig;
    std::unique_ptr<TZAM_Backend> FBackend;
};

// A service of the registered backend, as the program creates it.
template <class I> std::unique_ptr<I> TestDienst()
{
    return Glob_WWSServerFactoryClass().Create<I>();
}

// In a data-driven test: adds the rows "sqlite" and "postgres" of the column "motor".
void ZAM_MotorenDaten();
// Skips a test without the PostgreSQL test server (fails when the run demands it).
#define ZAM_POSTGRES_PFLICHT()                                                                                    \
    do {                                                                                                         \
        QString grund_;                                                                                          \
        if (!TZAM_TestUmgebung::PostgresVerfuegbar(&grund_)) {                                                   \
            if (TZAM_TestUmgebung::PostgresPflicht())                                                            \
                QFAIL(qPrintable(QStringLiteral("PostgreSQL-Testserver fehlt: ") + grund_));                     \
            QSKIP(qPrintable(QStringLiteral("PostgreSQL-Testserver fehlt (scripts/pg-testserver.sh): ") + grund_)); \
        }                                                                                                        \
    } while (false)
// Reads the row's engine; skips a PostgreSQL row without server (fails when it is demanded).
#define ZAM_MOTOR(VAR)                                                                                           \
    QFETCH(int, motor);                                                                                          \
    const auto VAR = TZAM_TestUmgebung::TMotor(motor);                                                           \
    if (VAR == TZAM_TestUmgebung::tmPostgres)                                                                    \
        ZAM_POSTGRES_PFLICHT();

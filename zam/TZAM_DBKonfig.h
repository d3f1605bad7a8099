#pragma once

#include <QString>

class TZAM_IniDatei;

// Connection settings of section [Datenbank] of the ini file.
struct TZAM_DBKonfig
{
    QString Treiber = QStringLiteral("QSQLITE");
    QString Datei;
    QString Host = QStringLiteral("127.0.0.1");
    int Port = 5432;
    QString Name;
    QString Benutzer;
    QString Passwort;
    // One deadline for every call that waits on a busy database (all its tries together), and
    // PostgreSQL's lock_timeout: [Datenbank] Wartezeit in seconds.
    int WartezeitMs = CWartezeitStandardMs;

    static constexpr int CWartezeitStandardMs = 5000;

    bool IstSQLite() const { return Treiber.compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) != 0; }
    // True when the ini file names a database; otherwise the demo database is used.
    static bool IstKonfiguriert(const TZAM_IniDatei& AIni);
    static TZAM_DBKonfig AusIni(const TZAM_IniDatei& AIni);
    // The same database for the lock connection: on SQLite a file of its own beside the data file.
    TZAM_DBKonfig FuerSperren() const;
    // Readable description without the password.
    QString Beschreibung() const;
};

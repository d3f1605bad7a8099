#include "TZAM_DBKonfig.h"

#include "TZAM_IniDatei.h"

#include <QFileInfo>

namespace {
const QString CSektion = QStringLiteral("Datenbank");
}

bool TZAM_DBKonfig::IstKonfiguriert(const TZAM_IniDatei& AIni)
{
    return !AIni.Wert(CSektion, QStringLiteral("Treiber")).isEmpty() ||
           !AIni.Wert(CSektion, QStringLiteral("Datei")).isEmpty();
}

TZAM_DBKonfig TZAM_DBKonfig::AusIni(const TZAM_IniDatei& AIni)
{
    TZAM_DBKonfig k;
    k.Treiber = AIni.Wert(CSektion, QStringLiteral("Treiber"), k.Treiber).toUpper();
    k.Datei = AIni.Wert(CSektion, QStringLiteral("Datei"));
    k.Host = AIni.Wert(CSektion, QStringLiteral("Host"), k.Host);
    k.Port = AIni.Wert(CSektion, QStringLiteral("Port"), QString::number(k.Port)).toInt();
    k.Name = AIni.Wert(CSektion, QStringLiteral("Name"));
    k.Benutzer = AIni.Wert(CSektion, QStringLiteral("Benutzer"));
    k.Passwort = AIni.Wert(CSektion, QStringLiteral("Passwort"));
    bool ok = false;
    const int sekunden = AIni.Wert(CSektion, QStringLiteral("Wartezeit")).toInt(&ok);
    if (ok && sekunden >= 1 && sekunden <= 60)
        k.WartezeitMs = sekunden * 1000;
    return k;
}

TZAM_DBKonfig TZAM_DBKonfig::FuerSperren() const
{
    TZAM_DBKonfig k = *this;
    if (IstSQLite()) {
        // One data file reached under two names (a symbolic link) must find one lock file. The
        // data file exists by the time the lock service starts.
        const QString kanonisch = QFileInfo(Datei).canonicalFilePath();
        k.Datei = (kanonisch.isEmpty() ? Datei : kanonisch) + QStringLiteral(".sperren");
    }
    return k;
}

QString TZAM_DBKonfig::Beschreibung() const
{
    if (IstSQLite())
        return QStringLiteral("SQLite %1").arg(Datei);
    return QStringLiteral("PostgreSQL %1@%2:%3/%4").arg(Benutzer, Host).arg(Port).arg(Name);
}

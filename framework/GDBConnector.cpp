#include "GDBConnector.h"

#include "IZAM_Programm.h"
#include "ZAMGlobal.h"

int TZAM_DBConnector::DatenbankArt() const
{
    return ZAMProgramm().IniWert(QStringLiteral("Datenbank"), QStringLiteral("Verbinderart"), QStringLiteral("0")).toInt();
}

TZAM_DBConnector& GDBConnector()
{
    static TZAM_DBConnector GConnector;
    return GConnector;
}

#include "TZAM_ParameterService.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_IniDatei.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

namespace {
const QString CSektion = QStringLiteral("Parameter");
}

TZAM_ParameterService::TZAM_ParameterService(TZAM_Datenbank& ADb, const TZAM_IniDatei& AIni) : FDb(ADb), FIni(AIni) {}

QString TZAM_ParameterService::Wert(const QString& AName)
{
    const QString name = AName.toUpper();
    if (FSitzungswerte.contains(name))
        return FSitzungswerte.value(name);
    if (FIni.Enthaelt(CSektion, AName))
        return FIni.Wert(CSektion, AName);
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT wert FROM zam_parameter WHERE name = ?"), {name});
    if (z.IsEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ParameterUnbekannt, AName);
    return z.Wert(0, 0).toString();
}

int TZAM_ParameterService::GetIntegerValueByName(const QString& AName)
{
    const QString w = Wert(AName);
    bool ok = false;
    const int i = w.trimmed().toInt(&ok);
    if (!ok)
        throw EZAM_KonvertFehler(QStringLiteral("Parameter %1 = '%2' ist keine Zahl").arg(AName, w));
    return i;
}

bool TZAM_ParameterService::GetBooleanValueByName(const QString& AName)
{
    const QString w = Wert(AName).trimmed().toUpper();
    return w == QLatin1String("J") || w == QLatin1String("1") || w == QLatin1String("TRUE");
}

QString TZAM_ParameterService::GetCharValueByName(const QString& AName) { return Wert(AName).trimmed().left(1); }

QString TZAM_ParameterService::GetStringValueByName(const QString& AName) { return Wert(AName); }

void TZAM_ParameterService::SetBooleanValueByName(const QString& AName, bool AWert)
{
    FSitzungswerte.insert(AName.toUpper(), BoolToJN(AWert));
}

void TZAM_ParameterService::Speichern(const QString& AName, const QString& AWert, const QString& ABeschreibung)
{
    const QString name = AName.toUpper();
    if (FDb.Schreiben(QStringLiteral("UPDATE zam_parameter SET wert = ? WHERE name = ?"), {AWert, name}) == 0)
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert, beschreibung) VALUES (?, ?, ?)"),
                      {name, AWert, ABeschreibung});
}

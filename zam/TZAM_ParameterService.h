#pragma once

#include "IZAM_Parameter.h"

#include <QHash>

class TZAM_Datenbank;
class TZAM_IniDatei;

// Parameters of the parameter table, overridden on this terminal by the ini file's [Parameter]
// section. SetBooleanValueByName holds the value for this program run and writes nothing: the
// callers keep the value in their per-terminal options and set it again at every start, and a
// value set on one terminal must not change the others.
class TZAM_ParameterService : public IZAM_Parameter
{
public:
    TZAM_ParameterService(TZAM_Datenbank& ADb, const TZAM_IniDatei& AIni);

    int GetIntegerValueByName(const QString& AName) override;
    bool GetBooleanValueByName(const QString& AName) override;
    QString GetCharValueByName(const QString& AName) override;
    QString GetStringValueByName(const QString& AName) override;
    void SetBooleanValueByName(const QString& AName, bool AWert) override;

    // Stores a value in the parameter table for every device (demo site, administration).
    void Speichern(const QString& AName, const QString& AWert, const QString& ABeschreibung = {});

private:
    QString Wert(const QString& AName);

    TZAM_Datenbank& FDb;
    const TZAM_IniDatei& FIni;
    QHash<QString, QString> FSitzungswerte;
};

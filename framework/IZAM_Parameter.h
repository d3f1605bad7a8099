#pragma once

#include <QString>

// Framework parameters by name. The ini file's [Parameter] section overrides a value on this
// terminal; SetBooleanValueByName changes the value for this program run only.
class IZAM_Parameter
{
public:
    virtual ~IZAM_Parameter() = default;

    virtual int GetIntegerValueByName(const QString& AName) = 0;
    virtual bool GetBooleanValueByName(const QString& AName) = 0;
    virtual QString GetCharValueByName(const QString& AName) = 0;
    virtual QString GetStringValueByName(const QString& AName) = 0;
    virtual void SetBooleanValueByName(const QString& AName, bool AWert) = 0;
};

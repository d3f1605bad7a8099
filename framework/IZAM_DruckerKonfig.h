#pragma once

#include "IZAM_Server.h"

#include <QList>
#include <QString>

// Printer types of zam_drucker.typ.
inline constexpr int CZAM_DruckerTyp_Standard = 0;  // the site's standard printer
inline constexpr int CZAM_DruckerTyp_Belege = 1;    // documents, whatever the configured name says
inline constexpr int CZAM_DruckerTyp_Etiketten = 9; // article labels

struct TZAM_Drucker
{
    int Typ = CZAM_DruckerTyp_Standard;
    QString Name;
};

// The printer configuration of the site.
class IZAM_DruckerKonfig : public IZAM_Server
{
public:
    virtual QList<TZAM_Drucker> Drucker() = 0;
    // The name of the printer of the type; empty when none is configured.
    virtual QString DruckerFuerTyp(int ATyp) = 0;
    // The label printer: the type-9 printer, else the standard printer (type 0); empty when
    // neither is configured (the print module then takes the machine's default).
    QString EtikettenDrucker()
    {
        const QString name = DruckerFuerTyp(CZAM_DruckerTyp_Etiketten);
        return name.isEmpty() ? DruckerFuerTyp(CZAM_DruckerTyp_Standard) : name;
    }
};

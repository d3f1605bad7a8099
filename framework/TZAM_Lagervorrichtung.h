#pragma once

#include "TIntTrio.h"

#include <QString>

// A place as the place-assignment manager hands it out: its key, name and short label.
struct TZAM_Lagervorrichtung
{
    TIntTrio Id;
    QString Name;
    QString Kuerzel;

    // The short label when there is one, else the name.
    QString Anzeige() const { return Kuerzel.isEmpty() ? Name : Kuerzel; }
    void Clear() { *this = TZAM_Lagervorrichtung(); }
};

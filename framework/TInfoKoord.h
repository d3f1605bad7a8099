#pragma once

#include <QString>

// Key of a catalogue message: group and number.
struct TInfoKoord
{
    QString Gruppe;
    int Nummer = 0;

    bool operator==(const TInfoKoord&) const = default;
    bool IsNull() const { return Nummer == 0; }
};

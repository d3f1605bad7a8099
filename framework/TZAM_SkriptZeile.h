#pragma once

#include "TZAM_SkriptTaste.h"

#include <QString>

// One line of a script file, read once before the run.
class TZAM_SkriptZeile
{
public:
    enum TArt
    {
        szLeer,
        szTaste,
        szTippen,
        szScan,
        szKlick,
        szWarten,
        szDump,
        szErwarten,
        szEnde,
        szFehler
    };

    // ANummer counts from 1 and appears in the messages.
    static TZAM_SkriptZeile Lesen(const QString& AText, int ANummer);

    TArt Art() const { return FArt; }
    int Nummer() const { return FNummer; }
    // The text after the command: the text of type, scan and expect as given, the trimmed name of click.
    QString Argument() const { return FArgument; }
    const TZAM_SkriptTaste& Taste() const { return FTaste; }
    int Millisekunden() const { return FMillisekunden; }
    // Why a line of kind szFehler cannot run.
    QString Fehler() const { return FFehler; }

private:
    TArt FArt = szLeer;
    int FNummer = 0;
    QString FArgument;
    TZAM_SkriptTaste FTaste;
    int FMillisekunden = 0;
    QString FFehler;
};

#pragma once

#include "TInfoKoord.h"

#include <QString>

// Raises EZAM_Exception with the catalogue message. Number 0 identifies no message and raises
// nothing (destroy handlers call it with 0).
void FehlerRaise(const QString& AMethode, int ANummer, const QString& AGruppe = QStringLiteral("STANDARD"),
                 const QString& AEinfuegung = {});
void FehlerRaise(const QString& AMethode, const TInfoKoord& AKoord, const QString& AEinfuegung = {});
// Last step of a destroy handler: writes at most a protocol line; never throws, never ends the program.
void FehlerTerminate(const QString& AMethode, int ANummer = 0) noexcept;

#pragma once

#include "TIntTrio.h"

#include <QString>

// The booking bracket: a transaction on the program's connection. Brackets nest; the outermost
// close commits. An exception leaving the routine that opened a bracket abandons it (Aufgeben).
class IZAM_Buchung
{
public:
    virtual ~IZAM_Buchung() = default;

    virtual void Oeffnen(int AOperationsArt, const QString& AName) = 0;
    // Closes the innermost bracket, which must carry AName.
    virtual void Schliessen(const QString& AName) = 0;
    // Rolls everything back; the closes that follow end quietly.
    virtual void Abbrechen() = 0;
    // True while a bracket is open; after an abandonment true once more, then false.
    virtual bool IstOffen() = 0;
    virtual int Tiefe() const = 0;
    // Rolls back at once and keeps the brackets below ATiefe as abandoned.
    virtual void Aufgeben(int ATiefe) = 0;
    // Protocol key of the open bracket, unique across devices.
    virtual TIntTrio GetProtId() = 0;
};

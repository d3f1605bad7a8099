#pragma once

#include "TIntPair.h"

#include <QProcessEnvironment>
#include <QString>

class EZAM_Exception;

// Program object: start of the framework, idle termination, guarded timer work, start-up user.
class IZAM_Programm
{
public:
    virtual ~IZAM_Programm() = default;

    // Reads the ini file and opens the database (creating the demo database when none is
    // configured). Raises EZAM_Exception when the database cannot be opened.
    virtual void Init(const QString& AProgrammCode, int AProzessTyp, int AInstanzModus, int AWert, bool AFlag) = 0;
    virtual bool IstInitialisiert() const = 0;
    virtual void ShowException(const std::exception& E) = 0;

    // Restarts the idle period after which the program ends itself.
    virtual void PreventAutoTermination() = 0;
    // Idle period in seconds; 0 switches the idle termination off.
    virtual void SetAutoTerminate(int ASekunden) = 0;
    virtual int GetAutoTerminate() const = 0;
    // Ends the program through its normal shutdown: windows closed, destroy handlers run.
    virtual void Beenden(int AExitCode = 0) = 0;

    // False while another guarded work runs.
    virtual bool WorkStartTry(const void* AOwner, const QString& AName, int AWert) = 0;
    virtual void WorkDone(const void* AOwner) = 0;

    // The user given on the command line as "USEREXTERN=" and its unformatted text, else empty.
    virtual TIntPair GetAngemBenutzer_GepNr() const = 0;
    virtual QString TerminalID() const = 0;
    // The terminal's number from the terminal table (given on first use). Raises EZAM_Exception
    // while no database is open.
    virtual int GetRId() = 0;
    // The environment of a second instance of this program (the urgent requests): this one's,
    // with its lock family, so that the two hold their locks together.
    virtual QProcessEnvironment KindUmgebung() const = 0;
    // A value of the framework ini file.
    virtual QString IniWert(const QString& ASektion, const QString& ASchluessel, const QString& ADefault = {}) const = 0;
};

#pragma once

#include "TZAM_IniDatei.h"

#include <QStringList>
#include <memory>

class TZAM_BuchungService;
class TZAM_Datenbank;
class TZAM_InfoService;
class TZAM_ParameterService;
class TZAM_ProgrammService;
class TZAM_SperrService;

// Our framework behind the interfaces of framework/: created at program start before anything
// else, it installs the message and program services at once and the database services when
// ZAMProgramm().Init opens the database. Destroying it ends the session: own locks released,
// an open bracket rolled back, connections closed.
class TZAM_Backend
{
public:
    struct TOptionen
    {
        QStringList Argumente;
        QString IniPfad;          // empty: --ini, ZAM_INI or the user's configuration folder
        int SperrTimeoutSekunden = 120;
        int HerzschlagMs = 20000;
        bool MitHerzschlag = true;
        // Tests play another device with these: another machine identity, another process id,
        // a wall clock shifted by some seconds.
        QString SperrMaschine;
        qint64 SperrPid = 0;
        int UhrVersatzSekunden = 0;
        bool MeldungenOhneFenster = false; // answer every message automatically (tests)
    };

    explicit TZAM_Backend(const TOptionen& AOptionen);
    ~TZAM_Backend();
    TZAM_Backend(const TZAM_Backend&) = delete;
    TZAM_Backend& operator=(const TZAM_Backend&) = delete;

    static TZAM_Backend* Instanz();

    // Opens the configured database, or creates and opens the demo database; applies the
    // migrations and installs parameters, booking bracket and locks.
    void DatenbankOeffnen();
    bool DatenbankOffen() const;
    // The demo database of this user when the ini file names none.
    static QString DemoDatei();

    TZAM_IniDatei& Ini() { return FIni; }
    TZAM_Datenbank& Datenbank();
    TZAM_InfoService& Info() { return *FInfo; }
    TZAM_ProgrammService& Programm() { return *FProgramm; }
    TZAM_ParameterService& Parameter();
    TZAM_SperrService& Sperren();
    TZAM_BuchungService& Buchung();

private:
    void Installieren();

    TOptionen FOptionen;
    bool FIniBenannt = false;
    TZAM_IniDatei FIni;
    std::unique_ptr<TZAM_InfoService> FInfo;
    std::unique_ptr<TZAM_ProgrammService> FProgramm;
    std::unique_ptr<TZAM_Datenbank> FDb;
    std::unique_ptr<TZAM_ParameterService> FParameter;
    std::unique_ptr<TZAM_BuchungService> FBuchung;
    std::unique_ptr<TZAM_SperrService> FSperren;
};

#pragma once

#include "IZAM_Programm.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

class TZAM_Backend;

// Program object: start of the framework, idle termination, guarded timer work.
class TZAM_ProgrammService : public QObject, public IZAM_Programm
{
    Q_OBJECT
public:
    TZAM_ProgrammService(TZAM_Backend& ABackend, const QStringList& AArgumente);

    void Init(const QString& AProgrammCode, int AProzessTyp, int AInstanzModus, int AWert, bool AFlag) override;
    bool IstInitialisiert() const override { return FInitialisiert; }
    void ShowException(const std::exception& E) override;
    void PreventAutoTermination() override;
    // Kept between 0 (off) and CAutoTerminateMax.
    void SetAutoTerminate(int ASekunden) override;
    int GetAutoTerminate() const override { return FAutoTerminate; }
    void Beenden(int AExitCode = 0) override;
    bool WorkStartTry(const void* AOwner, const QString& AName, int AWert) override;
    void WorkDone(const void* AOwner) override;
    TIntPair GetAngemBenutzer_GepNr() const override { return FAngemeldet; }
    QString TerminalID() const override;
    int GetRId() override;
    QProcessEnvironment KindUmgebung() const override;
    QString IniWert(const QString& ASektion, const QString& ASchluessel, const QString& ADefault) const override;

    // Idle termination in seconds: the default, and the largest interval a timer holds.
    static constexpr int CAutoTerminateStandard = 1200;
    static constexpr int CAutoTerminateMax = 2147483;
    // The interval of the ini file's text: empty gives the default; a value that is no whole number
    // from 0 (off) to CAutoTerminateMax is refused with a message (standard error and protocol), and
    // the default holds.
    static int LeerlaufIntervall(const QString& AText);

    const QString& ProgrammCode() const { return FProgrammCode; }
    // True once the idle termination has ended the program.
    bool AutomatischBeendet() const { return FAutomatischBeendet; }

private:
    void Leerlauf();

    TZAM_Backend& FBackend;
    QString FProgrammCode;
    bool FInitialisiert = false;
    int FAutoTerminate = CAutoTerminateStandard;
    QTimer FLeerlauf;
    const void* FWorkOwner = nullptr;
    QString FWorkName;
    TIntPair FAngemeldet;
    bool FAutomatischBeendet = false;
    int FRId = 0; // the terminal's number once asked
};

#pragma once

// The application's terminate request. It also holds before the message loop runs: the program
// entry does not start the loop once termination was asked for, and loops that show forms stop.
class TZAM_Anwendung
{
public:
    // AExitCode: the program's exit code when the end comes before the message loop ran.
    static void Terminate(int AExitCode = 0);
    static bool Terminated();
    static int ExitCode();
    // For tests that run several program starts in one process.
    static void Zuruecksetzen();
};

#pragma once

// The application's terminate request. It also holds before the message loop runs: the program
// entry does not start the loop once termination was asked for, and loops that show forms stop.
class TZAM_Anwendung
{
public:
    static void Terminate();
    static bool Terminated();
    // For tests that run several program starts in one process.
    static void Zuruecksetzen();
};

#pragma once

#include <QString>

// Plays the named hint sounds ("SYSTEMEXCLAMATION", "SYSTEMQUESTION", "MAILBEEP") bundled with
// the program, asynchronously so a scan is never delayed. Without an audio device it is silent.
class TZAM_Klang
{
public:
    // An empty or unknown name plays "SYSTEMEXCLAMATION".
    static void Spielen(const QString& AName);
    // The names played so far (for tests); also counts when silent.
    static QStringList GespielteHolen();
};

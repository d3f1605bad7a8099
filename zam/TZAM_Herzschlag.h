#pragma once

#include "TZAM_DBKonfig.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

class TZAM_Datenbank;

// Writes the session's heartbeat from a thread with a connection of its own, so that a busy
// user-interface thread never loses its locks. A beat counts the session's counter up; the
// thread also watches the counters of the other sessions, so that their silence is measured on
// this program's monotonic clock and never by comparing the wall clocks of two devices.
class TZAM_Herzschlag : public QThread
{
    Q_OBJECT
public:
    TZAM_Herzschlag(const TZAM_DBKonfig& AKonfig, qint64 ASitzung, int AIntervallMs, int AUhrVersatzSekunden);
    ~TZAM_Herzschlag() override;

    void Anhalten();
    // Beats for another session row from now on (the old one was lost).
    void SetSitzung(qint64 ASitzung);
    // True once a beat found the session row gone: another program declared this one dead.
    bool Verloren() const { return FVerloren.load(); }
    // How long the session's counter has stood at AZaehler as far as this program has seen it
    // (0 at the first sight of that value).
    qint64 StillMs(qint64 ASitzung, qint64 AZaehler);

protected:
    void run() override;

private:
    struct TGesehen
    {
        qint64 Zaehler = 0;
        QElapsedTimer Seit;
    };
    void Schlagen(TZAM_Datenbank& ADb);

    TZAM_DBKonfig FKonfig;
    int FIntervallMs;
    int FUhrVersatzSekunden;
    QMutex FMutex;
    QWaitCondition FWecker;
    bool FAnhalten = false;
    qint64 FSitzung;
    std::atomic<bool> FVerloren{false};
    QHash<qint64, TGesehen> FGesehen;
};

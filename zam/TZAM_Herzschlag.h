#pragma once

#include "TZAM_DBKonfig.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Writes the session's heartbeat from a thread with a connection of its own, so that a busy
// user-interface thread never loses its locks.
class TZAM_Herzschlag : public QThread
{
    Q_OBJECT
public:
    TZAM_Herzschlag(const TZAM_DBKonfig& AKonfig, qint64 ASitzung, int AIntervallMs);
    ~TZAM_Herzschlag() override;

    void Anhalten();

protected:
    void run() override;

private:
    TZAM_DBKonfig FKonfig;
    qint64 FSitzung;
    int FIntervallMs;
    QMutex FMutex;
    QWaitCondition FWecker;
    bool FAnhalten = false;
};

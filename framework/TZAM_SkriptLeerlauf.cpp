#include "TZAM_SkriptLeerlauf.h"

#include "TZAM_Hausregel.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

namespace {
int Schleifenebene()
{
    return QThread::currentThread()->loopLevel();
}
} // namespace

TZAM_SkriptLeerlauf::TZAM_SkriptLeerlauf(QObject* AParent) : QObject(AParent)
{
    FUhr.start();
    FWecker.setSingleShot(true);
    connect(&FWecker, &QTimer::timeout, this, &TZAM_SkriptLeerlauf::Wecken);
    // The dispatcher says so only from a loop's own wait, never from processEvents of a handler.
    if (QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance())
        connect(d, &QAbstractEventDispatcher::aboutToBlock, this, &TZAM_SkriptLeerlauf::VorDemWarten);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

void TZAM_SkriptLeerlauf::Abwarten(int AMillisekunden)
{
    FFruehestens = FUhr.elapsed() + qMax(0, AMillisekunden);
    FWartet = true;
    FWecker.stop();
}

void TZAM_SkriptLeerlauf::Stoppen()
{
    FWartet = false;
    FWecker.stop();
}

bool TZAM_SkriptLeerlauf::eventFilter(QObject* AObjekt, QEvent* AEreignis)
{
    Q_UNUSED(AEreignis);
    // Any event but our own timer's is work in progress: it may post more.
    if (AObjekt != &FWecker)
        FEbene = -1;
    return false;
}

void TZAM_SkriptLeerlauf::VorDemWarten()
{
    FEbene = Schleifenebene();
    // Armed here, so the timer comes after the events posted so far (a glib loop may still have
    // some when it says it waits); they undo FEbene, and the next wait arms it again.
    if (FWartet && !FWecker.isActive())
        FWecker.start(int(qMax<qint64>(0, FFruehestens - FUhr.elapsed())));
}

void TZAM_SkriptLeerlauf::Wecken()
{
    if (!FWartet)
        return;
    const qint64 rest = FFruehestens - FUhr.elapsed();
    if (rest > 0) {
        FWecker.start(int(rest));
        return;
    }
    if (!Leer()) {
        // Armed again at the next wait; a handler that waits in a loop of its own is asked again
        // later instead of at every turn of that loop.
        if (FEbene == Schleifenebene())
            FFruehestens = FUhr.elapsed() + 10;
        return;
    }
    FWartet = false;
    emit Bereit();
}

bool TZAM_SkriptLeerlauf::Leer() const
{
    const int ebene = Schleifenebene();
    return FEbene == ebene && TZAM_Hausregel::HandlerEbene() < ebene;
}

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// When the program is idle for the next script line: the event loop it is in is about to wait for
// input, nothing but this watcher's own timer happened since (so the work the program posted is
// done), and no handler runs at that loop level (one inside processEvents is still at its level). A
// modal form runs a loop of its own one level up and is idle in its own right.
class TZAM_SkriptLeerlauf : public QObject
{
    Q_OBJECT

public:
    explicit TZAM_SkriptLeerlauf(QObject* AParent = nullptr);

    // Emits Bereit once, from a timer at the top of an idle event loop, no earlier than
    // AMillisekunden from now.
    void Abwarten(int AMillisekunden);
    void Stoppen();
    // What happened so far must settle again before the program counts as idle (a line begins).
    void Vergessen() { FEbene = -1; }

Q_SIGNALS:
    void Bereit();

protected:
    bool eventFilter(QObject* AObjekt, QEvent* AEreignis) override;

private:
    void VorDemWarten();
    void Wecken();
    bool Leer() const;

    QTimer FWecker;
    QElapsedTimer FUhr;
    qint64 FFruehestens = 0;
    bool FWartet = false;
    // The loop level that last went to wait with nothing happening since, else -1.
    int FEbene = -1;
};

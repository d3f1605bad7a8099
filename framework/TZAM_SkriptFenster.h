#pragma once

#include <QObject>

class QWidget;

// The window a script talks to: the active modal widget, else the active window, else the visible
// window shown or activated last (closing a dialog need not activate the window below it).
class TZAM_SkriptFenster : public QObject
{
public:
    // Starts noting the order in which windows are shown; once per application.
    static void Beobachten();

    static QWidget* AktivesFenster();
    // Makes AktivesFenster the active window when none is: without a window manager (offscreen) a
    // closed dialog leaves no window active, and window shortcuts and mnemonics would not fire.
    static void Aktivieren();
    // Where a key goes: keyboard grabber, open popup, else the focus widget of the active window.
    static QWidget* Tastenziel();

protected:
    bool eventFilter(QObject* AObjekt, QEvent* AEreignis) override;

private:
    explicit TZAM_SkriptFenster(QObject* AParent) : QObject(AParent) {}
};

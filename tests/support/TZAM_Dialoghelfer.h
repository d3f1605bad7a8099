#pragma once

#include <QString>
#include <QWidget>
#include <functional>

// Answers modal dialogs in widget tests: the action runs as soon as a modal dialog (other than
// AAusser) is open, inside its event loop.
void ZAM_BeimNaechstenDialog(const std::function<void(QWidget* ADialog)>& AAktion, QWidget* AAusser = nullptr,
                             int ATimeoutMs = 10000);
// Types into the line edit of the dialog with that object name.
void ZAM_FeldSetzen(QWidget* ADialog, const QString& AFeld, const QString& AText);
// Clicks the dialog's button with that object name or caption; fails the test when missing.
void ZAM_Klicken(QWidget* ADialog, const QString& AKnopf);

// Keys as the device sends them: to the focus widget, else to AFenster.
void ZAM_Taste(QWidget* AFenster, Qt::Key ATaste, Qt::KeyboardModifiers AModifier = Qt::NoModifier);
void ZAM_Tippen(QWidget* AFenster, const QString& AText);
// The scanner: prefix F11, the characters, Enter.
void ZAM_Scannen(QWidget* AFenster, const QString& AText);

#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// "click NAME" in a window: a visible, enabled widget by object name, else a button by its caption
// without "&" marks, else a tab by its caption (selected), else a list row showing the text
// (TZAM_SkriptZeilenKlick).
class TZAM_SkriptKlick
{
public:
    // Empty when clicked, else the reason for the script's failure.
    static QString Klicken(QWidget* AFenster, const QString& AName);
    // A tap at AOrt of AWidget as a finger gives it: the deepest child there gets press and release
    // (an ignored event travels up), and the first widget from there up that takes click focus the focus.
    static void Antippen(QWidget* AWidget, const QPoint& AOrt);
};

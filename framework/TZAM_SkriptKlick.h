#pragma once

#include <QString>

class QWidget;

// "click NAME" in a window: a visible, enabled widget by object name, else a button by its caption
// without "&" marks, else a tab by its caption (selected).
class TZAM_SkriptKlick
{
public:
    // Empty when clicked, else the reason for the script's failure.
    static QString Klicken(QWidget* AFenster, const QString& AName);
};

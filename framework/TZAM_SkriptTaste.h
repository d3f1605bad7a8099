#pragma once

#include <QKeyCombination>
#include <QString>

class QWidget;

// One key as a script names it ("F5", "Esc", "Ctrl+A", "7"), with the text a keyboard sends for it.
class TZAM_SkriptTaste
{
public:
    TZAM_SkriptTaste() = default;

    // Invalid for an unknown name.
    static TZAM_SkriptTaste AusName(const QString& AName);
    // The key that types this character (Shift for capitals).
    static TZAM_SkriptTaste AusZeichen(char32_t AZeichen);
    static TZAM_SkriptTaste AusKombination(QKeyCombination AKombination);

    bool Gueltig() const { return FGueltig; }
    Qt::Key Taste() const { return FTaste; }
    Qt::KeyboardModifiers Modifikatoren() const { return FModifikatoren; }
    QString Text() const { return FText; }

    // Press and release to AZiel; the press goes through the shortcut map first, as from a keyboard.
    void Senden(QWidget* AZiel) const;

private:
    TZAM_SkriptTaste(Qt::Key ATaste, Qt::KeyboardModifiers AModifikatoren, const QString& AText);

    bool FGueltig = false;
    Qt::Key FTaste = Qt::Key_unknown;
    Qt::KeyboardModifiers FModifikatoren;
    QString FText;
};

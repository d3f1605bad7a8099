#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QTextEdit;
class QPlainTextEdit;
class QWidget;

// What of a widget a person sees: its part inside the window after the clip of every ancestor (a
// scroll area's viewport is one), and of a label or text field the text in that part.
class TZAM_SkriptSichtbar
{
public:
    // In AWidget's coordinates; empty when nothing of it is inside its window.
    static QRect Rechteck(const QWidget* AWidget);
    // The characters of ALabel's text (AText: as shown, plain, line breaks kept) that lie wholly
    // inside the seen part, laid out as the label paints plain text; a line counts when its middle
    // is seen. The lines are joined by blanks. Rich text is laid out as its plain text.
    static QString LabelText(const QLabel* ALabel, const QString& AText);
    // The lines of a text field that its viewport shows.
    static QString FeldText(const QTextEdit* AFeld);
    static QString FeldText(const QPlainTextEdit* AFeld);
};

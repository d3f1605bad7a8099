#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// Code 128 as our labels print it. Code set B carries ASCII 32 to 127; runs of digits go into code
// set C (two digits a symbol): from the start when the text begins with 4 digits or is 2 digits,
// else for 4 digits at the end or 6 elsewhere; an odd run leaves its first digit in set B (its
// last at the start). No set A, no FNC characters: a text with any other character is not
// encodable.
class TZAM_Code128
{
public:
    static constexpr int CStartB = 104;
    static constexpr int CStartC = 105;
    static constexpr int CCodeB = 100;
    static constexpr int CCodeC = 99;
    static constexpr int CStop = 106;
    // Quiet zone on either side, in modules.
    static constexpr int CRuhezone = 10;

    // The symbol values: start, data, check symbol, stop. Empty when the text is empty or not
    // encodable.
    static QList<int> Symbole(const QString& AText);
    // The widths in modules of bar, space, bar, ... of the whole symbol (quiet zones not included):
    // six per symbol, seven for the stop. Empty when the text is not encodable.
    static QList<int> Module(const QString& AText);
    // The six (stop: seven) widths of one symbol value.
    static QList<int> Muster(int ASymbol);
    // Draws the bars, with the quiet zones, centred into ARect; with AMitText the text below them in
    // the lower fifth. Module widths are whole device units when the rectangle allows, so a printer
    // prints every bar alike. False, drawing nothing, when the text is not encodable.
    static bool Zeichnen(QPainter& APainter, const QRectF& ARect, const QString& AText, bool AMitText = true);
};

#pragma once

#include <QStringList>
#include <functional>

class QWidget;

class QLabel;

// The visible screen as text, one line per element with a short kind prefix, so that scripts can
// expect texts: the window ("Fenster: class objectName "title""), then its visible elements from top
// to bottom, then left to right by position in the window, ties in tree order. Only what a person
// sees is written: elements inside the window after the clip of every ancestor and viewport, list
// rows that meet the viewport, of a label the text on screen. The dump names elements by their
// object names; the text that expect looks at leaves the names out (the window line keeps them).
class TZAM_BildschirmText
{
public:
    // Answers true when it wrote the lines of this window (after the window line); the first
    // extension that does so ends the dump. For forms whose screen the elements do not tell.
    // AMitNamen: object names may be written (the dump), else only shown texts (expect).
    using TErweiterung = std::function<bool(QWidget* AFenster, QStringList& AZeilen, bool AMitNamen)>;

    // Answers an id for DumpErweiterungEntfernen.
    static int DumpErweiterungRegistrieren(TErweiterung AErweiterung);
    static void DumpErweiterungEntfernen(int AId);

    // The screen text of AFenster, or of the window the script talks to when null.
    static QStringList Zeilen(QWidget* AFenster = nullptr, bool AMitNamen = true);
    static QString Text(QWidget* AFenster = nullptr, bool AMitNamen = true)
    {
        return Zeilen(AFenster, AMitNamen).join(u'\n');
    }
    static QString FensterZeile(const QWidget* AFenster);
    // The lines of the visible elements below AWurzel in screen order; extensions use it for parts.
    static void ElementZeilen(const QWidget* AWurzel, QStringList& AZeilen, bool AMitNamen = true);
    // The part of a label's text on screen, in one line.
    static QString LabelText(const QLabel* ALabel);
    // The colour the program gave a widget (property "zamFarbe", a blue-green-red number) as a
    // person sees it: " [#rrggbb]"; empty when it gave none.
    static QString Farbe(const QWidget* AWidget);

    // A caption as shown: "&" marks removed, "&&" is one "&".
    static QString OhneKuerzel(const QString& ACaption);
    // Line breaks become single blanks.
    static QString EineZeile(const QString& AText);
};

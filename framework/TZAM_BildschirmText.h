#pragma once

#include <QStringList>
#include <functional>

class QWidget;

// The visible screen as text, one line per element with a short kind prefix, so that scripts can
// expect texts: the window ("Fenster: class objectName "title""), then its visible elements from top
// to bottom, then left to right by position in the window, ties in tree order.
class TZAM_BildschirmText
{
public:
    // Answers true when it wrote the lines of this window (after the window line); the first
    // extension that does so ends the dump. For forms whose screen the elements do not tell.
    using TErweiterung = std::function<bool(QWidget* AFenster, QStringList& AZeilen)>;

    // Answers an id for DumpErweiterungEntfernen.
    static int DumpErweiterungRegistrieren(TErweiterung AErweiterung);
    static void DumpErweiterungEntfernen(int AId);

    // The screen text of AFenster, or of the window the script talks to when null.
    static QStringList Zeilen(QWidget* AFenster = nullptr);
    static QString Text(QWidget* AFenster = nullptr) { return Zeilen(AFenster).join(u'\n'); }
    static QString FensterZeile(const QWidget* AFenster);
    // The lines of the visible elements below AWurzel in screen order; extensions use it for parts.
    static void ElementZeilen(const QWidget* AWurzel, QStringList& AZeilen);

    // A caption as shown: "&" marks removed, "&&" is one "&".
    static QString OhneKuerzel(const QString& ACaption);
    // Line breaks become single blanks.
    static QString EineZeile(const QString& AText);
};

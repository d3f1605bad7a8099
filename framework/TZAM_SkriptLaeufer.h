#pragma once

#include "TZAM_BildschirmText.h"
#include "TZAM_SkriptLeerlauf.h"
#include "TZAM_SkriptZeile.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

inline constexpr int CSkriptExit_Ok = 0;
inline constexpr int CSkriptExit_Fehler = 1; // failed expect, unknown line, missing widget, no end at "ende"
inline constexpr int CSkriptExit_Datei = 2;  // the script file cannot be read
inline constexpr int CSkriptExit_Vorzeitig = 3; // the program ended before a line that was still to run

// Scripted operation ("--script FILE"): feeds the lines of a text file to the running program.
// Each line runs only once the program is idle (TZAM_SkriptLeerlauf) and never inside another line,
// except in the loop of a modal form that the other line opened: the next line is awaited before a
// line runs, so the lines go on inside that form.
class TZAM_SkriptLaeufer : public QObject
{
    Q_OBJECT

public:
    explicit TZAM_SkriptLaeufer(QObject* AParent = nullptr);
    ~TZAM_SkriptLaeufer() override;

    // The runner created last, or null.
    static TZAM_SkriptLaeufer* Instanz();
    // For the program entry right after the QApplication: with "--script FILE" (or "--script=FILE")
    // creates the runner as a child of the application and starts it. True without the option too;
    // false when the file cannot be read (message on standard error): the entry ends with
    // CSkriptExit_Datei.
    static bool AusArgumentenStarten(const QStringList& AArgumente);
    static int DumpErweiterungRegistrieren(TZAM_BildschirmText::TErweiterung AErweiterung)
    {
        return TZAM_BildschirmText::DumpErweiterungRegistrieren(std::move(AErweiterung));
    }

    // False with the reason in AFehler when the file cannot be read (UTF-8 text).
    bool DateiLaden(const QString& ADatei, QString* AFehler = nullptr);
    void ZeilenSetzen(const QStringList& AZeilen);
    // The lines run from the event loop once a window is visible. A line that cannot run fails the
    // script before the first line.
    void Starten();

    // For the program entry once the program has ended (AProgrammCode: its own exit code): the exit
    // code of the run. An end before a line that was still to run is a failure ("Skript endete vor
    // Zeile N"); an end at the line "ende", or right before it, is the program's own.
    int Abschluss(int AProgrammCode);

    // How long the line "ende" waits for the program's end before it fails (default 10 s).
    void SetEndeFrist(int AMillisekunden) { FEndeFrist.setInterval(qMax(0, AMillisekunden)); }
    // Pause between lines in milliseconds (default 30).
    void SetPause(int AMillisekunden) { FPause = qMax(0, AMillisekunden); }
    // The scanner's prefix key (default F11; empty for none) and terminator (default Enter, or Tab).
    void SetScanPraefix(const QKeySequence& APraefix) { FScanPraefix = APraefix; }
    void SetScanEnde(Qt::Key AEnde) { FScanEnde = AEnde; }
    // Ends the run with the exit code instead of the program; for tests.
    void SetBeenden(std::function<void(int)> ABeenden) { FBeenden = std::move(ABeenden); }
    // Receives the dumps and failures instead of standard output.
    void SetAusgabe(std::function<void(const QString&)> AAusgabe) { FAusgabe = std::move(AAusgabe); }

    bool Laeuft() const { return FGestartet && FExitCode < 0; }
    // -1 while the script runs.
    int ExitCode() const { return FExitCode; }

private:
    void NaechsteZeile();
    // The index of the next line that is not empty, or the number of lines.
    qsizetype NaechsteNichtLeere() const;
    void EndeAbwarten(const TZAM_SkriptZeile& AZeile);
    // Whether a line may run now: none runs, or the one that runs waits in a modal form it opened.
    bool Frei() const;
    // Empty when the line ran, else the reason of the failure.
    QString Ausfuehren(const TZAM_SkriptZeile& AZeile);
    void Scheitern(const QString& AGrund);
    void Ende(int AExitCode);
    void Schreiben(const QStringList& AZeilen);

    QList<TZAM_SkriptZeile> FZeilen;
    qsizetype FNaechste = 0;
    int FPause = 30;
    QKeySequence FScanPraefix{Qt::Key_F11};
    Qt::Key FScanEnde = Qt::Key_Return;
    std::function<void(int)> FBeenden;
    std::function<void(const QString&)> FAusgabe;
    TZAM_SkriptLeerlauf* FLeerlauf;
    // The lines that run, outermost first: loop level and modal form when each began.
    struct TLaufend
    {
        int Ebene;
        QPointer<QWidget> Modal;
    };
    QList<TLaufend> FLaufend;
    QTimer FEndeFrist;
    bool FEndeErwartet = false;
    bool FGestartet = false;
    bool FErsteZeileLief = false;
    int FExitCode = -1;
};

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A second program of a test (tests/support/helfer), driven line by line: each command is one
// line, each answer one line.
class TZAM_Helferprozess
{
public:
    TZAM_Helferprozess(const QString& AProgramm, const QString& AIni, const QStringList& AOptionen = {},
                       const QProcessEnvironment& AUmgebung = {});
    ~TZAM_Helferprozess();

    // True when the program started and said "bereit".
    bool Gestartet() const { return FGestartet; }
    QString Befehl(const QString& ABefehl);
    void Beenden();
    void Toeten();
    void Signal(int ASignal);

private:
    QString Zeile();

    QProcess FProzess;
    bool FGestartet = false;
};

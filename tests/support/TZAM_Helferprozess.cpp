#include "TZAM_Helferprozess.h"

#include <csignal>

TZAM_Helferprozess::TZAM_Helferprozess(const QString& AProgramm, const QString& AIni, const QStringList& AOptionen,
                                       const QProcessEnvironment& AUmgebung)
{
    if (!AUmgebung.isEmpty())
        FProzess.setProcessEnvironment(AUmgebung);
    FProzess.start(AProgramm, QStringList{QStringLiteral("--ini"), AIni} + AOptionen);
    FGestartet = FProzess.waitForStarted(10000) && Zeile() == QLatin1String("bereit");
}

TZAM_Helferprozess::~TZAM_Helferprozess()
{
    if (FProzess.state() != QProcess::NotRunning) {
        FProzess.write("ende\n");
        if (!FProzess.waitForFinished(10000))
            FProzess.kill();
        FProzess.waitForFinished(5000);
    }
}

QString TZAM_Helferprozess::Befehl(const QString& ABefehl)
{
    FProzess.write(ABefehl.toUtf8() + '\n');
    return Zeile();
}

void TZAM_Helferprozess::Beenden()
{
    FProzess.write("ende\n");
    FProzess.waitForFinished(10000);
}

void TZAM_Helferprozess::Toeten()
{
    FProzess.kill();
    FProzess.waitForFinished(5000);
}

void TZAM_Helferprozess::Signal(int ASignal)
{
    ::kill(pid_t(FProzess.processId()), ASignal);
}

QString TZAM_Helferprozess::Zeile()
{
    while (!FProzess.canReadLine())
        if (!FProzess.waitForReadyRead(20000))
            return QStringLiteral("(keine Antwort: %1)").arg(QString::fromUtf8(FProzess.readAllStandardError()));
    return QString::fromUtf8(FProzess.readLine()).trimmed();
}

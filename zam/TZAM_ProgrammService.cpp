#include "TZAM_ProgrammService.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_TerminalServer.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Backend.h"
#include "TZAM_IniDatei.h"
#include "TZAM_SperrService.h"
#include "ZAMGlobal.h"

#include <QApplication>
#include <QDialog>
#include <QSysInfo>
#include <QWidget>

#include <cstdio>

namespace {
const QString CUserExtern = QStringLiteral("USEREXTERN=");

void Protokollieren(const QString& AText)
{
    std::fprintf(stderr, "%s\n", qPrintable(AText));
    try {
        ZAMInfo().WriteStamp(AText, 1);
    } catch (const std::exception&) {
    }
}
} // namespace

TZAM_ProgrammService::TZAM_ProgrammService(TZAM_Backend& ABackend, const QStringList& AArgumente)
    : FBackend(ABackend)
{
    for (const QString& a : AArgumente)
        if (a.startsWith(CUserExtern, Qt::CaseInsensitive))
            FAngemeldet = TIntPair::FromTextSecure(a.mid(CUserExtern.size()));
    FLeerlauf.setSingleShot(true);
    connect(&FLeerlauf, &QTimer::timeout, this, &TZAM_ProgrammService::Leerlauf);
}

void TZAM_ProgrammService::Init(const QString& AProgrammCode, int AProzessTyp, int AInstanzModus, int AWert, bool AFlag)
{
    // Instance-count mode 0 lets a second instance run beside the first: nothing to check.
    FProgrammCode = AProgrammCode;
    FBackend.DatenbankOeffnen();
    FInitialisiert = true;
    SetAutoTerminate(
        LeerlaufIntervall(FBackend.Ini().Wert(QStringLiteral("AUTOTERMINATE"), QStringLiteral("INTERVALL"))));
}

int TZAM_ProgrammService::LeerlaufIntervall(const QString& AText)
{
    if (AText.trimmed().isEmpty())
        return CAutoTerminateStandard;
    bool ok = false;
    const qlonglong sekunden = AText.trimmed().toLongLong(&ok);
    if (ok && sekunden >= 0 && sekunden <= CAutoTerminateMax)
        return int(sekunden);
    // A mistyped or huge value must not end the program at once nor never: the default holds.
    Protokollieren(QStringLiteral("[AUTOTERMINATE] INTERVALL=%1 ungültig (0 bis %2 Sekunden), es gelten %3 Sekunden")
                       .arg(AText.trimmed())
                       .arg(CAutoTerminateMax)
                       .arg(CAutoTerminateStandard));
    return CAutoTerminateStandard;
}

void TZAM_ProgrammService::ShowException(const std::exception& E)
{
    ZAMInfo().RegisterException(FProgrammCode.isEmpty() ? QStringLiteral("ZAMProgramm") : FProgrammCode, E, true);
}

void TZAM_ProgrammService::PreventAutoTermination()
{
    if (FAutoTerminate > 0)
        FLeerlauf.start(FAutoTerminate * 1000);
}

void TZAM_ProgrammService::SetAutoTerminate(int ASekunden)
{
    FAutoTerminate = qBound(0, ASekunden, CAutoTerminateMax);
    if (FAutoTerminate > 0)
        FLeerlauf.start(FAutoTerminate * 1000);
    else
        FLeerlauf.stop();
}

void TZAM_ProgrammService::Leerlauf()
{
    try {
        ZAMInfo().WriteStamp(QStringLiteral("Programm nach %1 s ohne Eingabe beendet").arg(FAutoTerminate), 1);
    } catch (const std::exception&) {
    }
    FAutomatischBeendet = true;
    Beenden();
}

void TZAM_ProgrammService::Beenden(int AExitCode)
{
    // Modal forms first, innermost first, so every exec() returns and its caller frees the form.
    // Not through reject(): a form may answer it with a question. The message window answers a
    // rejection as its Esc key does.
    for (int i = 0; i < 100; ++i) {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            break;
        modal->done(QDialog::Rejected);
    }
    QApplication::closeAllWindows();
    // Also before the message loop runs: the entry then does not start it.
    TZAM_Anwendung::Terminate(AExitCode);
}

bool TZAM_ProgrammService::WorkStartTry(const void* AOwner, const QString& AName, int AWert)
{
    if (FWorkOwner && FWorkOwner != AOwner)
        return false;
    FWorkOwner = AOwner;
    FWorkName = AName;
    return true;
}

void TZAM_ProgrammService::WorkDone(const void* AOwner)
{
    if (FWorkOwner == AOwner) {
        FWorkOwner = nullptr;
        FWorkName.clear();
    }
}

QString TZAM_ProgrammService::TerminalID() const
{
    const QString id = FBackend.Ini().Wert(QStringLiteral("Terminal"), QStringLiteral("ID"));
    return id.isEmpty() ? QSysInfo::machineHostName() : id;
}

int TZAM_ProgrammService::GetRId()
{
    // The service raises while no database is open.
    if (FRId <= 0)
        FRId = Glob_WWSServerFactoryClass().Create<IZAM_TerminalServer>()->TerminalNummer(TerminalID());
    return FRId;
}

QString TZAM_ProgrammService::IniWert(const QString& ASektion, const QString& ASchluessel, const QString& ADefault) const
{
    return FBackend.Ini().Wert(ASektion, ASchluessel, ADefault);
}

QProcessEnvironment TZAM_ProgrammService::KindUmgebung() const
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    if (FInitialisiert)
        umgebung.insert(QStringLiteral("ZAM_ELTERN_SITZUNG"), QString::number(FBackend.Sperren().Familie()));
    return umgebung;
}

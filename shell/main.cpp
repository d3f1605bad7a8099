// Program entry of the picking terminal and the handheld (-MDE).
#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Backend.h"
#include "TZAM_SkriptLaeufer.h"
#include "Tfrmmain.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

const char* CHilfe =
    "Kommissioniergerät: the warehouse client of the picking terminal and the handheld.\n"
    "\n"
    "  -MDE, /mde        handheld mode (full-screen handheld screen)\n"
    "  --ini FILE        the framework ini file (else ZAM_INI, else zam.ini in the configuration folder)\n"
    "  --script FILE     feed the lines of FILE to the program (key, type, scan, click, wait, dump, expect,\n"
    "                    ende: the program must end here by itself)\n"
    "  --kindskript FILE the script of the second instance that works urgent requests off\n"
    "  --help            this text\n"
    "\n"
    "Exit codes with --script: 0 all lines ran (or the program ended at \"ende\"), 1 a line failed,\n"
    "2 the script file cannot be read, 3 the program ended before a line still to run\n"
    "(\"Skript endete vor Zeile N\").\n";

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zam"));
    QApplication::setApplicationName(QStringLiteral("kommissioniergeraet"));
    const QStringList argumente = QApplication::arguments();
    if (argumente.contains(QStringLiteral("--help")) || argumente.contains(QStringLiteral("-h"))) {
        std::fputs(CHilfe, stdout);
        return 0;
    }

    TZAM_Backend::TOptionen optionen;
    optionen.Argumente = argumente;
    TZAM_Backend backend(optionen);
    // Before the data module: the first window may already be a message or the log-on.
    if (!TZAM_SkriptLaeufer::AusArgumentenStarten(argumente))
        return CSkriptExit_Datei;

    std::unique_ptr<TDM_Torvik> dm;
    std::unique_ptr<Tfrmmain> frmmain;
    try {
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        QApplication::setApplicationDisplayName(QStringLiteral("Kommissioniergerät"));
        if (ZAMParameter().GetIntegerValueByName(QStringLiteral("LAGERANZ")) > 0) {
            dm = std::make_unique<TDM_Torvik>(argumente);
            frmmain = std::make_unique<Tfrmmain>();
        } else {
            ZAMInfo().ShowMeldung(0, CZAM_Info_Standard_KeinLagerKonfiguriert);
            TZAM_Anwendung::Terminate();
        }
    } catch (const EZAM_Exception& E) {
        ZAMProgramm().ShowException(E);
        // Without its data module the program has nothing to show: it must not linger windowless.
        TZAM_Anwendung::Terminate();
    }

    int ergebnis = 0;
    bool schleifeLief = false;
    if (!TZAM_Anwendung::Terminated() && frmmain) {
        frmmain->setWindowTitle(QApplication::applicationDisplayName());
        frmmain->Starten();
        if (!TZAM_Anwendung::Terminated()) {
            schleifeLief = true;
            ergebnis = QApplication::exec();
        }
    }
    // An end asked for before the message loop ran brings its own code.
    if (!schleifeLief && TZAM_Anwendung::Terminated())
        ergebnis = TZAM_Anwendung::ExitCode();
    frmmain.reset();
    dm.reset();
    // The script decides the exit code, also when it ended before the message loop ran; a program
    // that ended before the script's last line fails it.
    if (TZAM_SkriptLaeufer* laeufer = TZAM_SkriptLaeufer::Instanz())
        return laeufer->Abschluss(ergebnis);
    return ergebnis;
}

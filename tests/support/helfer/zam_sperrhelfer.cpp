// Second program of the lock tests. Reads commands from standard input, one per line, and
// answers each with one line:
//   lock ART KEY          -> "1" taken, or "0 HOLDER"
//   unlock ART KEY        -> "ok"
//   absort FIL KEY        -> "1" / "0"
//   fremd ART KEY         -> "1 HOLDER" held by another program, or "0"
//   buchen                -> opens a bracket, writes a parameter row, "ok" (stays open)
//   ende                  -> ends normally (releasing its locks)
// Options: --ini FILE, --ohne-herzschlag, --herzschlag MS, --timeout S
#include "IZAM_CommonLock.h"
#include "TZAM_Backend.h"
#include "TZAM_Datenbank.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    TZAM_Backend::TOptionen opt;
    opt.Argumente = args;
    opt.MeldungenOhneFenster = true;
    opt.MitHerzschlag = !args.contains(QStringLiteral("--ohne-herzschlag"));
    if (const qsizetype i = args.indexOf(QStringLiteral("--herzschlag")); i > 0)
        opt.HerzschlagMs = args.value(i + 1).toInt();
    if (const qsizetype i = args.indexOf(QStringLiteral("--timeout")); i > 0)
        opt.SperrTimeoutSekunden = args.value(i + 1).toInt();

    auto antwort = [](const QString& AText) {
        std::printf("%s\n", qPrintable(AText));
        std::fflush(stdout);
    };
    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        CommonLock().SetBenutzer(TIntPair(1, 2), QStringLiteral("Helfer"));
        antwort(QStringLiteral("bereit"));
        std::string zeile;
        while (std::getline(std::cin, zeile)) {
            const QStringList t = QString::fromStdString(zeile).split(u' ', Qt::SkipEmptyParts);
            const QString cmd = t.value(0);
            if (cmd == QLatin1String("lock")) {
                const bool ok = CommonLock().LockObjekt(t.value(1), t.value(2));
                QString halter;
                if (!ok)
                    CommonLock().IsLockedOtherObjekt(t.value(1), t.value(2), &halter);
                antwort(ok ? QStringLiteral("1") : QStringLiteral("0 ") + halter);
            } else if (cmd == QLatin1String("unlock")) {
                CommonLock().UnlockObjekt(t.value(1), t.value(2));
                antwort(QStringLiteral("ok"));
            } else if (cmd == QLatin1String("absort")) {
                antwort(CommonLock().LockAbsort(t.value(1).toInt(), t.value(2), TIntPair(1, 2)) ? QStringLiteral("1")
                                                                                               : QStringLiteral("0"));
            } else if (cmd == QLatin1String("fremd")) {
                QString halter;
                const bool fremd = CommonLock().IsLockedOtherObjekt(t.value(1), t.value(2), &halter);
                antwort(fremd ? QStringLiteral("1 ") + halter : QStringLiteral("0"));
            } else if (cmd == QLatin1String("buchen")) {
                ZAMBuchung().Oeffnen(1, QStringLiteral("helfer"));
                backend.Datenbank().Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES (?, ?)"),
                                              {QStringLiteral("HELFER"), QStringLiteral("1")});
                antwort(QStringLiteral("ok"));
            } else if (cmd == QLatin1String("ende")) {
                break;
            } else {
                antwort(QStringLiteral("? ") + cmd);
            }
        }
    } catch (const std::exception& E) {
        antwort(QStringLiteral("fehler ") + QString::fromLocal8Bit(E.what()));
        return 1;
    }
    return 0;
}

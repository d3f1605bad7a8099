// Second program of the two-process tests (locks, article codes). Reads commands from standard input, one per line, and
// answers each with one line (a raised framework error answers "fehler GROUP NUMBER"):
//   lock ART KEY          -> "1" taken, or "0 HOLDER"
//   unlock ART KEY        -> "ok"
//   absort FIL KEY        -> "1" / "0"
//   fremd ART KEY         -> "1 HOLDER" held by another program, or "0"
//   beginnen              -> a new workflow begins (ArbeitsgangBeginnen), "ok"
//   sitzung               -> the number of its session
//   buchen                -> opens a bracket, writes a parameter row, "ok" (stays open)
//   code-pruefen PROD GR CODE -> the barcode manager reads the product (display form "1-4711-0"),
//                            adds the code to size GR and validates: "1", or "0 MESSAGES"
//   code-buchen           -> books what code-pruefen added: "1", or "0 MESSAGES"
//   erfuellen ID MENGE    -> opens a bracket and fulfils the task (display form "1-1-1") through the
//                            task service: "1", or "0 MESSAGES" (the bracket stays open)
//   festschreiben-nach MS -> answers "ok", waits MS milliseconds and closes the bracket of erfuellen
//   ende                  -> ends normally (releasing its locks)
// Options: --ini FILE, --ohne-herzschlag, --herzschlag MS, --timeout S, and to play another
// device: --maschine ID (another machine identity), --pid N, --uhr-versatz S (clock shifted).
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "IZAM_Buchung.h"
#include "IZAM_CommonLock.h"
#include "TZAM_ArtBarcodeMani.h"
#include "TZAM_Backend.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Datenbank.h"
#include "TZAM_SperrService.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

QString Option(const QStringList& AArgs, const QString& AName)
{
    const qsizetype i = AArgs.indexOf(AName);
    return i > 0 ? AArgs.value(i + 1) : QString();
}

void Antwort(const QString& AText)
{
    std::printf("%s\n", qPrintable(AText));
    std::fflush(stdout);
}

std::unique_ptr<TZAM_ArtBarcodeMani> GCodes;

QString Ergebnis(bool AOk, const TZAM_InfoMeldungListe& AMeldungen)
{
    return AOk ? QStringLiteral("1") : QStringLiteral("0 ") + AMeldungen.Meldungen_AlsText();
}

QString Befehl(TZAM_Backend& ABackend, const QStringList& t)
{
    const QString cmd = t.value(0);
    if (cmd == QLatin1String("lock")) {
        if (CommonLock().LockObjekt(t.value(1), t.value(2)))
            return QStringLiteral("1");
        QString halter;
        CommonLock().IsLockedOtherObjekt(t.value(1), t.value(2), &halter);
        return QStringLiteral("0 ") + halter;
    }
    if (cmd == QLatin1String("unlock")) {
        CommonLock().UnlockObjekt(t.value(1), t.value(2));
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("absort"))
        // "absort BRANCH KEY [USER1 USER2]": the user (1, 2) unless given.
        return CommonLock().LockAbsort(t.value(1).toInt(), t.value(2),
                                       t.size() > 4 ? TIntPair(t.value(3).toInt(), t.value(4).toInt()) : TIntPair(1, 2))
                   ? QStringLiteral("1")
                   : QStringLiteral("0");
    if (cmd == QLatin1String("fremd")) {
        QString halter;
        const bool fremd = CommonLock().IsLockedOtherObjekt(t.value(1), t.value(2), &halter);
        return fremd ? QStringLiteral("1 ") + halter : QStringLiteral("0");
    }
    if (cmd == QLatin1String("beginnen")) {
        CommonLock().ArbeitsgangBeginnen();
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("sitzung"))
        return QString::number(ABackend.Sperren().Sitzung());
    if (cmd == QLatin1String("buchen")) {
        ZAMBuchung().Oeffnen(1, QStringLiteral("helfer"));
        ABackend.Datenbank().Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES (?, ?)"),
                                       {QStringLiteral("HELFER"), QStringLiteral("1")});
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("erfuellen")) {
        ZAMBuchung().Oeffnen(1, QStringLiteral("helfer"));
        const std::unique_ptr<IZAM_AufgabenEditServer> aufgaben =
            Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
        TZAM_Aufgabe_Erfuellen_Daten daten;
        daten.AufgabenId = TIntTrio::FromText(t.value(1));
        TZAM_InfoMeldungListe meldungen;
        return Ergebnis(aufgaben->Aufgabe_Erfuellen(daten, TIntPair(1, 2), TIntTrio(), &meldungen, t.value(2).toInt()),
                        meldungen);
    }
    if (cmd == QLatin1String("code-pruefen")) {
        GCodes = std::make_unique<TZAM_ArtBarcodeMani>();
        if (!GCodes->Lesen4Buchen(TInt32Trio::FromText(t.value(1))))
            return QStringLiteral("0 kein Artikel");
        GCodes->Barcodes(t.value(2).toInt()).AddBarcode(t.value(3));
        TZAM_InfoMeldungListe meldungen;
        return Ergebnis(GCodes->Validate(meldungen), meldungen);
    }
    if (cmd == QLatin1String("code-buchen") && GCodes) {
        TZAM_InfoMeldungListe meldungen;
        return Ergebnis(GCodes->Buchen(true, &meldungen), meldungen);
    }
    return QStringLiteral("? ") + cmd;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    TZAM_Backend::TOptionen opt;
    opt.Argumente = args;
    opt.MeldungenOhneFenster = true;
    opt.MitHerzschlag = !args.contains(QStringLiteral("--ohne-herzschlag"));
    if (const QString w = Option(args, QStringLiteral("--herzschlag")); !w.isEmpty())
        opt.HerzschlagMs = w.toInt();
    if (const QString w = Option(args, QStringLiteral("--timeout")); !w.isEmpty())
        opt.SperrTimeoutSekunden = w.toInt();
    opt.SperrMaschine = Option(args, QStringLiteral("--maschine"));
    opt.SperrPid = Option(args, QStringLiteral("--pid")).toLongLong();
    opt.UhrVersatzSekunden = Option(args, QStringLiteral("--uhr-versatz")).toInt();

    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        CommonLock().SetBenutzer(TIntPair(1, 2), QStringLiteral("Helfer"));
        Antwort(QStringLiteral("bereit"));
        std::string zeile;
        while (std::getline(std::cin, zeile)) {
            const QStringList t = QString::fromStdString(zeile).split(u' ', Qt::SkipEmptyParts);
            if (t.value(0) == QLatin1String("ende"))
                break;
            if (t.value(0) == QLatin1String("festschreiben-nach")) {
                // The test goes on at once and meets the open bracket.
                Antwort(QStringLiteral("ok"));
                QThread::msleep(t.value(1).toULong());
                ZAMBuchung().Schliessen(QStringLiteral("helfer"));
                continue;
            }
            try {
                Antwort(Befehl(backend, t));
            } catch (const EZAM_Exception& E) {
                Antwort(QStringLiteral("fehler %1 %2").arg(E.Koord().Gruppe).arg(E.Koord().Nummer));
            }
        }
        GCodes.reset();
    } catch (const std::exception& E) {
        Antwort(QStringLiteral("fehler ") + QString::fromLocal8Bit(E.what()));
        return 1;
    }
    return 0;
}

// Second program of the collective-putaway test: puts the pieces of one size of a document's
// product away onto a place through the movement service (kind 1, waiting for the rest), in the
// service's own bracket, and writes one line: "1" stored, or "0 MESSAGES" refused. A raised
// framework error writes "F GROUP NUMBER TEXT" and ends with exit code 2.
// Options: --ini FILE, --beleg KEY, --produkt KEY, --platz KEY (display forms), --groesse N,
// --menge N, --warten-bis MS (starts at that moment, milliseconds since 1970, so the siblings meet).
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TZAM_Backend.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>

namespace {

QString Option(const QStringList& AArgs, const QString& AName)
{
    const qsizetype i = AArgs.indexOf(AName);
    return i >= 0 ? AArgs.value(i + 1) : QString();
}

void Zeile(const QString& AText)
{
    std::printf("%s\n", qPrintable(AText));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    TZAM_Backend::TOptionen opt;
    opt.Argumente = args;
    opt.MeldungenOhneFenster = true;
    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        auto dienst = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        TQIV_Lager_Sammeleinlagerung rec;
        rec.ProduktId = TInt32Trio::FromText(Option(args, QStringLiteral("--produkt")));
        rec.BelegId = TIntTrio::FromText(Option(args, QStringLiteral("--beleg")));
        rec.BewByte = 3;
        rec.Lager = 1;
        rec.Mitarbeiter = TIntPair(3, 4);
        rec.PersoAuswahl = paEinlagerung;
        rec.AufFehlmengeWarten = true;
        TQIV_Lager_Bew_Sortiment e;
        e.Lagerort = TIntTrio::FromText(Option(args, QStringLiteral("--platz")));
        e.Menge.Me[size_t(Option(args, QStringLiteral("--groesse")).toInt())] =
            Option(args, QStringLiteral("--menge")).toInt();
        e.Menge.MinMax_Bestimmen();
        rec.Lagerorte.append(e);
        const qint64 start = Option(args, QStringLiteral("--warten-bis")).toLongLong();
        if (const qint64 warten = start - QDateTime::currentMSecsSinceEpoch(); warten > 0)
            QThread::msleep(quint64(warten));
        TZAM_InfoMeldungListe meldungen;
        const bool ok = dienst->Sammeleinlagerung_Buchen(rec, meldungen, true);
        Zeile(ok ? QStringLiteral("1") : QStringLiteral("0 ") + meldungen.Meldungen_AlsText());
    } catch (const EZAM_Exception& E) {
        Zeile(QStringLiteral("F %1 %2 %3").arg(E.Koord().Gruppe).arg(E.Koord().Nummer).arg(E.Meldungstext()));
        return 2;
    }
    return 0;
}

// Second program of the goods-receipt posting tests: posts items through the grouped goods-receipt
// dialog as the count list does (mode 1, in a bracket of kind 69 of its own per item) and writes one
// line per item to standard output: "1 PIECES" posted, or "0 MESSAGE" refused. A raised framework
// error writes "F GROUP NUMBER TEXT" and ends with exit code 2.
// Options: --ini FILE, --produkt KEY, --platz KEY (display forms), --warten-bis MS (starts posting at
// that moment, milliseconds since 1970, so that the siblings meet); every other argument is the
// delivery key text of one item.
#include "EZAM_Exception.h"
#include "TGrpLiefavisWE_Dlg.h"
#include "TZAM_Backend.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>

namespace {

QString Option(QStringList& AArgs, const QString& AName)
{
    const qsizetype i = AArgs.indexOf(AName);
    if (i < 0)
        return {};
    const QString wert = AArgs.value(i + 1);
    AArgs.remove(i, 2);
    return wert;
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
    QStringList args = app.arguments().mid(1);
    TZAM_Backend::TOptionen opt;
    opt.Argumente = app.arguments();
    opt.MeldungenOhneFenster = true;
    Option(args, QStringLiteral("--ini"));
    const TInt32Trio produkt = TInt32Trio::FromText(Option(args, QStringLiteral("--produkt")));
    const TIntTrio platz = TIntTrio::FromText(Option(args, QStringLiteral("--platz")));
    const qint64 start = Option(args, QStringLiteral("--warten-bis")).toLongLong();
    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        if (const qint64 warten = start - QDateTime::currentMSecsSinceEpoch(); warten > 0)
            QThread::msleep(quint64(warten));
        for (const QString& schluessel : args) {
            const QString name = QStringLiteral("TDM_Torvik.WE_Buchen");
            ZAMBuchung().Oeffnen(69, name);
            TGrpLiefavisWE_Dlg dlg;
            dlg.Vorbereiten();
            dlg.ProgrammModusSet(1);
            dlg.LieferavisNr = 0;
            dlg.AvisAnzeigen = false;
            dlg.DispoPruefen = true;
            dlg.LagerplatzFest = true;
            dlg.Lagerplatz = platz;
            dlg.Modus = 1;
            dlg.Add(produkt, TVorgInfo::EmptyGet(), nullptr, -1, schluessel);
            const bool ok = dlg.Execute(nullptr, true);
            ZAMBuchung().Schliessen(name);
            const TGRItem& item = dlg.GetItem(0);
            Zeile(ok ? QStringLiteral("1 %1").arg(item.Lieferung.Menge.Sum()) : QStringLiteral("0 ") + item.Meldung);
        }
    } catch (const EZAM_Exception& E) {
        Zeile(QStringLiteral("F %1 %2 %3").arg(E.Koord().Gruppe).arg(E.Koord().Nummer).arg(E.Meldungstext()));
        return 2;
    }
    return 0;
}

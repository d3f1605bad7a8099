// Second program of the concurrency test of the stock movements. Books relocations and removals
// of the same few stock rows as its siblings, then takes out pieces until none is left, and writes
// one line per booking to the file named by --datei:
//   KIND OK ARTICLE QUANTITY PROT1 PROT2 PROT3
// KIND "U" a relocation, "A" a removal; OK 1 booked, 0 refused; PROT the key of the bracket the
// booking ran in. A raised framework error writes "F GROUP NUMBER" and ends with exit code 2.
// Options: --ini FILE, --datei FILE, --seed N, --runden N; --sekunden N books for that long instead
// of a number of rounds, only relocating, and leaves the rows as they are (the contention benchmark).
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TZAM_Backend.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

QString Option(const QStringList& AArgs, const QString& AName)
{
    const qsizetype i = AArgs.indexOf(AName);
    return i > 0 ? AArgs.value(i + 1) : QString();
}

// The rows the siblings share: two articles (Schuh, Hemd of the test articles, size 1) on two
// places and the container standing on the second.
const TInt32Trio CArtikel[] = {TInt32Trio(7, 1, 0), TInt32Trio(7, 3, 0)};
const TIntTrio COrte[] = {TIntTrio(1, 1, 1), TIntTrio(1, 1, 2), TIntTrio(1, 9, 1)};

class TLauf
{
public:
    explicit TLauf(QTextStream& AAus) : FAus(AAus)
    {
        FBew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
    }

    // Books in a bracket of its own, so the key of each booking is known before it runs.
    bool Buchen(QChar AArt, int AArtikel, const TIntTrio& AVon, const TIntTrio& AAn, int AMenge)
    {
        TZAM_Lager_BEW b;
        b.ProduktId = CArtikel[AArtikel];
        b.GrInd = 1;
        b.VonLagerortId = AVon;
        b.AnLagerortId = AAn;
        b.Menge = AMenge;
        b.Mitarbeiter = TIntPair(9, 9);
        ZAMBuchung().Oeffnen(1, QStringLiteral("helfer"));
        const TIntTrio prot = ZAMBuchung().GetProtId();
        TZAM_InfoMeldungListe meldungen;
        const bool ok = FBew->Lagerbewegung_Buchen(b, true, &meldungen);
        ZAMBuchung().Schliessen(QStringLiteral("helfer"));
        FAus << AArt << ' ' << (ok ? 1 : 0) << ' ' << AArtikel << ' ' << AMenge << ' ' << prot.Id1 << ' ' << prot.Id2
             << ' ' << prot.Id3 << '\n';
        FAus.flush();
        return ok;
    }

private:
    QTextStream& FAus;
    std::unique_ptr<IZAM_LagerBewegungEditServer> FBew;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QFile datei(Option(args, QStringLiteral("--datei")));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 3;
    QTextStream aus(&datei);
    TZAM_Backend::TOptionen opt;
    opt.Argumente = args;
    opt.MeldungenOhneFenster = true;
    QRandomGenerator zufall(Option(args, QStringLiteral("--seed")).toUInt());
    const int runden = Option(args, QStringLiteral("--runden")).toInt();
    const int sekunden = Option(args, QStringLiteral("--sekunden")).toInt();
    QElapsedTimer uhr;
    uhr.start();
    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        TLauf lauf(aus);
        const TIntTrio weg;
        for (int i = 0; sekunden > 0 ? uhr.elapsed() < sekunden * 1000 : i < runden; ++i) {
            const int artikel = int(zufall.bounded(2));
            const int von = int(zufall.bounded(3));
            // Timed runs only relocate, so the shared rows keep their stock for the whole run.
            if (sekunden > 0 || zufall.bounded(10) < 6)
                lauf.Buchen(u'U', artikel, COrte[von], COrte[(von + 1 + zufall.bounded(2)) % 3],
                            1 + int(zufall.bounded(2)));
            else
                lauf.Buchen(u'A', artikel, COrte[von], weg, 1);
        }
        // Every sibling ends by emptying the rows: the last one to stop relocating finds every piece.
        for (bool etwas = sekunden == 0; etwas;) {
            etwas = false;
            for (int artikel = 0; artikel < 2; ++artikel)
                for (const TIntTrio& ort : COrte)
                    while (lauf.Buchen(u'A', artikel, ort, weg, 1))
                        etwas = true;
        }
    } catch (const EZAM_Exception& E) {
        aus << "F " << E.Koord().Gruppe << ' ' << E.Koord().Nummer << ' ' << E.Meldungstext() << '\n';
        return 2;
    }
    return 0;
}

// Second program of the concurrency test of the stock movements. Books relocations and removals
// of the same few stock rows as its siblings, then takes out pieces until none is left, and writes
// one line per booking to the file named by --datei:
//   KIND OK ARTICLE QUANTITY PROT1 PROT2 PROT3
// KIND "U" a relocation, "A" a removal; OK 1 booked, 0 refused; PROT the key of the bracket the
// booking ran in. A raised framework error writes "F GROUP NUMBER" and ends with exit code 2.
// Options: --ini FILE, --datei FILE, --seed N, --runden N; --sekunden N books for that long instead
// of a number of rounds, only relocating, and leaves the rows as they are (the contention benchmark);
// with --picken the bookings are picks of one piece for a shared task (KIND "P", the task's number
// after the article instead of the quantity) into C2.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TQIV_AufgabenZeile.h"
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

    // One piece of the article for task (1, 1, ANr) into C2, fulfilling it, as a pick books.
    bool Picken(int AArtikel, int ANr, const TIntTrio& AVon)
    {
        TZAM_Lager_BEW physisch, fehl;
        physisch.ProduktId = CArtikel[AArtikel];
        physisch.GrInd = 1;
        physisch.VonLagerortId = AVon;
        physisch.AnLagerortId = TIntTrio(1, 9, 2);
        physisch.Menge = 1;
        physisch.Mitarbeiter = TIntPair(9, 9);
        TQIV_AufgabenZeile zeile;
        zeile.AufgabenId = TIntTrio(1, 1, ANr);
        zeile.ProduktId = physisch.ProduktId;
        zeile.Menge = 1;
        zeile.GrInd = 1;
        TZAM_Aufgabe_Erfuellen_Daten daten;
        daten.AufgabenId = zeile.AufgabenId;
        daten.Mitarbeiter = physisch.Mitarbeiter;
        TZAM_Lager_BNE_Korrektur keine, keine2;
        ZAMBuchung().Oeffnen(5, QString());
        const TIntTrio prot = ZAMBuchung().GetProtId();
        TZAM_InfoMeldungListe meldungen;
        bool geloescht = false;
        const bool ok = FBew->Aufgabe_Buchen(physisch, zeile, fehl, daten, false, keine, keine2, false, true, false,
                                             true, false, &meldungen, geloescht);
        ZAMBuchung().Schliessen(QString());
        FAus << "P " << (ok ? 1 : 0) << ' ' << AArtikel << ' ' << ANr << ' ' << prot.Id1 << ' ' << prot.Id2 << ' '
             << prot.Id3 << '\n';
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
        if (args.contains(QStringLiteral("--picken"))) {
            // Tasks 1 to 20 ask for article 0, 21 to 40 for article 1.
            for (int i = 0; sekunden > 0 ? uhr.elapsed() < sekunden * 1000 : i < runden; ++i) {
                const int nr = 1 + int(zufall.bounded(40));
                lauf.Picken(nr > 20 ? 1 : 0, nr, COrte[zufall.bounded(3)]);
            }
            return 0;
        }
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

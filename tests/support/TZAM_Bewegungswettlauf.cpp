#include "TZAM_Bewegungswettlauf.h"

#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <memory>
#include <vector>

namespace {
using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

TInt32Trio Artikel(int A)
{
    return A == 0 ? TA::A(TA::Schuh).Id() : TA::A(TA::Hemd).Id();
}
} // namespace

void TZAM_Bewegungswettlauf::Vorbereiten(TZAM_Datenbank& ADb, qint64 AStart[2])
{
    TA::Anlegen(ADb);
    TL::Anlegen(ADb);
    for (int a = 0; a < 2; ++a) {
        AStart[a] = 0;
        for (const auto& [ort, menge, filiale] : {std::tuple{TL::P1, 30, 10}, {TL::P2, 20, 11}, {TL::C, 10, 10}}) {
            TL::Bestand(ADb, ort, Artikel(a), 1, 1, menge, filiale);
            AStart[a] += menge;
        }
    }
}

TZAM_Bewegungswettlauf::TErgebnis TZAM_Bewegungswettlauf::Laufen(const TZAM_TestUmgebung& AUmgebung, int AProzesse,
                                                                 const QStringList& AArgumente)
{
    TErgebnis e;
    const QString verzeichnis = AUmgebung.Verzeichnis();
    std::vector<std::unique_ptr<QProcess>> prozesse;
    for (int i = 0; i < AProzesse; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(ZAM_BEWEGUNGSHELFER),
                 QStringList{QStringLiteral("--ini"), AUmgebung.IniPfad(), QStringLiteral("--datei"),
                             verzeichnis + QStringLiteral("/lauf%1.txt").arg(i), QStringLiteral("--seed"),
                             QString::number(17 + i)} +
                     AArgumente);
        if (!p->waitForStarted())
            e.Fehler << QStringLiteral("Helfer %1 startet nicht").arg(i);
        prozesse.push_back(std::move(p));
    }
    for (auto& p : prozesse)
        // A bound against a hung sibling only; the outcome does not depend on time.
        if (!p->waitForFinished(300000) || p->exitCode() != 0)
            e.Fehler << QStringLiteral("Helfer endete mit %1").arg(p->exitCode());
    for (int i = 0; i < AProzesse; ++i) {
        QFile f(verzeichnis + QStringLiteral("/lauf%1.txt").arg(i));
        if (!f.open(QIODevice::ReadOnly))
            e.Fehler << f.fileName();
        while (!f.atEnd()) {
            const QStringList t = QString::fromUtf8(f.readLine()).trimmed().split(u' ');
            const QString prot = t.mid(4).join(u'-');
            if (t.value(0) == QLatin1String("F") || t.size() != 7 || e.Gebucht.contains(prot) ||
                e.Verweigert.contains(prot)) {
                e.Fehler << t.join(u' ');
            } else if (t.at(1) == QLatin1String("1")) {
                e.Gebucht.insert(prot);
                if (t.at(0) == QLatin1String("A"))
                    e.Abgaenge[t.at(2).toInt()] += t.at(3).toInt();
            } else {
                e.Verweigert.insert(prot);
            }
        }
    }
    return e;
}

QString TZAM_Bewegungswettlauf::Pruefen(TZAM_Datenbank& ADb, const TErgebnis& E, const qint64 AStart[2])
{
    if (!E.Fehler.isEmpty())
        return E.Fehler.join(u'\n');
    for (int a = 0; a < 2; ++a) {
        const TInt32Trio p = Artikel(a);
        const QString summe = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM %1 WHERE prod_id1 = ? AND prod_id2 = ? "
                                             "AND prod_id3 = ?");
        const QVariantList werte = {p.Id1, p.Id2, p.Id3};
        const qint64 platz = ADb.LesenWert(summe.arg(QStringLiteral("zam_bestand")), werte).toLongLong();
        const qint64 bf = ADb.LesenWert(summe.arg(QStringLiteral("zam_bf")), werte).toLongLong();
        if (platz != AStart[a] - E.Abgaenge[a] || bf != platz)
            return QStringLiteral("Artikel %1: Bestand %2, Filialbestand %3, erwartet %4")
                .arg(a)
                .arg(platz)
                .arg(bf)
                .arg(AStart[a] - E.Abgaenge[a]);
    }
    for (const QString tabelle : {QStringLiteral("zam_bestand"), QStringLiteral("zam_bf")})
        if (ADb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE menge < 0").arg(tabelle)).toInt() != 0)
            return tabelle + QStringLiteral(" hat negative Zeilen");
    QHash<QString, int> journal;
    const TZAM_Zeilen z = ADb.Lesen(QStringLiteral("SELECT prot_id1, prot_id2, prot_id3 FROM zam_bewegung"));
    for (const QVariantList& r : z.Zeilen())
        ++journal[QStringLiteral("%1-%2-%3").arg(r.at(0).toInt()).arg(r.at(1).toInt()).arg(r.at(2).toInt())];
    for (const QString& prot : E.Gebucht)
        if (journal.value(prot) != 1)
            return QStringLiteral("Buchung %1 hat %2 Journalzeilen").arg(prot).arg(journal.value(prot));
    for (const QString& prot : E.Verweigert)
        if (journal.contains(prot))
            return QStringLiteral("verweigerte Buchung %1 im Journal").arg(prot);
    if (z.Anzahl() != E.Gebucht.size())
        return QStringLiteral("%1 Journalzeilen für %2 Buchungen").arg(z.Anzahl()).arg(E.Gebucht.size());
    return {};
}

void TZAM_Bewegungswettlauf::PickenVorbereiten(TZAM_Datenbank& ADb, qint64 AStart[2])
{
    Vorbereiten(ADb, AStart);
    // Stock for every piece the tasks ask, so the tasks run out before the stock does.
    for (int a = 0; a < 2; ++a) {
        TL::Bestand(ADb, TL::P1, Artikel(a), 1, 1, 400, 10);
        AStart[a] += 400;
    }
    for (int nr = 1; nr <= 40; ++nr)
        TZAM_TestAufgaben::Nachsortierung(ADb, nr, Artikel(nr > 20 ? 1 : 0), 1, 20);
}

QString TZAM_Bewegungswettlauf::PickenPruefen(TZAM_Datenbank& ADb, const TErgebnis& E, const qint64 AStart[2])
{
    if (const QString f = Pruefen(ADb, E, AStart); !f.isEmpty())
        return f;
    const TZAM_Zeilen z = ADb.Lesen(QStringLiteral(
        "SELECT a.auf_id3, a.menge, COALESCE(SUM(e.menge), 0) FROM zam_auae a LEFT JOIN zam_aufgabe_erfuellung e ON "
        "e.auf_id1 = a.auf_id1 AND e.auf_id2 = a.auf_id2 AND e.auf_id3 = a.auf_id3 GROUP BY a.auf_id3, a.menge"));
    qint64 erfuellt = 0;
    for (const QVariantList& r : z.Zeilen()) {
        if (r.at(2).toInt() > r.at(1).toInt())
            return QStringLiteral("Aufgabe %1: %2 erfüllt, bestellt %3").arg(r.at(0).toInt()).arg(r.at(2).toInt()).arg(
                r.at(1).toInt());
        erfuellt += r.at(2).toInt();
    }
    if (erfuellt != E.Gebucht.size())
        return QStringLiteral("%1 Stück erfüllt, %2 gepickt").arg(erfuellt).arg(E.Gebucht.size());
    return {};
}

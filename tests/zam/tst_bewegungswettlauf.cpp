// Several programs book relocations and removals of the same few stock rows at once, then empty
// them: nothing is lost or doubled, no row goes below zero, and the journal has exactly one row
// for every booking reported as done and none for a refused one.
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"

#include <QProcess>
#include <QSet>
#include <QTest>

namespace {

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

constexpr int CProzesse = 4;
constexpr int CRunden = 60;

struct TErgebnis
{
    QSet<QString> Gebucht, Verweigert;
    qint64 Abgaenge[2] = {0, 0};
    QStringList Fehler;
};

} // namespace

class TestBewegungswettlauf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wettlauf_data() { ZAM_MotorenDaten(); }
    void wettlauf()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        TL::Anlegen(db);
        const TInt32Trio artikel[] = {TA::A(TA::Schuh).Id(), TA::A(TA::Hemd).Id()};
        // Stock of both branches of the warehouse on every shared row.
        qint64 start[2] = {0, 0};
        for (int a = 0; a < 2; ++a)
            for (const auto& [ort, menge, filiale] : {std::tuple{TL::P1, 30, 10}, {TL::P2, 20, 11}, {TL::C, 10, 10}}) {
                TL::Bestand(db, ort, artikel[a], 1, 1, menge, filiale);
                start[a] += menge;
            }

        std::vector<std::unique_ptr<QProcess>> prozesse;
        for (int i = 0; i < CProzesse; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QStringLiteral(ZAM_BEWEGUNGSHELFER),
                     {QStringLiteral("--ini"), umg.IniPfad(), QStringLiteral("--datei"),
                      umg.Verzeichnis() + QStringLiteral("/lauf%1.txt").arg(i), QStringLiteral("--seed"),
                      QString::number(17 + i), QStringLiteral("--runden"), QString::number(CRunden)});
            QVERIFY(p->waitForStarted());
            prozesse.push_back(std::move(p));
        }
        for (auto& p : prozesse) {
            // A bound against a hung sibling only; the outcome does not depend on time.
            QVERIFY(p->waitForFinished(300000));
            QCOMPARE(p->exitCode(), 0);
        }

        TErgebnis e;
        for (int i = 0; i < CProzesse; ++i) {
            QFile f(umg.Verzeichnis() + QStringLiteral("/lauf%1.txt").arg(i));
            QVERIFY(f.open(QIODevice::ReadOnly));
            while (!f.atEnd()) {
                const QStringList t = QString::fromUtf8(f.readLine()).trimmed().split(u' ');
                if (t.value(0) == QLatin1String("F")) {
                    e.Fehler << t.join(u' ');
                    continue;
                }
                QCOMPARE(t.size(), 7);
                const QString prot = t.mid(4).join(u'-');
                QVERIFY2(!e.Gebucht.contains(prot) && !e.Verweigert.contains(prot), qPrintable(prot));
                if (t.at(1) == QLatin1String("1")) {
                    e.Gebucht.insert(prot);
                    if (t.at(0) == QLatin1String("A"))
                        e.Abgaenge[t.at(2).toInt()] += t.at(3).toInt();
                } else {
                    e.Verweigert.insert(prot);
                }
            }
        }
        QVERIFY2(e.Fehler.isEmpty(), qPrintable(e.Fehler.join(u'\n')));
        QVERIFY(!e.Verweigert.isEmpty()); // every sibling ends with refused removals
        qInfo("%lld gebucht, %lld verweigert", qint64(e.Gebucht.size()), qint64(e.Verweigert.size()));

        for (int a = 0; a < 2; ++a) {
            const QVariantList p = {artikel[a].Id1, artikel[a].Id2, artikel[a].Id3};
            const qint64 platz =
                db.LesenWert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE prod_id1 = ? "
                                            "AND prod_id2 = ? AND prod_id3 = ?"),
                             p)
                    .toLongLong();
            const qint64 bf = db.LesenWert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bf "
                                                          "WHERE prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ?"),
                                           p)
                                  .toLongLong();
            QCOMPARE(platz, start[a] - e.Abgaenge[a]);
            QCOMPARE(bf, platz);
            // The rows were emptied: the last pieces went out exactly as often as there were pieces.
            QCOMPARE(e.Abgaenge[a], start[a]);
        }
        for (const QString tabelle : {QStringLiteral("zam_bestand"), QStringLiteral("zam_bf")})
            QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE menge < 0").arg(tabelle)).toInt(), 0);

        QHash<QString, int> journal;
        const TZAM_Zeilen z = db.Lesen(QStringLiteral("SELECT prot_id1, prot_id2, prot_id3 FROM zam_bewegung"));
        for (const QVariantList& r : z.Zeilen())
            ++journal[QStringLiteral("%1-%2-%3").arg(r.at(0).toInt()).arg(r.at(1).toInt()).arg(r.at(2).toInt())];
        for (const QString& prot : e.Gebucht)
            QVERIFY2(journal.value(prot) == 1, qPrintable(prot));
        for (const QString& prot : e.Verweigert)
            QVERIFY2(!journal.contains(prot), qPrintable(prot));
        QCOMPARE(z.Anzahl(), e.Gebucht.size());
    }
};

QTEST_MAIN(TestBewegungswettlauf)
#include "tst_bewegungswettlauf.moc"

// Several programs book relocations and removals of the same few stock rows at once, then empty
// them: nothing is lost or doubled, no row goes below zero, and the journal has exactly one row
// for every booking reported as done and none for a refused one; picks of shared tasks never
// fulfil a task beyond its quantity.
#include "TZAM_Bewegungswettlauf.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

class TestBewegungswettlauf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wettlauf_data() { ZAM_MotorenDaten(); }
    void wettlauf()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        qint64 start[2];
        TZAM_Bewegungswettlauf::Vorbereiten(umg.Backend().Datenbank(), start);
        const TZAM_Bewegungswettlauf::TErgebnis e =
            TZAM_Bewegungswettlauf::Laufen(umg, 4, {QStringLiteral("--runden"), QStringLiteral("60")});
        QCOMPARE(TZAM_Bewegungswettlauf::Pruefen(umg.Backend().Datenbank(), e, start), QString());
        QVERIFY(!e.Verweigert.isEmpty()); // every sibling ends with refused removals
        // The rows were emptied: the last pieces went out exactly as often as there were pieces.
        QCOMPARE(e.Abgaenge[0], start[0]);
        QCOMPARE(e.Abgaenge[1], start[1]);
    }

    // Picks of the same forty tasks from the same rows: more picks than pieces asked for, yet no
    // task is fulfilled beyond its quantity and every booked piece fulfils once.
    void picken_data() { ZAM_MotorenDaten(); }
    void picken()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        qint64 start[2];
        TZAM_Bewegungswettlauf::PickenVorbereiten(umg.Backend().Datenbank(), start);
        const TZAM_Bewegungswettlauf::TErgebnis e = TZAM_Bewegungswettlauf::Laufen(
            umg, 4, {QStringLiteral("--runden"), QStringLiteral("250"), QStringLiteral("--picken")});
        QCOMPARE(TZAM_Bewegungswettlauf::PickenPruefen(umg.Backend().Datenbank(), e, start), QString());
        QVERIFY(!e.Gebucht.isEmpty() && !e.Verweigert.isEmpty());
    }
};

QTEST_MAIN(TestBewegungswettlauf)
#include "tst_bewegungswettlauf.moc"

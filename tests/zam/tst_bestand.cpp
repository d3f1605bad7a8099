// The stock of a product per size in a warehouse, summed over a bit set of stock types, on both
// engines.
#include "TQIV_SimpleBestandsLeser.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"

#include <QTest>

namespace {
using TA = TZAM_TestArtikel;
}

class TestBestand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summeJeGroesse_data() { ZAM_MotorenDaten(); }
    void summeJeGroesse()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        // Two places and a container of warehouse 1, a place of warehouse 2.
        const TIntTrio a(1, 1, 1), b(1, 1, 2), behaelter(1, 9, 1), fremd(2, 1, 1);
        for (const auto& [ort, lager, art] : {std::tuple{a, 1, 0}, {b, 1, 0}, {behaelter, 1, 3}, {fremd, 2, 0}})
            db.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name) "
                                        "VALUES (?, ?, ?, ?, ?, ?)"),
                         {ort.Id1, ort.Id2, ort.Id3, lager, art, ort.ToText()});
        const TInt32Trio schuh = TA::A(TA::Schuh).Id();
        ZAMBuchung().Oeffnen(1, QStringLiteral("bestand"));
        // Size 1: type t holds 2^t pieces, spread over both places and the container, so each
        // type's share shows in the sum.
        for (int t = 0; t <= 17; ++t)
            TZAM_BestandServerSql::Zubuchen(db, t % 3 == 0 ? a : t % 3 == 1 ? b : behaelter, schuh, 1, t, 1 << t);
        TZAM_BestandServerSql::Zubuchen(db, a, schuh, 3, 1, 4);
        TZAM_BestandServerSql::Zubuchen(db, a, schuh, 3, 1, 3);
        TZAM_BestandServerSql::Zubuchen(db, fremd, schuh, 2, 1, 11);
        TZAM_BestandServerSql::Zubuchen(db, a, TA::A(TA::Hemd).Id(), 2, 1, 13);
        ZAMBuchung().Schliessen(QStringLiteral("bestand"));

        const int alle = (1 << 18) - 1;
        const struct
        {
            int Lager;
            qint64 Arten;
            QList<QPair<int, int>> Mengen; // size, quantity
        } faelle[] = {
            {1, 88990, {{1, 88990}, {3, 7}}}, // the types 1, 2, 3, 4, 7, 8, 9, 11, 12, 14 and 16
            {1, alle, {{1, alle}, {3, 7}}},
            {1, 1 << 5, {{1, 32}}},
            {1, qint64(1) << 40, {}},
            {2, 88990, {{2, 11}}},
            {3, alle, {}},
        };
        TQIV_SimpleBestandsLeser leser;
        for (const auto& f : faelle) {
            TZAM_Intv100_Sortiment_Me bestand;
            bestand.Me[50] = 1; // an earlier answer must not survive
            QVERIFY(leser.LagerBestandLesen(schuh, f.Lager, f.Arten, bestand));
            std::array<int, CZAM_Intv100_Anzahl> erwartet{};
            for (const auto& [groesse, menge] : f.Mengen)
                erwartet[groesse] = menge;
            QVERIFY2(bestand.Me == erwartet,
                     qPrintable(QStringLiteral("Lager %1, Arten %2").arg(f.Lager).arg(f.Arten)));
            QCOMPARE(int(bestand.MinIndex), f.Mengen.isEmpty() ? 255 : f.Mengen.first().first);
            QCOMPARE(int(bestand.MaxIndex), f.Mengen.isEmpty() ? 0 : f.Mengen.last().first);
        }
    }
};

QTEST_MAIN(TestBestand)
#include "tst_bestand.moc"

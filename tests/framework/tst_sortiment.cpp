// Quantities per size: the size-wise minimum and difference with their ranges, emptiness and
// positivity, sums; the order of the keyed collections the goods receipt walks.
#include "TIntPairList.h"
#include "TQIV_IntTrioSortimentDictionary.h"
#include "TZAM_Intv100_Sortiment_Me.h"

#include <QTest>

namespace {
// Quantities from "index:quantity" pairs.
TZAM_Intv100_Sortiment_Me Me(std::initializer_list<std::pair<int, int>> AMengen)
{
    TZAM_Intv100_Sortiment_Me m;
    m.Init();
    for (const auto& [i, menge] : AMengen)
        m.Me[size_t(i)] = menge;
    m.MinMax_Bestimmen();
    return m;
}
QString Text(const TZAM_Intv100_Sortiment_Me& A)
{
    QStringList l;
    for (int i = A.MinIndex; i <= A.MaxIndex && !A.IsEmpty(); ++i)
        l << QString::number(A.Me[size_t(i)]);
    return QStringLiteral("%1..%2: %3").arg(A.MinIndex).arg(A.MaxIndex).arg(l.join(u' '));
}
} // namespace

class TestSortiment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rechnen_data()
    {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("differenz");
        QTest::addColumn<bool>("positiv");
        QTest::addColumn<qint64>("summe");
        // A = 3 at 2, 5 at 4; B below.
        QTest::newRow("B kleiner") << "2..4: 1 0 2"
                                   << "2..4: 2 0 3" << true << qint64(5);
        QTest::newRow("B mehr und anders") << "2..4: 3 0 5"
                                           << "4..5: -1 -4" << false << qint64(-5);
        QTest::newRow("B gleich") << "2..4: 3 0 5"
                                  << "255..0: " << false << qint64(0);
    }
    void rechnen()
    {
        QFETCH(QString, minimum);
        QFETCH(QString, differenz);
        QFETCH(bool, positiv);
        QFETCH(qint64, summe);
        const TZAM_Intv100_Sortiment_Me a = Me({{2, 3}, {4, 5}});
        const QString fall = QString::fromLatin1(QTest::currentDataTag());
        const TZAM_Intv100_Sortiment_Me b = fall == QLatin1String("B kleiner")  ? Me({{2, 1}, {4, 2}})
                                            : fall == QLatin1String("B gleich") ? a
                                                                                : Me({{2, 3}, {4, 6}, {5, 4}, {3, 0}});
        const TZAM_Intv100_Sortiment_Me d = a - b;
        QCOMPARE(Text(Intv100_Sortiment_Me_GrMinima(a, b)), minimum);
        QCOMPARE(Text(d), differenz);
        QCOMPARE(d.IsPositive(), positiv);
        QCOMPARE(d.Sum(), summe);
        QCOMPARE(d.IsEmpty(), summe == 0 && !positiv && differenz.endsWith(QLatin1String(": ")));
    }

    void ordnung()
    {
        TQIV_IntTrioSortimentDictionary d;
        for (const TIntTrio& k : {TIntTrio(2, 1, 1), TIntTrio(1, 9, 9), TIntTrio(1, 10, 0)})
            d[k] = Me({{1, k.Id2}});
        QList<TIntTrio> reihe;
        for (const auto& [k, m] : d)
            reihe << k;
        QCOMPARE(reihe, (QList<TIntTrio>{{1, 9, 9}, {1, 10, 0}, {2, 1, 1}}));

        TIntPairList l{{45, 1002}, {45, 1001}, {12, 7}};
        l.Sort();
        qsizetype i = -1;
        QVERIFY(l.Find({45, 1001}, i) && i == 1);
        QVERIFY(!l.Find({45, 1000}, i) && i == 1);
    }
};

QTEST_MAIN(TestSortiment)
#include "tst_sortiment.moc"

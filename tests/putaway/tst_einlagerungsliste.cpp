// The target list of the putaway: how the counted rows hand out the plan per size over places and
// references (excess and shortfall), and how a row is split.
#include "Einlagerungsliste.h"
#include "TVRList.h"
#include "Vrtools.h"

#include <QTest>

namespace {
// A row: size index, planned, counted, place (key part 3; 0 none), reference ("" or "K 7-1-0/2").
struct TZeile
{
    int Gr;
    int Soll;
    int Ist;
    int Platz;
    QString Verweis;
};

std::unique_ptr<TVRList> Liste(const QList<TZeile>& AZeilen)
{
    std::unique_ptr<TVRList> l;
    EinlagerungslisteCIN_Clear(l);
    for (const TZeile& z : AZeilen) {
        TVRArray a = l->VRArray_ForRowAdd_Generate();
        Integer2VRItem(z.Gr, a[celGrIdx]);
        String2VRItem(QStringLiteral("G%1").arg(z.Gr), a[celGroesse]);
        Integer2VRItem(z.Soll, a[celSoll]);
        Integer2VRItem(z.Ist, a[celIst]);
        IntTrio2VRItem(z.Platz ? TIntTrio(1, 1, z.Platz) : TIntTrio(), a[celLagerplatzId]);
        IntTrio2VRItem(TIntTrio(), a[celBehaelterId]);
        String2VRItem(z.Verweis.left(1), a[celVerwKennung]);
        IntQuad2VRItem(z.Verweis.isEmpty() ? TIntQuad() : TIntQuad(7, 1, 0, z.Verweis.right(1).toInt()),
                       a[celVerwIdent]);
        l->RowAdd(std::move(a));
    }
    return l;
}

// "ref@place:size=n,..." per group and target; sizes ascending.
QString Text(const QList<TQIV_Lager_Bew_Sortimente_MitExtVerweis>& AMenge)
{
    QStringList teile;
    for (const auto& g : AMenge)
        for (const auto& s : g.Sortimente) {
            QStringList groessen;
            for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
                if (s.Menge.Me[i])
                    groessen << QStringLiteral("%1=%2").arg(i).arg(s.Menge.Me[i]);
            teile << (g.VerwKennung.isEmpty() ? QString() : QString::number(g.VerwIdent.Id4)) + u'@' +
                         QString::number(s.Lagerort.Id3) + u':' + groessen.join(u',');
        }
    return teile.join(u' ');
}

QString Text(const TZAM_Intv100_Sortiment_Me& AMenge)
{
    QStringList groessen;
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        if (AMenge.Me[i])
            groessen << QStringLiteral("%1=%2").arg(i).arg(AMenge.Me[i]);
    return groessen.join(u',');
}
} // namespace

class TestEinlagerungsliste : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zuweisung_data()
    {
        QTest::addColumn<QList<TZeile>>("zeilen");
        QTest::addColumn<bool>("proVerweis");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("mehr");
        QTest::addColumn<QString>("fehl");
        QTest::newRow("genau, ein Platz für alle Größen") << QList<TZeile>{{2, 3, 3, 1, {}}, {3, 2, 2, 0, {}}} << false
                                                          << QStringLiteral("@1:2=3,3=2") << QString() << QString();
        QTest::newRow("Plan über geteilte Zeilen") << QList<TZeile>{{2, 3, 3, 1, {}}, {2, 2, 2, 2, {}}} << false
                                                   << QStringLiteral("@1:2=3 @2:2=2") << QString() << QString();
        QTest::newRow("die erste Zeile zählt mehr, die zweite bekommt den Rest des Plans")
            << QList<TZeile>{{2, 3, 4, 1, {}}, {2, 2, 2, 2, {}}} << false << QStringLiteral("@1:2=4 @2:2=1")
            << QStringLiteral("@2:2=1") << QString();
        QTest::newRow("Fehlmenge") << QList<TZeile>{{2, 3, 1, 1, {}}, {4, 2, 0, 0, {}}} << false
                                   << QStringLiteral("@1:2=1") << QString() << QStringLiteral("2=2,4=2");
        QTest::newRow("je Verweis nur für den Versand")
            << QList<TZeile>{{2, 1, 1, 1, QStringLiteral("K1")}, {2, 1, 1, 1, QStringLiteral("K2")}} << true
            << QStringLiteral("1@1:2=1 2@1:2=1") << QString() << QString();
        QTest::newRow("sonst in einer Gruppe")
            << QList<TZeile>{{2, 1, 1, 1, QStringLiteral("K1")}, {2, 1, 1, 1, QStringLiteral("K2")}} << false
            << QStringLiteral("@1:2=2") << QString() << QString();
    }
    void zuweisung()
    {
        QFETCH(QList<TZeile>, zeilen);
        QFETCH(bool, proVerweis);
        const auto liste = Liste(zeilen);
        const TQIV_LagerortZuweisung z = Auslesen_LagerortZuweisung_do(*liste, proVerweis);
        QTEST(Text(z.Menge), "menge");
        QList<TQIV_Lager_Bew_Sortimente_MitExtVerweis> mehr{{QString(), TIntQuad(), z.Pos_Diff_Menge}};
        QTEST(z.Pos_Diff_Menge.isEmpty() ? QString() : Text(mehr), "mehr");
        QTEST(Text(z.Fehl_Menge), "fehl");
    }

    void teilen()
    {
        auto liste = Liste({{2, 5, 5, 1, QStringLiteral("K3")}, {3, 1, 1, 0, {}}});
        const int neu = Zeile_Teilen(*liste, 0);
        QCOMPARE(neu, 1);
        QCOMPARE(liste->GetRowCount(), 3);
        QCOMPARE(liste->GetCellValueAsInteger(0, celIst), 3);
        QCOMPARE(liste->GetCellValueAsInteger(0, celSoll), 3);
        QCOMPARE(liste->GetCellValueAsInteger(1, celIst), 2);
        QCOMPARE(liste->GetCellValueAsInteger(1, celSoll), 2);
        // The new row: same size and reference, no place; the plan of the size stays whole.
        QCOMPARE(liste->GetCellValueAsInteger(1, celGrIdx), 2);
        QCOMPARE(liste->GetCellValueAsString(1, celVerwKennung), QStringLiteral("K"));
        QVERIFY(!EinlagerOrtDefiniert(*liste, 1));
        QCOMPARE(SollMenge_ermitteln(*liste, 0), 5);
        // The first row keeps the scans until it has a place, then the selected row takes them.
        QCOMPARE(Zeile_fuer_Ziellagerort_bestimmen(*liste, 2), 2);
        QCOMPARE(Zeile_fuer_Ziellagerort_bestimmen(*Liste({{2, 1, 1, 0, {}}}), 0), 0);
        QCOMPARE(Zeile_fuer_Ziellagerort_bestimmen(*Liste({{2, 1, 1, 0, {}}, {3, 1, 1, 0, {}}}), 1), 0);
    }
};

QTEST_GUILESS_MAIN(TestEinlagerungsliste)
#include "tst_einlagerungsliste.moc"

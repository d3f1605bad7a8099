// Posting goods receipt through the data module: how counted pieces spread over the candidate
// dispositions, the candidates' order, and the postings of a count list and of the WE-Plus cache
// on the demo site, on both engines, with what a failure leaves behind.
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_TestUmgebung.h"
#include "Vrtools.h"

#include <QTest>

namespace {

TIntTrio Dispo(int ANr)
{
    return ANr ? TIntTrio(45, 900, ANr) : TIntTrio();
}

// A candidate: disposition number, branch, in the warehouse, days, pieces, customer-order share.
TQIV_DispoDaten_Rec Kandidat(int ANr, qint16 AFiliale, bool AImLager, double ATage, int AMenge, bool AKube)
{
    return {Dispo(ANr), AFiliale, AImLager, ATage, AMenge, AKube};
}

using TZeilen = QList<QPair<int, int>>;        // size, pieces
using TErwartet = QList<std::array<int, 4>>;   // disposition number, branch, size, pieces

// The counted rows of one group in the count list's columns 5 (size) and 8 (quantity).
TVRList Zaehlzeilen(const TZeilen& AZeilen)
{
    TVRList liste;
    for (int c = 0; c <= 8; ++c)
        liste.ColumnAdd(QString::number(c), vrtInteger);
    for (const auto& [gr, menge] : AZeilen) {
        TVRArray z = liste.VRArray_ForRowAdd_Generate();
        Integer2VRItem(gr, z[5]);
        Integer2VRItem(menge, z[8]);
        liste.RowAdd(z);
    }
    return liste;
}

} // namespace

class TestWEBuchen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verteilen_data()
    {
        QTest::addColumn<QList<TQIV_DispoDaten_Rec>>("kandidaten"); // all of size 5
        QTest::addColumn<TZeilen>("zeilen");
        QTest::addColumn<TErwartet>("erwartet");
        const QList<TQIV_DispoDaten_Rec> drei{Kandidat(1, 12, true, 0, 3, true), Kandidat(2, 40, false, 0, 4, false),
                                              Kandidat(3, 12, true, 0, 6, false)};
        QTest::newRow("10 Stück: 3, 4, 3") << drei << TZeilen{{5, 10}} << TErwartet{{1, 12, 5, 3}, {2, 40, 5, 4}, {3, 12, 5, 3}};
        QTest::newRow("Rest auf die erste Zeile")
            << drei << TZeilen{{5, 15}} << TErwartet{{1, 12, 5, 5}, {2, 40, 5, 4}, {3, 12, 5, 6}};
        QTest::newRow("zweite Zeile bekommt den Rest der Kandidaten")
            << drei << TZeilen{{5, 5}, {5, 6}} << TErwartet{{1, 12, 5, 3}, {2, 40, 5, 2}, {2, 40, 5, 2}, {3, 12, 5, 4}};
        QTest::newRow("Größe ohne Kandidaten") << drei << TZeilen{{4, 2}} << TErwartet{{0, 7, 4, 2}};
        QTest::newRow("leere Kandidatenliste")
            << QList<TQIV_DispoDaten_Rec>{} << TZeilen{{5, 2}} << TErwartet{{0, 7, 5, 2}};
        QTest::newRow("erschöpfte Kandidaten")
            << QList<TQIV_DispoDaten_Rec>{Kandidat(1, 12, true, 0, 0, false)} << TZeilen{{5, 2}}
            << TErwartet{{1, 12, 5, 2}};
    }
    void verteilen()
    {
        QFETCH(QList<TQIV_DispoDaten_Rec>, kandidaten);
        QFETCH(TZeilen, zeilen);
        QFETCH(TErwartet, erwartet);
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        TDM_Torvik dm({QStringLiteral("prog")});
        TQIV_DispoDaten_Dict dict;
        dict[5].append(kandidaten);
        TQIV_WeDaten_List wes;
        dm.ZuBuchendeWEsErmitteln(Zaehlzeilen(zeilen), 5, 8, 7, dict, wes);
        TErwartet ist;
        for (const TQIV_WeDaten_Rec& w : wes)
            ist.append({w.VorgId.Id3, w.FilNr, w.GrInd0, w.Menge});
        QCOMPARE(ist, erwartet);
    }

    void kandidatenReihenfolge()
    {
        // Shares of the warehouse, shares outside, ordinary outside, ordinary of the warehouse;
        // within each the nearer date first.
        TQIV_DispoDaten_List l;
        l << Kandidat(1, 12, true, 2, 1, false) << Kandidat(2, 40, false, 9, 1, true)
          << Kandidat(3, 40, false, 3, 1, false) << Kandidat(4, 12, true, 5, 1, true)
          << Kandidat(5, 12, true, 1, 1, true) << Kandidat(6, 41, false, 1, 1, false);
        l.Sortieren();
        QList<int> reihe;
        for (const TQIV_DispoDaten_Rec& d : l)
            reihe << d.VorgId.Id3;
        QCOMPARE(reihe, QList<int>({5, 4, 2, 6, 3, 1}));
    }
};

QTEST_MAIN(TestWEBuchen)
#include "tst_webuchen.moc"

// The goods-receipt cache of the data module: what it counts, what a removal leaves, and that its
// order is the order of the scans.
#include "TDM_Torvik.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {
const TInt32Trio CSchuh(1, 100, 0);
const TIntTrio CDispo(45, 1, 1);
const TIntTrio CKombiA(7, 1, 1), CKombiB(7, 1, 2);
const TZAM_PersArt_ExtVerweis CKube = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, {3, 4, 5}, 2);
const TZAM_PersArt_ExtVerweis CPlatzhalter = TDM_Torvik::ExtVerw_4_WEPlus_umbiegen({});

TIntTrio Scan(int ANr)
{
    return TIntTrio(1, 0, ANr);
}
} // namespace

class TestDatenCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zaehlenUndEntfernen()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        TDM_Torvik dm({QStringLiteral("prog")});
        TQIV_WEPlus_DatenCache c;
        QCOMPARE(CPlatzhalter, TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, CMaxIntTrio, 9999));
        QCOMPARE(TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(CKube), CKube);

        // (size, dispo, branch, order branch, reference, combination, pieces, scan)
        dm.Daten_2_DatenCache(CSchuh, 3, CDispo, 17, 17, CKube, "LS1", CKombiA, 2, {}, Scan(1), c);
        dm.Daten_2_DatenCache(CSchuh, 3, CDispo, 17, 99, CKube, "LS1", CKombiB, 5, {}, Scan(2), c);
        dm.Daten_2_DatenCache(CSchuh, 3, CDispo, 17, 99, CKube, "LS1", CKombiA, 1, {}, Scan(3), c);
        dm.Daten_2_DatenCache(CSchuh, 3, {}, 17, -1, CPlatzhalter, "LS1", {}, 4, {}, Scan(4), c);
        dm.Daten_2_DatenCache(CSchuh, 4, CDispo, 21, 17, CPlatzhalter, "LS2", {}, 6, {}, Scan(5), c);
        dm.Daten_2_DatenCache(CSchuh, 4, CDispo, 21, 17, CPlatzhalter, "LS2", {}, 9, {}, {}, c);

        // Only the entries of the combination asked count; the placeholder answers the undefined
        // reference; the order branch of an entry is the first one given.
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 3, 17, CDispo, CKube, CKombiA), 3);
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 3, 17, CDispo, CKube, CKombiB), 5);
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 3, 17, {}, {}, {}), 4);
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 3, 21, CDispo, CKube, CKombiA), 0);
        QCOMPARE(c.Find({CSchuh, 3})->Find({CDispo, 17})->FAuftrFiliale, qint16(17));
        // The whole cache, or one reference unchanged: the placeholder is not the undefined one.
        QCOMPARE(dm.Gesamtmenge_im_DatenCache(c, {}), 27);
        QCOMPARE(dm.Gesamtmenge_im_DatenCache(c, CKube), 8);
        QCOMPARE(dm.Gesamtmenge_im_DatenCache(c, CPlatzhalter), 19);
        // Both levels keep the order of the scans.
        QCOMPARE(c.Key(0).GrInd0, 3);
        QCOMPARE(c.Value(0).Key(1).VorgId, TIntTrio());

        // An empty identifier removes nothing, not even the entry without record.
        dm.Delete_from_DatenCache({}, c);
        QCOMPARE(dm.Gesamtmenge_im_DatenCache(c, {}), 27);
        dm.Delete_from_DatenCache(Scan(4), c);
        QCOMPARE(c.Value(0).Count(), 1);
        dm.Delete_from_DatenCache(Scan(1), c);
        dm.Delete_from_DatenCache(Scan(2), c);
        dm.Delete_from_DatenCache(Scan(3), c);
        // The last entry of a product size takes its key along; asking again creates nothing.
        QCOMPARE(c.Count(), 1);
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 3, 17, CDispo, CKube, CKombiA), 0);
        QCOMPARE(c.Count(), 1);
        QCOMPARE(c.Key(0).GrInd0, 4);
        QCOMPARE(dm.Menge_im_DatenCache(c, CSchuh, 4, 21, CDispo, {}, {}), 15);
    }
};

QTEST_MAIN(TestDatenCache)
#include "tst_datencache.moc"

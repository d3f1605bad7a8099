// The grouped movement lists of the data module and the split of movements by process
// combination, on both engines.
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"
#include "Vrtools.h"

#include <QTest>

namespace {
const TInt32Trio CSchuh(1, 100, 0);
const TIntTrio CAuftrag(8, 1, 1);
const TIntTrio CDispo(45, 1, 1);

// A movement of the product in a size for a document, reserved for position ANr of CAuftrag (0:
// plain goods).
void Bewegung(TVRList& AListe, const QString& ABeleg, int AGr, int AMenge, int ANr)
{
    TVRArray z = AListe.VRArray_ForRowAdd_Generate();
    Int32Trio2VRItem(CSchuh, z[cblProdukt]);
    String2VRItem(ABeleg, z[cblBelegNr]);
    Integer2VRItem(AGr, z[cblGrIdx]);
    Integer2VRItem(AMenge, z[cblMenge]);
    IntTrio2VRItem(CDispo, z[cblDispoId]);
    if (ANr > 0) {
        String2VRItem(QStringLiteral("K"), z[cblExtKuerzel]);
        IntQuad2VRItem(QuadAusTrio(CAuftrag, ANr), z[cblExtVerweis]);
    }
    AListe.RowAdd(z);
}

// Three combinations take 6 pieces each of size 3 of position 1.
void Kombinationen(TZAM_Datenbank& ADb)
{
    for (int k = 1; k <= 3; ++k) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_verfkombi (id1, id2, id3, name) VALUES (7, 1, ?, ?)"),
                      {k, QStringLiteral("Beflocken %1").arg(k)});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                     "vk_id1, vk_id2, vk_id3, groesse, menge) VALUES (8, 1, 1, 1, 7, 1, ?, 3, 6)"),
                      {k});
    }
}

QList<int> Spalte(const TVRList& AListe, int ASpalte)
{
    QList<int> werte;
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        werte.append(ASpalte == cblVerfKombi ? AListe.GetCellValueAsIntTrio(r, ASpalte).Id3
                                             : AListe.GetCellValueAsInteger(r, ASpalte));
    return werte;
}
} // namespace

class TestBewegungsliste : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gruppieren()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        TDM_Torvik dm({QStringLiteral("prog")});
        TVRList& liste = dm.DMExtFilPC_GoC()->Bewegungsliste();
        QCOMPARE(liste.GetColumnCount(), 41);
        std::unique_ptr<TVRList> ziel;
        dm.GruppierteBewegungsliste_Get(ziel, {cblProdukt}, true);
        QVERIFY(ziel && ziel->GetRowCount() == 0 && ziel->GetColumnCount() == 41);
        QVERIFY(!dm.Bewegungsliste_Enthält_MehrereBelOderVerfkombis());

        Bewegung(liste, QStringLiteral("WE-1"), 3, 2, 0);
        Bewegung(liste, QStringLiteral("WE-2"), 4, 3, 0);
        Bewegung(liste, QStringLiteral("WE-1"), 5, 4, 0);
        dm.GruppierteBewegungsliste_Get(ziel, {cblProdukt}, true);
        QCOMPARE(ziel->GetRowCount(), 1);
        QCOMPARE(ziel->GetCellValueAsString(0, cblBelegNr), QStringLiteral("WE-1, WE-2"));
        QCOMPARE(ziel->GetCellValueAsString(0, cblGrIndizes), QStringLiteral("3, 4, 5"));
        QCOMPARE(ziel->GetCellValueAsInteger(0, cblMenge), 9);
        dm.GruppierteBewegungsliste_Get(ziel, {cblProdukt}, false);
        QCOMPARE(ziel->GetCellValueAsString(0, cblBelegNr), QStringLiteral("WE-1"));
        QVERIFY(dm.Bewegungsliste_Enthält_MehrereBelOderVerfkombis());
    }

    void nachVerfahrenskombinationAufteilen_data() { ZAM_MotorenDaten(); }
    void nachVerfahrenskombinationAufteilen()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        Kombinationen(umg.Backend().Datenbank());
        TDM_Torvik dm({QStringLiteral("prog")});
        TVRList& liste = dm.DMExtFilPC_GoC()->Bewegungsliste();
        Bewegung(liste, QStringLiteral("WE-1"), 3, 10, 1);
        Bewegung(liste, QStringLiteral("WE-1"), 3, 5, 1);
        Bewegung(liste, QStringLiteral("WE-1"), 3, 7, 0);
        Bewegung(liste, QStringLiteral("WE-2"), 3, 5, 1);
        QVERIFY(dm.Bewegungsliste_Enthält_MehrereBelOderVerfkombis());

        // 10 pieces: 6 for the first combination, 4 for the second, in reverse key order; the
        // next 5 pieces: what the first and second still take (0 and 2), the rest to the third;
        // plain goods stay as they are; of the last 5 the third takes 3, and the 2 no combination
        // takes stay without one.
        std::unique_ptr<TVRList> kopie = CreateCopyVRList(liste);
        dm.Bewegungliste_MitVerfkombi_Anreichern(*kopie);
        QCOMPARE(Spalte(*kopie, cblMenge), QList<int>({4, 6, 3, 2, 7, 3, 2}));
        QCOMPARE(Spalte(*kopie, cblVerfKombi), QList<int>({2, 1, 3, 2, 0, 3, 0}));
        QCOMPARE(kopie->GetCellValueAsString(0, cblVerfKombiName), QStringLiteral("Beflocken 2"));
        QVERIFY(kopie->GetCell(4, cblVerfKombi).IsNull() && kopie->GetCell(6, cblVerfKombi).IsNull());

        // Grouped by combination the split rows come together.
        std::unique_ptr<TVRList> ziel;
        dm.GruppierteBewegungsliste_Get(ziel, {cblVerfKombi}, false);
        QCOMPARE(Spalte(*ziel, cblMenge), QList<int>({9, 6, 6, 6}));

        // A combination that already has more than it takes adds no row, not a negative one.
        TQIV_WEPlus_DatenCache cache;
        const TZAM_PersArt_ExtVerweis verweis = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, CAuftrag, 1);
        dm.Daten_2_DatenCache(CSchuh, 3, CDispo, 0, -1, verweis, {}, TIntTrio(7, 1, 1), 8, {}, {}, cache);
        TVRList eine = *CreateCopyVRList(liste);
        for (const int r : {3, 2, 1})
            eine.RowDelete(r);
        dm.Bewegung_NachVerfkombi_Aufteilen(cache, eine, 0);
        QCOMPARE(Spalte(eine, cblMenge), QList<int>({4, 6}));
        QCOMPARE(Spalte(eine, cblVerfKombi), QList<int>({3, 2}));

        std::unique_ptr<TVRList> nachVerweis;
        dm.GruppierteBewegungsliste_NachExtVerweis_Get(nachVerweis);
        QCOMPARE(Spalte(*nachVerweis, cblMenge), QList<int>({7, 20}));
    }
};

QTEST_MAIN(TestBewegungsliste)
#include "tst_bewegungsliste.moc"

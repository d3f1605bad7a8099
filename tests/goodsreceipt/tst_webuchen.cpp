// Posting goods receipt through the data module: how counted pieces spread over the candidate
// dispositions, the candidates' order, and the postings of a count list and of the WE-Plus cache
// on the demo site, on both engines, with what a failure leaves behind.
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
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

// Demo articles: a shirt with a disposition (45-1003-1, size 5: 3 for a customer order at branch
// 12, 4 for branch 21 outside the warehouse, 6 for branch 14), a shoe without dispositions and a
// ball blocked for goods receipt.
const TInt32Trio CTrikot(1, 100008, 0), CSchuh(1, 100001, 0), CBall(1, 100005, 0);
const TIntTrio CDemoDispo(45, 1003, 1);

// A count list of (product, size, pieces, branch) in the columns 0 to 4 (supplier key in 1).
TVRList Zaehlliste(const QList<std::tuple<TInt32Trio, int, int, int>>& AZeilen)
{
    TVRList liste;
    liste.ColumnAdd(QStringLiteral("Produkt"), vrtInt32Trio);
    liste.ColumnAdd(QStringLiteral("HerstId"), vrtIntPair);
    for (const char* name : {"Gr", "Menge", "Fil"})
        liste.ColumnAdd(QString::fromLatin1(name), vrtInteger);
    for (const auto& [produkt, gr, menge, filiale] : AZeilen) {
        TVRArray z = liste.VRArray_ForRowAdd_Generate();
        Int32Trio2VRItem(produkt, z[0]);
        IntPair2VRItem(TArtikelTools::Lieferant_4_ProdID(produkt), z[1]);
        Integer2VRItem(gr, z[2]);
        Integer2VRItem(menge, z[3]);
        Integer2VRItem(filiale, z[4]);
        liste.RowAdd(z);
    }
    return liste;
}

} // namespace

class TestWEBuchen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    TIntTrio FPlatz; // C-03-01, an ordinary place of warehouse 1

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    void Demo(int AMotor, bool AReservierung)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::TMotor(AMotor));
        FUmg->DemoAnlegen();
        if (AReservierung) {
            FUmg->ParameterSetzen(QStringLiteral("WEMode_Param"), QStringLiteral("2"));
            FUmg->ParameterSetzen(QStringLiteral("RESAUFKUBELP"), QStringLiteral("J"));
        }
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
        const TZAM_Zeilen z = Db().Lesen(QStringLiteral("SELECT id1, id2, id3 FROM zam_lagerort WHERE name = 'C-03-01'"));
        FPlatz = TIntTrio(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt());
    }
    int Bestand(const TInt32Trio& AProdukt, int AGr)
    {
        return FUmg->Zahl(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE lo_id1 = ? AND "
                                         "lo_id2 = ? AND lo_id3 = ? AND prod_id1 = ? AND prod_id2 = ? AND "
                                         "prod_id3 = ? AND groesse = ?"),
                          {FPlatz.Id1, FPlatz.Id2, FPlatz.Id3, AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AGr});
    }
    // What the demo disposition's positions received, by target branch.
    QList<int> Erhalten()
    {
        QList<int> erhalten;
        for (const QVariantList& r :
             Db().Lesen(QStringLiteral("SELECT erhalten FROM zam_bnep WHERE bne_id1 = 45 AND bne_id2 = 1003 AND "
                                       "bne_id3 = 1 ORDER BY ziel_filiale")).Zeilen())
            erhalten << r.at(0).toInt();
        return erhalten;
    }

private Q_SLOTS:
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

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

    void zaehllisteBuchen_data() { ZAM_MotorenDaten(); }
    void zaehllisteBuchen()
    {
        ZAM_MOTOR(m);
        Demo(m, true);
        // Order branch 1 of the supplier reaches the branches of the disposition: 3 for the
        // customer order, 4 outside the warehouse, the rest in it; branch 12 has no entry of its
        // own and books its shoe without disposition. Empty lists post nothing.
        TQIV_InttrioString_List fehler;
        QString text;
        QVERIFY(FDM->WE_Buchen(text, fehler, nullptr, 0, 1, 2, 3, 4, QString(), FPlatz));
        const TVRList leereListe = Zaehlliste({});
        QVERIFY(FDM->WE_Buchen(text, fehler, &leereListe, 0, 1, 2, 3, 4, QString(), FPlatz));
        const TVRList liste = Zaehlliste({{CTrikot, 5, 10, 1}, {CTrikot, 5, 1, 12}, {CSchuh, 1, 2, 12}});
        QVERIFY2(FDM->WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QStringLiteral("Nein"), FPlatz), qPrintable(text));
        QVERIFY(text.isEmpty() && fehler.isEmpty());
        QCOMPARE(Erhalten(), QList<int>({3, 3, 4}));
        QCOMPARE(Bestand(CTrikot, 5), 11);
        QCOMPARE(Bestand(CSchuh, 1), 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE typ = 1 AND offen = 1")), 0);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_wep")), 5);
        TQIV_WEPlus_DatenCache leer;
        QVERIFY(!FDM->WEPlus_AusScansaetzen_Buchen(leer, fehler, text));
    }

    void zaehllisteFehler_data() { ZAM_MotorenDaten(); }
    void zaehllisteFehler()
    {
        ZAM_MOTOR(m);
        Demo(m, false);
        TQIV_InttrioString_List fehler;
        QString text;
        const QString ball = TArtikelTools::ProduktID_2_ArtNr_Formatted(CBall, false);

        // A line whose record cannot be written posts nothing at all.
        TVRList liste = Zaehlliste({{CSchuh, 1, 2, 12}, {CTrikot, 255, 1, 12}});
        QVERIFY(!FDM->WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QString(), FPlatz));
        QVERIFY(text.startsWith(TArtikelTools::ProduktID_2_ArtNr_Formatted(CTrikot, false) + QStringLiteral(": ")));
        QCOMPARE(Bestand(CSchuh, 1), 0);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE typ = 1")), 0);

        // A refused group names its records with the reason; the other group is posted.
        liste = Zaehlliste({{CSchuh, 1, 2, 12}, {CBall, 1, 1, 12}, {CBall, 2, 1, 12}});
        QVERIFY(!FDM->WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QString(), FPlatz));
        QCOMPARE(Bestand(CSchuh, 1), 2);
        QCOMPARE(fehler.size(), 2);
        QVERIFY(text.startsWith(ball + QStringLiteral(": ")) && !text.contains(QStringLiteral("\r\n")));
        QCOMPARE(fehler.at(0).Text, text.mid(ball.size() + 2));
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE typ = 1 AND offen = 1")), 2);

        // A database failure inside the bracket keeps nothing, and names no record that is gone.
        Db().Schreiben(QStringLiteral("ALTER TABLE zam_wep RENAME TO zam_wep_weg"));
        liste = Zaehlliste({{CSchuh, 1, 3, 12}});
        QVERIFY(!FDM->WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QString(), FPlatz));
        QVERIFY(fehler.isEmpty() && !text.isEmpty());
        QCOMPARE(Bestand(CSchuh, 1), 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE menge = 3")), 0);
        Db().Schreiben(QStringLiteral("ALTER TABLE zam_wep_weg RENAME TO zam_wep"));
    }

    void etiketten_data() { ZAM_MotorenDaten(); }
    void etiketten()
    {
        ZAM_MOTOR(m);
        Demo(m, false);
        QString einstellung;
        QVERIFY(FDM->WEmitMDE_Konfig(einstellung));
        QCOMPARE(einstellung, QStringLiteral("Fragen"));
        // "Ja" in any letter case prints the shoe's labels after the posting; "Nein" and a
        // source-marked bag print none.
        const TInt32Trio tasche(1, 100004, 0);
        TQIV_InttrioString_List fehler;
        QString text;
        const auto auftraege = [&] {
            return FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_druckauftrag WHERE art = 'Etikett'"));
        };
        for (const auto& [wert, produkt, gedruckt] :
             {std::tuple{"ja", CSchuh, 1}, {"Ja", CSchuh, 1}, {"Nein", CSchuh, 0}, {"Ja", tasche, 0}}) {
            const int vorher = auftraege();
            const TVRList liste = Zaehlliste({{produkt, 2, 1, 12}});
            QVERIFY2(FDM->WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QString::fromLatin1(wert), FPlatz),
                     qPrintable(text));
            QCOMPARE(auftraege() - vorher, gedruckt);
        }
        Db().Schreiben(QStringLiteral("DELETE FROM zam_maskfile"));
        QVERIFY(!FDM->WEmitMDE_Konfig(einstellung));
        QVERIFY(einstellung.isEmpty());
    }

    void wePlusGruppen_data() { ZAM_MotorenDaten(); }
    void wePlusGruppen()
    {
        ZAM_MOTOR(m);
        Demo(m, false);
        // Two lines that differ in the delivery note only: two groups. The first fails (its record
        // was posted meanwhile) and stays in the cache; the second is posted and leaves it.
        TQIV_WEPlus_DatenCache cache;
        QList<TIntTrio> scans;
        for (const char* ls : {"LS-A", "LS-B"}) {
            scans << FDM->Daten_2_ScanSatz(TIntPair(), QString::fromLatin1(ls), CSchuh, 1, {}, 1, {}, 12, FPlatz);
            FDM->Daten_2_DatenCache(CSchuh, 1, {}, 12, -1, TDM_Torvik::ExtVerw_4_WEPlus_umbiegen({}),
                                    QString::fromLatin1(ls), {}, 1, FPlatz, scans.last(), cache);
        }
        Db().Schreiben(QStringLiteral("UPDATE zam_scansatz SET offen = 0 WHERE id = ?"), {scans.at(0).Id3});
        TQIV_InttrioString_List fehler;
        QString text;
        QVERIFY(!FDM->WEPlus_AusScansaetzen_Buchen(cache, fehler, text));
        QCOMPARE(fehler.size(), 1);
        QCOMPARE(fehler.at(0).IntTrio, scans.at(0));
        QCOMPARE(FDM->Menge_im_DatenCache(cache, CSchuh, 1, 12, {}, TDM_Torvik::ExtVerw_4_WEPlus_umbiegen({}), {}), 1);
        QCOMPARE(Bestand(CSchuh, 1), 1);

        // A group that fails by an exception names its records too.
        Db().Schreiben(QStringLiteral("UPDATE zam_scansatz SET offen = 1 WHERE id = ?"), {scans.at(0).Id3});
        Db().Schreiben(QStringLiteral("ALTER TABLE zam_wep RENAME TO zam_wep_weg"));
        QVERIFY(!FDM->WEPlus_AusScansaetzen_Buchen(cache, fehler, text));
        QCOMPARE(fehler.size(), 1);
        QCOMPARE(fehler.at(0).IntTrio, scans.at(0));
        Db().Schreiben(QStringLiteral("ALTER TABLE zam_wep_weg RENAME TO zam_wep"));
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

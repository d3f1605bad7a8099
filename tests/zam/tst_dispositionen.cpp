// Open dispositions through the goods-receipt disposition manager, and the open orders of a
// product for the branches of the current warehouse, on both engines.
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenToolsDispoWEMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {
using TA = TZAM_TestArtikel;
const TInt32Trio CP = TA::A(TA::Schuh).Id();
const TInt32Trio CQ = TA::A(TA::Flasche).Id();
const TIntPair CAuftrag{5, 100};
const TZAM_PersArt_ExtVerweis CKunde = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, {1, 6002, 0}, 1);
const QDateTime CZeit(QDate(2024, 5, 8), QTime(10, 15, 30, 250));

// The dispositions, by the id's last part.
const TIntTrio D1{1, 1, 1}, D2{1, 1, 2}, D3{1, 1, 3}, D4{1, 1, 4}, D5{1, 1, 5}, D6{1, 1, 6}, D7{1, 1, 7}, D8{1, 0, 9},
    D9{1, 1, 8}, D10{1, 0, 3}, D11{1, 0, 1}, D12{1, 1, 9};
} // namespace

class TestDispositionen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Dispo(const TIntTrio& AId, const TInt32Trio& AProdukt, const TIntPair& AAuftrag, int AGeschlossen = 0,
               int ATyp = CZAM_BewArt_Dispo)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, prod_id3, "
                                      "bewtyp, auftrag_kreis, auftrag_nr, geschlossen) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 24, ?, ?, ?)"),
                       {AId.Id1, AId.Id2, AId.Id3, ATyp, CZeit, AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AAuftrag.Id1,
                        AAuftrag.Id2, AGeschlossen});
    }
    void Pos(const TIntTrio& ADispo, int AZiel, int AAuftrFil, int AGr, int AGeplant, int AErhalten,
             const TZAM_PersArt_ExtVerweis& V = {})
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                      "auftr_filiale, groesse, menge, erhalten, ext_kennung, ext_id1, ext_id2, "
                                      "ext_id3, ext_nummer) VALUES (?, ?, ?, 45, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {ADispo.Id1, ADispo.Id2, ADispo.Id3, AZiel, AAuftrFil, AGr, AGeplant, AErhalten, int(V.Kennung),
                        V.Id.Id1, V.Id.Id2, V.Id.Id3, V.Nummer});
    }

    // Warehouse 1 has the branches 11 and 10, in that order, warehouse 2 the branch 20. Open for product P: order 5-100
    // at branches 10 (D1, D8) and 11 (D8), orders 3-50 and 4-7 at branch 11, order 2-1 at branch 10; without order D10
    // and D4 at branch 11, D11 at branch 10. Not open: D2 (closed), D3 (all received), D7 (no disposition).
    void Anlegen(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TA::Anlegen(Db());
        for (int lager : {1, 2})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name) VALUES (?, 'Lager')"), {lager});
        for (const auto& [lager, filiale, folge] : {std::tuple{1, 10, 2}, {1, 11, 1}, {2, 20, 1}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) "
                                          "VALUES (?, ?, ?)"),
                           {lager, filiale, folge});

        Dispo(D1, CP, CAuftrag);
        Db().Schreiben(QStringLiteral("UPDATE zam_bne SET datum2 = ?, preis_cent = 1999, dispo_datum = ?, "
                                      "liefer_frueh = ?, liefer_spaet = ?, lieferanten_nr = 'L-77' WHERE id3 = 1"),
                       {CZeit.addDays(1), CZeit.addDays(-10), CZeit.addDays(2), CZeit.addDays(9)});
        Pos(D1, 12, 10, 2, 1, 0, CKunde);
        Pos(D1, 10, 10, 3, 4, 6); // received beyond plan: open 0
        Pos(D1, 10, 10, 2, 5, 2);
        Pos(D1, 14, 11, 2, 2, 2);
        Dispo(D2, CP, CAuftrag, 1);
        Pos(D2, 10, 10, 2, 3, 0);
        Dispo(D3, CP, CAuftrag);
        Pos(D3, 10, 10, 4, 1, 1);
        Dispo(D7, CP, CAuftrag, 0, 75);
        Pos(D7, 10, 10, 2, 9, 0);
        Dispo(D8, CP, CAuftrag);
        Pos(D8, 10, 10, 1, 1, 0);
        Pos(D8, 11, 11, 1, 1, 0);
        Dispo(D4, CP, {});
        Pos(D4, 11, 11, 2, 2, 0);
        Dispo(D10, CP, {});
        Pos(D10, 11, 11, 6, 1, 0);
        Dispo(D11, CP, {});
        Pos(D11, 10, 10, 2, 1, 0);
        Dispo(D5, CQ, {5, 99});
        Pos(D5, 10, 10, 0, 1, 0);
        Dispo(D6, CP, {4, 7});
        Pos(D6, 11, 11, 5, 1, 0);
        Dispo(D9, CP, {3, 50});
        Pos(D9, 11, 11, 2, 3, 1);
        Dispo(D12, CP, {2, 1});
        Pos(D12, 10, 10, 7, 2, 0);
    }

    static TZAM_Intv100_Sortiment_Me Me(std::initializer_list<std::pair<int, int>> AMengen)
    {
        TZAM_Intv100_Sortiment_Me me;
        me.Init();
        for (const auto& [gr, m] : AMengen)
            me.Me[gr] = m;
        me.MinMax_Bestimmen();
        return me;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void offeneDisposEinesAuftrags_data() { ZAM_MotorenDaten(); }
    void offeneDisposEinesAuftrags()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TQIV_ArtvLesenToolsDispoWEMani mani;
        QList<TQIV_DispoWE_Info> d;
        QVERIFY(mani.OffeneDispos_4_AuftragsNr(CAuftrag, 0, 10, true, d));
        QVERIFY(d.size() == 2 && d[0].Vorgang == D8 && d[1].Vorgang == D1);
        const TQIV_DispoWE_Info& i = d[1];
        QVERIFY(i.ProduktID == CP && i.VorgangTyp == CZAM_BewArt_Dispo && i.BewTyp == 24 && i.AuftragsNr == CAuftrag);
        QVERIFY(i.Datum1 == CZeit && i.Datum2 == CZeit.addDays(1));
        QCOMPARE(i.Preis, (TQIV_DispoPreis{1999, CZeit.addDays(-10), CZeit.addDays(2), CZeit.addDays(9)}));
        QCOMPARE(i.Nummern.LieferantenNr, QStringLiteral("L-77"));
        QCOMPARE(i.Filialen.size(), 2);
        QVERIFY(i.Filialen[0] == (TZAM_Intv100_Sortiment_MeMitFilUndVerweis{10, 10, Me({{2, 3}}), {}}));
        QVERIFY(i.Filialen[1] == (TZAM_Intv100_Sortiment_MeMitFilUndVerweis{12, 10, Me({{2, 1}}), CKunde}));
        QVERIFY(d[0].Preis.DispoDatum.isNull() && d[0].Datum2.isNull() && d[0].Filialen.size() == 1);

        // Branch 11: D1's position there has nothing open; it stays only when asked with every position.
        QVERIFY(mani.OffeneDispos_4_AuftragsNr(CAuftrag, 0, 11, true, d) && d.size() == 1 && d[0].Vorgang == D8);
        QVERIFY(mani.OffeneDispos_4_AuftragsNr(CAuftrag, 0, 11, false, d) && d.size() == 2 && d[1].Vorgang == D1);
        QVERIFY(d[1].Filialen.size() == 1 && d[1].Filialen[0].Filiale == 14 && d[1].Filialen[0].Me.IsEmpty() &&
                d[1].Filialen[0].Me.MinIndex > d[1].Filialen[0].Me.MaxIndex);

        // Closed, all received, not a disposition, no such order, no order: nothing.
        for (const TIntTrio& v : {D2, D3, D7, TIntTrio(9, 9, 9), TIntTrio()})
            QVERIFY(!mani.OffeneDispos_4_VorgId(v, 0, 10, false, d) && d.isEmpty());
        QVERIFY(!mani.OffeneDispos_4_AuftragsNr({6, 6}, 0, 10, false, d) && d.isEmpty());
        QVERIFY(!mani.OffeneDispos_4_AuftragsNr({}, 0, 10, false, d) && d.isEmpty());
        QVERIFY(!mani.OffeneDispos_4_AuftragsNr(CAuftrag, 0, 20, false, d) && d.isEmpty());

        QVERIFY(mani.OffeneDispos_4_VorgId(D4, 0, 11, true, d));
        QVERIFY(d.size() == 1 && d[0].AuftragsNr.IsNull() && d[0].Filialen[0].Me == Me({{2, 2}}));
        QVERIFY(!mani.OffeneDispos_4_VorgId(D4, 0, 10, false, d));

        QCOMPARE(QList<qint16>({mani.AuftrFiliale_4_IdUndAnFil(D1, 14), mani.AuftrFiliale_4_IdUndAnFil(D1, 12),
                                mani.AuftrFiliale_4_IdUndAnFil(D1, 11), mani.AuftrFiliale_4_IdUndAnFil(D7, 10)}),
                 QList<qint16>({11, 10, -1, -1}));

        // A product's open orders at one order branch, ascending (the branch order is the data module's).
        const struct
        {
            int Gr;
            qint16 Filiale;
            TIntPairList Auftraege;
            TIntTrioList Ohne;
        } faelle[] = {{100, 11, {{3, 50}, {4, 7}, CAuftrag}, {D10, D4}}, {3, 10, {}, {}}, {2, 11, {{3, 50}}, {D4}}};
        for (const auto& f : faelle) {
            TIntPairList a{{8, 8}};
            TIntTrioList o{D2};
            mani.Offene_4_Produkt(CP, f.Gr, f.Filiale, a, o);
            QVERIFY(a == f.Auftraege && o == f.Ohne);
        }
        TIntPairList a;
        TIntTrioList o;
        QCOMPARE(Fehler([&] { mani.Offene_4_Produkt(CP, 101, 10, a, o); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
    }

    // The branches in the warehouse's order: an order open at several branches comes once.
    void auftragsNrNInFilialreihenfolge_data() { ZAM_MotorenDaten(); }
    void auftragsNrNInFilialreihenfolge()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TDM_Torvik dm({QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen();
        TIntPairList a{{8, 8}};
        TIntTrioList o{D2};
        QVERIFY(!dm.AuftragsNrN_4_ProduktId(CP, -1, a, o) && a.isEmpty() && o.isEmpty()); // no warehouse
        dm.SetAktLager(2);
        dm.AktLagerFilialen_Aus_AktLager();
        QVERIFY(!dm.AuftragsNrN_4_ProduktId(CP, -1, a, o) && a.isEmpty() && o.isEmpty());
        dm.SetAktLager(1);
        dm.AktLagerFilialen_Aus_AktLager();
        QCOMPARE(dm.GetAktLagerFilialen(), QList<int>({11, 10}));
        QVERIFY(dm.AuftragsNrN_4_ProduktId(CP, -1, a, o));
        QCOMPARE(a, TIntPairList({{3, 50}, {4, 7}, CAuftrag, {2, 1}}));
        QCOMPARE(o, TIntTrioList({D10, D4, D11}));
        QVERIFY(dm.AuftragsNrN_4_ProduktId(CP, 6, a, o));
        QVERIFY(a.isEmpty() && o == TIntTrioList({D10}));
        QVERIFY(dm.AuftragsNrN_4_ProduktId(CQ, 0, a, o) && a == TIntPairList({{5, 99}}) && o.isEmpty());
        QVERIFY(!dm.AuftragsNrN_4_ProduktId(CQ, 1, a, o) && a.isEmpty() && o.isEmpty());
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());

        QVERIFY(!dm.AuftragsNrN_4_ProduktId(CP, 101, a, o) && a.isEmpty() && o.isEmpty());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
    }
};

QTEST_MAIN(TestDispositionen)
#include "tst_dispositionen.moc"

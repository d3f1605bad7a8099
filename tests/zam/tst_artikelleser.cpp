// The article reader of the goods-receipt posting: movement segments, open pieces per target
// branch, the disposition iterator's dates and customer-order shares, the marking kinds; on both
// engines.
#include "IZAM_DispoServer.h"
#include "TQIV_ArtLesSimple.h"
#include "TQIV_VorgangDWSP_Iterator.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMInfoKoords.h"

#include <QTest>
#include <map>

namespace {
using TA = TZAM_TestArtikel;
const TInt32Trio CP = TA::A(TA::Schuh).Id();
const TInt32Trio CQ = TA::A(TA::Flasche).Id();
const QDateTime CTag(QDate(2024, 5, 1), QTime(9, 0));
TZAM_PersArt_ExtVerweis Kunde(int ABeleg)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, {1, ABeleg, 0}, 1);
}
const TZAM_PersArt_ExtVerweis CPlatzhalter =
    TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, CMaxIntTrio, 9999);

// D1 open with positions at 10, 20, 30; D2 closed; D3 everything received, no delivery date;
// D4 an order line of another kind; D5 of another product.
const TIntTrio D1{1, 1, 1}, D2{1, 1, 2}, D3{1, 1, 3}, D4{1, 0, 5}, D5{1, 1, 9};

using TMengen = std::map<int, int>; // size -> pieces
} // namespace

class TestArtikelLeser : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Dispo(const TIntTrio& AId, const TInt32Trio& AProdukt, int AGeschlossen = 0, int ATyp = 45,
               const QVariant& ALiefertag = QVariant())
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, prod_id3, "
                                      "geschlossen, datum2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {AId.Id1, AId.Id2, AId.Id3, ATyp, CTag, AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AGeschlossen,
                        ALiefertag});
    }
    void Pos(const TIntTrio& ADispo, int AZiel, int AGr, int AGeplant, int AErhalten,
             const TZAM_PersArt_ExtVerweis& V = {}, int AAuftrFil = 1)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                      "auftr_filiale, groesse, menge, erhalten, ext_kennung, ext_id1, ext_id2, "
                                      "ext_id3, ext_nummer) VALUES (?, ?, ?, 45, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {ADispo.Id1, ADispo.Id2, ADispo.Id3, AZiel, AAuftrFil, AGr, AGeplant, AErhalten, int(V.Kennung),
                        V.Id.Id1, V.Id.Id2, V.Id.Id3, V.Nummer});
    }

    void Anlegen(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TA::Anlegen(Db());
        Dispo(D1, CP, 0, 45, CTag.addDays(9));
        Pos(D1, 10, 2, 5, 1);               // open 4
        Pos(D1, 10, 2, 3, 0, Kunde(7001));  // open 3, a customer order's
        Pos(D1, 10, 3, 2, 5, {}, 2);        // received beyond plan: 0, never below
        Pos(D1, 10, 2, 1, 0, CPlatzhalter); // the placeholder is no customer order
        Pos(D1, 20, 2, 4, 4);               // received
        Pos(D1, 20, 4, 1, 0);
        Pos(D1, 20, 4, 2, 1, Kunde(7002)); // open 1 of a customer order
        Pos(D1, 30, 1, 2, 3, Kunde(7003)); // a customer order's, received beyond plan
        Dispo(D2, CP, 1);
        Pos(D2, 10, 2, 3, 0, Kunde(7004));
        Dispo(D3, CP);
        Pos(D3, 10, 4, 1, 1, Kunde(7005));
        Dispo(D4, CP, 0, 24);
        Pos(D4, 10, 2, 9, 0);
        Dispo(D5, CQ);
        Pos(D5, 10, 0, 1, 0);
    }

    static TMengen Mengen(const TZAM_Intv100_Sortiment_Me& A)
    {
        TMengen m;
        for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
            if (A.Me[i] != 0)
                m[i] = A.Me[i];
        return m;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    // One segment per disposition that is not closed, by id; the label key is the first.
    void segmente_data() { ZAM_MotorenDaten(); }
    void segmente()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TQIV_ArtLesSimple leser;
        const struct
        {
            TInt32Trio Produkt;
            bool Gefunden;
            QList<TIntTrio> Dispos;
        } faelle[] = {
            {CP, true, {D1, D3}},
            {CQ, true, {D5}},
            {TA::A(TA::Hemd).Id(), true, {}},
            {TInt32Trio(7, 999, 0), false, {}},
        };
        for (const auto& f : faelle) {
            QCOMPARE(leser.Positionieren(f.Produkt), f.Gefunden);
            QList<TQIV_BewegungsSegment> erwartet;
            for (const TIntTrio& d : f.Dispos)
                erwartet.append({45, d});
            QCOMPARE(leser.BewegungsSegmente(), erwartet);
            QCOMPARE(leser.EtikettDispoSchluessel(), f.Dispos.isEmpty() ? TIntTrio() : f.Dispos.first());
        }

        // Read on the first question after positioning: a disposition closed later is still
        // there until the reader positions again.
        QVERIFY(leser.Positionieren(CP));
        QCOMPARE(leser.BewegungsSegmente().size(), 2);
        Db().Schreiben(QStringLiteral("UPDATE zam_bne SET geschlossen = 1 WHERE id3 = 1"));
        QCOMPARE(leser.BewegungsSegmente().size(), 2);
        QVERIFY(leser.Positionieren(CP));
        QCOMPARE(leser.BewegungsSegmente(), (QList<TQIV_BewegungsSegment>{{45, D3}}));
    }

    // Per target branch the sum over its positions, each never below 0, with its range.
    void offenJeFiliale_data() { ZAM_MotorenDaten(); }
    void offenJeFiliale()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TQIV_ArtLesSimple leser;
        QVERIFY(leser.Positionieren(CP));
        const struct
        {
            TQIV_BewegungsSegment Segment;
            bool Ergebnis;
            QList<std::tuple<qint16, TMengen, int, int>> Offen; // branch, pieces, range
        } faelle[] = {
            {{45, D1}, true, {{10, {{2, 8}}, 2, 2}, {20, {{4, 2}}, 4, 4}, {30, {}, CZAM_Intv100_OhneGroesse, 0}}},
            {{45, D3}, true, {{10, {}, CZAM_Intv100_OhneGroesse, 0}}},
            {{45, D2}, false, {}}, // closed
            {{24, D4}, false, {}}, // not a disposition
            {{45, D4}, false, {}}, // the id's order line is of another kind
            {{45, TIntTrio(1, 1, 77)}, false, {}},
        };
        for (const auto& f : faelle) {
            QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>> offen{{99, {}}};
            QCOMPARE(leser.DI_Offen_Berechnen(f.Segment, offen), f.Ergebnis);
            QCOMPARE(offen.size(), f.Offen.size());
            for (qsizetype i = 0; i < offen.size(); ++i) {
                const auto& [filiale, mengen, min, max] = f.Offen.at(i);
                const QString fall = f.Segment.VorgId.ToText() + QStringLiteral(" Filiale %1").arg(filiale);
                QVERIFY2(offen.at(i).first == filiale, qPrintable(fall));
                QVERIFY2(Mengen(offen.at(i).second) == mengen, qPrintable(fall));
                QVERIFY2(offen.at(i).second.MinIndex == min && offen.at(i).second.MaxIndex == max, qPrintable(fall));
            }
        }
    }

    // Dates, and the customer orders' shares: only what is open, never more than the branch has
    // open, placeholder and closed dispositions left out.
    void iterator_data() { ZAM_MotorenDaten(); }
    void iterator()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TQIV_ArtLesSimple leser;
        QVERIFY(leser.Positionieren(CP));
        TQIV_VorgangDWSP_Iterator* it = leser.VorgangDWSP_Iterator_GoC();
        QVERIFY(it && it == leser.VorgangDWSP_Iterator_GoC());

        const struct
        {
            TIntTrio Id;
            bool Gefunden;
            QDate Primaer, Sekundaer;
            QList<std::tuple<qint16, TZAM_PersArt_ExtVerweis, TMengen, int, int>> Pos;
        } faelle[] = {
            {D1,
             true,
             CTag.date().addDays(9),
             CTag.date(),
             {{10, Kunde(7001), {{2, 3}}, 2, 2}, {20, Kunde(7002), {{4, 1}}, 4, 4}}},
            {D3, true, QDate(), CTag.date(), {}},
            {D2, true, QDate(), CTag.date(), {}}, // closed: nothing open
            {TIntTrio(1, 1, 77), false, QDate(), QDate(), {}},
            {D4, false, QDate(), QDate(), {}},
            {TIntTrio(), false, QDate(), QDate(), {}},
        };
        for (const auto& f : faelle) {
            const QString fall = f.Id.ToText();
            QVERIFY2(it->Positionieren(f.Id) == f.Gefunden && it->Gefunden() == f.Gefunden, qPrintable(fall));
            QVERIFY2(it->PrimaerDatum() == f.Primaer && it->SekundaerDatum() == f.Sekundaer, qPrintable(fall));
            QVERIFY2(it->SortimentePos_Anzahl() == f.Pos.size(), qPrintable(fall));
            for (int i = 0; i < it->SortimentePos_Anzahl(); ++i) {
                const TQIV_SortimentPos& p = it->SortimentePos(i);
                const auto& [filiale, verweis, mengen, min, max] = f.Pos.at(i);
                QVERIFY2(p.Index == i && p.Filiale == filiale && p.Verweis == verweis, qPrintable(fall));
                QVERIFY2(Mengen(p.Menge) == mengen && p.Menge.MinIndex == min && p.Menge.MaxIndex == max,
                         qPrintable(fall));
            }
        }
        QCOMPARE(Fehler([&] { it->SortimentePos(it->SortimentePos_Anzahl()); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);

        // Receipts beyond plan on another position of the branch never make a share exceed what
        // the branch has open.
        Db().Schreiben(QStringLiteral("UPDATE zam_bnep SET erhalten = 9 WHERE bne_id3 = 1 AND ziel_filiale = 10 AND "
                                      "ext_kennung = 0 AND groesse = 2"));
        QVERIFY(it->Positionieren(D1));
        QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>> offen;
        QVERIFY(leser.DI_Offen_Berechnen({45, D1}, offen));
        for (int i = 0; i < it->SortimentePos_Anzahl(); ++i) {
            const TQIV_SortimentPos& p = it->SortimentePos(i);
            const auto f =
                std::find_if(offen.cbegin(), offen.cend(), [&](const auto& o) { return o.first == p.Filiale; });
            QVERIFY(f != offen.cend());
            for (int s = p.Menge.MinIndex; s <= p.Menge.MaxIndex; ++s)
                QVERIFY(p.Menge.Me[s] <= f->second.Me[s]);
        }
        QCOMPARE(Mengen(offen.first().second), (TMengen{{2, 4}}));

        // Given back, the next one is a fresh iterator standing on nothing.
        leser.VorgangDWSP_Iterator_Zurueckgeben();
        QVERIFY(!leser.VorgangDWSP_Iterator_GoC()->Gefunden());
    }

    // The stored marking kind and goods-receipt block; which kinds count as source-marked.
    void auszeichnung_data() { ZAM_MotorenDaten(); }
    void auszeichnung()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        for (int art = -1; art <= 9; ++art)
            QVERIFY2(CQIV_AuszeichnungsArtKz_Quellauszeichnung.contains(art) == (art == 2 || art == 3),
                     qPrintable(QString::number(art)));
        Db().Schreiben(QStringLiteral("UPDATE zam_artikel SET auszeichnungsart = 3, we_gesperrt = 1 WHERE prod_id1 = ? "
                                      "AND prod_id2 = ? AND prod_id3 = ?"),
                       {CP.Id1, CP.Id2, CP.Id3});
        TQIV_ArtLesSimple leser;
        QVERIFY(leser.Positionieren(CP));
        QVERIFY(leser.AuszeichnungsArt() == 3 && leser.WEGesperrt());
        QVERIFY(leser.Positionieren(CQ));
        QVERIFY(leser.AuszeichnungsArt() == 0 && !leser.WEGesperrt());
        QVERIFY(!leser.Positionieren(TInt32Trio(7, 999, 0)));
        QVERIFY(!leser.WEGesperrt() && leser.BewegungsSegmente().isEmpty());
    }
};

QTEST_MAIN(TestArtikelLeser)
#include "tst_artikelleser.moc"

// The order files and their companions: reservations and order-line positions, customer-order
// documents, external orders with their manager, reasons with their cache, walking routes and
// selling prices with the price reader.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_EXBIServer.h"
#include "IZAM_GrundServer.h"
#include "IZAM_PreisServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TQIV_EXBI_Mani.h"
#include "TSimplePriceReader.h"
#include "TZAM_Datenbank.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_GrundCache.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {

TZAM_PersArt_ExtVerweis K(const TIntTrio& AId, int ANr)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, AId, ANr);
}
TZAM_PersArt_ExtVerweis E(const TIntTrio& AId, int ANr)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, AId, ANr);
}

const TIntTrio CBeleg{1, 6002, 0};
const TIntTrio CWeb{3, 240002, 0};
} // namespace

class TestAuftragsdateien : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Bfp(const TZAM_PersArt_ExtVerweis& V, int AFiliale, const QString& AArt, int AMenge)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bfp (verweis_art, verweis_id1, verweis_id2, verweis_id3, "
                                      "verweis_nummer, filiale, bestandsart, menge) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {CZAM_PersArtExtKennung_2_Kuerzel(V.Kennung), V.Id.Id1, V.Id.Id2, V.Id.Id3, V.Nummer, AFiliale,
                        AArt, AMenge});
    }
    struct TBnep
    {
        TIntTrio Vorgang;
        int Ziel, Quell, Menge, BewTyp;
        TZAM_PersArt_ExtVerweis Verweis;
        QString Kennung;
        TIntTrio Auftrag;
        int AuftragNr = 0;
    };
    void Bnep(const TBnep& P)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                      "quell_filiale, kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                      "ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, menge, bewtyp) "
                                      "VALUES (?, ?, ?, 75, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {P.Vorgang.Id1, P.Vorgang.Id2, P.Vorgang.Id3, P.Ziel, P.Quell, P.Kennung, P.Auftrag.Id1,
                        P.Auftrag.Id2, P.Auftrag.Id3, P.AuftragNr, int(P.Verweis.Kennung), P.Verweis.Id.Id1,
                        P.Verweis.Id.Id2, P.Verweis.Id.Id3, P.Verweis.Nummer, P.Menge, P.BewTyp});
    }
    void Exbi(const QString& AKennung, const TIntTrio& AAuftrag, int ANr, const QString& ABestellNr,
              const QString& ABezahlt, int APositionen)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, "
                                      "auftrag_nr, bestellnr, datum, bezahlt, buch_filiale, herkunft, positionen) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 12, 'W', ?)"),
                       {AKennung, AAuftrag.Id1, AAuftrag.Id2, AAuftrag.Id3, ANr, ABestellNr,
                        QDateTime(QDate(2024, 5, 8), QTime(19, 45, 1, 20)), ABezahlt, APositionen});
    }
    void Beleg(const TIntPair& AAtk, const QString& AAusl, const QString& AZahl, int AOrge2)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, "
                                      "herkunftskz, glaeubiger_orge1, glaeubiger_orge2) VALUES (?, ?, ?, ?, ?, ?, 'O', "
                                      "100, ?)"),
                       {AAtk.Id1, AAtk.Id2, QStringLiteral("KB-%1").arg(AAtk.Id2),
                        QDateTime(QDate(2024, 5, 9), QTime(10, 0)), AAusl, AZahl, AOrge2});
    }
    // A position of the document and, unless AZustand is null, its state under the order id.
    void Position(const TIntPair& AAtk, const TIntTrio& AAuftrag, int ANr, int AMenge, const QString& AZustand,
                  const QString& ABezahlt)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                      "menge) VALUES (?, ?, 0, ?, ?, ?, ?)"),
                       {AAtk.Id1, AAtk.Id2, ANr, AAtk.Id1, AAtk.Id2, AMenge});
        if (!AZustand.isNull())
            Db().Schreiben(
                QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                               "pos_id1, pos_id2, pos_id3, zustand, bezahlt) VALUES (?, ?, ?, ?, ?, ?, 0, ?, ?)"),
                {AAuftrag.Id1, AAuftrag.Id2, AAuftrag.Id3, ANr, AAtk.Id1, AAtk.Id2, AZustand, ABezahlt});
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void reservierungenUndBestellpositionen_data() { ZAM_MotorenDaten(); }
    void reservierungenUndBestellpositionen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        auto d = TestDienst<IZAM_AuftragsDateien>();

        // Reservations of one position, beside another position and the same key of another kind.
        Bfp(K(CBeleg, 1), 12, QStringLiteral("11"), 2);
        Bfp(K(CBeleg, 1), 14, QStringLiteral("11"), 1);
        Bfp(K(CBeleg, 1), 12, QStringLiteral(" "), 5);
        Bfp(K(CBeleg, 2), 12, QStringLiteral("11"), 7);
        Bfp(E(CBeleg, 1), 12, QStringLiteral("11"), 4);
        const struct
        {
            TZAM_PersArt_ExtVerweis Verweis;
            int Filiale;
            QString Art;
            int Summe;
        } bfp[] = {
            {K(CBeleg, 1), 0, QString(), 8},
            {K(CBeleg, 1), 12, QString(), 7},
            {K(CBeleg, 1), 0, QStringLiteral("11"), 3},
            {K(CBeleg, 1), 12, QStringLiteral("11"), 2},
            {K(CBeleg, 1), 12, QStringLiteral(" "), 5},
            {K(CBeleg, 1), 14, QStringLiteral(" "), 0},
            {K(CBeleg, 1), -1, QString(), 8},
            {K(CBeleg, 1), 99, QString(), 0},
            {E(CBeleg, 1), 0, QString(), 4},
            {K(CBeleg, 3), 0, QString(), 0},
        };
        for (const auto& f : bfp)
            QVERIFY2(d->BFP_Summe(f.Verweis, f.Filiale, f.Art) == f.Summe,
                     qPrintable(
                         QStringLiteral("%1, Filiale %2, Art '%3'").arg(f.Verweis.ToText()).arg(f.Filiale).arg(f.Art)));

        // Order-line positions: the one of reference number 2 is stored first.
        const TIntTrio v1{2, 2, 1}, v2{2, 2, 2}, v3{2, 2, 3};
        Bnep({v1, 12, 0, 2, 24, K(CBeleg, 2)});
        Bnep({v1, 12, 1, 2, 24, K(CBeleg, 1)});
        Bnep({v1, 14, 1, 1, 24, {}, QStringLiteral("WEBS"), CWeb, 2});
        Bnep({v1, 14, 1, 3, 24, {}, QStringLiteral("KUBE"), {1, 6003, 0}, 1});
        Bnep({v1, 17, 1, 1, 24, {}});
        Bnep({v2, 12, 1, 2, 26, E(CWeb, 2)});
        Bnep({v3, 14, 1, 5, 24, E(CWeb, 2)});
        Bnep({v3, 14, 3, 1, 24, E(CWeb, 2)});
        Exbi(QStringLiteral("WEBS"), CWeb, 2, QStringLiteral("WEB-240002"), QStringLiteral("J"), 3);
        const struct
        {
            TIntTrio Vorgang;
            qint16 Ziel;
            int Menge;
            bool Gefunden;
            TZAM_PersArt_ExtVerweis Verweis;
        } verweise[] = {
            {v1, 12, 2, true, K(CBeleg, 2)},       // two match: the lower id
            {v1, 14, 1, true, E(CWeb, 2)},         // named by source and order, known as external
            {v1, 14, 3, true, K({1, 6003, 0}, 1)}, // named by order, a customer order
            {v1, 17, 1, false, {}},                // a position without any order
            {v1, 12, 5, false, {}},                // no such quantity
            {v2, 14, 2, false, {}},                // no such target
            {{2, 2, 9}, 12, 2, false, {}},
        };
        for (const auto& f : verweise) {
            TZAM_PersArt_ExtVerweis v = K({9, 9, 9}, 9);
            const QString fall = QStringLiteral("%1 → %2, %3").arg(f.Vorgang.ToText()).arg(f.Ziel).arg(f.Menge);
            QVERIFY2(d->BNEP_ExtVerweis(f.Vorgang, f.Ziel, f.Menge, v) == f.Gefunden, qPrintable(fall));
            QVERIFY2(v == f.Verweis, qPrintable(fall + QStringLiteral(": ") + v.ToText()));
        }

        const struct
        {
            int Ziel, Quell, BewTyp, Summe;
        } summen[] = {{0, 0, 0, 8},   {14, 0, 0, 6}, {14, 1, 0, 5}, {0, 0, 24, 6},
                      {12, 0, 24, 0}, {0, 3, 0, 1},  {12, 0, 26, 2}};
        for (const auto& f : summen)
            QVERIFY2(d->BNEP_Summe(E(CWeb, 2), f.Ziel, f.Quell, f.BewTyp) == f.Summe,
                     qPrintable(QStringLiteral("%1/%2/%3").arg(f.Ziel).arg(f.Quell).arg(f.BewTyp)));
        QCOMPARE(d->BNEP_Summe(E(CWeb, 3), 0, 0, 0), 0);
        QCOMPARE(d->BNEP_Menge(v3, 14, 1, 24, E(CWeb, 2)), 5);
        QCOMPARE(d->BNEP_Menge(v3, 14, 3, 24, E(CWeb, 2)), 1);
        QCOMPARE(d->BNEP_Menge(v3, 14, 1, 26, E(CWeb, 2)), 0);
        QCOMPARE(d->BNEP_Menge(v3, 14, 1, 24, K(CWeb, 2)), 0);

        // Order-line dates to the millisecond, whatever the engine makes of the fraction.
        const QDateTime halb(QDate(2024, 5, 10), QTime(8, 15, 30, 500));
        const QDateTime mitternacht(QDate(2024, 5, 11), QTime(0, 0));
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum) VALUES (2, 2, 1, 75, ?)"),
                       {halb});
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum) VALUES (2, 2, 2, 75, ?)"),
                       {mitternacht});
        QDateTime datum;
        QVERIFY(d->BNE_Datum(v1, datum));
        QCOMPARE(datum, halb);
        QVERIFY(d->BNE_Datum(v2, datum));
        QCOMPARE(datum, mitternacht);
        QVERIFY(!d->BNE_Datum(v3, datum));
        QVERIFY(!datum.isValid());
    }

    void belege_data() { ZAM_MotorenDaten(); }
    void belege()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        // An optional module: only the second factory knows it.
        QVERIFY(Glob_ServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>());
        QVERIFY(!Glob_WWSServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>());
        auto b = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
        QVERIFY(b);
        TZAM_Filiale f12;
        f12.Nummer = 12;
        f12.Name = QStringLiteral("Altstadt");
        f12.OrgeId = {{100, 12}, {10, 1}};
        TZAM_FilialTabelleSql::Speichern(Db(), f12);

        // Paid positions of 1 and 2 pieces, a cancelled unpaid one of 4 and one without state.
        Beleg({1, 6002}, QStringLiteral("V"), QStringLiteral("V"), 12);
        Position({1, 6002}, CBeleg, 1, 1, QStringLiteral(""), QStringLiteral("J"));
        Position({1, 6002}, CBeleg, 2, 2, QStringLiteral(""), QStringLiteral("J"));
        Position({1, 6002}, CBeleg, 3, 4, QStringLiteral("T"), QStringLiteral("N"));
        Position({1, 6002}, CBeleg, 4, 1, QString(), QString());
        Bfp(K(CBeleg, 1), 12, QStringLiteral("11"), 1);
        Bfp(K(CBeleg, 2), 12, QStringLiteral("11"), 1);
        Bfp(K(CBeleg, 2), 14, QStringLiteral("11"), 1);
        Bfp(K(CBeleg, 3), 12, QStringLiteral("11"), 4); // of the cancelled position
        Bfp(K(CBeleg, 1), 12, QStringLiteral(" "), 3);  // free stock
        // A document whose position states carry an order id of their own.
        Beleg({1, 6004}, QStringLiteral("V"), QStringLiteral("V"), 77);
        Position({1, 6004}, {700, 1, 0}, 1, 1, QStringLiteral(""), QStringLiteral("N"));

        QVERIFY(b->Beleg_Laden(CBeleg, false));
        QCOMPARE(b->ArtikelAnzahl(), 4);
        QCOMPARE(b->BelegNrFormatiert(), QStringLiteral("KB-6002"));
        QCOMPARE(b->BelegDatum(), QDateTime(QDate(2024, 5, 9), QTime(10, 0)));
        QVERIFY(b->IstBezahlt());
        QCOMPARE(b->ArtikelInZielFiliale(12), 0); // not read without the complete load
        QVERIFY(b->Beleg_Laden(CBeleg, true));
        QCOMPARE(b->ArtikelInZielFiliale(12), 2);
        QCOMPARE(b->ArtikelInZielFiliale(14), 1);
        QCOMPARE(b->ArtikelInZielFiliale(17), 0);

        // Is-paid: an unpaid position holds the document back unless it goes on account or is
        // collected in the branch.
        const struct
        {
            const char* Ausl;
            const char* Zahl;
            const char* Pos2;
            bool Bezahlt;
        } bezahlt[] = {
            {"V", "V", "J", true}, {"V", "V", "N", false}, {"V", "R", "N", true},
            {"A", "V", "N", true}, {"V", "", "N", false},  {"V", "V", "", true},
        };
        for (const auto& f : bezahlt) {
            Db().Schreiben(QStringLiteral("UPDATE zam_atk SET auslieferungtyp = ?, zahlungsart = ? WHERE id2 = 6002"),
                           {QString::fromLatin1(f.Ausl), QString::fromLatin1(f.Zahl)});
            Db().Schreiben(
                QStringLiteral("UPDATE zam_atpb SET bezahlt = ? WHERE auftrag_id2 = 6002 AND auftrag_nr = 2"),
                {QString::fromLatin1(f.Pos2)});
            QVERIFY(b->Beleg_Laden(CBeleg, false));
            QVERIFY2(b->IstBezahlt() == f.Bezahlt, qPrintable(QStringLiteral("%1/%2/%3").arg(f.Ausl, f.Zahl, f.Pos2)));
        }

        const struct
        {
            TZAM_PersArt_ExtVerweis Verweis;
            TIntTrio Beleg;
        } belege[] = {
            {K(CBeleg, 2), CBeleg},
            {K(CBeleg, 0), CBeleg},
            {K(CBeleg, 9), CBeleg}, // the document itself, though it has no such position
            {K({700, 1, 0}, 1), {1, 6004, 0}},
            {K({700, 1, 0}, 2), {}},
            {K({1, 9999, 0}, 1), {}},
            {E(CBeleg, 1), {}},
            {K({}, 0), {}},
        };
        for (const auto& f : belege)
            QVERIFY2(b->BelegId_4_ExtVerweis(f.Verweis) == f.Beleg, qPrintable(f.Verweis.ToText()));

        QChar herkunft;
        TOrgeIdKompl buch;
        QVERIFY(b->Herkunft_4_Beleg(CBeleg, herkunft, buch));
        QCOMPARE(herkunft, QLatin1Char('O'));
        QCOMPARE(buch, f12.OrgeId);
        QVERIFY(b->Herkunft_4_Beleg({1, 6004, 0}, herkunft, buch));
        QCOMPARE(buch, (TOrgeIdKompl{{100, 77}, {}})); // no branch of that organisation
        QVERIFY(!b->Herkunft_4_Beleg({1, 6005, 0}, herkunft, buch));
        QVERIFY(herkunft.isNull() && buch.IsNull());

        QVERIFY(!b->Beleg_Laden({1, 6005, 0}, true));
        QCOMPARE(b->ArtikelAnzahl(), 0);
        QVERIFY(!b->IstBezahlt());
        QCOMPARE(b->ArtikelInZielFiliale(12), 0);
        QVERIFY(b->BelegNrFormatiert().isEmpty());
    }

    void preise_data() { ZAM_MotorenDaten(); }
    void preise()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const TInt32Trio schuh{1, 100001, 0}, tasche{1, 100004, 0};
        const QString sql =
            QStringLiteral("INSERT INTO zam_vkpreis (prod_id1, prod_id2, prod_id3, filiale, groesse, ab, "
                           "preis_cent) VALUES (?, ?, ?, ?, ?, ?, ?)");
        const QDate neujahr(2024, 1, 1), juni(2024, 6, 1);
        Db().Schreiben(sql, {1, 100001, 0, 12, 3, neujahr, 8995});
        Db().Schreiben(sql, {1, 100001, 0, 12, 3, juni, 7995});
        Db().Schreiben(sql, {1, 100001, 0, 14, 3, neujahr, 8495});
        Db().Schreiben(sql, {1, 100004, 0, 12, 2, neujahr, 3495});
        auto p = TestDienst<IZAM_PreisServer>();
        const struct
        {
            int Filiale, Groesse;
            QDate Tag;
            qint64 Cent;
        } preise[] = {
            {12, 3, neujahr.addDays(-1), 0},
            {12, 3, neujahr, 8995},
            {12, 3, juni.addDays(-1), 8995},
            {12, 3, juni, 7995},
            {12, 3, {2030, 1, 1}, 7995},
            {14, 3, juni, 8495},
            {12, 4, juni, 0},
            {17, 3, juni, 0},
            {12, 3, {}, 0},
        };
        for (const auto& f : preise)
            QVERIFY2(p->VKPreisCent(schuh, f.Filiale, f.Groesse, f.Tag) == f.Cent,
                     qPrintable(QStringLiteral("%1/%2 %3").arg(f.Filiale).arg(f.Groesse).arg(f.Tag.toString())));

        // The reader: currency units; selected, it keeps what it read of the product.
        TSimplePriceReader leser;
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 79.95);
        leser.SetSelekted(true);
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 79.95);
        Db().Schreiben(QStringLiteral("UPDATE zam_vkpreis SET preis_cent = preis_cent - 1000"));
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 79.95);
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 14, 3), 74.95); // not read before
        // Another product drops the kept prices.
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(tasche, juni, 12, 2), 24.95);
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 69.95);
        Db().Schreiben(QStringLiteral("UPDATE zam_vkpreis SET preis_cent = preis_cent + 1000"));
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 69.95);
        leser.SetSelekted(false);
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd(schuh, juni, 12, 3), 79.95);
        // Product and day set beforehand.
        leser.SetProdId(schuh);
        leser.SetDatum(juni.addDays(-1));
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd({}, {}, 12, 3), 89.95);
        QCOMPARE(leser.SVK_Orig_4_Art_Dat_Fil_GrInd({}, {}, 12, 9), 0.0);
    }

    void laufwegeUndGruende_data() { ZAM_MotorenDaten(); }
    void laufwegeUndGruende()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const QString weg = QStringLiteral(
            "INSERT INTO zam_laufweg (id1, id2, id3, lager, name, reihenfolge) VALUES (1, 1, ?, ?, ?, ?)");
        Db().Schreiben(weg, {3, 1, QStringLiteral("C"), 1});
        Db().Schreiben(weg, {1, 1, QStringLiteral("A"), 2});
        Db().Schreiben(weg, {2, 1, QStringLiteral("B"), 1});
        Db().Schreiben(weg, {4, 2, QStringLiteral("Süd"), 0});
        const QString platz =
            QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, pos, "
                           "lo_id1, lo_id2, lo_id3) VALUES (1, 1, 2, ?, 1, ?, ?)");
        for (const auto& [pos, reihe, fach] : {std::tuple{30, 3, 1}, std::tuple{10, 1, 4}, std::tuple{20, 2, 2}})
            Db().Schreiben(platz, {pos, reihe, fach});

        auto w = TestDienst<IZAM_WegeOptEditServer>();
        QList<TIntTrio> ids;
        QStringList namen;
        for (const TZAM_Laufweg& l : w->Laufwege_4_Lager(1)) {
            ids << l.Id;
            namen << l.Name;
            QCOMPARE(l.Lager, 1);
        }
        QCOMPARE(ids, (QList<TIntTrio>{{1, 1, 2}, {1, 1, 3}, {1, 1, 1}}));
        QCOMPARE(namen, (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
        QCOMPARE(w->Laufwege_4_Lager(2).size(), 1);
        QVERIFY(w->Laufwege_4_Lager(3).isEmpty());
        QCOMPARE(w->Laufweg_Lagerorte({1, 1, 2}), (QList<TIntTrio>{{1, 1, 4}, {1, 2, 2}, {1, 3, 1}}));
        QVERIFY(w->Laufweg_Lagerorte({1, 1, 1}).isEmpty());
        QVERIFY(w->Laufweg_Lagerorte({7, 7, 7}).isEmpty());

        const QString grund =
            QStringLiteral("INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, "
                           "nur_aufgabe, prio_signal) VALUES (?, 1, 1, ?, ?, ?, ?, ?)");
        Db().Schreiben(grund, {CZAM_Grundgruppe_HLAnfo, 2, QStringLiteral("Kundenanfrage"), 10, 0, 1});
        Db().Schreiben(grund, {QStringLiteral("RET"), 1, QStringLiteral("Defekt"), 0, 0, 0});
        Db().Schreiben(grund, {CZAM_Grundgruppe_HLAnfo, 3, QStringLiteral("Nur melden"), 20, 1, 0});
        Db().Schreiben(grund, {CZAM_Grundgruppe_HLAnfo, 1, QStringLiteral("Regal leer"), 2, 0, 1});
        const QList<TGrndSatz> hag = TestDienst<IZAM_GrundServer>()->Gruende_Lesen(CZAM_Grundgruppe_HLAnfo);
        QCOMPARE(hag.size(), 3);
        const struct
        {
            const char* Name;
            int Prio;
            bool NurAufgabe, Signal;
        } erwartet[] = {
            {"Regal leer", 2, false, true}, {"Kundenanfrage", 10, false, true}, {"Nur melden", 20, true, false}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(hag.at(i).Id, TIntTrio(1, 1, i + 1));
            QCOMPARE(hag.at(i).Bezeichnung, QString::fromUtf8(erwartet[i].Name));
            QCOMPARE(hag.at(i).PrioReihenfolge, erwartet[i].Prio);
            QCOMPARE(hag.at(i).NurAufgabe, erwartet[i].NurAufgabe);
            QCOMPARE(hag.at(i).PrioSignal, erwartet[i].Signal);
        }
        QVERIFY(TestDienst<IZAM_GrundServer>()->Gruende_Lesen(QStringLiteral("XYZ")).isEmpty());

        // The cache of one group reads the file again when asked for a reason it does not know.
        TZAM_GrundCache cache(CZAM_Grundgruppe_HLAnfo);
        QCOMPARE(cache.Bezeichnung({1, 1, 1}), QStringLiteral("Regal leer"));
        Db().Schreiben(grund, {CZAM_Grundgruppe_HLAnfo, 5, QStringLiteral("Neu im Sortiment"), 5, 0, 0});
        Db().Schreiben(QStringLiteral("UPDATE zam_grund SET bezeichnung = 'Leeres Regal' WHERE id3 = 1"));
        QCOMPARE(cache.Saetze().size(), 3);
        QCOMPARE(cache.Bezeichnung({1, 1, 1}), QStringLiteral("Regal leer")); // a hit reads nothing
        QCOMPARE(cache.Bezeichnung({1, 1, 5}), QStringLiteral("Neu im Sortiment"));
        QCOMPARE(cache.Saetze().size(), 4);
        QCOMPARE(cache.Bezeichnung({1, 1, 1}), QStringLiteral("Leeres Regal"));
        QVERIFY(cache.Bezeichnung({9, 9, 9}).isEmpty());
        QVERIFY(TZAM_GrundCache(QStringLiteral("RET")).Bezeichnung({1, 1, 2}).isEmpty());
    }

    void externeBestellungen_data() { ZAM_MotorenDaten(); }
    void externeBestellungen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        // Positions 1, 3 and 2 of an order of three, and the same order id from another source.
        Exbi(QStringLiteral("WEBS"), CWeb, 1, QStringLiteral("WEB-240002"), QStringLiteral("J"), 3);
        Exbi(QStringLiteral("WEBS"), CWeb, 3, QStringLiteral("WEB-240002"), QStringLiteral("N"), 3);
        Exbi(QStringLiteral("WEBS"), CWeb, 2, QStringLiteral("WEB-240002"), QStringLiteral("J"), 3);
        Exbi(QStringLiteral("SHOP"), CWeb, 1, QStringLiteral("SHOP-1"), QStringLiteral("N"), 1);
        Exbi(QStringLiteral("WEBS"), {3, 240009, 0}, 1, QStringLiteral("WEB-240009"), QStringLiteral("N"), 2);

        auto s = TestDienst<IZAM_EXBIServer>();
        TQIV_EXBI_Info info;
        QVERIFY(s->Info_4_ExtVerweis(E(CWeb, 3), info));
        QCOMPARE(info.Kennung, QStringLiteral("WEBS"));
        QCOMPARE(info.AuftragsId, CWeb);
        QCOMPARE(info.AuftragsNr, 3);
        QCOMPARE(info.BestellNr, QStringLiteral("WEB-240002"));
        QCOMPARE(info.Datum, QDateTime(QDate(2024, 5, 8), QTime(19, 45, 1, 20)));
        QVERIFY(!info.Bezahlt);
        QCOMPARE(info.BuchFiliale, 12);
        QCOMPARE(info.Herkunft, QLatin1Char('W'));
        QCOMPARE(info.Positionen, 3);
        QVERIFY(s->Info_4_ExtVerweis(E(CWeb, 1), info));
        QCOMPARE(info.Kennung, QStringLiteral("WEBS")); // the first stored of the two sources
        QVERIFY(info.Bezahlt);
        QVERIFY(!s->Info_4_ExtVerweis(K(CWeb, 1), info));
        QVERIFY(info.BestellNr.isEmpty());
        QVERIFY(!s->Info_4_ExtVerweis(E(CWeb, 4), info));
        QCOMPARE(s->ExtVerweise_4_BestellNr(QStringLiteral("WEB-240002")),
                 (QList<TZAM_PersArt_ExtVerweis>{E(CWeb, 1), E(CWeb, 2), E(CWeb, 3)}));
        QVERIFY(s->ExtVerweise_4_BestellNr(QString()).isEmpty());
        QVERIFY(s->ExtVerweise_4_BestellNr(QStringLiteral("WEB-999")).isEmpty());

        // The manager keeps what it read until it is told to reload.
        TQIV_EXBI_Mani mani;
        QVERIFY(mani.BestellInfos_4_PersArt_ExtVerweis(E(CWeb, 1), info));
        QVERIFY(info.Bezahlt);
        Db().Schreiben(QStringLiteral("UPDATE zam_exbi SET bezahlt = 'N' WHERE bestellnr = 'WEB-240002'"));
        QVERIFY(mani.BestellInfos_4_PersArt_ExtVerweis(E(CWeb, 1), info));
        QVERIFY(info.Bezahlt);
        bool neu = false;
        QList<TZAM_PersArt_ExtVerweis> verweise;
        mani.ExtVerweise_4_BelegId_AusDict(QStringLiteral("WEB-240009"), neu, verweise);
        QCOMPARE(verweise, QList<TZAM_PersArt_ExtVerweis>{E({3, 240009, 0}, 1)});
        Exbi(QStringLiteral("WEBS"), {3, 240009, 0}, 2, QStringLiteral("WEB-240009"), QStringLiteral("J"), 2);
        mani.ExtVerweise_4_BelegId_AusDict(QStringLiteral("WEB-240009"), neu, verweise);
        QCOMPARE(verweise.size(), 1);
        neu = true;
        mani.ExtVerweise_4_BelegId_AusDict(QStringLiteral("WEB-240009"), neu, verweise);
        QVERIFY(!neu);
        QCOMPARE(verweise, (QList<TZAM_PersArt_ExtVerweis>{E({3, 240009, 0}, 1), E({3, 240009, 0}, 2)}));
        // Reloading an order also reads its positions' infos again.
        neu = true;
        mani.ExtVerweise_4_BelegId_AusDict(QStringLiteral("WEB-240002"), neu, verweise);
        QCOMPARE(verweise.size(), 3);
        QVERIFY(mani.BestellInfos_4_PersArt_ExtVerweis(E(CWeb, 1), info));
        QVERIFY(!info.Bezahlt);
        // An unknown position is asked again: it may have arrived meanwhile.
        QVERIFY(!mani.BestellInfos_4_PersArt_ExtVerweis(E(CWeb, 4), info));
        QVERIFY(!mani.BestInfoExists_4_PersArt_ExtVerweis(E(CWeb, 4)));
        Exbi(QStringLiteral("WEBS"), CWeb, 4, QStringLiteral("WEB-240002"), QStringLiteral("J"), 4);
        QVERIFY(mani.BestInfoExists_4_PersArt_ExtVerweis(E(CWeb, 4)));
        QVERIFY(mani.BestellInfos_4_PersArt_ExtVerweis(E(CWeb, 4), info));
        QCOMPARE(info.Positionen, 4);
    }
};

QTEST_MAIN(TestAuftragsdateien)
#include "tst_auftragsdateien.moc"

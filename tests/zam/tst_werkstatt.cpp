// Processing of customer-order positions and the places assigned to their documents: the process
// combinations per size, the processing branch, the document of a position with its delivery,
// the delivery branch a position's rules give, and the place assignments with their document data.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_BelegEditServer.h"
#include "TBelegHelper.h"
#include "TLVLZMani.h"
#include "TQIV_WerkstattMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DienstRegistrierung.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {

// A document (1, 7100, 0) delivered from branch 12: its positions are named by the order
// (8, 1, 0); position 2 is processed in 17 and delivered through branch 50. Position 3 has no
// state row and is found by its own key.
const TIntTrio CAuftrag{8, 1, 0};
const TIntTrio CBeleg{1, 7100, 0};
const TIntTrio CKombiLogo{1, 1, 1}, CKombiName{1, 1, 2}, CKombiLeer{1, 1, 3};

using TMengen = QList<QPair<int, int>>; // size, pieces

TZAM_Intv100_Sortiment_Me Sortiment(const TMengen& AMengen)
{
    TZAM_Intv100_Sortiment_Me s;
    for (const auto& [g, m] : AMengen)
        s.Me[g] = m;
    s.MinMax_Bestimmen();
    return s;
}

} // namespace

class TestWerkstatt : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Beleg()
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferung_art, "
                                      "auslieferung_filiale) VALUES (1, 7100, 'KB-7100', ?, 2, 12)"),
                       {QDateTime(QDate(2024, 5, 8), QTime(23, 30))});
        const struct
        {
            int Nr, Bearb, Ausl;
            bool Zustand;
        } positionen[] = {{1, 0, -1, true}, {2, 17, 50, true}, {3, 40, 0, false}};
        for (const auto& p : positionen) {
            Db().Schreiben(
                QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                               "menge, bearb_filiale, ausl_filiale) VALUES (1, 7100, 0, ?, 1, 7100, 1, ?, ?)"),
                {p.Nr, p.Bearb, p.Ausl});
            if (p.Zustand)
                Db().Schreiben(
                    QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                   "pos_id1, pos_id2, pos_id3) VALUES (8, 1, 0, ?, 1, 7100, 0)"),
                    {p.Nr});
        }
    }
    void Kombi(const TIntTrio& AKombi, int AGroesse, int AMenge, int ANr = 1)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, "
                                      "auftrag_nr, vk_id1, vk_id2, vk_id3, groesse, menge) "
                                      "VALUES (8, 1, 0, ?, ?, ?, ?, ?, ?)"),
                       {ANr, AKombi.Id1, AKombi.Id2, AKombi.Id3, AGroesse, AMenge});
    }
    void KombiName(const TIntTrio& AKombi, const QString& AName)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_verfkombi (id1, id2, id3, name) VALUES (?, ?, ?, ?)"),
                       {AKombi.Id1, AKombi.Id2, AKombi.Id3, AName});
    }
    void Platz(const TIntTrio& AId)
    {
        Db().Schreiben(
            QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name) VALUES (?, ?, ?, 1, 3, ?)"),
            {AId.Id1, AId.Id2, AId.Id3, AId.ToText()});
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    // Position 1: the logo in sizes 2 (3 pieces) and 3 (1), names in size 3 (2), a third
    // combination stored without pieces.
    void verfahrenskombinationen_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<bool>("nurMitMenge");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QList<TIntTrio>>("kombis");
        QTest::addColumn<QList<TMengen>>("mengen");
        QTest::addColumn<int>("gesamt");
        const TMengen leer;
        for (const int m : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)}) {
            const char* motor = m == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres";
            auto zeile = [&](const char* AName) -> QTestData& { return QTest::addRow("%s %s", motor, AName) << m; };
            zeile("alle Größen, mit Menge")
                << true << -1 << QList{CKombiLogo, CKombiName} << QList<TMengen>{{{2, 3}, {3, 1}}, {{3, 2}}} << 6;
            zeile("alle Größen als 100") << true << 100 << QList{CKombiLogo, CKombiName}
                                         << QList<TMengen>{{{2, 3}, {3, 1}}, {{3, 2}}} << 6;
            zeile("alle Größen, auch leere") << false << -1 << QList{CKombiLogo, CKombiName, CKombiLeer}
                                             << QList<TMengen>{{{2, 3}, {3, 1}}, {{3, 2}}, leer} << 6;
            zeile("Größe 3") << true << 3 << QList{CKombiLogo, CKombiName} << QList<TMengen>{{{3, 1}}, {{3, 2}}} << 3;
            zeile("Größe 2") << true << 2 << QList{CKombiLogo} << QList<TMengen>{{{2, 3}}} << 3;
            zeile("Größe 2, auch leere") << false << 2 << QList{CKombiLogo, CKombiName, CKombiLeer}
                                         << QList<TMengen>{{{2, 3}}, leer, leer} << 3;
            zeile("Größe ohne Stücke") << true << 4 << QList<TIntTrio>{} << QList<TMengen>{} << 0;
            zeile("Größe ohne Stücke, auch leere")
                << false << 4 << QList{CKombiLogo, CKombiName, CKombiLeer} << QList<TMengen>{leer, leer, leer} << 0;
        }
    }
    void verfahrenskombinationen()
    {
        ZAM_MOTOR(m);
        QFETCH(bool, nurMitMenge);
        QFETCH(int, groesse);
        QFETCH(QList<TIntTrio>, kombis);
        QFETCH(QList<TMengen>, mengen);
        QFETCH(int, gesamt);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        // Stored out of key order: the dictionary walks the keys ascending.
        Kombi(CKombiLeer, 5, 0);
        Kombi(CKombiName, 3, 2);
        Kombi(CKombiLogo, 3, 1);
        Kombi(CKombiLogo, 2, 3);
        Kombi(CKombiName, 4, 7, 2); // another position's

        TQIV_WerkstattMani mani;
        TQIV_IntTrioSortimentDictionary dict{{TIntTrio(9, 9, 9), Sortiment({{1, 1}})}};
        int anzahl = -1, summe = -1;
        QCOMPARE(mani.VerfahrenKombinationen_4_ArtPos(nurMitMenge, dict, CAuftrag, 1, groesse, anzahl, summe),
                 !kombis.isEmpty());
        QCOMPARE(anzahl, kombis.size());
        QCOMPARE(summe, gesamt);
        QList<TIntTrio> schluessel;
        for (const auto& [k, menge] : dict) {
            schluessel << k;
            QCOMPARE(menge, Sortiment(mengen.value(schluessel.size() - 1)));
        }
        QCOMPARE(schluessel, kombis);
    }

    void unbekanntePosition_data() { ZAM_MotorenDaten(); }
    void unbekanntePosition()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        Kombi(CKombiLogo, 2, 3);
        TQIV_WerkstattMani mani;
        // A position without combinations, another order's position, no reference at all: the
        // dictionary is emptied.
        for (const auto& [auftrag, nr] : {std::pair{CAuftrag, 2}, {TIntTrio(8, 2, 0), 1}, {TIntTrio(), 1}}) {
            TQIV_IntTrioSortimentDictionary dict{{CKombiLogo, Sortiment({{1, 1}})}};
            int anzahl = -1, summe = -1;
            QVERIFY(!mani.VerfahrenKombinationen_4_ArtPos(false, dict, auftrag, nr, -1, anzahl, summe));
            QVERIFY(dict.empty());
            QCOMPARE(anzahl, 0);
            QCOMPARE(summe, 0);
        }
    }

    void vorgelesen_data() { ZAM_MotorenDaten(); }
    void vorgelesen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        Kombi(CKombiLogo, 2, 3);
        Kombi(CKombiName, 3, 2);
        Kombi(CKombiName, 4, 7, 2);
        TQIV_WerkstattMani mani;
        auto stuecke = [&](int ANr) {
            TQIV_IntTrioSortimentDictionary dict;
            int anzahl = 0, summe = 0;
            mani.VerfahrenKombinationen_4_ArtPos(false, dict, CAuftrag, ANr, -1, anzahl, summe);
            return QPair(anzahl, summe);
        };
        // More positions than one read takes, among them the three real ones and one without any.
        QList<TIntQuad> positionen;
        for (int nr = 1; nr <= 250; ++nr)
            positionen << QuadAusTrio(CAuftrag, nr);
        mani.VerfahrenKombinationen_Vorlesen(positionen);
        Kombi(CKombiLeer, 5, 4, 3);
        Kombi(CKombiLeer, 5, 1, 250);
        QCOMPARE(stuecke(1), QPair(2, 5));
        QCOMPARE(stuecke(2), QPair(1, 7));
        // What was read answers until it is discarded, a position without combinations included.
        QCOMPARE(stuecke(3), QPair(0, 0));
        QCOMPARE(stuecke(250), QPair(0, 0));
        mani.Vorrat_Verwerfen();
        QCOMPARE(stuecke(3), QPair(1, 4));
        QCOMPARE(stuecke(250), QPair(1, 1));
    }

    void bearbeitungUndNamen_data() { ZAM_MotorenDaten(); }
    void bearbeitungUndNamen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        KombiName(CKombiLogo, QStringLiteral("Beflockung Vereinslogo"));
        TQIV_WerkstattMani mani;
        // Through the state row; position 3 by its own key; unknown and unprocessed below 1.
        QCOMPARE(mani.BearbeitungsFiliale_4_Beleg(CAuftrag, 2), 17);
        QCOMPARE(mani.BearbeitungsFiliale_4_Beleg(CAuftrag, 1), 0);
        QCOMPARE(mani.BearbeitungsFiliale_4_Beleg(CBeleg, 3), 40);
        QCOMPARE(mani.BearbeitungsFiliale_4_Beleg(CBeleg, 2), 0); // the key's position has a state row of another order
        QVERIFY(mani.BearbeitungsFiliale_4_Beleg(CAuftrag, 9) < 1);
        QVERIFY(mani.BearbeitungsFiliale_4_Beleg(TIntTrio(), 2) < 1);

        // The pieces of a size with combinations count for the processing branch or for another.
        Kombi(CKombiLogo, 3, 2, 2);
        Kombi(CKombiName, 3, 1, 2);
        const struct
        {
            int Groesse, Ziel, ZielFil, Andere;
        } mengen[] = {{3, 17, 3, 0}, {3, 12, 0, 3}, {2, 17, 0, 0}};
        for (const auto& f : mengen) {
            int zielFil = -1, andere = -1;
            mani.BearbVorbereitungsMengeErmtitteln(CAuftrag, 2, f.Groesse, f.Ziel, zielFil, andere);
            QCOMPARE(QPair(zielFil, andere), QPair(f.ZielFil, f.Andere));
        }

        QCOMPARE(mani.VerfKombi_Bezeichnung_4_Id(CKombiLogo), QStringLiteral("Beflockung Vereinslogo"));
        QCOMPARE(mani.VerfKombi_Bezeichnung_4_Id(CKombiName), QString());
        // A name that was missing is asked again.
        KombiName(CKombiName, QStringLiteral("Name und Nummer"));
        QCOMPARE(mani.VerfKombi_Bezeichnung_4_Id(CKombiName), QStringLiteral("Name und Nummer"));
    }

    void belegZurPosition_data() { ZAM_MotorenDaten(); }
    void belegZurPosition()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr) VALUES (1, 7101, '7101')"));
        auto belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
        TIntTrio beleg(5, 5, 5);
        QVERIFY(belege->BelegId_4_Position(QuadAusTrio(CAuftrag, 2), 0, beleg, 0));
        QCOMPARE(beleg, CBeleg);
        beleg = TIntTrio(5, 5, 5);
        QVERIFY(!belege->BelegId_4_Position(QuadAusTrio(CAuftrag, 9), 0, beleg, 0));
        QVERIFY(beleg.IsNull());
        QVERIFY(!belege->BelegId_4_Position(QuadAusTrio(TIntTrio(8, 2, 0), 1), 0, beleg, 0));

        QCOMPARE(belege->Position_AuslieferFiliale(QuadAusTrio(CAuftrag, 2)), qint16(50));
        QCOMPARE(belege->Position_AuslieferFiliale(QuadAusTrio(CAuftrag, 1)), qint16(-1));
        QCOMPARE(belege->Position_AuslieferFiliale(QuadAusTrio(CBeleg, 3)), qint16(0)); // branch 0 is a branch
        QCOMPARE(belege->Position_AuslieferFiliale(QuadAusTrio(CAuftrag, 9)), qint16(-1));

        // The delivery belongs to the loaded document; a load that fails leaves none.
        QCOMPARE(belege->Auslieferung(), TZAM_Auslieferung());
        QVERIFY(belege->Beleg_Laden(CBeleg, false));
        QCOMPARE(belege->Auslieferung(), (TZAM_Auslieferung{2, 12}));
        QVERIFY(belege->Beleg_Laden(TIntTrio(1, 7101, 0), false));
        QCOMPARE(belege->Auslieferung(), (TZAM_Auslieferung{0, -1}));
        QVERIFY(belege->Beleg_Laden(CBeleg, true));
        QVERIFY(!belege->Beleg_Laden(TIntTrio(1, 7199, 0), false));
        QCOMPARE(belege->Auslieferung(), TZAM_Auslieferung());
    }

    void auslieferungBestimmen_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("nr");
        QTest::addColumn<bool>("mitKopf");
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("ergebnis");
        QTest::addColumn<int>("filiale");
        for (const int m : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)}) {
            const char* motor = m == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres";
            auto zeile = [&](const char* AName) -> QTestData& { return QTest::addRow("%s %s", motor, AName) << m; };
            zeile("eigene Filiale der Position") << 2 << true << CZAM_Auslieferung_Position << true << 50;
            zeile("eigene Filiale ohne Kopf") << 2 << false << CZAM_Auslieferung_Position << true << 50;
            zeile("andere Art: der Kopf") << 2 << true << 1 << true << 12;
            zeile("ohne eigene: der Kopf") << 1 << true << CZAM_Auslieferung_Position << true << 12;
            zeile("ohne eigene und ohne Kopf") << 1 << false << CZAM_Auslieferung_Position << true << -1;
            zeile("unbekannte Position") << 9 << true << CZAM_Auslieferung_Position << false << -1;
        }
    }
    void auslieferungBestimmen()
    {
        ZAM_MOTOR(m);
        QFETCH(int, nr);
        QFETCH(bool, mitKopf);
        QFETCH(int, art);
        QFETCH(bool, ergebnis);
        QFETCH(int, filiale);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        qint16 f = 77;
        QCOMPARE(TBelegHelper::Auslieferung_Bestimmen(QuadAusTrio(CAuftrag, nr), mitKopf, art, f), ergebnis);
        QCOMPARE(int(f), filiale);
    }

    void auslieferungOhneBelegmodul()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        Beleg();
        Glob_ServerFactoryClass().Leeren();
        qint16 f = 77;
        const bool ergebnis =
            TBelegHelper::Auslieferung_Bestimmen(QuadAusTrio(CAuftrag, 2), true, CZAM_Auslieferung_Position, f);
        TZAM_DienstRegistrierung::Registrieren();
        QVERIFY(!ergebnis);
        QCOMPARE(f, qint16(-1));
    }

    void platzZuordnung_data() { ZAM_MotorenDaten(); }
    void platzZuordnung()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Beleg();
        KombiName(CKombiLogo, QStringLiteral("Beflockung Vereinslogo"));
        const TIntTrio beh1{5, 0, 1}, beh2{5, 0, 2};
        Platz(beh1);
        Platz(beh2);
        TLVLZMani mani;
        auto lesen = [&](const TIntTrio& APlatz, TZAM_PersArt_ExtVerweis& AVerweis, TIntTrio& AKombi, int& ATyp,
                         int& AStatus) {
            AVerweis = TZAM_PersArt_ExtVerweis::Construct(3, TIntTrio(9, 9, 9), 9);
            AKombi = TIntTrio(9, 9, 9);
            ATyp = AStatus = 9;
            return mani.ExtVerweis_u_VerfKombiId_4_Lagerort(AVerweis, AKombi, ATyp, AStatus, APlatz);
        };
        TZAM_PersArt_ExtVerweis verweis;
        TIntTrio kombi;
        int typ = 0, status = 0;
        QVERIFY(!lesen(beh1, verweis, kombi, typ, status));
        QVERIFY(!verweis.Defined() && kombi.IsNull() && typ == 0 && status == 0);

        QVERIFY(mani.Behaelter_ZuordnenZu_Beleg(beh1, CBeleg, CKombiLogo, 2, 1));
        QVERIFY(lesen(beh1, verweis, kombi, typ, status));
        QCOMPARE(verweis, TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, CBeleg, 0));
        QCOMPARE(kombi, CKombiLogo);
        QCOMPARE(typ, 2);
        QCOMPARE(status, 1);
        QVERIFY(!lesen(beh2, verweis, kombi, typ, status));

        QString belegNr, kombiText, datum;
        QVERIFY(mani.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, beh1));
        QCOMPARE(belegNr, QStringLiteral("KB-7100"));
        QCOMPARE(kombiText, QStringLiteral("Beflockung Vereinslogo"));
        QCOMPARE(typ, 2);
        QCOMPARE(datum, QStringLiteral("08.05.2024"));

        // A new assignment replaces the old one; a combination without name gives no text.
        QVERIFY(mani.Behaelter_ZuordnenZu_Beleg(beh1, CBeleg, CKombiName, 1, 2));
        QVERIFY(lesen(beh1, verweis, kombi, typ, status));
        QVERIFY(kombi == CKombiName && typ == 1 && status == 2);
        QVERIFY(mani.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, beh1));
        QVERIFY(belegNr == QStringLiteral("KB-7100") && kombiText.isEmpty() && typ == 1);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz")).toInt(), 1);

        // Nothing is written without place or document; an unknown place is refused.
        QVERIFY(!mani.Behaelter_ZuordnenZu_Beleg(TIntTrio(), CBeleg, CKombiLogo, 1, 1));
        QVERIFY(!mani.Behaelter_ZuordnenZu_Beleg(beh2, TIntTrio(), CKombiLogo, 1, 1));
        QVERIFY(
            !Fehler([&] { mani.Behaelter_ZuordnenZu_Beleg(TIntTrio(5, 0, 99), CBeleg, CKombiLogo, 1, 1); }).IsNull());
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz")).toInt(), 1);

        // A document that is gone: the place is still assigned, but holds no document's goods.
        QVERIFY(mani.Behaelter_ZuordnenZu_Beleg(beh2, TIntTrio(1, 7199, 0), CKombiLogo, 1, 1));
        QVERIFY(lesen(beh2, verweis, kombi, typ, status));
        belegNr = kombiText = datum = QStringLiteral("x");
        typ = 9;
        QVERIFY(!mani.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, beh2));
        QVERIFY(belegNr.isEmpty() && kombiText.isEmpty() && datum.isEmpty() && typ == 0);

        // Removing one place's assignment leaves the other's; removing it again does nothing.
        mani.Lagerort_Verweis_Loeschen(beh2);
        mani.Lagerort_Verweis_Loeschen(beh2);
        QVERIFY(!lesen(beh2, verweis, kombi, typ, status));
        QVERIFY(lesen(beh1, verweis, kombi, typ, status));
        mani.Lagerort_Verweis_Loeschen(beh1);
        QVERIFY(!mani.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, beh1));
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz")).toInt(), 0);
    }
};

QTEST_MAIN(TestWerkstatt)
#include "tst_werkstatt.moc"

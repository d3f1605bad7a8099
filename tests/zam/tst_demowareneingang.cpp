// The demo's goods receipt holds together: suppliers and labels of the articles, dispositions of
// the two orders whose positions name sizes the articles have and customer-order positions the
// document service finds, and the one-way containers with their assignments.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_DruckerKonfig.h"
#include "IZAM_FGSystems.h"
#include "IZAM_FilialTabelle.h"
#include "TLVLZMani.h"
#include "TQIV_ArtLesSimple.h"
#include "TQIV_VorgangDWSP_Iterator.h"
#include "TZAM_AuftrFilListe.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"
#include "Tmaskfile.h"
#include "ZAMGlobal.h"
#include "ZAMLagerKonstanten.h"

#include <QTest>


class TestDemoWareneingang : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void stammdaten_data() { ZAM_MotorenDaten(); }
    void stammdaten()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();

        // Every demo article names a supplier and a label layout that exist; the rowing machine and
        // the training jacket get no labels.
        QCOMPARE(
            FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_artikel a JOIN zam_gp g ON g.id1 = a.lieferant_id1 AND "
                                      "g.id2 = a.lieferant_id2 AND g.art = 2 JOIN zam_etikett_layout l ON "
                                      "l.name = a.etiketten_layout WHERE a.prod_id1 = 1")),
            11);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_artikel WHERE etiketten_anzahl = 0 AND "
                                           "prod_id2 IN (100010, 100011)")),
                 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_artikel WHERE etiketten_anzahl = 0")), 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT etiketten_layout) FROM zam_artikel")), 2);
        QCOMPARE(TestDienst<IZAM_DruckerKonfig>()->DruckerFuerTyp(9), QStringLiteral("PDF"));
        QCOMPARE(TestDienst<IZAM_DruckerKonfig>()->DruckerFuerTyp(0), QStringLiteral("PDF"));

        // Branches outside every warehouse, the team-sport-plus one next to branch 17.
        auto filialen = TestDienst<IZAM_FilialTabelle>();
        TZAM_Filiale stadion, ost;
        QVERIFY(filialen->Filiale(50, stadion) && filialen->Filiale(51, ost));
        QVERIFY(stadion.TeamsportPlus && !ost.TeamsportPlus);
        QVERIFY(stadion.Lager <= 0 && ost.Lager <= 0);
        auto fg = TestDienst<IZAM_FGSystems>();
        QVERIFY(fg->AreStoresAdjacent(50, 17) && fg->AreStoresAdjacent(17, 50));
        QVERIFY(!fg->AreStoresAdjacent(51, 17));
    }

    void dispositionen_data() { ZAM_MotorenDaten(); }
    void dispositionen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();

        // Two orders of one supplier sharing an article, one disposition without order, one closed.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 45 AND auftrag_kreis = 45 AND "
                                           "auftrag_nr = 1001")),
                 4);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 45 AND auftrag_kreis = 0 AND "
                                     "auftrag_nr = 0")),
                 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 45 AND geschlossen = 1")), 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT a.lieferant_id2) FROM zam_bne d JOIN zam_artikel a ON "
                                     "a.prod_id1 = d.prod_id1 AND a.prod_id2 = d.prod_id2 AND a.prod_id3 = d.prod_id3 "
                                     "WHERE d.typ = 45")),
                 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT auftrag_nr) FROM zam_bne WHERE typ = 45 AND prod_id2 = "
                                     "100002")),
                 2);

        // Every position: a size of its article, ordered by a branch of warehouse 1, received no
        // more than planned; some received in part or wholly.
        const QString positionen = QStringLiteral(
            "FROM zam_bnep p JOIN zam_bne d ON d.id1 = p.bne_id1 AND d.id2 = p.bne_id2 AND d.id3 = p.bne_id3 ");
        const int alle = FUmg->Zahl(QStringLiteral("SELECT COUNT(*) ") + positionen + QStringLiteral("WHERE p.bne_typ = 45"));
        QCOMPARE(alle, 23); // with the orders 46-77 and 45-1004 of the WE-Plus order entry
        QCOMPARE(
            FUmg->Zahl(QStringLiteral("SELECT COUNT(*) ") + positionen +
                 QStringLiteral("JOIN zam_artikel_groesse g ON g.prod_id1 = d.prod_id1 AND g.prod_id2 = d.prod_id2 "
                                "AND g.prod_id3 = d.prod_id3 AND g.groesse = p.groesse JOIN zam_filiale f ON "
                                "f.nummer = p.auftr_filiale AND f.lager = 1 WHERE p.bne_typ = 45 AND "
                                "p.erhalten <= p.menge AND d.typ = 45")),
            alle);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bnep WHERE bne_typ = 45 AND erhalten > 0 AND "
                                     "erhalten < menge")),
                 1);

        // Each referenced customer-order position is found with its document, ordered for the
        // disposition's article and size.
        auto belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
        const TZAM_Zeilen verweise = Db().Lesen(QStringLiteral(
            "SELECT p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.groesse, d.prod_id2, k.prod_id2, k.groesse "
            "FROM zam_bnep p JOIN zam_bne d ON d.id1 = p.bne_id1 AND d.id2 = p.bne_id2 AND d.id3 = p.bne_id3 "
            "LEFT JOIN zam_atpk k ON k.pos_id1 = p.ext_id1 AND k.pos_id2 = p.ext_id2 AND k.pos_id3 = p.ext_id3 AND "
            "k.pos_id4 = p.ext_nummer WHERE p.bne_typ = 45 AND p.ext_kennung = 1"));
        QCOMPARE(verweise.Anzahl(), 9);
        for (const QVariantList& z : verweise.Zeilen()) {
            const TIntQuad pos(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt(), z.at(3).toInt());
            TIntTrio beleg;
            QVERIFY2(belege->BelegId_4_Position(pos, 0, beleg, 0) && beleg == TrioAusQuad(pos) &&
                         belege->Beleg_Laden(beleg, false) && z.at(5) == z.at(6) && z.at(4) == z.at(7),
                     qPrintable(pos.ToText()));
        }
    }

    void behaelter_data() { ZAM_MotorenDaten(); }
    void behaelter()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();

        // One-way containers: two free, assigned with the document's goods, assigned and empty. (What the
        // customer orders' delivery and processing make of their goods: tests/shell/tst_demoziele.)
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_behaelter b JOIN zam_behaelter_typ t ON "
                                           "t.id1 = b.typ_id1 AND t.id2 = b.typ_id2 AND t.einweg = 1")),
                 4);
        TLVLZMani lvlz;
        QString belegNr, kombiText, datum;
        int typ = 0;
        QVERIFY(!lvlz.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, TIntTrio(5, 0, 9)));
        QVERIFY(!lvlz.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, TIntTrio(5, 0, 12)));
        QVERIFY(lvlz.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, TIntTrio(5, 0, 10)));
        QVERIFY(belegNr == QStringLiteral("7006") && kombiText == QStringLiteral("Beflockung Vereinslogo") && typ == 1);
        QVERIFY(lvlz.BelegDaten_4_Lagerort(belegNr, kombiText, typ, datum, TIntTrio(5, 0, 11)));
        QVERIFY(belegNr == QStringLiteral("7003") && kombiText == QStringLiteral("Beflockung Name und Nummer"));
        const QString bestand = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE lo_id1 = 5 AND "
                                               "lo_id2 = 0 AND lo_id3 = ?");
        QCOMPARE(FUmg->Zahl(bestand, {10}), 2);
        QCOMPARE(FUmg->Zahl(bestand, {9}) + FUmg->Zahl(bestand, {11}) + FUmg->Zahl(bestand, {12}), 0);
        // The free ones stand on nothing.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lagerort WHERE id1 = 5 AND id2 = 0 AND id3 IN (9, "
                                           "12) AND lager = 1 AND auf_id1 IS NULL")),
                 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT SUM(menge) FROM zam_lvpb WHERE lo_id1 = 5 AND lo_id3 = 10 AND "
                                     "verweis_id2 = 7006 AND filiale = 17")),
                 2);
    }

    // What the count-list receipt meets: the distribution example's disposition, the blocked,
    // the source-marked and the twice-labelled article, an article without dispositions, the
    // order branches, the places it refuses and the stored label setting of this terminal.
    void buchung_data() { ZAM_MotorenDaten(); }
    void buchung()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();

        TQIV_ArtLesSimple leser;
        QVERIFY(leser.Positionieren(TInt32Trio(1, 100008, 0)));
        const TIntTrio d(45, 1003, 1);
        QCOMPARE(leser.BewegungsSegmente(), (QList<TQIV_BewegungsSegment>{{45, d}}));
        QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>> offen;
        QVERIFY(leser.DI_Offen_Berechnen({45, d}, offen));
        QStringList text;
        for (const auto& [filiale, me] : offen)
            text << QStringLiteral("%1:%2x%3").arg(filiale).arg(me.MinIndex).arg(me.Me[5]);
        QCOMPARE(text, (QStringList{"12:5x3", "14:5x6", "21:5x4"}));
        TQIV_VorgangDWSP_Iterator* it = leser.VorgangDWSP_Iterator_GoC();
        QVERIFY(it->Positionieren(d) && it->PrimaerDatum().isValid() && it->SortimentePos_Anzahl() == 1);
        QVERIFY(it->SortimentePos(0).Filiale == 12 && it->SortimentePos(0).Menge.Me[5] == 3 &&
                it->SortimentePos(0).Verweis.Id == TIntTrio(1, 7007, 0));
        leser.VorgangDWSP_Iterator_Zurueckgeben();

        const struct
        {
            qint32 Artikel;
            bool Gesperrt, Quelle;
            int Etiketten, Segmente;
        } artikel[] = {{100001, false, false, 1, 0},
                       {100004, false, true, 1, 0},
                       {100005, true, false, 1, 0},
                       {100007, false, false, 2, 0},
                       {100002, false, false, 1, 2}};
        for (const auto& a : artikel) {
            QVERIFY(leser.Positionieren(TInt32Trio(1, a.Artikel, 0)));
            QVERIFY2(leser.WEGesperrt() == a.Gesperrt &&
                         CQIV_AuszeichnungsArtKz_Quellauszeichnung.contains(leser.AuszeichnungsArt()) == a.Quelle &&
                         leser.EtikettenAnzahl() == a.Etiketten && leser.BewegungsSegmente().size() == a.Segmente,
                     qPrintable(QString::number(a.Artikel)));
        }

        TZAM_AuftrFilListe* liste = GlobAuftrFilListe_GetInstance();
        liste->Koord_Lief_Id_Set(TIntPair(5, 702));
        QVERIFY(liste->AuftrFilNrN_Anz_Get() == 2 && liste->AuftrFilNrN_Get(0) == 1 &&
                liste->AuftrFilNrN_FilAnz_Get(0) == 5 && liste->AuftrFilNrN_FilNr_Get(0, 4) == 21);
        GlobAuftrFilListe_ReleaseInstance();

        // Warehouse 1: a place of each area the receipt refuses and of area 5, the hall and the
        // automatic goods-receipt place.
        for (int bereich : {1, 2, 3, 4, 5, 6})
            QVERIFY(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lagerort WHERE lager = 1 AND art = 0 AND "
                                              "bereich = ?"),
                               {bereich}) > 0);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lagerort WHERE lager = 1 AND art = 1")), 1);
        const TIntTrio auto1 = TrioAusPair(CZAM_Lagerverwaltung_DefaultWERE, 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT art FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                            {auto1.Id1, auto1.Id2, auto1.Id3}),
                 0);

        Tmaskfile maske;
        QVERIFY(maske.Oeffnen());
        QVERIFY(maske.Lesen(QStringLiteral("DEU"), QStringLiteral("LV"), QStringLiteral("RECHCONF"),
                            QStringLiteral("LPNEU"), QString::number(ZAMProgramm().GetRId())));
        QCOMPARE(maske.Inhalt(), QStringList{QStringLiteral("cmbEtikettenDruck.Text=Fragen")});
    }
};

QTEST_MAIN(TestDemoWareneingang)
#include "tst_demowareneingang.moc"

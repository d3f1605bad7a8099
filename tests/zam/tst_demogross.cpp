// The large site's task work on a small scale: the numbers asked for, and tasks, order lines,
// documents, web-shop orders, reasons and the walking route that the services read as one; its
// goods receipt: dispositions of orders of one supplier each, their customer orders with process
// combinations, and the users' scan records naming positions of those dispositions.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_EXBIServer.h"
#include "IZAM_GrundServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TBelegHelper.h"
#include "TQIV_WerkstattMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"

#include <QTest>

namespace {

TZAM_DemoGross::TUmfang Klein()
{
    TZAM_DemoGross::TUmfang u;
    u.Plaetze = 3000;
    u.Behaelter = 20;
    u.Artikel = 40;
    u.BestandJePlatz = 1;
    u.Filialen = 4;
    u.OffeneAufgaben = 60;
    u.Aufgaben = 207;
    u.Bestellpositionen = 650;
    u.LaufwegPlaetze = 120;
    u.Auftraege = 10;
    u.Dispositionen = 80;
    u.DispoPositionen = 400;
    u.KundenPositionen = 40;
    u.Scansaetze = 300;
    u.ScanBenutzer = 6;
    return u;
}
} // namespace

class TestDemoGross : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void aufgabenDesGrosslagers_data() { ZAM_MotorenDaten(); }
    void aufgabenDesGrosslagers()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const TZAM_DemoGross::TUmfang u = Klein();
        TZAM_DemoGross::Anlegen(Db(), u);

        // Counts: tasks in all and open (one in fifty of them in work), every done one fulfilled.
        const QString offen = QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Offen));
        const QString inArbeit = QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_InArbeit));
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE id1 = 9 AND lager = 9")), u.Aufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auae WHERE auf_id1 = 9")), u.Aufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE status IN (?, ?)"), {offen, inArbeit}),
                 u.OffeneAufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE status = ?"), {inArbeit}), 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
                                     "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 JOIN zam_aufgabe_erfuellung f ON "
                                     "f.auf_id1 = k.id1 AND f.auf_id2 = k.id2 AND f.auf_id3 = k.id3 "
                                     "WHERE f.menge = e.menge AND k.status = ?"),
                      {QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Erledigt))}),
                 u.Aufgaben - u.OffeneAufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_aufgabe_erfuellung")), u.Aufgaben - u.OffeneAufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bnep WHERE bne_typ <> 45")), u.Bestellpositionen);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ <> 45")), 22);
        // Every task's article size exists; the open ones cover every workflow.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_artikel_groesse g ON "
                                     "g.prod_id1 = k.prod_id1 AND g.prod_id2 = k.prod_id2 AND "
                                     "g.prod_id3 = k.prod_id3 AND g.groesse = k.groesse")),
                 u.Aufgaben);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT art || gv) FROM zam_auko WHERE status = ?"), {offen}), 7);
        // Created the day before it is processed, at the latest today.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE erstellt < bearbeitung AND bearbeitung <= ?"),
                      {QDateTime(QDate::currentDate(), QTime(7, 0))}),
                 u.Aufgaben);

        // Each order named by a task is found by the services, the web-shop ones through their
        // order line's position.
        auto dateien = TestDienst<IZAM_AuftragsDateien>();
        auto exbi = TestDienst<IZAM_EXBIServer>();
        auto belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
        const TZAM_Zeilen aufgaben = Db().Lesen(QStringLiteral(
            "SELECT k.ext_kennung, k.ext_id1, k.ext_id2, k.ext_id3, k.ext_nummer, e.bne_id1, e.bne_id2, e.bne_id3, "
            "e.ziel_filiale, e.menge, e.kube_id2, k.id3 FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
            "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 WHERE k.ext_kennung <> 0"));
        QCOMPARE(aufgaben.Anzahl(), 21 + 20 + 20); // tasks 10d + 6, 10d + 7 and 10g + 8
        for (const QVariantList& z : aufgaben.Zeilen()) {
            const TZAM_PersArt_ExtVerweis v = TZAM_PersArt_ExtVerweis::Construct(
                quint8(z.at(0).toInt()), TIntTrio(z.at(1).toInt(), z.at(2).toInt(), z.at(3).toInt()), z.at(4).toInt());
            const QString fall = QStringLiteral("Aufgabe %1").arg(z.at(11).toInt());
            if (v.Kennung == CZAM_PersArtExt_KuBe) {
                QVERIFY2(belege->BelegId_4_ExtVerweis(v) == v.Id && z.at(10).toInt() == v.Id.Id2, qPrintable(fall));
                continue;
            }
            TQIV_EXBI_Info info;
            QVERIFY2(exbi->Info_4_ExtVerweis(v, info) && info.Positionen == 2, qPrintable(fall));
            TZAM_PersArt_ExtVerweis ausPosition;
            QVERIFY2(dateien->BNEP_ExtVerweis(TIntTrio(z.at(5).toInt(), z.at(6).toInt(), z.at(7).toInt()),
                                              qint16(z.at(8).toInt()), z.at(9).toInt(), ausPosition) &&
                         ausPosition == v && z.at(10).toInt() == 0,
                     qPrintable(fall));
        }
        // Document 1: tasks 6 and 7 (1 and 2 pieces), a cancelled third position, the second
        // unpaid, but on account. Document 2: 2 and 3 pieces, paid.
        QVERIFY(belege->Beleg_Laden({9, 1, 0}, false));
        QCOMPARE(belege->ArtikelAnzahl(), 3);
        QVERIFY(belege->IstBezahlt());
        QVERIFY(belege->Beleg_Laden({9, 2, 0}, false));
        QCOMPARE(belege->ArtikelAnzahl(), 5);
        QVERIFY(belege->IstBezahlt());
        QCOMPARE(exbi->ExtVerweise_4_BestellNr(QStringLiteral("G-WEB-1")).size(), 2);

        // Reasons, hand-store tasks onto the wormholes, the walking route.
        int dringend = 0;
        for (const TGrndSatz& g : TestDienst<IZAM_GrundServer>()->Gruende_Lesen(CZAM_Grundgruppe_HLAnfo))
            dringend += g.PrioSignal ? 1 : 0;
        QCOMPARE(dringend, 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
                                     "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 JOIN zam_lagerort o ON "
                                     "o.id1 = k.ziel_lo_id1 AND o.id2 = k.ziel_lo_id2 AND o.id3 = k.ziel_lo_id3 "
                                     "JOIN zam_grund g ON g.id1 = k.grund_id1 AND g.id2 = k.grund_id2 AND "
                                     "g.id3 = k.grund_id3 WHERE k.art = ? AND o.bereich = 3 AND "
                                     "o.wurmloch_filiale = e.ziel_filiale"),
                      {CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Handlager)}),
                 20);
        auto wege = TestDienst<IZAM_WegeOptEditServer>();
        const QList<TZAM_Laufweg> laufwege = wege->Laufwege_4_Lager(TZAM_DemoGross::CLager);
        QCOMPARE(laufwege.size(), 1);
        const QList<TIntTrio> plaetze = wege->Laufweg_Lagerorte(laufwege.first().Id);
        QCOMPARE(plaetze.size(), u.LaufwegPlaetze);
        QCOMPARE(plaetze.first(), TIntTrio(9, 1, 1));
        QCOMPARE(plaetze.last(), TIntTrio(9, 3, 976)); // every 25th place: 119 * 25 = 2975
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_laufweg_platz p JOIN zam_lagerort o ON "
                                     "o.id1 = p.lo_id1 AND o.id2 = p.lo_id2 AND o.id3 = p.lo_id3 AND o.lager = 9")),
                 u.LaufwegPlaetze);
    }

    void wareneingangDesGrosslagers_data() { ZAM_MotorenDaten(); }
    void wareneingangDesGrosslagers()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const TZAM_DemoGross::TUmfang u = Klein();
        TZAM_DemoGross::Anlegen(Db(), u);

        // Orders of one supplier each; every 50th disposition closed.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 45 AND id1 = 9 AND id2 = 4")),
                 u.Dispositionen);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT auftrag_nr) FROM zam_bne WHERE typ = 45 AND "
                                     "auftrag_kreis = 9")),
                 u.Auftraege);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne WHERE typ = 45 AND geschlossen = 1")), 1);
        QCOMPARE(FUmg->Zahl(QStringLiteral(
                     "SELECT COUNT(*) FROM (SELECT d.auftrag_nr FROM zam_bne d JOIN zam_artikel a ON "
                     "a.prod_id1 = d.prod_id1 AND a.prod_id2 = d.prod_id2 AND a.prod_id3 = d.prod_id3 "
                     "JOIN zam_gp g ON g.id1 = a.lieferant_id1 AND g.id2 = a.lieferant_id2 AND g.art = 2 "
                     "WHERE d.typ = 45 GROUP BY d.auftrag_nr HAVING COUNT(DISTINCT a.lieferant_id2) = 1) x")),
                 u.Auftraege);

        // Positions: a size of the disposition's article, each size once per disposition,
        // ordered by the warehouse's first branch, some for branches outside it.
        const QString positionen = QStringLiteral(
            "FROM zam_bnep p JOIN zam_bne d ON d.id1 = p.bne_id1 AND d.id2 = p.bne_id2 AND d.id3 = p.bne_id3 "
            "WHERE p.bne_typ = 45");
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) ") + positionen), u.DispoPositionen);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) ") + positionen +
                      QStringLiteral(" AND p.auftr_filiale = 901 AND p.erhalten <= p.menge AND EXISTS (SELECT 1 FROM "
                                     "zam_artikel_groesse g WHERE g.prod_id1 = d.prod_id1 AND g.prod_id2 = d.prod_id2 "
                                     "AND g.prod_id3 = d.prod_id3 AND g.groesse = p.groesse)")),
                 u.DispoPositionen);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(DISTINCT p.bne_id3 * 100 + p.groesse) ") + positionen),
                 u.DispoPositionen);
        QVERIFY(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) ") + positionen +
                     QStringLiteral(" AND p.ext_kennung = 0 AND p.ziel_filiale NOT IN (SELECT filiale FROM "
                                    "zam_lagergruppe_filiale WHERE lager = 9)")) > 0);

        // The customer-order positions: found with their document, of the disposition's article and
        // size, bound for the document's delivery branch; a tenth of them processed in two
        // combinations that take all their pieces, a tenth delivered through another branch.
        const TZAM_Zeilen kunden = Db().Lesen(
            QStringLiteral("SELECT p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.ziel_filiale, p.menge, "
                           "CASE WHEN k.prod_id2 = d.prod_id2 AND k.groesse = p.groesse AND k.menge = p.menge THEN 1 "
                           "ELSE 0 END ") +
            positionen.left(positionen.indexOf(QStringLiteral("WHERE"))) +
            QStringLiteral("LEFT JOIN zam_atpk k ON k.pos_id1 = p.ext_id1 AND k.pos_id2 = p.ext_id2 AND "
                           "k.pos_id3 = p.ext_id3 AND k.pos_id4 = p.ext_nummer WHERE p.bne_typ = 45 AND "
                           "p.ext_kennung = 1"));
        QCOMPARE(kunden.Anzahl(), u.KundenPositionen);
        auto belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
        TQIV_WerkstattMani werkstatt;
        int mitKombis = 0, abweichend = 0;
        for (const QVariantList& z : kunden.Zeilen()) {
            const TIntQuad pos(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt(), z.at(3).toInt());
            const QString fall = pos.ToText();
            TIntTrio beleg;
            QVERIFY2(belege->BelegId_4_Position(pos, 0, beleg, 0) && belege->Beleg_Laden(beleg, false) &&
                         z.at(6).toInt() == 1 && belege->Auslieferung().Filiale == z.at(4).toInt(),
                     qPrintable(fall));
            TQIV_IntTrioSortimentDictionary kombis;
            int anzahl = 0, gesamt = 0;
            if (werkstatt.VerfahrenKombinationen_4_ArtPos(true, kombis, TrioAusQuad(pos), pos.Id4, -1, anzahl,
                                                          gesamt)) {
                ++mitKombis;
                QVERIFY2(gesamt == z.at(5).toInt() && anzahl <= 2 &&
                             werkstatt.BearbeitungsFiliale_4_Beleg(TrioAusQuad(pos), pos.Id4) > 900,
                         qPrintable(fall));
            }
            qint16 filiale = -1;
            QVERIFY(TBelegHelper::Auslieferung_Bestimmen(pos, true, CZAM_Auslieferung_Position, filiale));
            abweichend += filiale != z.at(4).toInt() ? 1 : 0;
        }
        QCOMPARE(mitKombis, u.KundenPositionen / 10);
        QCOMPARE(abweichend, u.KundenPositionen / 10);

        // Open WE-Plus records of every user alike, each one piece of a position of its
        // disposition (article, size, reference, order number) on a place of the site.
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE typ = 2 AND offen = 1 AND mita_id1 = 2")),
                 u.Scansaetze);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM (SELECT mita_id2 FROM zam_scansatz GROUP BY mita_id2 "
                                     "HAVING COUNT(*) = ?) x"),
                      {u.Scansaetze / u.ScanBenutzer}),
                 u.ScanBenutzer);
        QCOMPARE(
            FUmg->Zahl(QStringLiteral(
                "SELECT COUNT(*) FROM zam_scansatz s JOIN zam_bne d ON d.id1 = s.dispo_id1 AND d.id2 = s.dispo_id2 "
                "AND d.id3 = s.dispo_id3 AND d.prod_id1 = s.prod_id1 AND d.prod_id2 = s.prod_id2 AND "
                "d.prod_id3 = s.prod_id3 AND s.auftrag_text = '9-' || d.auftrag_nr JOIN zam_bnep p ON "
                "p.bne_id1 = d.id1 AND p.bne_id2 = d.id2 AND p.bne_id3 = d.id3 AND p.groesse = s.groesse AND "
                "p.ext_kennung = s.ext_kennung AND p.ext_id2 = s.ext_id2 AND p.ext_nummer = s.ext_nummer "
                "JOIN zam_lagerort o ON o.id1 = s.lo_id1 AND o.id2 = s.lo_id2 AND o.id3 = s.lo_id3 AND "
                "o.lager = 9 JOIN zam_artikel a ON a.prod_id1 = s.prod_id1 AND a.prod_id2 = s.prod_id2 AND "
                "a.prod_id3 = s.prod_id3 AND a.lieferant_id2 = s.lieferant_id2")),
            u.Scansaetze);
        QVERIFY(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz WHERE ext_kennung = 1")) > 0);
    }
};

QTEST_MAIN(TestDemoGross)
#include "tst_demogross.moc"

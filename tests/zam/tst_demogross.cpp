// The large site's task work on a small scale: the numbers asked for, and tasks, order lines,
// documents, web-shop orders, reasons and the walking route that the services read as one.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_EXBIServer.h"
#include "IZAM_GrundServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"

#include <QTest>

namespace {
template <class I> std::unique_ptr<I> Dienst()
{
    return Glob_WWSServerFactoryClass().Create<I>();
}

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
    return u;
}
} // namespace

class TestDemoGross : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    int Zahl(const QString& ASql, const QVariantList& AWerte = {}) { return Db().LesenWert(ASql, AWerte, -1).toInt(); }

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
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE id1 = 9 AND lager = 9")), u.Aufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auae WHERE auf_id1 = 9")), u.Aufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE status IN (?, ?)"), {offen, inArbeit}),
                 u.OffeneAufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE status = ?"), {inArbeit}), 1);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
                                     "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 JOIN zam_aufgabe_erfuellung f ON "
                                     "f.auf_id1 = k.id1 AND f.auf_id2 = k.id2 AND f.auf_id3 = k.id3 "
                                     "WHERE f.menge = e.menge AND k.status = ?"),
                      {QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Erledigt))}),
                 u.Aufgaben - u.OffeneAufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_aufgabe_erfuellung")), u.Aufgaben - u.OffeneAufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bnep")), u.Bestellpositionen);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_bne")), 22);
        // Every task's article size exists; the open ones cover every workflow.
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_artikel_groesse g ON "
                                     "g.prod_id1 = k.prod_id1 AND g.prod_id2 = k.prod_id2 AND "
                                     "g.prod_id3 = k.prod_id3 AND g.groesse = k.groesse")),
                 u.Aufgaben);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(DISTINCT art || gv) FROM zam_auko WHERE status = ?"), {offen}), 7);
        // Created the day before it is processed, at the latest today.
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE erstellt < bearbeitung AND bearbeitung <= ?"),
                      {QDateTime(QDate::currentDate(), QTime(7, 0))}),
                 u.Aufgaben);

        // Each order named by a task is found by the services, the web-shop ones through their
        // order line's position.
        auto dateien = Dienst<IZAM_AuftragsDateien>();
        auto exbi = Dienst<IZAM_EXBIServer>();
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
        for (const TGrndSatz& g : Dienst<IZAM_GrundServer>()->Gruende_Lesen(CZAM_Grundgruppe_HLAnfo))
            dringend += g.PrioSignal ? 1 : 0;
        QCOMPARE(dringend, 2);
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
                                     "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 JOIN zam_lagerort o ON "
                                     "o.id1 = k.ziel_lo_id1 AND o.id2 = k.ziel_lo_id2 AND o.id3 = k.ziel_lo_id3 "
                                     "JOIN zam_grund g ON g.id1 = k.grund_id1 AND g.id2 = k.grund_id2 AND "
                                     "g.id3 = k.grund_id3 WHERE k.art = ? AND o.bereich = 3 AND "
                                     "o.wurmloch_filiale = e.ziel_filiale"),
                      {CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Handlager)}),
                 20);
        auto wege = Dienst<IZAM_WegeOptEditServer>();
        const QList<TZAM_Laufweg> laufwege = wege->Laufwege_4_Lager(TZAM_DemoGross::CLager);
        QCOMPARE(laufwege.size(), 1);
        const QList<TIntTrio> plaetze = wege->Laufweg_Lagerorte(laufwege.first().Id);
        QCOMPARE(plaetze.size(), u.LaufwegPlaetze);
        QCOMPARE(plaetze.first(), TIntTrio(9, 1, 1));
        QCOMPARE(plaetze.last(), TIntTrio(9, 3, 976)); // every 25th place: 119 * 25 = 2975
        QCOMPARE(Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_laufweg_platz p JOIN zam_lagerort o ON "
                                     "o.id1 = p.lo_id1 AND o.id2 = p.lo_id2 AND o.id3 = p.lo_id3 AND o.lager = 9")),
                 u.LaufwegPlaetze);
    }
};

QTEST_MAIN(TestDemoGross)
#include "tst_demogross.moc"

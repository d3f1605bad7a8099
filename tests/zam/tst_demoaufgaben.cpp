// The demo's task work holds together: every task names an article size, an order the order
// services find, a reason and a wormhole; the walking routes, reasons and prices are as the
// handheld workflows expect them.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AbarbEditServer.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_EXBIServer.h"
#include "IZAM_GrundServer.h"
#include "IZAM_PreisServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"

#include <QSet>
#include <QTest>


class TestDemoAufgaben : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void aufgabenUndIhreBestellungen_data() { ZAM_MotorenDaten(); }
    void aufgabenUndIhreBestellungen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        auto dateien = TestDienst<IZAM_AuftragsDateien>();
        auto exbi = TestDienst<IZAM_EXBIServer>();
        auto belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();

        const TZAM_Zeilen aufgaben = Db().Lesen(QStringLiteral(
            "SELECT k.id3, k.art, k.gv, k.status, k.ext_kennung, k.ext_id1, k.ext_id2, k.ext_id3, k.ext_nummer, "
            "e.quell_filiale, e.ziel_filiale, e.menge, e.bne_id1, e.bne_id2, e.bne_id3, e.kube_id1, e.kube_id2, "
            "e.kube_id3, e.kube_nr, (SELECT COUNT(*) FROM zam_artikel_groesse g WHERE g.prod_id1 = k.prod_id1 AND "
            "g.prod_id2 = k.prod_id2 AND g.prod_id3 = k.prod_id3 AND g.groesse = k.groesse), k.lager "
            "FROM zam_auko k JOIN zam_auae e ON e.auf_id1 = k.id1 AND e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 "
            "WHERE k.id1 = 1 AND k.id2 = 2 ORDER BY k.id3"));
        QVERIFY(aufgaben.Anzahl() >= 30 && aufgaben.Anzahl() <= 60);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_auko WHERE id2 = 2")).toInt(),
                 aufgaben.Anzahl());
        QSet<QString> offeneArbeit;
        int ausPosition = 0;
        for (const QVariantList& z : aufgaben.Zeilen()) {
            const QString fall = QStringLiteral("Aufgabe %1").arg(z.at(0).toInt());
            QVERIFY2(z.at(19).toInt() == 1, qPrintable(fall + QStringLiteral(": Größe fehlt")));
            QCOMPARE(z.at(20).toInt(), 1);
            const int status = Char_2_TZAM_Aufgabe_Status_Erw(z.at(3).toString().at(0));
            QVERIFY2(status >= CZAM_Aufgabe_Status_Offen && status <= CZAM_Aufgabe_Status_Erledigt, qPrintable(fall));
            const int gv = Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(z.at(2).toString());
            if (status != CZAM_Aufgabe_Status_Erledigt)
                offeneArbeit << z.at(1).toString() + QLatin1Char('/') + z.at(2).toString();
            const TZAM_PersArt_ExtVerweis verweis =
                TZAM_PersArt_ExtVerweis::Construct(quint8(z.at(4).toInt()), Trio(z, 5), z.at(8).toInt());
            // Customer-order work and only it names an order.
            QVERIFY2(verweis.Defined() ==
                         (gv == CZAM_Aufgabe_GV_Kundenbestellung || gv == CZAM_Aufgabe_GV_KundenbestellungVersand),
                     qPrintable(fall));
            if (verweis.Kennung == CZAM_PersArtExt_KuBe) {
                const TIntTrio beleg = belege->BelegId_4_ExtVerweis(verweis);
                QVERIFY2(beleg == verweis.Id && belege->Beleg_Laden(beleg, false), qPrintable(fall));
            } else if (verweis.Kennung == CZAM_PersArtExt_EXBI) {
                TQIV_EXBI_Info info;
                QVERIFY2(exbi->Info_4_ExtVerweis(verweis, info) && info.BestellNr.startsWith(QStringLiteral("WEB-")),
                         qPrintable(fall));
            }
            // Without an order in the execution the order line's position names the same order.
            const TIntTrio kube = Trio(z, 15);
            if (verweis.Defined() && kube.IsNull()) {
                ++ausPosition;
                // The task statement matches no quantity: the position must be its line's only
                // one for the target.
                QVERIFY2(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bnep WHERE bne_id1 = ? AND "
                                                       "bne_id2 = ? AND bne_id3 = ? AND ziel_filiale = ?"),
                                        {z.at(12), z.at(13), z.at(14), z.at(10)})
                                 .toInt() == 1,
                         qPrintable(fall));
                TZAM_PersArt_ExtVerweis v;
                QVERIFY2(dateien->BNEP_ExtVerweis(Trio(z, 12), qint16(z.at(10).toInt()), z.at(11).toInt(), v) &&
                             v == verweis,
                         qPrintable(fall + QStringLiteral(": ") + v.ToText()));
            } else if (verweis.Defined()) {
                QCOMPARE(kube, verweis.Id);
                QCOMPARE(z.at(18).toInt(), verweis.Nummer);
            }
            QDateTime datum;
            if (!Trio(z, 12).IsNull())
                QVERIFY2(dateien->BNE_Datum(Trio(z, 12), datum) && datum < QDateTime::currentDateTime(),
                         qPrintable(fall));
        }
        QVERIFY(ausPosition >= 3);
        // Open work of all three workflows: re-sorting in four business cases, both customer-order
        // cases, the hand store.
        QSet<QString> erwarteteArbeit;
        for (const int gv : {0, 1, 2, 6, 3, 4})
            erwarteteArbeit << CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Standard) + QLatin1Char('/') +
                                   CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(gv);
        erwarteteArbeit << CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Handlager) + QLatin1Char('/') +
                               CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(CZAM_Aufgabe_GV_Handlager);
        QCOMPARE(offeneArbeit, erwarteteArbeit);
        // One of the positions names its order for any source branch.
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bnep WHERE kennung = 'KUBE' AND "
                                               "quell_filiale = 0"))
                     .toInt(),
                 1);

        // Documents: one position; a cancelled position not counted; unpaid ones held back unless
        // on account or collected; pieces already in the branch.
        const struct
        {
            int Beleg, Artikel;
            bool Bezahlt;
        } belegFaelle[] = {{6001, 1, true}, {6002, 3, true}, {6003, 2, false}, {6004, 3, true},
                           {6005, 1, true}, {6006, 4, true}, {6007, 2, true}};
        for (const auto& f : belegFaelle) {
            QVERIFY(belege->Beleg_Laden({1, f.Beleg, 0}, true));
            QVERIFY2(belege->ArtikelAnzahl() == f.Artikel && belege->IstBezahlt() == f.Bezahlt,
                     qPrintable(QString::number(f.Beleg)));
        }
        QVERIFY(belege->Beleg_Laden({1, 6006, 0}, true));
        QCOMPARE(belege->ArtikelInZielFiliale(14), 1);

        // External orders: the single position's order line holds the task's quantity; the order
        // of three has its delivered position in the branch.
        TQIV_EXBI_Info info;
        QVERIFY(exbi->Info_4_ExtVerweis(TZAM_PersArt_ExtVerweis::Construct(3, {3, 240001, 0}, 1), info));
        QCOMPARE(info.Positionen, 1);
        QCOMPARE(dateien->BNEP_Summe(TZAM_PersArt_ExtVerweis::Construct(3, {3, 240001, 0}, 1), 12, 0, 24), 2);
        const QList<TZAM_PersArt_ExtVerweis> web2 = exbi->ExtVerweise_4_BestellNr(QStringLiteral("WEB-240002"));
        QCOMPARE(web2.size(), 3);
        int imZiel = 0, bestellt = 0;
        for (const TZAM_PersArt_ExtVerweis& v : web2) {
            imZiel += dateien->BFP_Summe(v, 14, QStringLiteral("11"));
            bestellt += dateien->BNEP_Summe(v, 0, 0, 0);
        }
        QCOMPARE(imZiel, 1);
        QCOMPARE(bestellt, 4);
        const TZAM_Zeilen exbiBezahlt = Db().Lesen(QStringLiteral("SELECT DISTINCT bezahlt FROM zam_exbi"));
        QSet<QString> bezahlt;
        for (const QVariantList& z : exbiBezahlt.Zeilen())
            bezahlt << z.at(0).toString();
        QCOMPARE(bezahlt, (QSet<QString>{QStringLiteral("J"), QStringLiteral("N")}));
    }

    void handlagerLaufwegePreise_data() { ZAM_MotorenDaten(); }
    void handlagerLaufwegePreise()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();

        // Reasons: priorities 2 and 10 with the priority signal, one that only reports.
        const QList<TGrndSatz> gruende = TestDienst<IZAM_GrundServer>()->Gruende_Lesen(CZAM_Grundgruppe_HLAnfo);
        QList<int> dringend, nurAufgabe;
        for (const TGrndSatz& g : gruende) {
            if (g.PrioSignal)
                dringend << g.PrioReihenfolge;
            if (g.NurAufgabe)
                nurAufgabe << g.Id.Id3;
        }
        QCOMPARE(dringend, (QList<int>{2, 10}));
        QCOMPARE(nurAufgabe.size(), 1);
        // Hand-store tasks go onto wormholes with a reason of the group, urgent ones among them.
        const TZAM_Zeilen hl = Db().Lesen(
            QStringLiteral(
                "SELECT k.id3, o.bereich, g.prio_signal, e.ziel_filiale, o.wurmloch_filiale FROM zam_auko k "
                "JOIN zam_auae e ON e.auf_id1 = k.id1 AND e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 "
                "LEFT JOIN zam_lagerort o ON o.id1 = k.ziel_lo_id1 AND o.id2 = k.ziel_lo_id2 AND o.id3 = k.ziel_lo_id3 "
                "LEFT JOIN zam_grund g ON g.gruppe = 'HAG' AND g.id1 = k.grund_id1 AND g.id2 = k.grund_id2 AND "
                "g.id3 = k.grund_id3 WHERE k.art = ? AND k.id2 = 2"),
            {CZAM_Aufgabe_Art_2_Kuerzel(CZAM_Aufgabe_Art_Handlager)});
        QVERIFY(hl.Anzahl() >= 5);
        int dringendeAufgaben = 0;
        for (const QVariantList& z : hl.Zeilen()) {
            QVERIFY2(z.at(1).toInt() == 3 && !z.at(2).isNull() && z.at(3).toInt() == z.at(4).toInt(),
                     qPrintable(z.at(0).toString()));
            dringendeAufgaben += z.at(2).toInt();
        }
        QVERIFY(dringendeAufgaben >= 2);

        // The first route of warehouse 1 walks its ordinary places in name order and ends at the
        // customer staging places KVBS-02 to KVBS-04, the second walks the ordinary ones back;
        // D-01-01 came later and lies off both.
        const TZAM_Zeilen plaetze = Db().Lesen(QStringLiteral(
            "SELECT id1, id2, id3, name FROM zam_lagerort WHERE lager = 1 AND art = 0 AND bereich = 0 AND name <> 'D-01-01'"));
        QList<std::pair<QString, TIntTrio>> sortiert;
        for (const QVariantList& z : plaetze.Zeilen())
            sortiert.append({z.at(3).toString(), Trio(z, 0)});
        std::sort(sortiert.begin(), sortiert.end());
        QList<TIntTrio> erwartet;
        for (const auto& p : sortiert)
            erwartet << p.second;
        QCOMPARE(erwartet.size(), 12);
        auto wege = TestDienst<IZAM_WegeOptEditServer>();
        const QList<TZAM_Laufweg> lager1 = wege->Laufwege_4_Lager(1);
        QCOMPARE(lager1.size(), 2);
        const QList<TIntTrio> kundenVBS{{2, 4, 2}, {2, 4, 3}, {2, 4, 4}};
        QCOMPARE(wege->Laufweg_Lagerorte(lager1.at(0).Id), erwartet + kundenVBS);
        std::reverse(erwartet.begin(), erwartet.end());
        QCOMPARE(wege->Laufweg_Lagerorte(lager1.at(1).Id), erwartet);
        QCOMPARE(wege->Laufweg_Lagerorte(wege->Laufwege_4_Lager(2).value(0).Id).size(), 2);

        // The processing order is stored switched off; switched on, it is warehouse 1's.
        auto abarb = TestDienst<IZAM_AbarbEditServer>();
        TZAM_Abarbeitung a;
        QVERIFY(!abarb->AktuelleAbarbeitung(1, a));
        Db().Schreiben(QStringLiteral("UPDATE zam_abarbeitung SET aktuell = 1"));
        QVERIFY(abarb->AktuelleAbarbeitung(1, a));
        QCOMPARE(int(a.Gesondert), (1 << 2) | (1 << 5));
        QCOMPARE(a.Vorlage, (QList<TZAM_AbarbVorlageEintrag>{{12, 0}, {14, 2}, {1, 3}}));
        QVERIFY(!abarb->AktuelleAbarbeitung(2, a));

        // Prices: every size in every branch; of warehouse 1's branches only branch 14 sells the
        // running shoe at another price, and branch 17 has the home shirt at 0 (no price).
        auto preise = TestDienst<IZAM_PreisServer>();
        const QDate heute = QDate::currentDate();
        for (const qint32 artikel : {100001, 100002, 100006, 100010}) {
            const int groesse = artikel == 100006 || artikel == 100010 ? 0 : 3;
            QSet<qint64> jeFiliale;
            for (const int filiale : {1, 12, 14, 17}) {
                const qint64 cent = preise->VKPreisCent({1, artikel, 0}, filiale, groesse, heute);
                QCOMPARE(cent == 0, artikel == 100002 && filiale == 17);
                if (cent > 0)
                    jeFiliale << cent;
            }
            QCOMPARE(jeFiliale.size(), artikel == 100001 ? 2 : 1);
        }
        QCOMPARE(preise->VKPreisCent({1, 100001, 0}, 14, 3, heute), 7995);
        QCOMPARE(preise->VKPreisCent({1, 100001, 0}, 12, 3, heute), 8995);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_vkpreis v WHERE NOT EXISTS (SELECT 1 FROM "
                                               "zam_artikel_groesse g WHERE g.prod_id1 = v.prod_id1 AND "
                                               "g.prod_id2 = v.prod_id2 AND g.prod_id3 = v.prod_id3 AND "
                                               "g.groesse = v.groesse)"))
                     .toInt(),
                 0);
    }
};

QTEST_MAIN(TestDemoAufgaben)
#include "tst_demoaufgaben.moc"

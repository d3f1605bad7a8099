// Warehouse groups, branch table, adjacency, partners, clients, places and the demo master data.
#include "IZAM_DruckerKonfig.h"
#include "IZAM_FGSystems.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_GPListenServer.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_LagerInventurServer.h"
#include "IZAM_MandListeServer.h"
#include "IZAM_RechteServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_TestUmgebung.h"
#include "TZAM_Zeilen.h"
#include "ZAMGlobal.h"
#include "ZAMLagerKonstanten.h"

#include <QTest>

namespace {

QList<int> Nummern(const QList<TZAM_GPEintrag>& AListe)
{
    QList<int> n;
    for (const TZAM_GPEintrag& e : AListe)
        n << e.Nummer;
    return n;
}

TZAM_Filiale Filiale(int ANummer, const QString& AName, bool ATeamsport, TIntPair AOrge, TIntPair AEbene)
{
    TZAM_Filiale f;
    f.Nummer = ANummer;
    f.Name = AName;
    f.TeamsportPlus = ATeamsport;
    f.OrgeId = {AOrge, AEbene};
    return f;
}
} // namespace

class TestStammdaten : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Lagerort(const TIntTrio& AId, int ALager, const QString& AName, bool AInBetrieb)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, name, in_betrieb) "
                                      "VALUES (?, ?, ?, ?, ?, ?)"),
                       {AId.Id1, AId.Id2, AId.Id3, ALager, AName, AInBetrieb ? 1 : 0});
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void lagergruppenInIhrerReihenfolge_data() { ZAM_MotorenDaten(); }
    void lagergruppenInIhrerReihenfolge()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const QString gruppe =
            QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (?, ?, ?)");
        Db().Schreiben(gruppe, {5, QStringLiteral("Lager Süd"), 2});
        Db().Schreiben(gruppe, {0, QStringLiteral("OhneLager"), 0});
        Db().Schreiben(gruppe, {1, QStringLiteral("Zentrallager"), 1});
        // The group's order, not the branch numbers.
        const QString filiale =
            QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) VALUES (?, ?, ?)");
        Db().Schreiben(filiale, {1, 17, 3});
        Db().Schreiben(filiale, {1, 14, 1});
        Db().Schreiben(filiale, {1, 1, 2});
        Db().Schreiben(filiale, {5, 30, 1});

        auto server = TestDienst<IZAM_LagerEditServer>();
        const QList<TZAM_Lagergruppe> gruppen = server->Lagergruppen();
        QCOMPARE(gruppen.size(), 3);
        QCOMPARE(gruppen.at(0).Nummer, 0);
        QCOMPARE(gruppen.at(0).Name, QStringLiteral("OhneLager"));
        QVERIFY(gruppen.at(0).Filialen.isEmpty());
        QCOMPARE(gruppen.at(1).Nummer, 1);
        QCOMPARE(gruppen.at(1).Filialen, (QList<int>{14, 1, 17}));
        QCOMPARE(gruppen.at(2).Name, QStringLiteral("Lager Süd"));
        QCOMPARE(gruppen.at(2).Filialen, QList<int>{30});

        TZAM_Lagergruppe g;
        QVERIFY(server->Lagergruppe(1, g));
        QCOMPARE(g.Name, QStringLiteral("Zentrallager"));
        QCOMPARE(g.Filialen, (QList<int>{14, 1, 17}));
        QVERIFY(server->Lagergruppe(0, g));
        QVERIFY(g.Filialen.isEmpty()); // nothing left over from the group read before
        QVERIFY(!server->Lagergruppe(9, g));
        QCOMPARE(g.Nummer, 0);
    }

    void filialtabelleUndNachbarn_data() { ZAM_MotorenDaten(); }
    void filialtabelleUndNachbarn()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        auto tabelle = TestDienst<IZAM_FilialTabelle>();
        QCOMPARE(tabelle->MaxFiliale(), -1);
        QVERIFY(tabelle->Filialen().isEmpty());

        TZAM_FilialTabelleSql::Speichern(Db(), Filiale(14, QStringLiteral("Bahnhof"), false, {100, 14}, {10, 1}));
        TZAM_FilialTabelleSql::Speichern(Db(), Filiale(0, QStringLiteral("Zentrale"), false, {100, 0}, {10, 1}));
        TZAM_FilialTabelleSql::Speichern(Db(), Filiale(17, QStringLiteral("Hafen"), true, {100, 17}, {10, 2}));
        TZAM_FilialTabelleSql::Speichern(Db(), Filiale(14, QStringLiteral("Hauptbahnhof"), false, {100, 14}, {10, 1}));

        const QList<TZAM_Filiale> alle = tabelle->Filialen();
        QCOMPARE(alle.size(), 3);
        QCOMPARE(alle.at(0).Nummer, 0); // 0 is a real branch
        QCOMPARE(alle.at(1).Name, QStringLiteral("Hauptbahnhof"));
        QCOMPARE(alle.at(2).Nummer, 17);
        QCOMPARE(tabelle->MaxFiliale(), 17);

        TZAM_Filiale f;
        QVERIFY(tabelle->Filiale(17, f));
        QVERIFY(f.TeamsportPlus);
        QCOMPARE(f.OrgeId.OrgeId, TIntPair(100, 17));
        QCOMPARE(f.OrgeId.OrgeEbene, TIntPair(10, 2));
        QVERIFY(tabelle->Filiale(14, f));
        QVERIFY(!f.TeamsportPlus);
        QVERIFY(!tabelle->Filiale(-1, f));
        QVERIFY(!tabelle->Filiale(99, f));

        Db().Schreiben(
            QStringLiteral("INSERT INTO zam_filiale_nachbar (filiale1, filiale2) VALUES (12, 14), (17, 21)"));
        auto fg = TestDienst<IZAM_FGSystems>();
        QVERIFY(fg->AreStoresAdjacent(12, 14));
        QVERIFY(fg->AreStoresAdjacent(14, 12));
        QVERIFY(fg->AreStoresAdjacent(21, 17));
        QVERIFY(!fg->AreStoresAdjacent(12, 17));
        QVERIFY(!fg->AreStoresAdjacent(14, 21));
        QVERIFY(!fg->AreStoresAdjacent(12, 12));
    }

    void partnerNameUndSuche_data() { ZAM_MotorenDaten(); }
    void partnerNameUndSuche()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        const QList<TZAM_GPEintrag> partner = {
            {{0, 0}, 0, QStringLiteral("Niemand"), gpaMitarbeiter}, // must never answer for the empty key
            {{1, 11}, 11, QStringLiteral("Anna Albers"), gpaMitarbeiter},
            {{1, 12}, 12, QStringLiteral("Jörg Öztürk"), gpaMitarbeiter},
            {{1, 13}, 113, QStringLiteral("Hanna 100% Einsatz"), gpaMitarbeiter},
            {{4, 11}, 500, QStringLiteral("Anna Kundin"), gpaKunde},
            {{4, 12}, 12, QStringLiteral("Kunde Zwölf"), gpaKunde},
        };
        for (const TZAM_GPEintrag& e : partner)
            TZAM_GPListenServerSql::Speichern(Db(), e);
        auto gp = TestDienst<IZAM_GPListenServer>();

        QCOMPARE(gp->Name(TIntPair()), QString());
        QCOMPARE(gp->Name({1, 99}), QString());
        QCOMPARE(gp->Name({1, 12}), QStringLiteral("Jörg Öztürk"));
        QCOMPARE(gp->Name({4, 11}, 0), QStringLiteral("Anna Kundin"));

        // Name part in any letter case, umlauts included; the kind filters.
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("ANNA"), gpaMitarbeiter)), (QList<int>{11, 113}));
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("anna"), gpaKunde)), QList<int>{500});
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("ÖZT"), gpaMitarbeiter)), QList<int>{12});
        QVERIFY(gp->Suchen(QStringLiteral("Anna"), gpaLieferant).isEmpty());
        // By number, within the kind.
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("12"), gpaMitarbeiter)), QList<int>{12});
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral(" 12 "), gpaKunde)), QList<int>{12});
        const QList<TZAM_GPEintrag> treffer = gp->Suchen(QStringLiteral("113"), gpaMitarbeiter);
        QCOMPARE(treffer.size(), 1);
        QCOMPARE(treffer.at(0).GepNr, TIntPair(1, 13));
        QCOMPARE(treffer.at(0).Art, int(gpaMitarbeiter));
        // Pattern characters are plain text.
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("100%"), gpaMitarbeiter)), QList<int>{113});
        QVERIFY(gp->Suchen(QStringLiteral("%"), gpaKunde).isEmpty());
        QVERIFY(gp->Suchen(QStringLiteral("_"), gpaKunde).isEmpty());

        // Updating a partner updates its search text as well.
        TZAM_GPListenServerSql::Speichern(Db(), {{4, 11}, 500, QStringLiteral("Berta Kundin"), gpaKunde});
        QVERIFY(gp->Suchen(QStringLiteral("anna"), gpaKunde).isEmpty());
        QCOMPARE(Nummern(gp->Suchen(QStringLiteral("berta"), gpaKunde)), QList<int>{500});

        TZAM_GPListenServerSql::Speichern(Db(), {{3, 2}, 2, QStringLiteral("Onlineshop"), gpaMandant});
        TZAM_GPListenServerSql::Speichern(Db(), {{3, 1}, 1, QStringLiteral("Zentrale"), gpaMandant});
        QCOMPARE(Nummern(TestDienst<IZAM_MandListeServer>()->Mandanten()), (QList<int>{1, 2}));
    }

    void lagerorteInBetriebUndZaehldatum_data() { ZAM_MotorenDaten(); }
    void lagerorteInBetriebUndZaehldatum()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Lagerort({1, 1, 2}, 1, QStringLiteral("B-01"), true);
        Lagerort({1, 1, 1}, 1, QStringLiteral("A-01"), true);
        Lagerort({1, 1, 3}, 1, QStringLiteral("C-01"), false);
        Lagerort({2, 1, 1}, 2, QStringLiteral("A-01"), true);
        auto inv = TestDienst<IZAM_LagerInventurServer>();
        QVERIFY(inv->LagerortInBetrieb({1, 1, 1}));
        QVERIFY(!inv->LagerortInBetrieb({1, 1, 3}));
        QVERIFY(!inv->LagerortInBetrieb({9, 9, 9}));

        const QDate datum(2024, 3, 15);
        inv->ZaehldatumSetzen({{1, 1, 1}, {1, 1, 3}}, datum);
        inv->ZaehldatumSetzen({}, datum);
        QList<TZAM_Zaehlplatz> plaetze = inv->Zaehlplaetze(1);
        QCOMPARE(plaetze.size(), 3);
        QCOMPARE(plaetze.at(0).LagerortId, TIntTrio(1, 1, 1));
        QCOMPARE(plaetze.at(0).Zaehldatum, datum);
        QCOMPARE(plaetze.at(1).Name, QStringLiteral("B-01"));
        QVERIFY(plaetze.at(1).Zaehldatum.isNull());
        QCOMPARE(plaetze.at(2).Zaehldatum, datum);
        QVERIFY(inv->Zaehlplaetze(2).at(0).Zaehldatum.isNull()); // same name, other warehouse
        QVERIFY(inv->Zaehlplaetze(3).isEmpty());

        // Names in code-point order on both engines, whatever the server's collation.
        QStringList namen{QStringLiteral("a-2"), QStringLiteral("B-1"), QStringLiteral("Ä-1"), QStringLiteral("a 1"),
                          QStringLiteral("Z-9")};
        for (int i = 0; i < namen.size(); ++i)
            Lagerort({4, 1, i + 1}, 4, namen.at(i), true);
        QStringList gelesen;
        for (const TZAM_Zaehlplatz& p : inv->Zaehlplaetze(4))
            gelesen << p.Name;
        namen.sort();
        QCOMPARE(gelesen, namen);

        // More places than one statement takes, and a null date clears.
        QList<TIntTrio> viele;
        for (int i = 1; i <= 250; ++i) {
            Lagerort({3, 1, i}, 3, QStringLiteral("P-%1").arg(i, 3, 10, QLatin1Char('0')), true);
            viele << TIntTrio(3, 1, i);
        }
        inv->ZaehldatumSetzen(viele, datum);
        plaetze = inv->Zaehlplaetze(3);
        QCOMPARE(plaetze.size(), 250);
        QCOMPARE(plaetze.last().Zaehldatum, datum);
        QCOMPARE(plaetze.at(120).Zaehldatum, datum);
        inv->ZaehldatumSetzen({{1, 1, 1}}, QDate());
        QVERIFY(inv->Zaehlplaetze(1).at(0).Zaehldatum.isNull());
        QCOMPARE(inv->Zaehlplaetze(1).at(2).Zaehldatum, datum);
    }

    void demoStammdaten_data() { ZAM_MotorenDaten(); }
    void demoStammdaten()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        const QList<TZAM_Lagergruppe> gruppen = TestDienst<IZAM_LagerEditServer>()->Lagergruppen();
        QVERIFY(gruppen.size() >= 2);
        QCOMPARE(gruppen.at(0).Name, QStringLiteral("OhneLager"));
        QVERIFY(gruppen.at(0).Filialen.isEmpty());
        QCOMPARE(gruppen.at(1).Nummer, 1);
        QVERIFY(gruppen.at(1).Filialen.size() >= 3);

        // Every branch of the warehouse is in the branch table, one of them team sport plus.
        auto tabelle = TestDienst<IZAM_FilialTabelle>();
        int teamsport = 0;
        for (int nr : gruppen.at(1).Filialen) {
            TZAM_Filiale f;
            QVERIFY2(tabelle->Filiale(nr, f), qPrintable(QString::number(nr)));
            QVERIFY(!f.Name.isEmpty());
            QVERIFY(!f.OrgeId.IsNull());
            teamsport += f.TeamsportPlus ? 1 : 0;
        }
        QCOMPARE(teamsport, 1);
        QVERIFY(tabelle->Filialen().size() > gruppen.at(1).Filialen.size());
        // The second warehouse has a branch of its own, its booking branch once chosen; the
        // third is a team-sport-plus warehouse of one branch with a processing preparation.
        QCOMPARE(ZAMParameter().GetIntegerValueByName(QStringLiteral("LAGERANZ")), 3);
        QCOMPARE(gruppen.size(), 4);
        QCOMPARE(gruppen.at(2).Nummer, 2);
        QCOMPARE(gruppen.at(2).Filialen, QList<int>{30});
        QCOMPARE(gruppen.at(3).Filialen, QList<int>{40});
        TZAM_Filiale ts;
        QVERIFY(tabelle->Filiale(40, ts) && ts.TeamsportPlus && ts.LVBenutzen);
        // Branch 21 keeps no warehouse management.
        QVERIFY(tabelle->Filiale(21, ts) && !ts.LVBenutzen);
        QVERIFY(!gruppen.at(1).Filialen.contains(30));
        TZAM_Filiale sued;
        QVERIFY(tabelle->Filiale(30, sued));
        QCOMPARE(sued.Name, QStringLiteral("Außenlager Süd"));

        auto inv = TestDienst<IZAM_LagerInventurServer>();
        QVERIFY(!inv->LagerortInBetrieb(TrioAusPair(CZAM_Lagerverwaltung_Halle, 1)));
        int inBetrieb = 0, gezaehlt = 0;
        const QList<TZAM_Zaehlplatz> plaetze = inv->Zaehlplaetze(1);
        QVERIFY(plaetze.size() >= 12);
        for (const TZAM_Zaehlplatz& p : plaetze) {
            inBetrieb += inv->LagerortInBetrieb(p.LagerortId) ? 1 : 0;
            gezaehlt += p.Zaehldatum.isValid() ? 1 : 0;
        }
        QVERIFY(inBetrieb > 0 && inBetrieb < plaetze.size());
        QVERIFY(gezaehlt > 0);

        QCOMPARE(TestDienst<IZAM_DruckerKonfig>()->DruckerFuerTyp(0), QStringLiteral("PDF"));
        QVERIFY(TestDienst<IZAM_DruckerKonfig>()->Drucker().size() >= 2);
        QVERIFY(TestDienst<IZAM_MandListeServer>()->Mandanten().size() >= 2);

        // Carla Cordes is an employee without user.
        const QList<TZAM_GPEintrag> carla =
            TestDienst<IZAM_GPListenServer>()->Suchen(QStringLiteral("cordes"), gpaMitarbeiter);
        QCOMPARE(carla.size(), 1);
        QVERIFY(TestDienst<IZAM_RechteServer>()->BenutzerZuMitarbeiter(carla.at(0).GepNr).IsNull());

        // A warehouse's place stock is its branches' stock (BF), per article size and stock type;
        // every area has a place, and free and blocked goods lie in the demo. Transport stock
        // (type 40) lies on no place: it is the open pieces of the goods slips.
        const QString platz = QStringLiteral(
            "SELECT o.lager, b.prod_id2, b.groesse, b.bestandsart, SUM(b.menge) FROM zam_bestand b JOIN zam_lagerort o "
            "ON o.id1 = b.lo_id1 AND o.id2 = b.lo_id2 AND o.id3 = b.lo_id3 WHERE b.menge > 0 "
            "GROUP BY o.lager, b.prod_id2, b.groesse, b.bestandsart ORDER BY 1, 2, 3, 4");
        const QString bf = QStringLiteral(
            "SELECT f.lager, b.prod_id2, b.groesse, b.bestandsart, SUM(b.menge) FROM zam_bf b JOIN zam_filiale f "
            "ON f.nummer = b.filiale WHERE b.menge > 0 AND b.bestandsart <> 40 "
            "GROUP BY f.lager, b.prod_id2, b.groesse, b.bestandsart ORDER BY 1, 2, 3, 4");
        auto zeilen = [&](const QString& ASql) {
            QStringList z;
            const TZAM_Zeilen ergebnis = Db().Lesen(ASql);
            for (const QVariantList& r : ergebnis.Zeilen()) {
                QStringList teile;
                for (const QVariant& v : r)
                    teile << v.toString();
                z << teile.join(u' ');
            }
            return z;
        };
        QCOMPARE(zeilen(platz), zeilen(bf));
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(DISTINCT bereich) FROM zam_lagerort WHERE lager = 1")).toInt(), 9);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(DISTINCT bestandsart) FROM zam_bf")).toInt(), 3);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT SUM(menge) FROM zam_bf WHERE bestandsart = 40")).toInt(),
                 Db().LesenWert(QStringLiteral("SELECT SUM(p.menge - p.erhalten - p.fehlmenge) FROM zam_bnep p JOIN "
                                               "zam_bne n ON n.id1 = p.bne_id1 AND n.id2 = p.bne_id2 AND "
                                               "n.id3 = p.bne_id3 WHERE n.typ = 70 AND n.eingang_art = 1"))
                     .toInt());
    }
};

QTEST_MAIN(TestStammdaten)
#include "tst_stammdaten.moc"

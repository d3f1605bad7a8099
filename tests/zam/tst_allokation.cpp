// The movement service's allocation of stock to the tasks of a pick list, both engines: route
// order, off-route places and the hall after the route, containers with the place they stand on,
// personalised and special-area stock left out, no piece twice in a run, only-route, prohibitions
// and locked places; and the containers a pick target takes.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

namespace {
// Source, position and quantity of each entry, as "source@position:quantity".
QStringList Text(const QList<TZAM_AllokationsEintrag>& AEintraege)
{
    QStringList l;
    for (const TZAM_AllokationsEintrag& e : AEintraege) {
        QString pos = QString::number(e.LaufwegPos);
        if (e.LaufwegPos == CZAM_LaufwegPos_AusserhalbLaufweg)
            pos = QStringLiteral("aus");
        else if (e.LaufwegPos == CZAM_LaufwegPos_Halle)
            pos = QStringLiteral("Halle");
        l << QStringLiteral("%1@%2:%3").arg(e.QuelleId().ToText(), pos).arg(e.Menge);
    }
    return l;
}
} // namespace

class TestAllokation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allokieren_data() { ZAM_MotorenDaten(); }
    void allokieren()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        TL::Anlegen(db);
        TL::PickOrte(db);
        const TIntTrio p3 = TL::P3, halle = TL::Halle();
        const TInt32Trio schuh = TA::A(TA::Schuh).Id();
        for (const auto& [ort, menge] : {std::pair{TL::P1, 4},
                                         {TL::P2, 5},
                                         {TL::C, 2},
                                         {TL::C2, 1},
                                         {p3, 2},
                                         {halle, 7},
                                         {TL::Wurmloch, 3},
                                         {TL::Geblockt, 6}})
            TL::Bestand(db, ort, schuh, 1, 1, menge, 10);
        // One piece on P1 is personalised for an order.
        db.Schreiben(QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                    "groesse, verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, "
                                    "filiale, menge) VALUES (?, ?, ?, ?, ?, ?, 1, 1, 1, 5001, 0, 1, 10, 1)"),
                     {TL::P1.Id1, TL::P1.Id2, TL::P1.Id3, schuh.Id1, schuh.Id2, schuh.Id3});

        auto bew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        TZAM_AufgabenAllokation a;
        a.LaufwegPlaetze = {TL::P2, TL::P1};
        a.ProduktId = schuh;
        a.GrInd = 1;
        a.Rest = 100;
        const QString p1 = TL::P1.ToText(), p2 = TL::P2.ToText(), c = TL::C.ToText(), c2 = TL::C2.ToText();
        bew->Allokation_Zuruecksetzen();
        QCOMPARE(Text(bew->Aufgabe_Allokieren(a, 1, false, nullptr)),
                 (QStringList{p2 + "@1:5", c + "@1:2", c2 + "@1:1", p1 + "@2:3", p3.ToText() + "@aus:2",
                              halle.ToText() + "@Halle:7"}));
        // The containers name the place they stand on.
        const QList<TZAM_AllokationsEintrag> nochmal = [&] {
            bew->Allokation_Zuruecksetzen();
            return bew->Aufgabe_Allokieren(a, 1, false, nullptr);
        }();
        QCOMPARE(nochmal.at(2).LagerortId, TL::P2);
        QCOMPARE(nochmal.at(2).Behaelter, c2);
        // Within a run a second task of the article gets nothing more; a small one takes the first.
        QVERIFY(bew->Aufgabe_Allokieren(a, 1, false, nullptr).isEmpty());
        bew->Allokation_Zuruecksetzen();
        a.Rest = 6;
        QCOMPARE(Text(bew->Aufgabe_Allokieren(a, 1, false, nullptr)), (QStringList{p2 + "@1:5", c + "@1:1"}));
        QCOMPARE(Text(bew->Aufgabe_Allokieren(a, 1, false, nullptr)),
                 (QStringList{c + "@1:1", c2 + "@1:1", p1 + "@2:3", p3.ToText() + "@aus:1"}));

        // Only the route, P2 skipped for the article (its containers are sources of their own), a
        // locked container with the one on it left out; another warehouse finds nothing.
        TZAM_LaufwegVerbotDict verbote;
        verbote.Verbieten(a.Schluessel(), TL::P2);
        verbote.Verbieten(a.Schluessel(), TL::P2);
        QCOMPARE(verbote.Quellen(a.Schluessel()).size(), 1);
        db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET gesperrt = 1 WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                     {TL::C.Id1, TL::C.Id2, TL::C.Id3});
        bew->Allokation_Zuruecksetzen();
        a.Rest = 100;
        QCOMPARE(Text(bew->Aufgabe_Allokieren(a, 1, true, &verbote)), QStringList{p1 + "@2:3"});
        QVERIFY(bew->Aufgabe_Allokieren(a, 2, false, nullptr).isEmpty());
        a.Rest = 0;
        QVERIFY(bew->Aufgabe_Allokieren(a, 1, false, nullptr).isEmpty());
    }

    // The containers a pick target takes: its own and unassigned ones, none on transport or on a
    // storage place; the
    // goods of a container include those of the containers in it.
    void behaelter_data() { ZAM_MotorenDaten(); }
    void behaelter()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        TL::Anlegen(db);
        auto bew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        const auto ziel = [&](int AFiliale) {
            QList<TIntTrio> l;
            for (const TZAM_BehaelterFuerZiel& b : bew->Behaelter_4_Ziel(1, AFiliale))
                l << b.Id;
            return l;
        };
        QVERIFY(!bew->Behaelter_HatWare(TL::C));
        TL::Bestand(db, TL::C2, TA::A(TA::Schuh).Id(), 1, 1, 1, 11);
        QVERIFY(bew->Behaelter_HatWare(TL::C) && bew->Behaelter_HatWare(TL::C2));
        // The place C stands on holds stock through it; a place with nothing on it none.
        QVERIFY(bew->Lagerort_HatBestand(TL::P2) && !bew->Lagerort_HatBestand(TL::P1));
        // C stands on P2 and C2 in C: stock on a storage place, not containers to fill.
        QVERIFY(ziel(11).isEmpty());
        db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = NULL, auf_id2 = NULL, auf_id3 = NULL WHERE "
                                    "id1 = 1 AND id2 = 9 AND id3 = 1"));
        QCOMPARE(ziel(11), (QList<TIntTrio>{TL::C, TL::C2}));
        QCOMPARE(ziel(10), QList<TIntTrio>{TL::C});
        QCOMPARE(ziel(0), QList<TIntTrio>{TL::C});
        QVERIFY(bew->Behaelter_Zuordnen(TL::C, -1, 1));
        QCOMPARE(ziel(0), QList<TIntTrio>{TL::C});
        QCOMPARE(ziel(11), QList<TIntTrio>{TL::C2});
        QVERIFY(!bew->Behaelter_Zuordnen(TL::P1, 10, 1));
        db.Schreiben(QStringLiteral("UPDATE zam_behaelter SET auf_transport = 1 WHERE id3 = 2"));
        QVERIFY(ziel(11).isEmpty());
        QVERIFY(ziel(0).size() == 1 && bew->Behaelter_4_Ziel(2, 0).isEmpty());
    }
};

QTEST_MAIN(TestAllokation)
#include "tst_allokation.moc"

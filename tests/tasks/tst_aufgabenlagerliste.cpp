// The pick list built from the task list, both engines: one row per task and allocated source in
// walking order (route, then off-route, then the hall), a task with nothing left finished without
// a row, tasks of one article never sharing pieces, and a rebuild from a row keeping the rows above.
#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"

#include <QTest>

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;
namespace L = TQIV_AufgabenLagerListe;

class TestAufgabenLagerListe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lagerliste_data() { ZAM_MotorenDaten(); }
    void lagerliste()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        TL::Anlegen(db);
        TL::PickOrte(db);
        const TIntTrio p3 = TL::P3, halle = TL::Halle();
        const TInt32Trio schuh = TA::A(TA::Schuh).Id();
        for (const auto& [ort, menge] : {std::pair{TL::P1, 2}, {p3, 1}, {halle, 5}})
            TL::Bestand(db, ort, schuh, 1, 1, menge, 10);
        // Three re-sorting tasks of the article for branch 11: 3, 4 and one already fulfilled.
        for (const auto& [nr, menge] : {std::pair{1, 3}, {2, 4}, {3, 1}})
            TZAM_TestAufgaben::Nachsortierung(db, nr, schuh, 1, menge);
        TZAM_TestAufgaben::Erfuellung(db, {1, 1, 3}, 1);

        TDM_Torvik dm({QStringLiteral("prog")});
        dm.SetAktLager(1);
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Filialnachsortierung);
        o.FilNr = 11;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        IZAM_AufgabenEditServer* server = dm.AufgabenEditServer_GoC();
        QVERIFY(server->Aufgabenliste_Laden(k, false, true, true, true, true));
        QCOMPARE(server->AufgabenVRListe().GetRowCount(), 3);

        std::unique_ptr<TVRList> liste;
        int aktiv = -1;
        const auto zeilen = [&] {
            QStringList l;
            for (int r = 0; r < liste->GetRowCount(); ++r)
                l << QStringLiteral("%1 %2 %3 %4")
                         .arg(liste->GetCellValueAsIntTrio(r, L::CAufgabenId).Id3)
                         .arg(liste->GetCellValueAsString(r, L::CLagerort))
                         .arg(liste->GetCellValueAsInteger(r, L::CMenge))
                         .arg(liste->GetCellValueAsInteger(r, aktiv - 1));
            return l;
        };
        L::AufgabenListe_2_AufgabenLagerListe(liste, 11, false, -1, server->AufgabenVRListe(), aktiv, nullptr,
                                              {TL::P1});
        QCOMPARE(aktiv, liste->GetColumnCount() - 1);
        QCOMPARE(liste->GetColumnCount(), server->AufgabenVRListe().GetColumnCount() + 2);
        const QString p1 = TL::P1.ToText(), h = halle.ToText();
        QCOMPARE(zeilen(),
                 (QStringList{"1 " + p1 + " 2 1", "1 " + p3.ToText() + " 1 1819813646", "2 " + h + " 4 2147483646"}));
        QVERIFY(liste->GetCellValueAsBoolean(0, aktiv));
        QCOMPARE(liste->GetCellValueAsIntTrio(2, L::CLagerortId), halle);
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT status FROM zam_auko WHERE id3 = 3")).toString(),
                 QString(CZAM_Aufgabe_Status_2_Char(CZAM_Aufgabe_Status_Erledigt)));

        // Only the route: the off-route place and the hall drop out. A rebuild from row 1 keeps
        // row 0 and allocates the other tasks anew.
        L::AufgabenListe_2_AufgabenLagerListe(liste, 11, true, -1, server->AufgabenVRListe(), aktiv, nullptr, {TL::P1});
        QCOMPARE(zeilen(), QStringList{"1 " + p1 + " 2 1"});
        L::AufgabenListe_2_AufgabenLagerListe(liste, 11, false, -1, server->AufgabenVRListe(), aktiv, nullptr,
                                              {TL::P1});
        L::AufgabenListe_2_AufgabenLagerListe(liste, 11, false, 1, server->AufgabenVRListe(), aktiv, nullptr, {TL::P1});
        QCOMPARE(zeilen(), (QStringList{"1 " + p1 + " 2 1", "2 " + p1 + " 2 1", "2 " + p3.ToText() + " 1 1819813646",
                                        "2 " + h + " 1 2147483646"}));
    }
};

QTEST_MAIN(TestAufgabenLagerListe)
#include "tst_aufgabenlagerliste.moc"

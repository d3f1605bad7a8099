// The data module's place and container operations on our SQL services, both engines: a scanned
// barcode becomes a place of the current warehouse, and the container check reads the stored
// assignment (branch 0 is one) and the lock table (this program's own lock does not count).
#include "TDM_Torvik.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Klang.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QTest>

class TestLagerorteSql : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void umsetzenUndBehaelterPruefen_data() { ZAM_MotorenDaten(); }
    void umsetzenUndBehaelterPruefen()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        // A staging place of warehouse 1, a place of warehouse 2, a container on the staging place
        // and a free one assigned to branch 0.
        const TIntTrio vbs(1, 1, 1), fremd(2, 1, 1), aufPlatz(1, 9, 1), frei(1, 9, 2);
        const auto ort = [&](const TIntTrio& AId, int ALager, int AArt, int ABereich, const QString& AKurz,
                             const QVariant& AAuf) {
            db.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                                        "auf_id1, auf_id2, auf_id3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         {AId.Id1, AId.Id2, AId.Id3, ALager, AArt, AId.ToText(), AKurz, ABereich, AAuf,
                          AAuf.isNull() ? QVariant() : QVariant(1), AAuf.isNull() ? QVariant() : QVariant(1)});
        };
        ort(vbs, 1, 0, 2, QStringLiteral("V21"), {});
        ort(fremd, 2, 0, 0, {}, {});
        ort(aufPlatz, 1, 3, 0, {}, 1);
        ort(frei, 1, 3, 0, {}, {});
        for (const auto& [b, filiale] : {std::pair{aufPlatz, -1}, {frei, 0}})
            db.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3, filiale) VALUES (?, ?, ?, ?)"),
                         {b.Id1, b.Id2, b.Id3, filiale});

        TDM_Torvik dm({QStringLiteral("prog")});
        dm.SetAktLager(1);
        ZAMInfo().GezeigteMeldungenHolen();
        TZAM_Lagerort_Info info;
        const TQIV_Umsetzen_Optionen muss{true, true};
        QVERIFY(dm.Lagerplatz_Behaelter_umsetzen(zam_TIntTrio2String(vbs) + QStringLiteral("00000"), info, muss));
        QCOMPARE(info.AnzeigeName(), QStringLiteral("V21"));
        QCOMPARE(int(info.Bereich), 2);
        QVERIFY(!dm.Lagerplatz_Behaelter_umsetzen(zam_TIntTrio2String(fremd) + QStringLiteral("00000"), info, muss));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(),
                 QStringList{QStringLiteral("Der Lagerplatz gehört nicht zum eingestellten Lager.")});
        TIntTrio behaelter;
        QString name;
        QVERIFY(dm.Behaelter_umsetzen(zam_TIntTrio2String(frei) + QStringLiteral("00000"), behaelter, name));
        QCOMPARE(behaelter, frei);

        bool gesperrt = false;
        QString meldung;
        QVERIFY(!dm.Behaelter_pruefen(frei, 12, 1, false, true, gesperrt, meldung));
        QCOMPARE(meldung, QStringLiteral("Dieser Behälter ist bereits einer anderen Filiale zugeordnet!"));
        QVERIFY(dm.Behaelter_pruefen(frei, 0, 1, true, true, gesperrt, meldung));
        QVERIFY(gesperrt);
        // Checked again under its own lock, as the task steps do before each booking.
        QVERIFY(dm.Behaelter_pruefen(frei, 0, 1, true, false, gesperrt, meldung));
        QVERIFY(meldung.isEmpty());
        QVERIFY(!dm.Behaelter_pruefen(aufPlatz, 0, 1, false, false, gesperrt, meldung));
        QCOMPARE(meldung, QStringLiteral("Dieser Behälter liegt auf einem Lagerplatz!"));
    }

    // On the demo site every place and container resolves from its barcode, and a relocation into
    // a wormhole shows in the place stock, the branches' stock and the journal.
    void demoBarcodesUndWurmloch_data() { ZAM_MotorenDaten(); }
    void demoBarcodesUndWurmloch()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 1);
        auto barcode = [](const TIntTrio& AId) { return zam_TIntTrio2String(AId) + QStringLiteral("00000"); };
        const TZAM_Zeilen orte = db.Lesen(QStringLiteral("SELECT id1, id2, id3, name FROM zam_lagerort"));
        QVERIFY(orte.Anzahl() > 40);
        TZAM_Lagerort_Info info;
        for (const QVariantList& r : orte.Zeilen()) {
            const TIntTrio id(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
            QVERIFY2(dm.Lagerplatz_Behaelter_umsetzen(barcode(id), info, {true}), qPrintable(r.at(3).toString()));
            QCOMPARE(info.Name, r.at(3).toString());
        }

        TZAM_Lagerort_Info von, an;
        QVERIFY(dm.Lagerplatz_Behaelter_umsetzen(barcode({1, 1, 1}), von, {true, true}));
        QVERIFY(dm.Lagerplatz_Behaelter_umsetzen(barcode({2, 3, 1}), an, {true, true}));
        QString meldung;
        QVERIFY(dm.Umlagerung_MitBewegungen_Lagerorte_Testen(von, an, meldung));
        auto bf = [&](int AFiliale) {
            return db.LesenWert(QStringLiteral("SELECT menge FROM zam_bf WHERE prod_id2 = 100001 AND groesse = 3 "
                                               "AND bestandsart = 1 AND filiale = ?"),
                                {AFiliale}, 0)
                .toInt();
        };
        const int bfVorher = bf(1);
        bool weniger = false, nichts = false;
        TZAM_InfoMeldungListe meldungen;
        QVERIFY2(dm.Umlagerung_MitBewegungen_Buchen(weniger, von, an, TInt32Trio(1, 100001, 0), 3, 2, -1, -1, -1, -1,
                                                    1, false, true, &meldungen, nichts, meldung),
                 qPrintable(meldung + u'|' + meldungen.Meldungen_AlsText() + u'|' + ZAMInfo().GezeigteMeldungenHolen().join(u'|')));
        QVERIFY(!weniger && !nichts);
        QCOMPARE(dm.Lagerbestand({1, 1, 1}, TInt32Trio(1, 100001, 0), 3), 2);
        QCOMPARE(bf(1), bfVorher - 2);
        QCOMPARE(bf(21), 2);
        const TZAM_Zeilen journal = db.Lesen(QStringLiteral(
            "SELECT umlagerungsart, korrekturart, von_filiale, an_filiale, menge, an_id1 FROM zam_bewegung"));
        QCOMPARE(journal.Anzahl(), 1);
        // The journal keeps the branches as the booking named them: the warehouse with several
        // branches books from none, the owner is found by the branch stock.
        QCOMPARE(journal.Zeilen().first(), (QVariantList{5, 2, -1, 21, 2, 0}));
    }
};

QTEST_MAIN(TestLagerorteSql)
#include "tst_lagerorte_sql.moc"

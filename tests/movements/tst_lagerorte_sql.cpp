// The data module's place and container operations on our SQL services, both engines: a scanned
// barcode becomes a place of the current warehouse, and the container check reads the stored
// assignment (branch 0 is one) and the lock table (this program's own lock does not count).
#include "TDM_Torvik.h"
#include "TZAM_Datenbank.h"
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
};

QTEST_MAIN(TestLagerorteSql)
#include "tst_lagerorte_sql.moc"

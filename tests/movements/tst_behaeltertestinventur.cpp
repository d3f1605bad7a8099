// Whether a container of the demo site may be counted or commissioned, both engines: the
// container-to-place test first, commissioning only once, then its assignment data.
#include "Behaelter_Test_Inventur.h"
#include "TDM_Torvik.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

class TestBehaelterTestInventur : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabelle_data() { ZAM_MotorenDaten(); }
    void tabelle()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TDM_Torvik dm({QStringLiteral("prog")});
        // BEH-0006: empty, unassigned, standing in BEH-0002.
        TZAM_Lagerort_Info beh;
        beh.LagerortId = TIntTrio(5, 0, 6);
        beh.Kennung = CZAM_Lagerort_Behaelter;
        const TIntTrio platz(1, 1, 1);
        const struct
        {
            const char* Name;
            const char* Aendern; // on the container's assignment row, else on its place row
            bool AlsInbetriebnahme;
            TIntTrio Ziel;
            const char* Meldung; // empty: accepted
        } faelle[] = {
            {"frei", nullptr, true, {}, ""},
            {"frei auf einen Platz", nullptr, true, platz, ""},
            {"Filiale 0", "filiale = 0", false, {}, "Behälter ist bereits einer Filiale zugeordnet!"},
            {"Einweg", "typ_id2 = 2", false, {}, "Ein Einwegbehälter kann nicht verwendet werden"},
            {"auf Transport", "auf_transport = 1", false, {}, "Behälter befindet sich auf Transport!"},
            {"WBS gedruckt", "wbs_gedruckt = 1", false, {}, "Warenbegleitschein gedruckt!"},
            {"WBS-Nummer", "wbs_liste2 = 7", false, {}, "Warenbegleitschein gedruckt!"},
            {"in Betrieb, Inbetriebnahme",
             "in_betrieb = 1",
             true,
             {},
             "Dieser Behälter ist bereits in Betrieb genommen."},
            {"in Betrieb, Inventur", "in_betrieb = 1", false, {}, ""},
            // The movement service's reason; commissioning is not asked any more.
            {"auf sich selbst", "in_betrieb = 1", true, beh.LagerortId,
             "Der Behälter 5-0-6 kann nicht auf 5-0-6 gestellt werden: das ist er selbst oder sein Inhalt."},
        };
        const QVariantList id{5, 0, 6};
        for (const auto& f : faelle) {
            db.Schreiben(QStringLiteral("UPDATE zam_behaelter SET filiale = -1, typ_id2 = 1, auf_transport = 0, "
                                        "wbs_gedruckt = 0, wbs_liste2 = 0 WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                         id);
            db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET in_betrieb = 0 WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                         id);
            if (f.Aendern) {
                const QString setzen = QString::fromLatin1(f.Aendern);
                const QString tabelle = setzen.startsWith(QStringLiteral("in_betrieb"))
                                            ? QStringLiteral("zam_lagerort")
                                            : QStringLiteral("zam_behaelter");
                db.Schreiben(
                    QStringLiteral("UPDATE %1 SET %2 WHERE id1 = ? AND id2 = ? AND id3 = ?").arg(tabelle, setzen), id);
            }
            QString meldung = QStringLiteral("alt");
            const bool ok = Behaelter_Test_Inventur(beh, f.Ziel, f.AlsInbetriebnahme, meldung);
            QVERIFY2(ok == (*f.Meldung == 0), f.Name);
            QCOMPARE(meldung, QString::fromUtf8(f.Meldung));
        }
    }
};

QTEST_MAIN(TestBehaelterTestInventur)
#include "tst_behaeltertestinventur.moc"

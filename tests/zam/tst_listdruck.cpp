// Goods slips: a container's list booked onto transport, stored and printed; the printer seam.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Druck.h"
#include "IZAM_ListDruckEditServer.h"
#include "TVRList.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckZiel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "TdmBeli.h"
#include "ZAMBestandsarten.h"

#include <QProcess>
#include <QTest>

namespace {

QString PdfText(const QString& ADatei)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ADatei, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestListDruck : public QObject
{
    Q_OBJECT

private slots:
    void containerAufTransport_data() { ZAM_MotorenDaten(); }
    // Goods in the container C and in C2 inside it, owned by branch 10, go to branch 20.
    void containerAufTransport()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TZAM_TestLager::Anlegen(db);
        TZAM_TestArtikel::Anlegen(db);
        const auto& schuh = TZAM_TestArtikel::A(TZAM_TestArtikel::Schuh);
        const auto& flasche = TZAM_TestArtikel::A(TZAM_TestArtikel::Flasche);
        const int gs = schuh.Groessen.first().Index, gf = flasche.Groessen.first().Index;
        TZAM_TestLager::Bestand(db, TZAM_TestLager::C2, schuh.Id(), gs, CZAM_ArtBestTyp_Frei, 3, 10);
        TZAM_TestLager::Bestand(db, TZAM_TestLager::C, flasche.Id(), gf, CZAM_ArtBestTyp_Frei, 2, 10);
        const auto vorher = TZAM_TestLager::Stand(db);

        auto s = Glob_WWSServerFactoryClass().Create<IZAM_ListDruckEditServer>();
        TIntPair erste;
        for (int runde = 0; runde < 2; ++runde) {
            bool etwas = false;
            QVERIFY(s->WBS_Vorbereiten(TZAM_TestLager::C, 20, 10, etwas));
            QCOMPARE(etwas, runde == 0);
            TIntPair nr;
            qint16 von = -1, an = -1;
            QString job, job2;
            TZAM_InfoMeldungListe meldungen;
            QVERIFY(s->WBS_Drucken(CZAM_ListDruck_WBS, CZAM_ListDruck_WBSOptionen, nr, von, an, job, job2, meldungen));
            if (runde == 1) {
                QVERIFY(job.isEmpty()); // nothing left: no job
                break;
            }
            erste = nr;
            QCOMPARE(nr.Id1, 10);
            QCOMPARE(von, qint16(10));
            QCOMPARE(an, qint16(20));
            QVERIFY(!job.isEmpty());

            const auto diff = TZAM_TestLager::Differenz(vorher, TZAM_TestLager::Stand(db));
            const QMap<QString, qint64> erwartet = {
                {TZAM_TestLager::B(TZAM_TestLager::C2, schuh.Id(), gs, CZAM_ArtBestTyp_Frei), -3},
                {TZAM_TestLager::B(TZAM_TestLager::C, flasche.Id(), gf, CZAM_ArtBestTyp_Frei), -2},
                {TZAM_TestLager::F(schuh.Id(), 10, CZAM_ArtBestTyp_Frei, gs), -3},
                {TZAM_TestLager::F(flasche.Id(), 10, CZAM_ArtBestTyp_Frei, gf), -2},
                {TZAM_TestLager::F(schuh.Id(), 20, CZAM_ArtBestTyp_Transport, gs), 3},
                {TZAM_TestLager::F(flasche.Id(), 20, CZAM_ArtBestTyp_Transport, gf), 2}};
            QCOMPARE(diff, erwartet);
            QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_wbs WHERE id1 = ? AND id2 = ? AND "
                                                 "von_filiale = 10 AND an_filiale = 20"),
                                  {nr.Id1, nr.Id2})
                         .toInt(),
                     1);
            QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_behaelter WHERE id1 = ? AND id2 = ? AND "
                                                 "id3 = ? AND auf_transport = 1 AND wbs_gedruckt = 1 AND "
                                                 "wbs_liste1 = ? AND wbs_liste2 = ?"),
                                  {TZAM_TestLager::C.Id1, TZAM_TestLager::C.Id2, TZAM_TestLager::C.Id3, nr.Id1, nr.Id2})
                         .toInt(),
                     1);

            const QList<TZAM_DruckErgebnis> pdf = TdmBeli::WBSDrucken(job, job2, 0, CZAM_Drucker_PDF);
            QCOMPARE(pdf.size(), 1);
            const QString text = PdfText(pdf.first().Datei);
            QVERIFY2(text.contains(QStringLiteral("Warenbegleitschein")), qPrintable(text));
            QVERIFY2(text.contains(TdmBeli::WBSBarcode(nr)), qPrintable(text));
            QVERIFY2(text.contains(TZAM_CodeForm::ArtNr_Text(schuh.Satz.ArtNr)), qPrintable(text));
        }
        // A second slip of the branch gets the next number.
        TZAM_TestLager::Bestand(db, TZAM_TestLager::P1, schuh.Id(), gs, CZAM_ArtBestTyp_Frei, 1, 10);
        bool etwas = false;
        QVERIFY(s->WBS_Vorbereiten(TZAM_TestLager::P1, 20, 10, etwas));
        TIntPair nr;
        qint16 von = -1, an = -1;
        QString job, job2;
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(s->WBS_Drucken(CZAM_ListDruck_WBS, CZAM_ListDruck_WBSOptionen, nr, von, an, job, job2, meldungen));
        QCOMPARE(nr, TIntPair(10, erste.Id2 + 1));
    }

    // Where a printer name goes with the machine's printers replaced.
    void druckerSeam()
    {
        const struct
        {
            QStringList Namen;
            QString Standard, Drucker;
            bool Moeglich;
        } faelle[] = {{{}, {}, QStringLiteral("X"), true},
                      {{QStringLiteral("A")}, {}, QStringLiteral("X"), false},
                      {{QStringLiteral("A")}, {}, QStringLiteral("a"), true},
                      {{QStringLiteral("A")}, QStringLiteral("A"), QStringLiteral("X"), true},
                      {{QStringLiteral("A")}, {}, CZAM_Drucker_PDF, true}};
        for (const auto& f : faelle) {
            TZAM_DruckZiel::SystemDruckerErsetzen([&] { return TZAM_DruckZiel::TSystemDrucker{f.Namen, f.Standard}; });
            QCOMPARE(TZAM_DruckZiel::Bestimmen(f.Drucker).Art != TZAM_DruckZiel::dzKeiner, f.Moeglich);
        }
        TZAM_DruckZiel::SystemDruckerErsetzen({});
    }
};

QTEST_MAIN(TestListDruck)
#include "tst_listdruck.moc"

// The booking of a pick on both engines: the rest of the article booked out with and without
// fulfilment in one bracket, a refused part that leaves nothing stored and the step as it was,
// and the pseudo container handing the pieces to the branch.
#include "TZAM_TestSchritte.h"

#include "TState_ArtikelScan.h"

#include <QTest>

class TestAbsortierung : public QObject
{
    Q_OBJECT

    TZAM_TestSchritte F;

    // Journal rows in order: quantity/correction kind; and how many brackets wrote them.
    QString Journal()
    {
        QStringList l;
        const TZAM_Zeilen z = F.Db().Lesen(QStringLiteral("SELECT menge, korrekturart FROM zam_bewegung ORDER BY id"));
        for (const QVariantList& r : z.Zeilen())
            l << QStringLiteral("%1/%2").arg(r.at(0).toInt()).arg(r.at(1).toInt());
        return l.join(u' ');
    }
    qint64 BF(int AFiliale)
    {
        return F.Wert(
            QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bf WHERE filiale = ? AND bestandsart = 1"),
            {AFiliale});
    }

private Q_SLOTS:
    void cleanup() { F.Beenden(); }

    void buchen_data() { ZAM_MotorenDaten(); }
    void buchen()
    {
        ZAM_MOTOR(m);
        struct TFall
        {
            const char* Name;
            bool Pseudo;
            int P3;   // more stock of branch 10 off the source
            int BF10; // branch 10's free stock set before the walk (-1: as stored)
            QString Tippen;
            bool Rest; // answered "Ja" to the rest question
            bool Ok;
            QString Stand; // P1, container P2, BF 10, BF 11, fulfilled, journal
        };
        const TFall faelle[] = {
            // Row 5, 2 found, place 6, warehouse 10: 2 to the container, 4 out without fulfilment.
            {"Rest, Lager reicht", false, 4, -1, "2", true, true, "0 2 6 0 2 2/0 4/62"},
            // Warehouse 1: 1 out without fulfilment, then 3 with it, which branch 10 no longer
            // holds: the whole booking is refused and nothing is stored.
            {"Rest, zweite Fehlmenge verweigert", false, 0, 1, "2", true, false, "6 0 1 0 0 "},
            // Nothing found at all: the place's 6 go out; the warehouse's stock was enough for the
            // task, so none of them fulfils it and it stays open for other places.
            {"Rest ohne Fund", false, 0, -1, "", true, true, "0 0 0 0 0 6/62"},
            {"Pseudobehälter", true, 0, -1, "5", false, true, "1 0 1 5 5 5/21"},
        };
        for (const TFall& f : faelle) {
            F.Starten(m);
            TZAM_TestLager::Bestand(F.Db(), TZAM_TestLager::P1, F.Schuh, 1, 1, 6, 10);
            if (f.P3 > 0)
                TZAM_TestLager::Bestand(F.Db(), TZAM_TestLager::P3, F.Schuh, 1, 1, f.P3, 10);
            if (f.BF10 >= 0)
                F.Db().Schreiben(QStringLiteral("UPDATE zam_bf SET menge = ? WHERE filiale = 10"), {f.BF10});
            TZAM_TestAufgaben::Nachsortierung(F.Db(), 1, F.Schuh, 1, 5);
            TQIV_ZPMDE_Nachsort_KomBeh kb;
            kb.Kommissionierbehaelter = f.Pseudo ? CMaxIntTrio : TZAM_TestLager::P2;
            kb.KomBehBez = f.Pseudo ? QStringLiteral("Ohne WBS") : QStringLiteral("VBS 2");
            kb.KomBehVonLag = 1;
            kb.KomBehAnFil = 11;
            F.Liste(kb);
            F.OrtScan(TZAM_TestLager::P1);
            F.ArtikelScan(F.Schuh, 1);
            QCOMPARE(F.State(), QStringLiteral("TState_MengeEingeben"));
            F.Tippen(f.Tippen);
            if (f.Tippen.isEmpty()) {
                // Reported missing from the article step.
                F.Maske->ChangeState(StateKlasse<TState_ArtikelScan>());
                F.Maske->AktState()->BtnArtNichtGefundenClick();
                QVERIFY(F.Frage());
                F.Klicken("btnJa");
            } else if (f.Rest) {
                F.Maske->AktState()->btnBuchenClick();
                QVERIFY(F.Frage());
                QCOMPARE(F.FrageText(),
                         QStringLiteral("Sie haben Artikel\n%1 in Gr. %2\n%3 mal anstatt 5 mal gefunden.\n\nSoll der "
                                        "Restbestand (%4)\ndes Artikels auf dem Lagerplatz\nausgebucht werden?")
                             .arg(F.Aufgabe()->GiveString(11), F.Aufgabe()->GiveString(22), f.Tippen)
                             .arg(6 - f.Tippen.toInt()));
                F.Klicken("btnJa");
            } else
                F.Maske->AktState()->KeyEnter();
            const QString stand = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                      .arg(F.Bestand(TZAM_TestLager::P1))
                                      .arg(F.Bestand(TZAM_TestLager::P2))
                                      .arg(BF(10))
                                      .arg(BF(11))
                                      .arg(F.Erfuellt(1))
                                      .arg(Journal());
            QVERIFY2(stand == f.Stand, qPrintable(QString::fromUtf8(f.Name) + QStringLiteral(": ") + stand));
            QCOMPARE(F.Wert(QStringLiteral("SELECT COUNT(DISTINCT prot_id3) FROM zam_bewegung")), f.Ok ? 1 : 0);
            // Refused: the reasons as warning, the step, the task and the place as they were.
            QCOMPARE(F.Aufgabe()->FGesperrteAufgabe.Defined(), !f.Ok);
            QCOMPARE(F.VonPlatz()->FGesperrterVonLP.Defined(), !f.Ok);
            if (!f.Ok) {
                QCOMPARE(F.State(), QStringLiteral("TState_MengeEingeben"));
                bool lang = false, warnung = false;
                QVERIFY(!F.Maske->FussTipLesen(lang, warnung).isEmpty());
                QVERIFY(warnung);
            }
            F.Beenden();
        }
    }
};

QTEST_MAIN(TestAbsortierung)
#include "tst_absortierung.moc"

// Deleting a task: the checks refuse open and fulfilled tasks as asked, and a deleted task leaves
// no row behind in any task file, nor its kept status or its lock.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"

#include <QTest>

class TestAufgabeLoeschen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_AufgabenEditServer> FServer;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    // Rows naming the task: header, execution, fulfilments, kept status.
    QList<int> Zeilen(const TIntTrio& AId)
    {
        const QVariantList id{AId.Id1, AId.Id2, AId.Id3};
        QList<int> n;
        for (const char* sql : {"SELECT COUNT(*) FROM zam_auko WHERE id1 = ? AND id2 = ? AND id3 = ?",
                                "SELECT COUNT(*) FROM zam_auae WHERE auf_id1 = ? AND auf_id2 = ? AND auf_id3 = ?",
                                "SELECT COUNT(*) FROM zam_aufgabe_erfuellung WHERE auf_id1 = ? AND auf_id2 = ? AND "
                                "auf_id3 = ?",
                                "SELECT COUNT(*) FROM zam_aufgabe_sperrstatus WHERE id1 = ? AND id2 = ? AND id3 = ?"})
            n << Db().LesenWert(QString::fromLatin1(sql), id).toInt();
        return n;
    }

private Q_SLOTS:
    void cleanup()
    {
        FServer.reset();
        FUmg.reset();
    }

    void pruefungenUndReste_data() { ZAM_MotorenDaten(); }
    void pruefungenUndReste()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        CommonLock().SetBenutzer(TIntPair(7, 8), QStringLiteral("Tester"));
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
        QVERIFY(FServer);
        const TIntTrio offen{1, 1, 1}, fertig{1, 1, 2}, nachbar{1, 1, 3};
        for (const auto& [id, status] : {std::pair{offen, 2}, std::pair{fertig, 5}, std::pair{nachbar, 5}}) {
            TZAM_TestAufgabe a;
            a.Id = id;
            a.Status = status;
            a.Menge = 2;
            TZAM_TestAufgaben::Anlegen(Db(), a);
            TZAM_TestAufgaben::Erfuellung(Db(), id, 1);
        }
        // The finished task is locked with a status kept under the lock.
        QString halter;
        QDateTime seit;
        QVERIFY(FServer->Aufgabe_Sperren(fertig, halter, seit));
        QVERIFY(FServer->Aufgabe_StatusUnterSperreSetzen(fertig, 8));
        QCOMPARE(Zeilen(fertig), (QList<int>{1, 1, 1, 1}));

        const int ohneErfuellung = CZAM_Aufgabe_LoeschPruefungen_Alle & ~CZAM_Aufgabe_LoeschPruefung_OhneErfuellung;
        const struct
        {
            TIntTrio Id;
            int Pruefungen;
            bool Ergebnis;
        } faelle[] = {
            {offen, ohneErfuellung, false},                      // still open
            {fertig, CZAM_Aufgabe_LoeschPruefungen_Alle, false}, // fulfilled
            {fertig, ohneErfuellung, true},
            {fertig, ohneErfuellung, false}, // gone already
            {{9, 9, 9}, 0, false},
        };
        for (const auto& f : faelle)
            QVERIFY2(FServer->Aufgabe_Loeschen(f.Id, f.Pruefungen) == f.Ergebnis, qPrintable(f.Id.ToText()));
        QCOMPARE(Zeilen(offen), (QList<int>{1, 1, 1, 0}));
        QCOMPARE(Zeilen(fertig), (QList<int>{0, 0, 0, 0}));
        QCOMPARE(Zeilen(nachbar), (QList<int>{1, 1, 1, 0}));
        QVERIFY(!FServer->Aufgabe_Gesperrt(fertig));
    }
};

QTEST_MAIN(TestAufgabeLoeschen)
#include "tst_aufgabeloeschen.moc"

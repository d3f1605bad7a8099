// Urgent sales-floor requests on the handheld: the check asks only when urgent hand-store tasks
// are open, a "no" postpones within the option's bounds, a "yes" asks for the trolley's place and
// runs the second instance (a fake here) with the user and the lock family, and the closing
// message names the place.
#include "TDM_Torvik.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestEilanforderung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;
    QStringList FKindArgumente;
    QProcessEnvironment FKindUmgebung;
    bool FKindStartet = true;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    QString Text() { return FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(); }
    void Klicken(const QString& AName)
    {
        QTest::mouseClick(FMaske->findChild<QPushButton*>(AName), Qt::LeftButton);
    }
    bool Offen() { return FMaske->pnlSicherheitsAbfrage->isVisible(); }

private Q_SLOTS:
    void init()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FUmg->DemoAnlegen();
        // One urgent reason with an open hand-store task of warehouse 1; the demo's own reasons
        // are set aside.
        Db().Schreiben(QStringLiteral("DELETE FROM zam_grund"));
        // The data module reads the reasons once (the menu's count already does): a test without
        // an urgent reason has it from the start.
        const bool dringend = qstrcmp(QTest::currentTestFunction(), "ohneDringendenGrundKeineFrage") != 0;
        Db().Schreiben(QStringLiteral("INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, "
                                      "prio_signal) VALUES ('HAG', 7, 9, 1, 'Regal leer', 1, ?)"),
                       {dringend ? 1 : 0});
        TZAM_TestAufgabe hl;
        hl.Id = {9, 9, 1};
        hl.Art = CZAM_Aufgabe_Art_Handlager;
        hl.Geschaeftsvorfall = CZAM_Aufgabe_GV_Handlager;
        hl.ExtKennung = 0;
        hl.ExtId = {};
        hl.Grund = {7, 9, 1};
        TZAM_TestAufgaben::Anlegen(Db(), hl);

        FKindArgumente.clear();
        FKindStartet = true;
        TfrmMDE::UmlagHLPrio_KindStarter() = [this](const QString&, const QStringList& AArgumente,
                                                    const QProcessEnvironment& AUmgebung, QString& AFehler) {
            FKindArgumente = AArgumente;
            FKindUmgebung = AUmgebung;
            AFehler = QStringLiteral("Programm nicht gefunden");
            return FKindStartet;
        };
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtBenutzer"))->setText(QStringLiteral("anna"));
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtPasswort"))->setText(QStringLiteral("anna1234"));
        Klicken(QStringLiteral("btnAnmelden"));
        QTRY_VERIFY(IntPairDefined(FDM->FBenutzer));
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    void aufschub()
    {
        // 10 seconds with the bounds 20 and 100: 20, 40, 80, 100, 100.
        int ms = 10000;
        QList<int> folge;
        for (int i = 0; i < 5; ++i)
            folge << (ms = TfrmMDE::UmlagHLPrio_Aufschub(ms, 20, 100)) / 1000;
        QCOMPARE(folge, (QList<int>{20, 40, 80, 100, 100}));
    }

    void ohneDringendenGrundKeineFrage()
    {
        FMaske->tiUmlagHLPrioTimer();
        QVERIFY(!Offen());
        QVERIFY(FMaske->tiUmlagHLPrio->isActive());
    }

    void frageLagerplatzUndKind()
    {
        FMaske->tiUmlagHLPrioTimer();
        QVERIFY(Offen());
        QCOMPARE(Text(), QStringLiteral("Es gibt eilige\nVerkaufsraumanforderungen:\n- Regal leer\n\nWollen Sie "
                                        "diese jetzt bearbeiten?"));
        Klicken(QStringLiteral("btnNein"));
        QCOMPARE(FMaske->tiUmlagHLPrio->interval(), 20000);
        QVERIFY(FMaske->tiUmlagHLPrio->isActive());

        FMaske->tiUmlagHLPrioTimer();
        Klicken(QStringLiteral("btnJa"));
        QVERIFY(Text().startsWith(QStringLiteral("Bitte scannen Sie\neinen Lagerplatz")));
        QCOMPARE(FMaske->findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), QStringLiteral("Nein danke."));
        // No place: the warning, and the question again.
        ZAM_Scannen(FMaske.get(), QStringLiteral("0000900009000090000000"));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), QStringList{QStringLiteral("Unbekannter Lagerort!")});
        QVERIFY(Text().startsWith(QStringLiteral("Bitte scannen Sie")));
        QVERIFY(FKindArgumente.isEmpty());
        ZAM_Scannen(FMaske.get(), QStringLiteral("0000100000100000100000"));
        QTRY_VERIFY(!FKindArgumente.isEmpty());
        QCOMPARE(FKindArgumente.mid(0, 2), (QStringList{QStringLiteral("-mde"), QStringLiteral("-UmlagHLPrio")}));
        QCOMPARE(FKindArgumente.value(2), QStringLiteral("USEREXTERN=") + FDM->FBenutzer.ToTextUnformatted(9));
        QVERIFY(FKindUmgebung.value(QStringLiteral("ZAM_ELTERN_SITZUNG")).toLongLong() > 0);
        QTRY_VERIFY(Text().contains(QStringLiteral("Ihr Wagen steht\nin der Nähe von\nA-01-01")));
        QCOMPARE(FMaske->tiUmlagHLPrio->interval(), 10000);
        Klicken(QStringLiteral("btnOK"));
        // The place stays remembered: the next "yes" starts at once.
        FKindArgumente.clear();
        FMaske->tiUmlagHLPrioTimer();
        Klicken(QStringLiteral("btnJa"));
        QTRY_VERIFY(!FKindArgumente.isEmpty());
    }

    void kindStartetNicht()
    {
        FKindStartet = false;
        FMaske->tiUmlagHLPrioTimer();
        Klicken(QStringLiteral("btnJa"));
        Klicken(QStringLiteral("btnOK")); // "Nein danke.": no place
        QTRY_VERIFY(Text().contains(QStringLiteral("konnten nicht gestartet werden")));
        QVERIFY(Text().contains(QStringLiteral("Programm nicht gefunden")));
        QVERIFY(FMaske->isEnabled());
    }
};

QTEST_MAIN(TestEilanforderung)
#include "tst_eilanforderung.moc"

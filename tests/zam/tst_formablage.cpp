// Stored form lists per mask, key and index, the default set, and the printer configuration.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DruckerKonfig.h"
#include "IZAM_FormStoreServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {
const TZAM_FormName CConfig{QStringLiteral("CONFIG"), QStringLiteral("VELTOB"), QStringLiteral("DEU")};
const TZAM_FormName CConfMde{QStringLiteral("CONFMDE"), QStringLiteral("VELTOB"), QStringLiteral("DEU")};
const QString CIndex = QStringLiteral("0");

} // namespace

class TestFormablage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_FormStoreServer> FStore;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FStore = Glob_WWSServerFactoryClass().Create<IZAM_FormStoreServer>();
    }

private Q_SLOTS:
    void cleanup()
    {
        FStore.reset();
        FUmg.reset();
    }

    void zeilenJeSchluesselUndIndex_data() { ZAM_MotorenDaten(); }
    void zeilenJeSchluesselUndIndex()
    {
        ZAM_MOTOR(m);
        Starten(m);
        // More than nine lines: their order is the written order, not text order.
        QStringList zeilen;
        for (int i = 0; i < 12; ++i)
            zeilen << QStringLiteral("K%1=%2").arg(i).arg(i * 10);
        zeilen << QStringLiteral("Praefix=") << QStringLiteral("Text=a=b; 'c' \"d\" Größe") << QString()
               << QStringLiteral("  eingerückt  ");
        FStore->Schreiben(CConfig, QStringLiteral("TERM1"), QStringLiteral("Optionen"), CIndex, zeilen);

        QVERIFY(FStore->Vorhanden(CConfig, QStringLiteral("TERM1"), CIndex));
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("TERM1"), CIndex), zeilen);
        // Another index, key, mask or language is another set.
        QVERIFY(!FStore->Vorhanden(CConfig, QStringLiteral("TERM1"), QStringLiteral("1")));
        QVERIFY(!FStore->Vorhanden(CConfig, QStringLiteral("TERM2"), CIndex));
        QVERIFY(!FStore->Vorhanden(CConfMde, QStringLiteral("TERM1"), CIndex));
        QVERIFY(!FStore->Vorhanden({CConfig.Maske, CConfig.Programm, QStringLiteral("ENG")}, QStringLiteral("TERM1"),
                                   CIndex));
        QVERIFY(FStore->Lesen(CConfMde, QStringLiteral("TERM1"), CIndex).isEmpty());

        FStore->Schreiben(CConfMde, QStringLiteral("TERM1"), QStringLiteral("MDE"), CIndex, {QStringLiteral("A=1")});
        QCOMPARE(FStore->Lesen(CConfMde, QStringLiteral("TERM1"), CIndex), QStringList{QStringLiteral("A=1")});
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("TERM1"), CIndex), zeilen);
    }

    void standardsatzOhneStillenRueckfall_data() { ZAM_MotorenDaten(); }
    void standardsatzOhneStillenRueckfall()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QVERIFY(!FStore->Vorhanden(CConfig, CZAM_FormStore_Standard, CIndex));
        FStore->Schreiben(CConfig, CZAM_FormStore_Standard, QStringLiteral("Standard"), CIndex,
                          {QStringLiteral("AktFil=1")});
        QVERIFY(FStore->Vorhanden(CConfig, CZAM_FormStore_Standard, CIndex));
        QCOMPARE(FStore->Lesen(CConfig, CZAM_FormStore_Standard, CIndex), QStringList{QStringLiteral("AktFil=1")});
        // The caller decides when the default set applies: a terminal without entries has none.
        QVERIFY(!FStore->Vorhanden(CConfig, QStringLiteral("TERM9"), CIndex));
        QVERIFY(FStore->Lesen(CConfig, QStringLiteral("TERM9"), CIndex).isEmpty());
    }

    void ueberschreibenErsetztDenSatz_data() { ZAM_MotorenDaten(); }
    void ueberschreibenErsetztDenSatz()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FStore->Schreiben(CConfig, QStringLiteral("T"), QStringLiteral("alt"), CIndex,
                          {QStringLiteral("A=1"), QStringLiteral("B=2"), QStringLiteral("C=3")});
        FStore->Schreiben(CConfig, QStringLiteral("T"), QStringLiteral("neu"), CIndex, {QStringLiteral("B=5")});
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("T"), CIndex), QStringList{QStringLiteral("B=5")});
        // The name is the one of the last write.
        QCOMPARE(FUmg->Backend().Datenbank().LesenWert(
                     QStringLiteral("SELECT MIN(name) FROM zam_formstore WHERE schluessel = 'T'")),
                 QVariant(QStringLiteral("neu")));
        FStore->Schreiben(CConfig, QStringLiteral("T"), QStringLiteral("neu"), CIndex, {});
        QVERIFY(!FStore->Vorhanden(CConfig, QStringLiteral("T"), CIndex));
    }

    void keinHalberSatzInAufgegebenerBuchung_data() { ZAM_MotorenDaten(); }
    void keinHalberSatzInAufgegebenerBuchung()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FStore->Schreiben(CConfig, QStringLiteral("T"), QString(), CIndex, {QStringLiteral("A=1")});
        // Inside an open bracket the set belongs to the booking: cancelled with it.
        ZAMBuchung().Oeffnen(1, QStringLiteral("aussen"));
        FStore->Schreiben(CConfig, QStringLiteral("T"), QString(), CIndex, {QStringLiteral("A=2")});
        ZAMBuchung().Abbrechen();
        ZAMBuchung().Schliessen(QStringLiteral("aussen"));
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("T"), CIndex), QStringList{QStringLiteral("A=1")});

        // An abandoned bracket refuses the write instead of committing it on its own.
        ZAMBuchung().Oeffnen(1, QStringLiteral("aussen"));
        ZAMBuchung().Oeffnen(1, QStringLiteral("innen"));
        ZAMBuchung().Aufgeben(1);
        QCOMPARE(Fehler([&] {
                     FStore->Schreiben(CConfig, QStringLiteral("T"), QString(), CIndex,
                                       {QStringLiteral("A=3"), QStringLiteral("B=3")});
                 }),
                 CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("aussen")); }),
                 CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("T"), CIndex), QStringList{QStringLiteral("A=1")});
        // Afterwards it writes again.
        FStore->Schreiben(CConfig, QStringLiteral("T"), QString(), CIndex, {QStringLiteral("A=4")});
        QCOMPARE(FStore->Lesen(CConfig, QStringLiteral("T"), CIndex), QStringList{QStringLiteral("A=4")});
    }

    void druckerJeTyp_data() { ZAM_MotorenDaten(); }
    void druckerJeTyp()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto d = Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>();
        QVERIFY(d->Drucker().isEmpty());
        QCOMPARE(d->DruckerFuerTyp(0), QString());
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        TZAM_DruckerKonfigSql::Anlegen(db, {1, QStringLiteral("Etiketten B")});
        TZAM_DruckerKonfigSql::Anlegen(db, {0, QStringLiteral("PDF")});
        TZAM_DruckerKonfigSql::Anlegen(db, {1, QStringLiteral("Etiketten A")});
        QCOMPARE(d->DruckerFuerTyp(0), QStringLiteral("PDF"));
        QCOMPARE(d->DruckerFuerTyp(1), QStringLiteral("Etiketten B")); // the first one entered
        QCOMPARE(d->DruckerFuerTyp(7), QString());
        const QList<TZAM_Drucker> alle = d->Drucker();
        QCOMPARE(alle.size(), 3);
        QCOMPARE(alle.at(0).Name, QStringLiteral("PDF"));
        QCOMPARE(alle.at(1).Name, QStringLiteral("Etiketten B"));
        QCOMPARE(alle.at(2).Typ, 1);
    }
};

QTEST_MAIN(TestFormablage)
#include "tst_formablage.moc"

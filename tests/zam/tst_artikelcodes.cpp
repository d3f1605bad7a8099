// Assigning GTINs to article sizes with the barcode manager, on both engines: stored and found by
// the next scan, refused with its reason, nothing booked twice, and two devices racing for a code.
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_ArtBarcodeMani.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {
using TA = TZAM_TestArtikel;

const QString CNeu = TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000055"));
const QString CNeu2 = TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000066"));

// The article size a code stands for, as the next scan finds it; size -1 for none.
QPair<TInt32Trio, int> Gescannt(const QString& ACode)
{
    TQIV_ArtvLesenTools leser;
    TZAM_ArtikelScanListe liste;
    if (!leser.Artikel_4_Text(ACode, 0, liste))
        return {TInt32Trio(), -1};
    return {liste.Eintraege.at(0).ProduktId, liste.Eintraege.at(0).GroessenIndex};
}
} // namespace

class TestArtikelcodes : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TA::Anlegen(FUmg->Backend().Datenbank());
    }
    int Anzahl(const QString& ATabelle)
    {
        return FUmg->Backend().Datenbank().LesenWert(QStringLiteral("SELECT COUNT(*) FROM ") + ATabelle).toInt();
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void zuordnungWirdGefunden_data() { ZAM_MotorenDaten(); }
    void zuordnungWirdGefunden()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const TInt32Trio hemd = TA::Hemd().Satz.ProduktId;
        QCOMPARE(Gescannt(CNeu).second, -1);
        TZAM_ArtBarcodeMani mani;
        QVERIFY(mani.Lesen4Buchen(hemd));
        QVERIFY(mani.Barcodes(2).AddBarcode(CNeu));
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(mani.Validate(meldungen));
        QVERIFY(mani.Buchen(false, &meldungen));
        QCOMPARE(Gescannt(CNeu).second, -1); // the test books nothing
        QVERIFY(mani.Buchen(true, &meldungen));
        QCOMPARE(meldungen.Meldungen_Anz_Get(), 0);
        QCOMPARE(Gescannt(CNeu), qMakePair(hemd, 2));
        QCOMPARE(FUmg->Backend().Datenbank().LesenWert(QStringLiteral("SELECT operationsart FROM zam_buchung")).toInt(),
                 TZAM_ArtBarcodeMani::COperationsArt);

        // Stored in the database: another program finds it, and the manager reads it for that size.
        FUmg->Neustart();
        QCOMPARE(Gescannt(CNeu), qMakePair(hemd, 2));
        TZAM_ArtBarcodeMani neu;
        QVERIFY(neu.Lesen4Buchen(hemd));
        QVERIFY(neu.Barcodes(2).BarCode_IsIn(CNeu) && !neu.Barcodes(1).BarCode_IsIn(CNeu));
        QVERIFY(neu.Barcodes(1).BarCode_IsIn(TA::Gtins().at(2).Code));
        QVERIFY(!neu.Lesen4Buchen(TInt32Trio(7, 99, 0)));
    }

    void vorhandenerCodeBuchtNichts_data() { ZAM_MotorenDaten(); }
    void vorhandenerCodeBuchtNichts()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const TZAM_ArtikelCode& vorhanden = TA::Gtins().at(0);
        const int codes = Anzahl(QStringLiteral("zam_artikel_code"));
        TZAM_ArtBarcodeMani mani;
        QVERIFY(mani.Lesen4Buchen(vorhanden.ProduktId));
        QVERIFY(mani.Barcodes(vorhanden.GroessenIndex).BarCode_IsIn(vorhanden.Code));
        QVERIFY(!mani.Barcodes(vorhanden.GroessenIndex).AddBarcode(vorhanden.Code));
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(mani.Validate(meldungen));
        QVERIFY(mani.Buchen(true, &meldungen));
        QCOMPARE(Anzahl(QStringLiteral("zam_buchung")), 0);
        QCOMPARE(Anzahl(QStringLiteral("zam_artikel_code")), codes);
    }

    void verweigertMitGrund_data() { ZAM_MotorenDaten(); }
    void verweigertMitGrund()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QString falschePruefziffer = CNeu;
        falschePruefziffer.back() = QChar(u'0' + (CNeu.back().digitValue() + 1) % 10);
        const TA::TArtikel& schuh = TA::Schuh();
        const struct
        {
            QString Code;
            int Groesse;
            TInfoKoord Grund;
            bool Gespeichert; // stored for another article size: the booking's test refuses it too
        } faelle[] = {
            {TZAM_CodeForm::Etikett(schuh.Satz.ArtNr, 40), 1, CZAM_Info_Artv_KeinGtin, true},
            {falschePruefziffer, 1, CZAM_Info_Artv_KeinGtin, false},
            {CNeu, 7, CZAM_Info_Artv_GroesseFehlt, false},
            {TA::Gtins().at(2).Code, 1, CZAM_Info_Artv_CodeVergeben, true}, // the shirt's
            {TA::Gtins().at(0).Code, 1, CZAM_Info_Artv_CodeVergeben, true}, // this article's size 2
        };
        const int codes = Anzahl(QStringLiteral("zam_artikel_code"));
        for (const auto& f : faelle) {
            TZAM_ArtBarcodeMani mani;
            QVERIFY(mani.Lesen4Buchen(schuh.Satz.ProduktId));
            QVERIFY(mani.Barcodes(f.Groesse).AddBarcode(f.Code));
            TZAM_InfoMeldungListe meldungen;
            QVERIFY2(!mani.Validate(meldungen), qPrintable(f.Code));
            QCOMPARE(meldungen.Meldungen_Anz_Get(), 1);
            QCOMPARE(meldungen.Eintraege().at(0).Koord, f.Grund);
            QVERIFY(meldungen.Meldung_Text(0).contains(f.Code));
            meldungen.Clear();
            QCOMPARE(mani.Buchen(false, &meldungen), !f.Gespeichert);
        }
        QCOMPARE(Anzahl(QStringLiteral("zam_artikel_code")), codes);
        QCOMPARE(Anzahl(QStringLiteral("zam_buchung")), 0);

        // A booking of its own: inside another bracket it refuses and leaves that bracket alone.
        TZAM_ArtBarcodeMani mani;
        mani.Lesen4Buchen(schuh.Satz.ProduktId);
        mani.Barcodes(1).AddBarcode(CNeu);
        ZAMBuchung().Oeffnen(1, QStringLiteral("aussen"));
        QCOMPARE(Fehler([&] { mani.Buchen(true); }), CZAM_Info_Fehler_Standard_IllegalerParameter);
        ZAMBuchung().Schliessen(QStringLiteral("aussen"));
        QCOMPARE(Gescannt(CNeu).second, -1);
    }

    // Both devices validate the same free code for different article sizes; the one that books
    // second gets false with the reason, and none of its codes is stored.
    void zweiGeraeteEinCode_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<bool>("helferZuerst");
        for (int motor : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)})
            for (bool helfer : {true, false})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2 bucht zuerst")
                                             .arg(motor == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres")
                                             .arg(helfer ? "Helfer" : "Test")))
                    << motor << helfer;
    }
    void zweiGeraeteEinCode()
    {
        ZAM_MOTOR(m);
        QFETCH(bool, helferZuerst);
        Starten(m);
        const TInt32Trio hemd = TA::Hemd().Satz.ProduktId, schuh = TA::Schuh().Satz.ProduktId;
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());

        QCOMPARE(helfer.Befehl(QStringLiteral("code-pruefen %1 1 %2").arg(hemd.ToText(), CNeu)), QStringLiteral("1"));
        TZAM_ArtBarcodeMani mani;
        QVERIFY(mani.Lesen4Buchen(schuh));
        mani.Barcodes(3).AddBarcode(CNeu2); // free, but must not be stored without the other
        mani.Barcodes(3).AddBarcode(CNeu);
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(mani.Validate(meldungen));

        bool gebucht = false;
        if (helferZuerst) {
            QCOMPARE(helfer.Befehl(QStringLiteral("code-buchen")), QStringLiteral("1"));
            QVERIFY(TZAM_Hausregel::OhneBusy("test.Buchen", [&] { gebucht = mani.Buchen(true, &meldungen); }));
            QVERIFY(!gebucht);
            QCOMPARE(meldungen.Meldungen_Anz_Get(), 1);
            QCOMPARE(meldungen.Eintraege().at(0).Koord, CZAM_Info_Artv_CodeSoebenVergeben);
            QCOMPARE(Gescannt(CNeu), qMakePair(hemd, 1));
            QCOMPARE(Gescannt(CNeu2).second, -1);
        } else {
            QVERIFY(TZAM_Hausregel::OhneBusy("test.Buchen", [&] { gebucht = mani.Buchen(true, &meldungen); }));
            QVERIFY(gebucht);
            const QString antwort = helfer.Befehl(QStringLiteral("code-buchen"));
            QVERIFY2(antwort.startsWith(QStringLiteral("0 ")) && antwort.contains(CNeu), qPrintable(antwort));
            QCOMPARE(Gescannt(CNeu), qMakePair(schuh, 3));
            QCOMPARE(Gescannt(CNeu2), qMakePair(schuh, 3));
        }
        QCOMPARE(FUmg->Backend()
                     .Datenbank()
                     .LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_code WHERE code = ?"), {CNeu})
                     .toInt(),
                 1);
        QVERIFY(!ZAMBuchung().IstOffen());
    }
};

QTEST_MAIN(TestArtikelcodes)
#include "tst_artikelcodes.moc"

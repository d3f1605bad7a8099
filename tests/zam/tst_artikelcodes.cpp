// Assigning GTINs to article sizes with the barcode manager, on both engines: stored and found by
// the next scan, nothing booked for a code the size has, refusals with their reason, and two
// programs racing for one code.
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

// The article size the next scan of a code finds; size -1 for none.
QPair<TInt32Trio, int> Gescannt(const QString& ACode)
{
    TZAM_ArtikelScanListe l;
    if (!TQIV_ArtvLesenTools().Artikel_4_Text(ACode, 0, l))
        return {TInt32Trio(), -1};
    return {l.Eintraege.at(0).ProduktId, l.Eintraege.at(0).GroessenIndex};
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
    int Buchungen()
    {
        return FUmg->Backend().Datenbank().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_buchung")).toInt();
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void zuordnungWirdGefunden_data() { ZAM_MotorenDaten(); }
    void zuordnungWirdGefunden()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const TZAM_ArtikelCode& upc = TA::Gtins().at(2);
        TZAM_ArtBarcodeMani mani;
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(mani.Lesen4Buchen(upc.ProduktId) && !mani.Lesen4Buchen(TInt32Trio(7, 99, 0)));
        QVERIFY(mani.Lesen4Buchen(upc.ProduktId));
        // A code the size has is not added again, and nothing is booked.
        QVERIFY(mani.Barcodes(upc.GroessenIndex).BarCode_IsIn(upc.Code));
        QVERIFY(!mani.Barcodes(upc.GroessenIndex).AddBarcode(upc.Code));
        QVERIFY(mani.Validate(meldungen) && mani.Buchen(true, &meldungen));
        QCOMPARE(Buchungen(), 0);

        QVERIFY(mani.Barcodes(2).AddBarcode(CNeu));
        QVERIFY(mani.Validate(meldungen) && mani.Buchen(false, &meldungen));
        QCOMPARE(Gescannt(CNeu).second, -1); // the test books nothing
        QVERIFY(mani.Buchen(true, &meldungen) && meldungen.Meldungen_Anz_Get() == 0);
        QCOMPARE(Gescannt(CNeu), qMakePair(upc.ProduktId, 2));
        QCOMPARE(FUmg->Backend().Datenbank().LesenWert(QStringLiteral("SELECT operationsart FROM zam_buchung")).toInt(),
                 TZAM_ArtBarcodeMani::COperationsArt);
    }

    void verweigertMitGrund_data() { ZAM_MotorenDaten(); }
    void verweigertMitGrund()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const struct
        {
            QString Code;
            int Groesse;
            TInfoKoord Grund;
        } faelle[] = {
            {TZAM_CodeForm::Etikett(4711, 40), 1, CZAM_Info_Artv_KeinGtin}, // the size's own label
            {CNeu, 7, CZAM_Info_Artv_GroesseFehlt},
            {TA::Gtins().at(2).Code, 1, CZAM_Info_Artv_CodeVergeben}, // the shirt's
            {TA::Gtins().at(0).Code, 1, CZAM_Info_Artv_CodeVergeben}, // this article's size 2
        };
        for (const auto& f : faelle) {
            TZAM_ArtBarcodeMani mani;
            TZAM_InfoMeldungListe meldungen;
            mani.Lesen4Buchen(TA::A(TA::Schuh).Id());
            QVERIFY(mani.Barcodes(f.Groesse).AddBarcode(f.Code));
            QVERIFY2(!mani.Validate(meldungen) && meldungen.Meldungen_Anz_Get() == 1, qPrintable(f.Code));
            QVERIFY(meldungen.Eintraege().at(0).Koord == f.Grund && meldungen.Meldung_Text(0).contains(f.Code));
        }
        // A booking of its own: inside another bracket it refuses and leaves that bracket alone.
        TZAM_ArtBarcodeMani mani;
        mani.Lesen4Buchen(TA::A(TA::Schuh).Id());
        mani.Barcodes(1).AddBarcode(CNeu);
        ZAMBuchung().Oeffnen(1, QStringLiteral("aussen"));
        QCOMPARE(Fehler([&] { mani.Buchen(true); }), CZAM_Info_Fehler_Standard_IllegalerParameter);
        ZAMBuchung().Schliessen(QStringLiteral("aussen"));
        QCOMPARE(Gescannt(CNeu).second, -1);
    }

    // Both programs validate one free code for different article sizes; the one that books second
    // gets false with the reason, and none of its codes is stored.
    void zweiProgrammeEinCode_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<bool>("helferZuerst");
        for (int motor : {0, 1})
            for (bool helfer : {true, false})
                QTest::addRow("%s, %s zuerst", motor ? "postgres" : "sqlite", helfer ? "Helfer" : "Test")
                    << (motor ? int(TZAM_TestUmgebung::tmPostgres) : int(TZAM_TestUmgebung::tmSQLite)) << helfer;
    }
    void zweiProgrammeEinCode()
    {
        ZAM_MOTOR(m);
        QFETCH(bool, helferZuerst);
        Starten(m);
        const TInt32Trio hemd = TA::A(TA::Hemd).Id(), schuh = TA::A(TA::Schuh).Id();
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        QCOMPARE(helfer.Befehl(QStringLiteral("code-pruefen %1 1 %2").arg(hemd.ToText(), CNeu)), QStringLiteral("1"));
        TZAM_ArtBarcodeMani mani;
        TZAM_InfoMeldungListe meldungen;
        mani.Lesen4Buchen(schuh);
        mani.Barcodes(3).AddBarcode(CNeu2); // free, but stored only together with the other
        mani.Barcodes(3).AddBarcode(CNeu);
        QVERIFY(mani.Validate(meldungen));

        bool gebucht = false;
        const auto buchen = [&] { gebucht = mani.Buchen(true, &meldungen); };
        if (helferZuerst) {
            QCOMPARE(helfer.Befehl(QStringLiteral("code-buchen")), QStringLiteral("1"));
            QVERIFY(TZAM_Hausregel::OhneBusy("test.Buchen", buchen) && !gebucht);
            QVERIFY(meldungen.Meldungen_Anz_Get() == 1 &&
                    meldungen.Eintraege().at(0).Koord == CZAM_Info_Artv_CodeSoebenVergeben);
        } else {
            QVERIFY(TZAM_Hausregel::OhneBusy("test.Buchen", buchen) && gebucht);
            const QString antwort = helfer.Befehl(QStringLiteral("code-buchen"));
            QVERIFY2(antwort.startsWith(QStringLiteral("0 ")) && antwort.contains(CNeu), qPrintable(antwort));
        }
        QCOMPARE(Gescannt(CNeu), helferZuerst ? qMakePair(hemd, 1) : qMakePair(schuh, 3));
        QCOMPARE(Gescannt(CNeu2).second, helferZuerst ? -1 : 3);
        QVERIFY(!ZAMBuchung().IstOffen());
    }
};

QTEST_MAIN(TestArtikelcodes)
#include "tst_artikelcodes.moc"

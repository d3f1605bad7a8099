// The data module's article tools and goods-receipt lookups on a real database, on both engines.
#include "Glob_WWSServerFactoryClass.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DienstRegistrierung.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"

#include <QTest>

namespace {
using TA = TZAM_TestArtikel;
}

class TestArtikeldaten : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

private Q_SLOTS:
    void cleanup()
    {
        TZAM_DienstRegistrierung::Registrieren();
        FUmg.reset();
    }

    void werkzeugeBeimErstenGebrauch()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        TDM_Torvik dm({QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen(); // the site has no parameters
        // Without the article module each accessor registers its failure and answers nil, and
        // tries again on the next call.
        Glob_WWSServerFactoryClass().Leeren();
        QVERIFY(!dm.ArtvLesenTools_GoC() && !dm.ArtBarCodeMani_GoC() && !dm.BestandsLeser_GoC());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 3);
        TZAM_DienstRegistrierung::Registrieren();
        TQIV_ArtvLesenTools* leser = dm.ArtvLesenTools_GoC();
        QVERIFY(leser && dm.ArtBarCodeMani_GoC() && dm.BestandsLeser_GoC());
        QCOMPARE(dm.ArtvLesenTools_GoC(), leser);
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
    }

    void groesseUndHerstellernummer_data() { ZAM_MotorenDaten(); }
    void groesseUndHerstellernummer()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TA::Anlegen(FUmg->Backend().Datenbank());
        TDM_Torvik dm({QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen(); // the site has no parameters
        for (const TA::TArtikel& a : TA::Alle()) {
            QCOMPARE(dm.HerstArtNr_Besorgen(a.Satz.ProduktId), a.Satz.HerstellerArtNr);
            for (const TA::TGroesse& g : a.Groessen)
                QCOMPARE(dm.Langgroesse_Besorgen(a.Satz.ProduktId, g.Index), g.Lang);
        }
        const TInt32Trio schuh = TA::Schuh().Satz.ProduktId;
        QVERIFY(dm.Langgroesse_Besorgen(schuh, 255).isEmpty() && dm.Langgroesse_Besorgen(schuh, 0).isEmpty());
        QVERIFY(dm.HerstArtNr_Besorgen(TInt32Trio(7, 99, 0)).isEmpty());
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty()); // an unknown article is no failure

        // A failing database: empty texts, each failure registered under the operation's name.
        for (const char* t : {"zam_artikel_code", "zam_bestand", "zam_artikel_groesse", "zam_artikel"})
            FUmg->Backend().Datenbank().Schreiben(QStringLiteral("DROP TABLE ") + QLatin1String(t));
        QVERIFY(dm.HerstArtNr_Besorgen(schuh).isEmpty());
        QVERIFY(dm.Langgroesse_Besorgen(schuh, 1).isEmpty());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 2);
    }
};

QTEST_MAIN(TestArtikeldaten)
#include "tst_artikeldaten.moc"

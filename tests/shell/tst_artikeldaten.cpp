// The data module's article information and goods-receipt lookups on a real database, on both
// engines: the stored values, and empty texts with a registered failure.
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Datenbank.h"
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

private Q_SLOTS:
    void groesseUndHerstellernummer_data() { ZAM_MotorenDaten(); }
    void groesseUndHerstellernummer()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TA::Anlegen(umg.Backend().Datenbank());
        TDM_Torvik dm({QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen(); // the site has no parameters
        const TZAM_ArtikelSatz& s = TA::A(TA::Schuh).Satz;
        TZAM_ArtikelInformationen info;
        QVERIFY(dm.ArtvLesenTools_GoC() == dm.ArtvLesenTools_GoC());
        QVERIFY(dm.ArtvLesenTools_GoC()->ArtikelInformationen_Lesen(s.ProduktId, 3, 12, info));
        QVERIFY(info.Hersteller == s.Hersteller && info.Farbe == s.Farbe && info.Beschreibung == s.Beschreibung &&
                info.Material == s.Material && info.Preis == 1234.56);
        for (const TA::TArtikel& a : TA::Alle()) {
            QCOMPARE(dm.HerstArtNr_Besorgen(a.Id()), a.Satz.HerstellerArtNr);
            for (const TA::TGroesse& g : a.Groessen)
                QCOMPARE(dm.Langgroesse_Besorgen(a.Id(), g.Index), g.Lang);
        }
        QVERIFY(dm.Langgroesse_Besorgen(s.ProduktId, 255).isEmpty() &&
                dm.Langgroesse_Besorgen(s.ProduktId, 0).isEmpty());
        QVERIFY(dm.HerstArtNr_Besorgen(TInt32Trio(7, 99, 0)).isEmpty());
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty()); // an unknown article is no failure

        for (const char* t : {"zam_artikel_code", "zam_bestand", "zam_artikel_groesse", "zam_artikel"})
            umg.Backend().Datenbank().Schreiben(QStringLiteral("DROP TABLE ") + QLatin1String(t));
        QVERIFY(dm.HerstArtNr_Besorgen(s.ProduktId).isEmpty() && dm.Langgroesse_Besorgen(s.ProduktId, 1).isEmpty());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 2);
    }
};

QTEST_MAIN(TestArtikeldaten)
#include "tst_artikeldaten.moc"

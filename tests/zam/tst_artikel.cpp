// The article master on both engines: what a scanned or typed text stands for, till sizes, the
// article information and number, and the demo site's articles.
#include "TArtikelTools.h"
#include "TQIV_ArtNrEdit.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_SimpleBestandsLeser.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMUtils.h"

#include <QHash>
#include <QTest>

namespace {
using TA = TZAM_TestArtikel;

struct TErwartet
{
    TA::TArtikel Artikel;
    int Groesse; // 255: the article without size
};

QString Gtin(int AIndex)
{
    return TA::Gtins().at(AIndex).Code;
}
} // namespace

class TestArtikel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TA::Anlegen(FUmg->Backend().Datenbank());
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void textWirdZuArtikeln_data() { ZAM_MotorenDaten(); }
    void textWirdZuArtikeln()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const QString unbekannteEan = TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000099"));
        QString falschePruefziffer = Gtin(0);
        falschePruefziffer.back() = QChar(u'0' + (falschePruefziffer.back().digitValue() + 1) % 10);
        const struct
        {
            QString Text;
            int Modus;
            bool Ean, Upc;
            QList<TErwartet> Artikel;
        } faelle[] = {
            {Gtin(0), 1, true, false, {{TA::Schuh(), 2}}},
            {Gtin(1), 1, true, false, {{TA::Flasche(), 0}}},
            {Gtin(2), 0, false, true, {{TA::Hemd(), 1}}},
            {TZAM_CodeForm::Etikett(4711, 42), 0, false, false, {{TA::Schuh(), 3}}},
            {QStringLiteral(" 0004711 "), 1, false, false, {{TA::Schuh(), 255}}},
            {QStringLiteral("4711"), 0, false, false, {}},
            // Letter case and blanks of the manufacturer number do not count; the article-number order does.
            {QStringLiteral("hx-1"), 1, false, false, {{TA::Schuh(), 255}, {TA::Flasche(), 255}, {TA::Hemd(), 255}}},
            {QStringLiteral("HX-1"), 0, false, false, {}},
            // Our article number comes before the manufacturer number of another article.
            {QStringLiteral("4712"), 1, false, false, {{TA::Flasche(), 255}}},
            {QStringLiteral("1234567"), 1, false, false, {{TA::Ball(), 255}}},
            {unbekannteEan, 1, true, false, {}},
            {TZAM_CodeForm::MitPruefziffer(QStringLiteral("01234567899")), 1, false, true, {}},
            {falschePruefziffer, 1, false, false, {}},
            {QStringLiteral("9999999"), 1, false, false, {}},
            {QString(), 1, false, false, {}},
        };
        TQIV_ArtvLesenTools leser;
        for (const auto& f : faelle) {
            const QByteArray was = (f.Text + QStringLiteral(" Modus ") + QString::number(f.Modus)).toUtf8();
            TZAM_ArtikelScanListe liste;
            liste.Eintraege.append(TZAM_ArtikelScanEintrag{}); // an earlier answer must not survive
            QCOMPARE(leser.Artikel_4_Text(f.Text, f.Modus, liste), !f.Artikel.isEmpty());
            QVERIFY2(liste.IstEAN == f.Ean && liste.IstUPC == f.Upc, was.constData());
            QVERIFY2(liste.Eintraege.size() == f.Artikel.size(), was.constData());
            for (int i = 0; i < f.Artikel.size(); ++i) {
                const TZAM_ArtikelScanEintrag& e = liste.Eintraege.at(i);
                const TA::TGroesse g = TA::Groesse(f.Artikel.at(i).Artikel, f.Artikel.at(i).Groesse);
                QVERIFY2(e.ProduktId == f.Artikel.at(i).Artikel.Satz.ProduktId, was.constData());
                QCOMPARE(int(e.GroessenIndex), f.Artikel.at(i).Groesse);
                QCOMPARE(e.GroessenText, g.Name);
                QCOMPARE(e.Text, g.Lang);
            }
        }
    }

    void kassengroesseUndNummer_data() { ZAM_MotorenDaten(); }
    void kassengroesseUndNummer()
    {
        ZAM_MOTOR(m);
        Starten(m);
        for (const TA::TArtikel& a : TA::Alle()) {
            const TInt32Trio p = a.Satz.ProduktId;
            for (const TA::TGroesse& g : a.Groessen)
                QCOMPARE(int(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(p, g.Kasse)), g.Index);
            const QString nummer = TArtikelTools::ProduktID_2_ArtNr_Formatted(p);
            QCOMPARE(nummer.toInt(), a.Satz.ArtNr);
            QVERIFY(nummer.size() >= 6 && !TZAM_CodeForm::IstEAN(nummer) && !TZAM_CodeForm::IstUPC(nummer));
            QVERIFY(TArtikelTools::ArtNr_2_ProduktID(nummer) == p);
        }
        // A till size the article lacks: another article's, none typed (as read), an unknown product.
        const TInt32Trio schuh = TA::Schuh().Satz.ProduktId;
        for (int kasse : {0, 1, 39, 43, 999, zam_StrToIntDef(QString(), -1), zam_StrToIntDef(QStringLiteral("4x"), -1)})
            QVERIFY2(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(schuh, kasse) >= 128,
                     qPrintable(QString::number(kasse)));
        QVERIFY(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(TInt32Trio(7, 99, 0), 0) >= 128);

        QCOMPARE(TArtikelTools::ProduktID_2_ArtNr_Formatted(schuh), QStringLiteral("004711"));
        QCOMPARE(TArtikelTools::ProduktID_2_ArtNr_Formatted(TInt32Trio(7, 99, 0)), TInt32Trio(7, 99, 0).ToText());
        QVERIFY(TArtikelTools::ProduktID_2_ArtNr_Formatted(TInt32Trio(7, 99, 0), true).isEmpty());
        for (const QString& keine :
             {QStringLiteral("12345678"), QStringLiteral("4711a"), QStringLiteral("4714"), QString()})
            QVERIFY2(TArtikelTools::ArtNr_2_ProduktID(keine).IsNull(), qPrintable(keine));

        // The article-number edit takes digits only and yields the product.
        TQIV_ArtNrEdit edit;
        QTest::keyClicks(&edit, QStringLiteral("47a11"));
        QCOMPARE(edit.text(), QStringLiteral("4711"));
        QVERIFY(edit.ProduktID() == schuh);
        QTest::keyClicks(&edit, QStringLiteral("9"));
        QVERIFY(edit.ProduktID().IsNull());
        edit.SetProduktID(TA::Flasche().Satz.ProduktId);
        QVERIFY(edit.ProduktID() == TA::Flasche().Satz.ProduktId);
        edit.SetProduktID(TInt32Trio(7, 99, 0));
        QVERIFY(edit.text().isEmpty() && edit.ProduktID().IsNull());
    }

    // What the demo site promises a person walking through it.
    void demoArtikel_data() { ZAM_MotorenDaten(); }
    void demoArtikel()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        TQIV_ArtvLesenTools leser;
        TQIV_SimpleBestandsLeser bestand;
        // Every task names an article size with free stock in its warehouse.
        const TZAM_Zeilen aufgaben =
            db.Lesen(QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, groesse, lager FROM zam_aufgabe"));
        QVERIFY(!aufgaben.IsEmpty());
        for (const QVariantList& z : aufgaben.Zeilen()) {
            const TInt32Trio p(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt());
            TQIV_Intv100_Sortiment_QIV_GG gg;
            QVERIFY2(TArtikelTools::GetGG_4_ProdId(p, gg) && gg.Enthaelt(z.at(3).toInt()), qPrintable(p.ToText()));
            TZAM_Intv100_Sortiment_Me me;
            QVERIFY(bestand.LagerBestandLesen(p, z.at(4).toInt(), 1 << 1, me) && me.Summe() > 0);
        }
        // Every code leads to its article size; labels have our form, GTINs each of the three forms.
        QHash<QString, int> formen;
        QHash<QString, int> codesJeGroesse;
        const TZAM_Zeilen codes =
            db.Lesen(QStringLiteral("SELECT code, art, prod_id1, prod_id2, prod_id3, groesse FROM zam_artikel_code"));
        for (const QVariantList& z : codes.Zeilen()) {
            const QString code = z.at(0).toString();
            const TInt32Trio p(z.at(2).toInt(), z.at(3).toInt(), z.at(4).toInt());
            TZAM_ArtikelScanListe liste;
            QVERIFY2(leser.Artikel_4_Text(code, 0, liste) && liste.Eintraege.size() == 1, qPrintable(code));
            QVERIFY(liste.Eintraege.at(0).ProduktId == p && liste.Eintraege.at(0).GroessenIndex == z.at(5).toInt());
            if (z.at(1).toInt() == acaEtikett) {
                TZAM_ArtikelSatz satz;
                QVERIFY(TArtikelTools::AASatz_4_ProduktID(p, satz));
                TQIV_Intv100_Sortiment_QIV_GG gg;
                TArtikelTools::GetGG_4_ProdId(p, gg);
                QCOMPARE(code, TZAM_CodeForm::Etikett(satz.ArtNr, gg.Eintrag(z.at(5).toInt()).KassenGroesse));
                continue;
            }
            ++formen[TZAM_CodeForm::IstUPC(code) ? QStringLiteral("UPC") : QString::number(code.size())];
            ++codesJeGroesse[p.ToText() + QLatin1Char('/') + z.at(5).toString()];
        }
        QVERIFY(formen.value(QStringLiteral("13")) > 0 && formen.value(QStringLiteral("8")) > 0 &&
                formen.value(QStringLiteral("UPC")) > 0);
        QVERIFY(std::any_of(codesJeGroesse.begin(), codesJeGroesse.end(), [](int n) { return n >= 2; }));
        // An article without sizes, one with ten sizes or more, one manufacturer number for three.
        QVERIFY(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM (SELECT prod_id2 FROM zam_artikel_groesse "
                                            "GROUP BY prod_id1, prod_id2, prod_id3 HAVING MAX(groesse) = 0) x"))
                    .toInt() > 0);
        QVERIFY(db.LesenWert(QStringLiteral("SELECT MAX(n) FROM (SELECT COUNT(*) AS n FROM zam_artikel_groesse "
                                            "GROUP BY prod_id1, prod_id2, prod_id3) x"))
                    .toInt() >= 10);
        const QString geteilt = db.LesenWert(QStringLiteral("SELECT hersteller_artnr FROM zam_artikel GROUP BY "
                                                            "hersteller_artnr HAVING COUNT(*) >= 3"))
                                    .toString();
        TZAM_ArtikelScanListe liste;
        QVERIFY(leser.Artikel_4_Text(geteilt, 1, liste) && liste.Eintraege.size() >= 3);
    }

    void informationen_data() { ZAM_MotorenDaten(); }
    void informationen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TQIV_ArtvLesenTools leser;
        const TZAM_ArtikelSatz& s = TA::Schuh().Satz;
        TZAM_ArtikelInformationen info;
        QVERIFY(leser.ArtikelInformationen_Lesen(s.ProduktId, 3, 12, info));
        QCOMPARE(info.Hersteller, s.Hersteller);
        QCOMPARE(info.HerstellerArtNr, s.HerstellerArtNr);
        QCOMPARE(info.Farbe, s.Farbe);
        QCOMPARE(info.Beschreibung, s.Beschreibung);
        QCOMPARE(info.Material, s.Material);
        QCOMPARE(info.LangGroesse, TA::Groesse(TA::Schuh(), 3).Lang);
        QCOMPARE(info.Preis, 1234.56);
        QCOMPARE(zam_ZahlText(info.Preis, 2), QStringLiteral("1.234,56"));
        // Without a size of the grid the long size name stays empty; an unknown product is no article.
        for (int ohne : {255, 0, 7}) {
            QVERIFY(leser.ArtikelInformationen_Lesen(s.ProduktId, ohne, 12, info));
            QVERIFY(info.LangGroesse.isEmpty() && info.HerstellerArtNr == s.HerstellerArtNr);
        }
        QVERIFY(!leser.ArtikelInformationen_Lesen(TInt32Trio(7, 99, 0), 1, 12, info));
        QVERIFY(info.HerstellerArtNr.isEmpty() && info.Preis == 0);
    }
};

QTEST_MAIN(TestArtikel)
#include "tst_artikel.moc"

// The article master on both engines: what a scanned or typed text stands for, till sizes and
// article numbers, and what the demo site promises.
#include "TArtikelTools.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMUtils.h"

#include <QSet>
#include <QTest>

namespace {
using TA = TZAM_TestArtikel;
const TInt32Trio CUnbekannt(7, 99, 0);
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
        QString falschePruefziffer = TA::Gtins().at(0).Code;
        falschePruefziffer.back() = QChar(u'0' + (falschePruefziffer.back().digitValue() + 1) % 10);
        const struct
        {
            QString Text;
            int Modus;
            bool Ean, Upc;
            QList<QPair<TA::TNr, int>> Artikel; // article and size index, 255 without size
        } faelle[] = {
            {TA::Gtins().at(0).Code, 1, true, false, {{TA::Schuh, 2}}},
            {TA::Gtins().at(1).Code, 1, true, false, {{TA::Flasche, 0}}},
            {TA::Gtins().at(2).Code, 0, false, true, {{TA::Hemd, 1}}},
            {TZAM_CodeForm::Etikett(4711, 42), 0, false, false, {{TA::Schuh, 3}}},
            {QStringLiteral(" 0004711 "), 1, false, false, {{TA::Schuh, 255}}},
            {QStringLiteral("4711"), 0, false, false, {}},
            {QStringLiteral("hx-1"), 1, false, false, {{TA::Schuh, 255}, {TA::Flasche, 255}, {TA::Hemd, 255}}},
            {QStringLiteral("4712"), 1, false, false, {{TA::Flasche, 255}}}, // our number before the manufacturer's
            {QStringLiteral("1234567"), 1, false, false, {{TA::Ball, 255}}},
            {TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000099")), 1, true, false, {}},
            {TZAM_CodeForm::MitPruefziffer(QStringLiteral("01234567899")), 1, false, true, {}},
            {falschePruefziffer, 1, false, false, {}},
            {QString(), 1, false, false, {}},
        };
        TQIV_ArtvLesenTools leser;
        for (const auto& f : faelle) {
            const QByteArray was = (f.Text + QStringLiteral(" / ") + QString::number(f.Modus)).toUtf8();
            TZAM_ArtikelScanListe liste;
            liste.Eintraege.append(TZAM_ArtikelScanEintrag{}); // an earlier answer must not survive
            QCOMPARE(leser.Artikel_4_Text(f.Text, f.Modus, liste), !f.Artikel.isEmpty());
            QVERIFY2(liste.IstEAN == f.Ean && liste.IstUPC == f.Upc && liste.Eintraege.size() == f.Artikel.size(),
                     was.constData());
            for (int i = 0; i < f.Artikel.size(); ++i) {
                const TZAM_ArtikelScanEintrag& e = liste.Eintraege.at(i);
                const TA::TArtikel& a = TA::A(f.Artikel.at(i).first);
                QVERIFY2(e.ProduktId == a.Id() && e.GroessenIndex == f.Artikel.at(i).second, was.constData());
                QVERIFY2(e.GroessenText == a.Groesse(e.GroessenIndex).Name && e.Text == a.Groesse(e.GroessenIndex).Lang,
                         was.constData());
            }
        }
    }

    void kassengroesseUndNummer_data() { ZAM_MotorenDaten(); }
    void kassengroesseUndNummer()
    {
        ZAM_MOTOR(m);
        Starten(m);
        for (const TA::TArtikel& a : TA::Alle()) {
            for (const TA::TGroesse& g : a.Groessen)
                QCOMPARE(int(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(a.Id(), g.Kasse)), g.Index);
            const QString nummer = TArtikelTools::ProduktID_2_ArtNr_Formatted(a.Id());
            QVERIFY(nummer.size() >= 6 && nummer.toInt() == a.Satz.ArtNr);
            QVERIFY(TArtikelTools::ArtNr_2_ProduktID(nummer) == a.Id());
        }
        // Till sizes the shoe lacks: another article's, and none or garbage typed (as read).
        for (int kasse : {0, 1, 43, zam_StrToIntDef(QString(), -1), zam_StrToIntDef(QStringLiteral("4x"), -1)})
            QVERIFY(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(TA::A(TA::Schuh).Id(), kasse) >= 128);
        QVERIFY(TArtikelTools::GetGGIndex4ProdIdKassenGroesse(CUnbekannt, 0) >= 128);
        QCOMPARE(TArtikelTools::ProduktID_2_ArtNr_Formatted(TA::A(TA::Schuh).Id()), QStringLiteral("004711"));
        QCOMPARE(TArtikelTools::ProduktID_2_ArtNr_Formatted(CUnbekannt), CUnbekannt.ToText());
        QVERIFY(TArtikelTools::ArtNr_2_ProduktID(QStringLiteral("4714")).IsNull());
    }

    // Every demo task names an article size; EAN-13, EAN-8, UPC and a size with two GTINs; an
    // article without sizes, one with ten; a manufacturer number of three.
    void demoArtikel_data() { ZAM_MotorenDaten(); }
    void demoArtikel()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        const TZAM_Zeilen aufgaben = db.Lesen(QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, groesse FROM "
                                                             "zam_auko"));
        for (const QVariantList& z : aufgaben.Zeilen()) {
            TQIV_Intv100_Sortiment_QIV_GG gg;
            const TInt32Trio p(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt());
            QVERIFY2(TArtikelTools::GetGG_4_ProdId(p, gg) && gg.Enthaelt(z.at(3).toInt()), qPrintable(p.ToText()));
        }
        QSet<QString> formen;
        const TZAM_Zeilen gtins = db.Lesen(QStringLiteral("SELECT code FROM zam_artikel_code WHERE art = 1"));
        for (const QVariantList& z : gtins.Zeilen()) {
            const QString c = z.at(0).toString();
            formen << (TZAM_CodeForm::IstUPC(c)   ? QStringLiteral("UPC")
                       : TZAM_CodeForm::IstEAN(c) ? QString::number(c.size())
                                                  : c);
        }
        QCOMPARE(formen, (QSet<QString>{QStringLiteral("13"), QStringLiteral("8"), QStringLiteral("UPC")}));
        QVERIFY(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_code WHERE art = 1 "
                                            "GROUP BY prod_id2, groesse ORDER BY 1 DESC"))
                    .toInt() >= 2);
        QVERIFY(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_groesse WHERE groesse = 0")).toInt() > 0);
        QVERIFY(
            db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_groesse GROUP BY prod_id2 ORDER BY 1 DESC"))
                .toInt() >= 10);
        TZAM_ArtikelScanListe l;
        QVERIFY(TQIV_ArtvLesenTools().Artikel_4_Text(QStringLiteral("tx-200"), 1, l) && l.Eintraege.size() == 3);
    }
};

QTEST_MAIN(TestArtikel)
#include "tst_artikel.moc"

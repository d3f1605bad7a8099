// Text forms of the article side: GTIN check digits, our article number and label, the German
// number text under a foreign system locale, the non-raising integer reading, size vectors.
#include "TQIV_Intv100_Sortiment_QIV_GG.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Intv100_Sortiment_Me.h"
#include "ZAMUtils.h"

#include <QLocale>
#include <QTest>

#include <clocale>

class TestArtikelformen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gtinFormen()
    {
        // Published example codes: an EAN-13, an EAN-8 and a UPC-A.
        const struct
        {
            QString Code;
            bool Ean, Upc;
        } gueltig[] = {{QStringLiteral("4006381333931"), true, false},
                       {QStringLiteral("96385074"), true, false},
                       {QStringLiteral("036000291452"), false, true}};
        for (const auto& g : gueltig) {
            QVERIFY2(TZAM_CodeForm::IstEAN(g.Code) == g.Ean && TZAM_CodeForm::IstUPC(g.Code) == g.Upc,
                     qPrintable(g.Code));
            QCOMPARE(TZAM_CodeForm::MitPruefziffer(g.Code.chopped(1)), g.Code);
            // Any single changed digit breaks the check digit.
            for (int i = 0; i < g.Code.size(); ++i)
                for (int d = 1; d <= 9; ++d) {
                    QString falsch = g.Code;
                    falsch[i] = QChar(u'0' + (g.Code.at(i).digitValue() + d) % 10);
                    QVERIFY2(!TZAM_CodeForm::IstEAN(falsch) && !TZAM_CodeForm::IstUPC(falsch), qPrintable(falsch));
                }
        }
        for (const QString& keine : {QStringLiteral("400638133393"), QStringLiteral("40063813339311"),
                                     QStringLiteral("4006381 33931"), QStringLiteral("400638133393x"), QString()})
            QVERIFY2(!TZAM_CodeForm::IstEAN(keine) && !TZAM_CodeForm::IstUPC(keine), qPrintable(keine));
    }

    void eigeneNummernSindKeineGtin()
    {
        for (int artNr : {1, 47, 4711, 300101, 999999, 1234567, TZAM_CodeForm::CArtNrMax})
            for (int kasse : {0, 7, 42, 999}) {
                const QString nummer = TZAM_CodeForm::ArtNr_Text(artNr);
                const QString etikett = TZAM_CodeForm::Etikett(artNr, kasse);
                QCOMPARE(TZAM_CodeForm::ArtNr_Lesen(nummer), artNr);
                QCOMPARE(etikett.size(), 10);
                QCOMPARE(etikett.left(7).toInt(), artNr);
                QCOMPARE(etikett.right(3).toInt(), kasse);
                for (const QString& t : {nummer, etikett})
                    QVERIFY2(!TZAM_CodeForm::IstEAN(t) && !TZAM_CodeForm::IstUPC(t), qPrintable(t));
            }
        QCOMPARE(TZAM_CodeForm::ArtNr_Text(4711), QStringLiteral("004711"));
        for (const QString& keine : {QStringLiteral("12345678"), QStringLiteral("0"), QStringLiteral("-5"),
                                     QStringLiteral("47 11"), QString()})
            QVERIFY2(TZAM_CodeForm::ArtNr_Lesen(keine) == 0, qPrintable(keine));
        QVERIFY(TZAM_CodeForm::Etikett(0, 1).isEmpty() && TZAM_CodeForm::Etikett(4711, 1000).isEmpty());
    }

    void deutscheZahlUnterEnglischemSystem()
    {
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        std::setlocale(LC_ALL, "C");
        const struct
        {
            double Wert;
            int Dezimalen;
            const char* Text;
        } faelle[] = {
            {1234.56, 2, "1.234,56"},  {0, 2, "0,00"},      {-1234567.891, 2, "-1.234.567,89"},
            {999.999, 2, "1.000,00"},  {-0.004, 2, "0,00"}, {0.125, 2, "0,13"},
            {1000000, 0, "1.000.000"}, {12.5, 0, "13"},     {7, 3, "7,000"},
        };
        for (const auto& f : faelle)
            QCOMPARE(zam_ZahlText(f.Wert, f.Dezimalen), QString::fromUtf8(f.Text));
        QLocale::setDefault(vorher);
    }

    void ganzeZahlOhneFehler()
    {
        const struct
        {
            QString Text;
            int Wert;
        } faelle[] = {{QStringLiteral("007"), 7}, {QStringLiteral(" 42 "), 42},
                      {QStringLiteral("-3"), -3}, {QString(), -1},
                      {QStringLiteral("4x"), -1}, {QStringLiteral("99999999999"), -1}};
        for (const auto& f : faelle)
            QCOMPARE(zam_StrToIntDef(f.Text, -1), f.Wert);
        // The raising reading keeps its contract.
        QVERIFY_THROWS_EXCEPTION(std::exception, zam_StrToInt(QString()));
    }

    void groessenvektorUndRaster()
    {
        TZAM_Intv100_Sortiment_Me me;
        me.Me[50] = 3;
        me.Init();
        QVERIFY(me.IstLeer() && me.Summe() == 0);
        me.Me[0] = 2;
        me.Me[99] = -1;
        me.Me[17] = 4;
        me.MinMax_Bestimmen();
        QCOMPARE(int(me.MinIndex), 0);
        QCOMPARE(int(me.MaxIndex), 99);
        me.Me[0] = me.Me[99] = 0;
        me.MinMax_Bestimmen();
        QVERIFY(me.MinIndex == 17 && me.MaxIndex == 17 && me.Summe() == 4 && me.Menge(255) == 0);

        TQIV_Intv100_Sortiment_QIV_GG gg;
        gg.Setzen(3, QStringLiteral("42"), QStringLiteral("EU 42"), 42);
        gg.Setzen(0, QString(), QString(), 0);
        QCOMPARE(gg.Indizes(), (QList<int>{0, 3}));
        QCOMPARE(int(gg.Index4KassenGroesse(42)), 3);
        QCOMPARE(int(gg.Index4KassenGroesse(0)), 0);
        QVERIFY(gg.Index4KassenGroesse(41) >= 128 && !gg.Enthaelt(255) && gg.Groesse(4).isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::exception, gg.Setzen(100, QString(), QString(), 1));
    }
};

QTEST_MAIN(TestArtikelformen)
#include "tst_artikelformen.moc"

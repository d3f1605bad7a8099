// Text forms of the article side: GTIN check digits against published codes, our numbers never of
// a GTIN's form, and the German number text under an English system locale.
#include "TZAM_CodeForm.h"
#include "ZAMUtils.h"

#include <QLocale>
#include <QTest>

class TestArtikelformen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gtinFormen()
    {
        // An EAN-13, an EAN-8 and a UPC-A; any single changed digit breaks the check digit.
        for (const QString& code :
             {QStringLiteral("4006381333931"), QStringLiteral("96385074"), QStringLiteral("036000291452")}) {
            QCOMPARE(TZAM_CodeForm::IstEAN(code), code.size() != 12);
            QCOMPARE(TZAM_CodeForm::IstUPC(code), code.size() == 12);
            QCOMPARE(TZAM_CodeForm::MitPruefziffer(code.chopped(1)), code);
            for (int i = 0; i < code.size(); ++i)
                for (int d = 1; d <= 9; ++d) {
                    QString falsch = code;
                    falsch[i] = QChar(u'0' + (code.at(i).digitValue() + d) % 10);
                    QVERIFY2(!TZAM_CodeForm::IstEAN(falsch) && !TZAM_CodeForm::IstUPC(falsch), qPrintable(falsch));
                }
        }
        for (int artNr : {1, 4711, 1234567, TZAM_CodeForm::CArtNrMax})
            for (const QString& t : {TZAM_CodeForm::ArtNr_Text(artNr), TZAM_CodeForm::Etikett(artNr, 42)})
                QVERIFY2(!TZAM_CodeForm::IstEAN(t) && !TZAM_CodeForm::IstUPC(t) && t.size() != 8, qPrintable(t));
        QVERIFY(TZAM_CodeForm::ArtNr_Lesen(QStringLiteral("12345678")) == 0);
    }

    void deutscheZahlUnterEnglischemSystem()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const struct
        {
            double Wert;
            int Dezimalen;
            const char* Text;
        } faelle[] = {{1234.56, 2, "1.234,56"}, {-1234567.891, 2, "-1.234.567,89"},
                      {999.999, 2, "1.000,00"}, {-0.004, 2, "0,00"},
                      {0.125, 2, "0,13"},       {1000000, 0, "1.000.000"}};
        for (const auto& f : faelle)
            QCOMPARE(zam_ZahlText(f.Wert, f.Dezimalen), QString::fromUtf8(f.Text));
    }
};

QTEST_MAIN(TestArtikelformen)
#include "tst_artikelformen.moc"

// Code 128 of our labels: symbol values and check symbol worked out by hand from the code table,
// the module widths of a known symbol, and bars drawn exactly as encoded.
#include "TZAM_Code128.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestCode128 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void symbole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("symbole");
        // B: P=48 J=42 1=17 2=18 3=19 C=35; 104 + 48 + 2*42 + 3*42 + 4*17 + 5*18 + 6*19 + 7*35 = 879 = 8*103 + 55
        QTest::newRow("PJJ123C") << "PJJ123C" << QList<int>{104, 48, 42, 42, 17, 18, 19, 35, 55, 106};
        // our label code: all digits, set C from the start; 105 + 2*4 + 3*71 + 4*10 + 5*40 = 566 = 5*103 + 51
        QTest::newRow("Etikett") << "0004711040" << QList<int>{105, 0, 4, 71, 10, 40, 51, 106};
        QTest::newRow("zwei Ziffern") << "12" << QList<int>{105, 12, 14, 106};
        QTest::newRow("drei Ziffern bleiben B") << "123" << QList<int>{104, 17, 18, 19, 8, 106};
        // odd run at the start: its last digit after Code B
        QTest::newRow("5 Ziffern") << "12345" << QList<int>{105, 12, 34, 100, 21, 54, 106};
        // 6 digits at the end: Code C
        QTest::newRow("AB123456") << "AB123456" << QList<int>{104, 33, 34, 99, 12, 34, 56, 26, 106};
        // odd run at the end: its first digit stays in B
        QTest::newRow("X12345") << "X12345" << QList<int>{104, 56, 17, 99, 23, 45, 87, 106};
        // 7 digits inside: one in B, six in C, back to B
        QTest::newRow("A1234567B") << "A1234567B" << QList<int>{104, 33, 17, 99, 23, 45, 67, 100, 34, 99, 106};
        // 4 digits inside are not worth two switches
        QTest::newRow("A1234B") << "A1234B" << QList<int>{104, 33, 17, 18, 19, 20, 34, 90, 106};
        QTest::newRow("leer") << "" << QList<int>{};
        QTest::newRow("Umlaut") << QStringLiteral("Größe") << QList<int>{};
        QTest::newRow("Tabulator") << "a\tb" << QList<int>{};
    }
    void symbole()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, symbole);
        QCOMPARE(TZAM_Code128::Symbole(text), symbole);
    }

    void module()
    {
        // Start B, P, J, J, 1, 2, 3, C, check 55, stop.
        const QString erwartet = QStringLiteral("211214313121112133112133123221223211221132131321311321"
                                                "2331112");
        QString m;
        for (int w : TZAM_Code128::Module(QStringLiteral("PJJ123C")))
            m += QString::number(w);
        QCOMPARE(m, erwartet);
        // Every symbol is 11 modules of three bars and three spaces; the stop 13.
        for (int s = 0; s <= TZAM_Code128::CStop; ++s) {
            const QList<int> muster = TZAM_Code128::Muster(s);
            int summe = 0, balken = 0;
            for (qsizetype i = 0; i < muster.size(); ++i) {
                summe += muster.at(i);
                if (i % 2 == 0)
                    balken += muster.at(i);
            }
            QCOMPARE(summe, s == TZAM_Code128::CStop ? 13 : 11);
            QCOMPARE(balken % 2, 0); // even parity of the bars
        }
        QVERIFY(TZAM_Code128::Module(QStringLiteral("ä")).isEmpty());
    }

    // The bars read back from a picture give the encoded widths, between quiet zones.
    void zeichnen()
    {
        const QString text = QStringLiteral("0004711040");
        const QList<int> module = TZAM_Code128::Module(text);
        int gesamt = 2 * TZAM_Code128::CRuhezone;
        for (int m : module)
            gesamt += m;
        QImage bild(gesamt * 3 + 8, 100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            QVERIFY(TZAM_Code128::Zeichnen(p, QRectF(0, 0, bild.width(), bild.height()), text));
            QVERIFY(!TZAM_Code128::Zeichnen(p, QRectF(0, 0, 10, 10), QStringLiteral("ö")));
        }
        QList<int> gelesen;
        int x = 0;
        const int y = 30;
        while (x < bild.width() && qGray(bild.pixel(x, y)) > 128)
            ++x;
        QCOMPARE(x, 4 + 3 * TZAM_Code128::CRuhezone); // centred: 8 spare pixels, 4 before
        while (x < bild.width()) {
            const bool schwarz = qGray(bild.pixel(x, y)) < 128;
            int lauf = 0;
            while (x < bild.width() && (qGray(bild.pixel(x, y)) < 128) == schwarz)
                ++lauf, ++x;
            if (x < bild.width() || schwarz)
                gelesen << lauf / 3;
        }
        QCOMPARE(gelesen, module);
    }
};

QTEST_MAIN(TestCode128)
#include "tst_code128.moc"

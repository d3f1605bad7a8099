// The framework's short-cut codes and the key sequences of the forms.
#include "ZAMShortCut.h"

#include <QSet>
#include <QTest>

class TestShortCut : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void beideRichtungen_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QKeySequence>("folge");
        QTest::newRow("F11") << 122 << QKeySequence(Qt::Key_F11);
        QTest::newRow("Ctrl+F11") << (0x4000 | 122) << QKeySequence(Qt::CTRL | Qt::Key_F11);
        QTest::newRow("Shift+F12") << (0x2000 | 123) << QKeySequence(Qt::SHIFT | Qt::Key_F12);
        QTest::newRow("Alt+F10") << (0x8000 | 121) << QKeySequence(Qt::ALT | Qt::Key_F10);
        QTest::newRow("Ctrl+Alt+Shift+F1")
            << (0xE000 | 112) << QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F1);
        QTest::newRow("F24") << 135 << QKeySequence(Qt::Key_F24);
        QTest::newRow("0") << 48 << QKeySequence(Qt::Key_0);
        QTest::newRow("9") << 57 << QKeySequence(Qt::Key_9);
        QTest::newRow("Ctrl+5") << (0x4000 | 53) << QKeySequence(Qt::CTRL | Qt::Key_5);
        QTest::newRow("A") << 65 << QKeySequence(Qt::Key_A);
        QTest::newRow("Z") << 90 << QKeySequence(Qt::Key_Z);
        QTest::newRow("Ctrl+A") << (0x4000 | 65) << QKeySequence(Qt::CTRL | Qt::Key_A);
        QTest::newRow("Enter") << 13 << QKeySequence(Qt::Key_Return);
        QTest::newRow("Tab") << 9 << QKeySequence(Qt::Key_Tab);
        QTest::newRow("Esc") << 27 << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Space") << 32 << QKeySequence(Qt::Key_Space);
        QTest::newRow("Backspace") << 8 << QKeySequence(Qt::Key_Backspace);
        QTest::newRow("PageUp") << 33 << QKeySequence(Qt::Key_PageUp);
        QTest::newRow("PageDown") << 34 << QKeySequence(Qt::Key_PageDown);
        QTest::newRow("End") << 35 << QKeySequence(Qt::Key_End);
        QTest::newRow("Home") << 36 << QKeySequence(Qt::Key_Home);
        QTest::newRow("Left") << 37 << QKeySequence(Qt::Key_Left);
        QTest::newRow("Up") << 38 << QKeySequence(Qt::Key_Up);
        QTest::newRow("Right") << 39 << QKeySequence(Qt::Key_Right);
        QTest::newRow("Down") << 40 << QKeySequence(Qt::Key_Down);
        QTest::newRow("Insert") << 45 << QKeySequence(Qt::Key_Insert);
        QTest::newRow("Delete") << 46 << QKeySequence(Qt::Key_Delete);
    }
    void beideRichtungen()
    {
        QFETCH(int, code);
        QFETCH(QKeySequence, folge);
        QCOMPARE(ZAMShortCut2KeySequence(TZAM_ShortCut(code)), folge);
        QCOMPARE(int(ZAMKeySequence2ShortCut(folge)), code);
    }

    void textformen()
    {
        // The texts the script runner and the ini files use.
        QCOMPARE(ZAMShortCut2KeySequence(122).toString(QKeySequence::PortableText), QStringLiteral("F11"));
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(QStringLiteral("Ctrl+F12")))), 0x4000 | 123);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(QStringLiteral("Shift+F11")))), 0x2000 | 122);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(QStringLiteral("Ctrl+a")))), 0x4000 | 65);
    }

    void besondereTasten()
    {
        // Keypad Enter and Shift+Tab as Qt reports them.
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::Key_Enter))), 13);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter))), 13);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::SHIFT | Qt::Key_Backtab))), 0x2000 | 9);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::Key_Backtab))), 0x2000 | 9);
    }

    void unbekannt()
    {
        for (int code : {0, 7, 47, 64, 91, 111, 136, 255, 0x4000, 0x2000 | 200, 0x1000 | 122})
            QVERIFY2(ZAMShortCut2KeySequence(TZAM_ShortCut(code)).isEmpty(), qPrintable(QString::number(code)));
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence())), 0);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::Key_Percent))), 0);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::Key_F25))), 0);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::META | Qt::Key_F11))), 0);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::Key_F11, Qt::Key_F12))), 0);
    }

    void scanPraefixVorrat()
    {
        QCOMPARE(int(CZAM_ScanPraefixMDEVorrat.front().ShortCut), 122);
        QCOMPARE(QString(CZAM_ScanPraefixMDEVorrat.front().Caption), QStringLiteral("F11"));
        QSet<TZAM_ShortCut> codes;
        QSet<QString> captions;
        for (const TZAM_ScanPraefix& p : CZAM_ScanPraefixMDEVorrat) {
            const QKeySequence folge = ZAMShortCut2KeySequence(p.ShortCut);
            QVERIFY2(!folge.isEmpty(), p.Caption.data());
            QCOMPARE(ZAMKeySequence2ShortCut(folge), p.ShortCut);
            codes << p.ShortCut;
            captions << QString(p.Caption);
        }
        QCOMPARE(codes.size(), 5);
        QCOMPARE(captions.size(), 5);
    }
};

QTEST_MAIN(TestShortCut)
#include "tst_shortcut.moc"

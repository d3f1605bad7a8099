// The framework's short-cut codes and the key sequences of the forms.
#include "ZAMShortCut.h"

#include <QSet>
#include <QTest>

class TestShortCut : public QObject
{
    Q_OBJECT

    static void BeideRichtungen(int ACode, const QKeySequence& AFolge)
    {
        const QString was = QString::number(ACode) + u' ' + AFolge.toString();
        QVERIFY2(ZAMShortCut2KeySequence(TZAM_ShortCut(ACode)) == AFolge, qPrintable(was));
        QVERIFY2(ZAMKeySequence2ShortCut(AFolge) == ACode, qPrintable(was));
    }

private Q_SLOTS:
    void funktionstastenMitUmschaltern()
    {
        BeideRichtungen(122, QKeySequence(Qt::Key_F11));
        BeideRichtungen(0x4000 | 122, QKeySequence(Qt::CTRL | Qt::Key_F11));
        BeideRichtungen(0x2000 | 123, QKeySequence(Qt::SHIFT | Qt::Key_F12));
        BeideRichtungen(0x8000 | 121, QKeySequence(Qt::ALT | Qt::Key_F10));
        BeideRichtungen(0xE000 | 112, QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F1));
        BeideRichtungen(135, QKeySequence(Qt::Key_F24));
        // The texts of the script runner.
        QCOMPARE(ZAMShortCut2KeySequence(122).toString(QKeySequence::PortableText), QStringLiteral("F11"));
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(QStringLiteral("Ctrl+F12")))), 0x4000 | 123);
    }

    void ziffernBuchstabenUndTasten()
    {
        for (int i = 0; i <= 9; ++i)
            BeideRichtungen(48 + i, QKeySequence(Qt::Key_0 + i));
        for (int i = 0; i < 26; ++i)
            BeideRichtungen(65 + i, QKeySequence(Qt::Key_A + i));
        BeideRichtungen(0x4000 | 65, QKeySequence(QStringLiteral("Ctrl+a")));
        const QList<std::pair<int, Qt::Key>> tasten{
            {13, Qt::Key_Return},   {9, Qt::Key_Tab},     {27, Qt::Key_Escape},   {32, Qt::Key_Space},
            {8, Qt::Key_Backspace}, {33, Qt::Key_PageUp}, {34, Qt::Key_PageDown}, {35, Qt::Key_End},
            {36, Qt::Key_Home},     {37, Qt::Key_Left},   {38, Qt::Key_Up},       {39, Qt::Key_Right},
            {40, Qt::Key_Down},     {45, Qt::Key_Insert}, {46, Qt::Key_Delete}};
        for (const auto& [code, key] : tasten)
            BeideRichtungen(code, QKeySequence(key));
        // Keypad Enter and Shift+Tab as Qt reports them.
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter))), 13);
        QCOMPARE(int(ZAMKeySequence2ShortCut(QKeySequence(Qt::SHIFT | Qt::Key_Backtab))), 0x2000 | 9);
    }

    void unbekannt()
    {
        for (int code : {0, 7, 47, 64, 91, 111, 136, 255, 0x4000, 0x2000 | 200, 0x1000 | 122})
            QVERIFY2(ZAMShortCut2KeySequence(TZAM_ShortCut(code)).isEmpty(), qPrintable(QString::number(code)));
        for (const QKeySequence& f : {QKeySequence(), QKeySequence(Qt::Key_Percent), QKeySequence(Qt::Key_F25),
                                      QKeySequence(Qt::META | Qt::Key_F11), QKeySequence(Qt::Key_F11, Qt::Key_F12)})
            QVERIFY2(ZAMKeySequence2ShortCut(f) == 0, qPrintable(f.toString()));
    }

    void scanPraefixVorrat()
    {
        QCOMPARE(int(CZAM_ScanPraefixMDEVorrat.front().ShortCut), 122);
        QCOMPARE(QString(CZAM_ScanPraefixMDEVorrat.front().Caption), QStringLiteral("F11"));
        QSet<TZAM_ShortCut> codes;
        QSet<QString> captions;
        for (const TZAM_ScanPraefix& p : CZAM_ScanPraefixMDEVorrat) {
            QCOMPARE(ZAMKeySequence2ShortCut(ZAMShortCut2KeySequence(p.ShortCut)), p.ShortCut);
            codes << p.ShortCut;
            captions << QString(p.Caption);
        }
        QCOMPARE(codes.size(), 5);
        QCOMPARE(captions.size(), 5);
    }
};

QTEST_MAIN(TestShortCut)
#include "tst_shortcut.moc"

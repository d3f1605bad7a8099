// The framework's message window answers to Enter and Esc and fits the handheld screen.
#include "IZAM_Info.h"
#include "TZAMMeldungDialog.h"
#include "TZAM_InfoMeldungListe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMeldungsdialog : public QObject
{
    Q_OBJECT

    static int Antwort(TZAMMeldungDialog::TArt AArt, Qt::Key ATaste)
    {
        TZAMMeldungDialog dlg(AArt, QStringLiteral("Titel"), QStringLiteral("Zeile 1\r\nZeile 2"));
        QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, ATaste); });
        return dlg.exec();
    }

private Q_SLOTS:
    void tasten()
    {
        QCOMPARE(Antwort(TZAMMeldungDialog::maFrage, Qt::Key_Return), int(mrYes));
        QCOMPARE(Antwort(TZAMMeldungDialog::maFrage, Qt::Key_Escape), int(mrNo));
        QCOMPARE(Antwort(TZAMMeldungDialog::maInfo, Qt::Key_Return), int(mrOk));
        QCOMPARE(Antwort(TZAMMeldungDialog::maWarnung, Qt::Key_Escape), int(mrOk));
    }

    void passtAufDasHandgeraet()
    {
        QString lang;
        for (int i = 0; i < 60; ++i)
            lang += QStringLiteral("Ein sehr langer Meldungstext, der umbrechen muss. ");
        TZAMMeldungDialog dlg(TZAMMeldungDialog::maFrage, QString(), lang);
        dlg.show();
        QVERIFY(dlg.width() <= 320);
        QVERIFY(dlg.height() <= 320);
        QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("btnNein"))->isVisible());
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("lblMeldung"))->text().contains(u'\r'), false);
    }

    void meldungsliste()
    {
        TZAM_InfoMeldungListe l;
        l.Meldung_Add(QStringLiteral("Platz gesperrt"));
        l.Meldung_Add(QStringLiteral("Menge zu groß"));
        QCOMPARE(l.Meldungen_Anz_Get(), 2);
        QCOMPARE(l.Meldungen_AlsText(), QStringLiteral("Platz gesperrt; Menge zu groß"));
        QCOMPARE(l.Meldungen_AlsText(QStringLiteral(" ")), QStringLiteral("Platz gesperrt Menge zu groß"));
        l.Clear();
        QCOMPARE(l.Meldungen_Anz_Get(), 0);
    }
};

QTEST_MAIN(TestMeldungsdialog)
#include "tst_meldungsdialog.moc"

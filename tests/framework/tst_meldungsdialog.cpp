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

    // However the window closes, it answers within its contract (mrYes or mrNo; mrOk): a window
    // closed without an answer (reject, program end, hidden) answers as Esc does.
    void ohneAntwortGeschlossenWieEsc_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("wie");
        QTest::addColumn<int>("antwort");
        const std::pair<const char*, int> arten[] = {{"Frage", TZAMMeldungDialog::maFrage},
                                                     {"Info", TZAMMeldungDialog::maInfo}};
        const char* wege[] = {"reject", "done(Rejected)", "done(Accepted)", "close", "hide", "Knopf"};
        for (const auto& [name, art] : arten)
            for (int w = 0; w < 6; ++w) {
                int antwort = art == TZAMMeldungDialog::maFrage ? mrNo : mrOk;
                if (w == 5)
                    antwort = art == TZAMMeldungDialog::maFrage ? mrYes : mrOk;
                QTest::addRow("%s %s", name, wege[w]) << art << w << antwort;
            }
    }
    void ohneAntwortGeschlossenWieEsc()
    {
        QFETCH(int, art);
        QFETCH(int, wie);
        QFETCH(int, antwort);
        TZAMMeldungDialog dlg(TZAMMeldungDialog::TArt(art), QStringLiteral("Titel"), QStringLiteral("Wirklich?"));
        QTimer::singleShot(0, &dlg, [&] {
            const QString knopf = QLatin1String(art == TZAMMeldungDialog::maFrage ? "btnJa" : "btnOK");
            switch (wie) {
            case 0:
                dlg.reject();
                break;
            case 1:
                dlg.done(QDialog::Rejected);
                break;
            case 2:
                dlg.done(QDialog::Accepted);
                break;
            case 3:
                dlg.close();
                break;
            case 4:
                dlg.hide();
                break;
            default:
                dlg.findChild<QPushButton*>(knopf)->click();
            }
        });
        QCOMPARE(dlg.exec(), antwort);
        QCOMPARE(dlg.result(), antwort);
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

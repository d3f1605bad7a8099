// The terminal's article-number entry and the data module's check of a typed article.
#include "TDM_Torvik.h"
#include "TQIV_ArtNrEdit.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmArtNrGrPopup.h"
#include "ZAMInfoKoords.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestArtNrGrPopup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

private Q_SLOTS:
    void init()
    {
        TZAM_Backend::TOptionen opt;
        opt.MeldungenOhneFenster = true;
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite, opt);
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
    }
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    // The check's order: no product, then without size accepted whatever the till size, then the
    // till size of the article's grid (the professional shoe: till sizes 38 to 47 at 1 to 10).
    void pruefung_data()
    {
        QTest::addColumn<int>("produkt");
        QTest::addColumn<int>("kassenGroesse");
        QTest::addColumn<bool>("mitGroesse");
        QTest::addColumn<bool>("angenommen");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("meldung");
        QTest::newRow("ohne Artikel") << 0 << 42 << true << false << 255 << 1001;
        QTest::newRow("ohne Größe") << 100007 << -1 << false << true << 255 << 0;
        QTest::newRow("Kassengröße 42") << 100007 << 42 << true << true << 5 << 0;
        QTest::newRow("fehlende Kassengröße") << 100007 << 48 << true << false << 255 << 1002;
        QTest::newRow("leere Kassengröße") << 100007 << -1 << true << false << 255 << 1002;
    }
    void pruefung()
    {
        QFETCH(int, produkt);
        QFETCH(int, kassenGroesse);
        QFETCH(bool, mitGroesse);
        QFETCH(bool, angenommen);
        QFETCH(int, index);
        QFETCH(int, meldung);
        TZAM_Intv100_IndErw ind = 0;
        TInfoKoord koord;
        const TInt32Trio p = produkt ? TInt32Trio(1, produkt, 0) : TInt32Trio();
        QCOMPARE(FDM->ArtNrGrPopup_onPruefen_Do(p, kassenGroesse, mitGroesse, ind, koord), angenommen);
        QCOMPARE(int(ind), index);
        QCOMPARE(koord.Nummer, meldung);
    }

    // Typed article with a till size: a refused size keeps the form open, the right one answers;
    // the next use starts empty, and a cancel answers the empty product and 255.
    void eingabe()
    {
        TfrmArtNrGrPopup* popup = FDM->ArtNrGrPopup_GoC();
        auto* weiter = popup->findChild<QPushButton*>(QStringLiteral("btnWeiter"));
        bool offenNachAblehnung = false;
        QTimer::singleShot(0, popup, [&] {
            popup->edtArtikelNr->setText(QStringLiteral("300107"));
            popup->edtGroesse->setText(QStringLiteral("99"));
            QTest::mouseClick(weiter, Qt::LeftButton);
            offenNachAblehnung = popup->isVisible();
            popup->edtGroesse->setText(QStringLiteral("042"));
            QTest::keyClick(popup->edtGroesse, Qt::Key_Return);
        });
        TInt32Trio produkt;
        TZAM_Intv100_IndErw ind = 0;
        QVERIFY(popup->ProduktIDManuell(produkt, ind, true));
        QVERIFY(offenNachAblehnung);
        QCOMPARE(produkt, TInt32Trio(1, 100007, 0));
        QCOMPARE(int(ind), 5);
        QCOMPARE(popup->height(), 207);

        QString artikelBeimOeffnen = QStringLiteral("?");
        QTimer::singleShot(0, popup, [&] {
            artikelBeimOeffnen = popup->edtArtikelNr->text();
            popup->edtArtikelNr->setText(QStringLiteral("300107"));
            QTest::keyClick(popup->edtArtikelNr, Qt::Key_Escape);
        });
        QVERIFY(!popup->ProduktIDManuell(produkt, ind, false));
        QVERIFY(artikelBeimOeffnen.isEmpty());
        QVERIFY(produkt.IsNull());
        QCOMPARE(int(ind), 255);
        QCOMPARE(popup->height(), 176);
    }
};

QTEST_MAIN(TestArtNrGrPopup)
#include "tst_artnrgrpopup.moc"

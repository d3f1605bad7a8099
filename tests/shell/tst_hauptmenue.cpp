// The terminal main menu on the demo site: log-on with and without password, rights, log-off,
// the goods-receipt captions, and menu entries whose forms come later.
#include "IZAM_RechteServer.h"
#include "TDM_Torvik.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_TestUmgebung.h"
#include "Tfrmmain.h"
#include "ZAMGlobal.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const TIntPair CAnna(1, 1001);
const TIntPair CAnnaBenutzer(2, 1);

// Answers the next rights dialog with user and password.
void RechtDialogBeantworten(const QString& ABenutzer, const QString& APasswort, QStringList* AGesehen = nullptr)
{
    ZAM_BeimNaechstenDialog([=](QWidget* dlg) {
        if (AGesehen)
            *AGesehen << QString::fromLatin1(dlg->metaObject()->className());
        ZAM_FeldSetzen(dlg, QStringLiteral("edtBenutzer"), ABenutzer);
        ZAM_FeldSetzen(dlg, QStringLiteral("edtPasswort"), APasswort);
        ZAM_Klicken(dlg, QStringLiteral("Anmelden"));
    });
}

// Chooses the first hit of the employee search, or cancels when ASuche is empty.
void MitarbeiterWaehlen(const QString& ASuche, QStringList* AGesehen = nullptr)
{
    ZAM_BeimNaechstenDialog([=](QWidget* dlg) {
        if (AGesehen)
            *AGesehen << QString::fromLatin1(dlg->metaObject()->className());
        if (ASuche.isEmpty()) {
            ZAM_Klicken(dlg, QStringLiteral("Abbrechen"));
            return;
        }
        ZAM_FeldSetzen(dlg, QStringLiteral("edtSuche"), ASuche);
        ZAM_Klicken(dlg, QStringLiteral("Suchen"));
        auto* liste = dlg->findChild<QTreeWidget*>(QStringLiteral("lvErgebnis"));
        if (liste && liste->topLevelItemCount() > 0)
            liste->setCurrentItem(liste->topLevelItem(0));
        ZAM_Klicken(dlg, QStringLiteral("OK"));
    });
}

} // namespace

class TestHauptmenue : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    QString Mita(Tfrmmain& AForm) { return AForm.findChild<QLabel*>(QStringLiteral("lblMita"))->text(); }
    bool MeldungEnthaelt(const QString& ATeil)
    {
        for (const QString& m : ZAMInfo().GezeigteMeldungenHolen())
            if (m.contains(ATeil))
                return true;
        return false;
    }

private Q_SLOTS:
    void init()
    {
        TZAM_Anwendung::Zuruecksetzen();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
        TZAM_Anwendung::Zuruecksetzen();
    }

    void passwortschutzJeeFunktionFragtNachRechten()
    {
        RechtDialogBeantworten(QStringLiteral("anna"), QStringLiteral("anna1234"));
        Tfrmmain frm;
        QVERIFY(!TZAM_Anwendung::Terminated());
        QCOMPARE(FDM->FMitarbeiter, CAnna);
        QVERIFY(FDM->FBenutzer.IsNull()); // the dialog sets the employee only
        QCOMPARE(Mita(frm), QStringLiteral("Anna Albers"));

        // A user without the rights is refused; the menu stays as it was.
        QStringList gesehen;
        RechtDialogBeantworten(QStringLiteral("bernd"), QStringLiteral("bernd123"), &gesehen);
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnlpzuzaehlen")), Qt::LeftButton);
        QCOMPARE(gesehen, QStringList{QStringLiteral("TZAM_RechtDialog")});
        QVERIFY(MeldungEnthaelt(QStringLiteral("Keine Zugriffsrechte")));
        QCOMPARE(FDM->FMitarbeiter, CAnna);
        QCOMPARE(Mita(frm), QStringLiteral("Anna Albers"));

        // Granted: the count-date form opens for the current warehouse.
        gesehen.clear();
        RechtDialogBeantworten(QStringLiteral("anna"), QStringLiteral("anna1234"), &gesehen);
        QTimer::singleShot(0, [&] {
            ZAM_BeimNaechstenDialog(
                [&](QWidget* dlg) {
                    gesehen << QString::fromLatin1(dlg->metaObject()->className());
                    ZAM_Klicken(dlg, QStringLiteral("Schließen"));
                },
                nullptr);
        });
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnlpzuzaehlen")), Qt::LeftButton);
        QVERIFY(gesehen.contains(QStringLiteral("Tfrmlpzuzaehlen")));
    }

    void spaetereFormMeldetNichtImplementiertUndMenueBleibtBedienbar()
    {
        RechtDialogBeantworten(QStringLiteral("anna"), QStringLiteral("anna1234"));
        Tfrmmain frm;
        for (int i = 0; i < 2; ++i) {
            RechtDialogBeantworten(QStringLiteral("anna"), QStringLiteral("anna1234"));
            QTest::mouseClick(frm.Knopf(QStringLiteral("btnFilialnachsortierung")), Qt::LeftButton);
            QVERIFY(MeldungEnthaelt(QStringLiteral("TfrmNachsortierung")));
        }
    }

    void passwortschutzNMitarbeiterOhneBenutzer()
    {
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        QStringList gesehen;
        MitarbeiterWaehlen(QStringLiteral("Carla"), &gesehen);
        Tfrmmain frm;
        QCOMPARE(gesehen, QStringList{QStringLiteral("TGpSuchDialog")});
        QVERIFY(!TZAM_Anwendung::Terminated());
        QVERIFY(MeldungEnthaelt(QStringLiteral("Bitte eine UserId dem Mitarbeiter zuordnen!")));
        QVERIFY(FDM->FMitarbeiter.IsNull());
        QVERIFY(Mita(frm).isEmpty());

        // The first guarded button asks for the employee again.
        MitarbeiterWaehlen(QStringLiteral("Anna"), &gesehen);
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnUmlagerung")), Qt::LeftButton);
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(FDM->FMitarbeiter, CAnna);
        QCOMPARE(FDM->FBenutzer, CAnnaBenutzer);
        QCOMPARE(FDM->Rechteserver_GoC()->AktBenutzer(), CAnnaBenutzer);
        QVERIFY(MeldungEnthaelt(QStringLiteral("TfrmUmlagerung")));

        // A chosen employee stays valid: no dialog for the next function.
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnInventur")), Qt::LeftButton);
        QCOMPARE(gesehen.size(), 2);
        QVERIFY(MeldungEnthaelt(QStringLiteral("TfrmInbetriebnahme")));

        // Log-off: the next guarded function asks again.
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnBenutzerAbmelden")), Qt::LeftButton);
        QVERIFY(FDM->FMitarbeiter.IsNull());
        QVERIFY(FDM->FBenutzer.IsNull());
        QVERIFY(FDM->Rechteserver_GoC()->AktBenutzer().IsNull());
        QVERIFY(Mita(frm).isEmpty());
        MitarbeiterWaehlen(QString(), &gesehen);
        QTest::mouseClick(frm.Knopf(QStringLiteral("btnInventur")), Qt::LeftButton);
        QCOMPARE(gesehen.size(), 3);
        QVERIFY(!MeldungEnthaelt(QStringLiteral("TfrmInbetriebnahme"))); // cancelled: nothing opened
    }

    void abgebrocheneAnmeldungBeendet()
    {
        ZAM_BeimNaechstenDialog([](QWidget* dlg) { ZAM_Klicken(dlg, QStringLiteral("Abbrechen")); });
        Tfrmmain frm;
        QVERIFY(TZAM_Anwendung::Terminated());
    }

    void anzeigeNachStartOhneWarenannahmescheine()
    {
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        FUmg->ParameterSetzen(QStringLiteral("EWABELEG"), QStringLiteral("N"));
        MitarbeiterWaehlen(QStringLiteral("Anna"));
        Tfrmmain frm;
        frm.show();
        QTRY_VERIFY(frm.Knopf(QStringLiteral("btnEinlagerung"))->isHidden());
        QVERIFY(frm.Timer()->isActive());
        QCOMPARE(frm.Timer()->interval(), 900000);
        QVERIFY(frm.findChild<QLabel*>(QStringLiteral("pnlDataHeaderFilialeZL"))->isHidden());
        QCOMPARE(frm.findChild<QLabel*>(QStringLiteral("pnlDataHeaderHerstellungVerkaufsbereitschaft"))->text(),
                 QStringLiteral("Einlagerung"));
        QCOMPARE(frm.Knopf(QStringLiteral("btnWarenannahme_Filiale"))->text(), QStringLiteral("Wareneingang / WBS"));
        QCOMPARE(frm.findChild<QLabel*>(QStringLiteral("pnlDataHeader"))->text(), QStringLiteral("Menü, Lager 1"));
        // The demo's hall is not in operation yet; open customer orders colour their button green.
        QVERIFY(!frm.Knopf(QStringLiteral("btnInbetriebnahme"))->isHidden());
        QCOMPARE(frm.Knopf(QStringLiteral("btnKundenbestellungen"))->property("zamFarbe").toInt(), 32768);
        QVERIFY(frm.Knopf(QStringLiteral("btnKundenbestellungen"))->font().bold());
    }

    void ohneOffeneKundenbestellungenRot()
    {
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        FUmg->Backend().Datenbank().Schreiben(QStringLiteral("DELETE FROM zam_auko"));
        MitarbeiterWaehlen(QStringLiteral("Anna"));
        Tfrmmain frm;
        frm.Kundenbestellungen_Lesen();
        QCOMPARE(frm.Knopf(QStringLiteral("btnKundenbestellungen"))->property("zamFarbe").toInt(), 2101432);
        QVERIFY(!frm.Knopf(QStringLiteral("btnKundenbestellungen"))->font().bold());
        QCOMPARE(frm.Knopf(QStringLiteral("btnKundenbestellungen"))->text(), QStringLiteral("Kundenbestellungen"));
    }
};

QTEST_MAIN(TestHauptmenue)
#include "tst_hauptmenue.moc"

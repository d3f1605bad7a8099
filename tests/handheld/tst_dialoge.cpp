// The dialog panels of the handheld screen: messages and questions, stacked answers, input with a
// choice, log-on with rights, the help view and the article picture; and the article panels:
// article choice, size-quantity entry and quantity correction.
#include "TAbstractMultipurposePanelState.h"
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TZAM_BtnMenu.h"
#include "TQIV_ArtNrEdit.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QStringList GAufrufe;

class TDialogTestState : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TDialogTestState";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;
    void StateAnfangVariablenClear() override {}
    QString Caption_Get() override { return QStringLiteral("Dialogtest"); }
    QString FussTip(bool& ALang) override
    {
        ALang = false;
        return QStringLiteral("Bitte scannen.");
    }
    bool UseNumPad() override { return true; }
    void btnZurueckClick() override { GAufrufe << QStringLiteral("zurueck"); }
    void NummernBlockEingabe(int AInt) override { GAufrufe << QStringLiteral("ziffer %1").arg(AInt); }
    void KeyEnter() override { GAufrufe << QStringLiteral("enter"); }
    void KeyBackSpace() override { GAufrufe << QStringLiteral("backspace"); }
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&) override
    {
        GAufrufe << QStringLiteral("scan ") + AText;
    }
    void ButtonsSchalten_Speziell() override
    {
        FMaske->BtnBuchenVisible_Set(true);
        FMaske->BtnEtikDruckVisible_Set(true);
        FMaske->BtnArtNrHandEinVisible_Set(true);
    }
};

QString Antwort(TZAM_TriState_Enum A)
{
    return A == tsTrue ? QStringLiteral("ja") : A == tsFalse ? QStringLiteral("nein") : QStringLiteral("offen");
}

} // namespace

class TestDialoge : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    void Starten(const QString& APwSchutz)
    {
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), APwSchutz);
        ZAM_HandgeraetOeffnen(FDM, FMaske);
    }
    void Taste(Qt::Key ATaste) { ZAM_Taste(FMaske.get(), ATaste); }
    void Tippen(const QString& AText) { ZAM_Tippen(FMaske.get(), AText); }
    void Scannen(const QString& AText) { ZAM_Scannen(FMaske.get(), AText); }
    QPushButton* Knopf(const QString& AName) { return FMaske->findChild<QPushButton*>(AName); }
    void Klicken(const QString& AName) { QTest::mouseClick(Knopf(AName), Qt::LeftButton); }
    QString Fuss(bool* AWarnung = nullptr)
    {
        bool lang = false, warnung = false;
        const QString t = FMaske->FussTipLesen(lang, warnung);
        if (AWarnung)
            *AWarnung = warnung;
        return t;
    }
    void Anmelden(const QString& ABenutzer, const QString& APasswort)
    {
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtBenutzer"))->setText(ABenutzer);
        FMaske->findChild<QLineEdit*>(QStringLiteral("edtPasswort"))->setText(APasswort);
        Klicken(QStringLiteral("btnAnmelden"));
    }

private Q_SLOTS:
    void init()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FUmg->DemoAnlegen();
        GAufrufe.clear();
    }
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    void meldungUndFrage()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        FMaske->BtnBuchenEnabled_Set(false);
        // A question: Ja/Nein, header and footer saved and cleared; the buttons come back enabled.
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Wirklich?"), [](TZAM_TriState_Enum A, bool ADurchUser) {
                GAufrufe << Antwort(A) + (ADurchUser ? QStringLiteral(" (Benutzer)") : QString());
            }));
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        QVERIFY(!FMaske->pnlMultipurpose->isVisible());
        QVERIFY(Knopf(QStringLiteral("btnJa"))->isVisible() && Knopf(QStringLiteral("btnNein"))->isVisible());
        QVERIFY(!Knopf(QStringLiteral("btnOK"))->isVisible());
        QVERIFY(Fuss().isEmpty());
        QVERIFY(FMaske->HeaderCaption_Get().isEmpty());
        Taste(Qt::Key_7); // digits reach no state while the question is open
        Klicken(QStringLiteral("btnNein"));
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("nein (Benutzer)")});
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        QCOMPARE(Fuss(), QStringLiteral("Bitte scannen."));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Dialogtest"));
        QVERIFY(FMaske->BtnBuchenEnabled()); // enabled again, not restored (kept on purpose)

        // The back button answers undefined when the question lets it.
        GAufrufe.clear();
        TQIV_SicherheitsAbfrage_Options frage = TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Zurück?"), [](TZAM_TriState_Enum A, bool) { GAufrufe << Antwort(A); });
        frage.ZurueckEnabled = true;
        FMaske->SicherheitsAbfrageAn(frage);
        Taste(Qt::Key_Escape);
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("offen")});
        // Afterwards Esc is the state's back action again.
        Taste(Qt::Key_Escape);
        QCOMPARE(GAufrufe.last(), QStringLiteral("zurueck"));

        // F14 answers "Ja", F15 "Nein"; with a message F15 does nothing.
        GAufrufe.clear();
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("F14?"), [](TZAM_TriState_Enum A, bool) { GAufrufe << Antwort(A); }));
        Taste(Qt::Key_F14);
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(QStringLiteral("Info"), false,
                                                     [](TZAM_TriState_Enum A, bool) { GAufrufe << Antwort(A); }));
        Taste(Qt::Key_F15);
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        Klicken(QStringLiteral("btnOK"));
        QCOMPARE(GAufrufe, (QStringList{QStringLiteral("ja"), QStringLiteral("ja")}));
    }

    void meldungOhneKnopfNurDurchScan()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        TQIV_Meldung_Options m = TQIV_Meldung_Options::Kurz(
            QStringLiteral("Bitte Platz scannen"), false,
            [this](TZAM_TriState_Enum A, bool) { GAufrufe << Antwort(A) + u' ' + FMaske->edtScannFeld->text(); });
        m.MitOK = false;
        m.IgnoreScan = istNeinMitCallback;
        FMaske->MeldungAn(m);
        for (const char* name : {"btnJa", "btnNein", "btnOK", "btnAbbrechen"})
            QVERIFY(!Knopf(QString::fromLatin1(name))->isVisible());
        Taste(Qt::Key_Escape);
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        Scannen(QStringLiteral("0000100000100000100000"));
        // Answered as OK; the callback reads the scan itself, the state gets nothing.
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("ja 0000100000100000100000")});
        QVERIFY(!FMaske->pnlSicherheitsAbfrage->isVisible());
    }

    void scanWaehrendMeldung()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        auto meldung = [this](TQIV_IgnoreScanType ABehandlung) {
            TQIV_Meldung_Options m =
                TQIV_Meldung_Options::Kurz(QStringLiteral("Hinweis"), false,
                                           [](TZAM_TriState_Enum A, bool) { GAufrufe << QStringLiteral("callback"); });
            m.IgnoreScan = ABehandlung;
            FMaske->MeldungAn(m);
        };
        meldung(istJa);
        Scannen(QStringLiteral("111"));
        QVERIFY(GAufrufe.isEmpty()); // swallowed
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        Klicken(QStringLiteral("btnOK"));
        GAufrufe.clear();
        meldung(istNeinOhneCallback);
        Scannen(QStringLiteral("222"));
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("scan 222")}); // answered without callback, then processed
        QVERIFY(!FMaske->pnlSicherheitsAbfrage->isVisible());
    }

    void gestapelteAntworten()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        QList<TQIV_MDE_InfoButtonProperties> fuenf;
        for (int i = 0; i < 5; ++i)
            fuenf << TQIV_MDE_InfoButtonProperties{0, {}, true, QStringLiteral("Antwort %1").arg(i), 0, 0, {}};
        QList<TQIV_MDE_InfoButtonProperties> zwei = fuenf.mid(0, 2);
        // The callback opens the next stacked question from inside the click.
        FMaske->FrageButtonsUntereinanderAn(
            QStringLiteral("Welche?"),
            [&](int A, bool) {
                GAufrufe << QString::number(A);
                FMaske->FrageButtonsUntereinanderAn(
                    QStringLiteral("Und jetzt?"), [](int B, bool) { GAufrufe << QString::number(B); }, zwei, 12,
                    QStringLiteral("Zwei"));
            },
            fuenf, 12, QStringLiteral("Fünf"));
        auto sichtbar = [this] {
            int n = 0;
            for (QPushButton* b : FMaske->pnlFrageButtonsUntereinander->findChildren<QPushButton*>())
                n += b->isVisible() ? 1 : 0;
            return n;
        };
        QCOMPARE(sichtbar(), 5);
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Fünf"));
        Klicken(QStringLiteral("btnFrageButtonsUntereinander4"));
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("4")});
        QTRY_COMPARE(sichtbar(), 2);
        QCOMPARE(Knopf(QStringLiteral("btnFrageButtonsUntereinander1"))->text(), QStringLiteral("Antwort 1"));
        // Back answers -1.
        Taste(Qt::Key_Escape);
        QCOMPARE(GAufrufe, (QStringList{QStringLiteral("4"), QStringLiteral("-1")}));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Dialogtest"));
    }

    void eingabeMitAuswahl()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        TQIV_MDE_ComboboxProperties auswahl{true, QStringLiteral("Rot,\"Grün, hell\",Blau"), QStringLiteral("Farbe")};
        FMaske->EingabeAn(
            6, 4, QStringLiteral("Bitte Menge eingeben"),
            [&](TZAM_TriState_Enum A, const QString& AText, const QString& AWahl) {
                GAufrufe << Antwort(A) + u' ' + AText + u' ' + AWahl;
                // The next panel from inside the callback.
                FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(QStringLiteral("Gebucht")));
            },
            {}, {}, auswahl, QString(), 14);
        QVERIFY(FMaske->pnlEingabe->isVisible());
        // Digits, Backspace and Enter edit the field; the state hears nothing of them.
        Tippen(QStringLiteral("12345"));
        auto* feld = FMaske->findChild<QLineEdit*>(QStringLiteral("edtEingabe"));
        QCOMPARE(feld->text(), QStringLiteral("1234")); // kind 6, length 4: up to 9999
        Taste(Qt::Key_Backspace);
        Taste(Qt::Key_Return);
        QCOMPARE(feld->text(), QStringLiteral("123"));
        QVERIFY(GAufrufe.isEmpty());
        Klicken(QStringLiteral("btnEingabeAuswahl"));
        QVERIFY(FMaske->pnlEingabeAuswahl->isVisible());
        QCOMPARE(FMaske->findChild<TZAM_BtnMenu*>(QStringLiteral("btnmEingabeAuswahl"))->Count(), 3);
        emit FMaske->findChild<TZAM_BtnMenu*>(QStringLiteral("btnmEingabeAuswahl"))->ButtonClick(1);
        QVERIFY(FMaske->pnlEingabe->isVisible());
        Klicken(QStringLiteral("btnEingabeOK"));
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("ja 123 Grün, hell")});
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        Klicken(QStringLiteral("btnOK"));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        QVERIFY(FMaske->NumpadActions_Enabled_Get());
        Taste(Qt::Key_8);
        QCOMPARE(GAufrufe.last(), QStringLiteral("ziffer 8"));
    }

    void jederRueckrufOeffnetDasNaechstePanel()
    {
        Starten(QStringLiteral("J"));
        Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"));
        FMaske->ChangeState<TDialogTestState>();
        // Message -> question -> input -> picture -> stacked answers -> log-on, each from the
        // callback of the one before.
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(QStringLiteral("1"), false, [this](TZAM_TriState_Enum, bool) {
            GAufrufe << QStringLiteral("meldung");
            FMaske->SicherheitsAbfrageAn(
                TQIV_SicherheitsAbfrage_Options::Kurz(QStringLiteral("2"), [this](TZAM_TriState_Enum, bool) {
                    GAufrufe << QStringLiteral("frage");
                    FMaske->EingabeAn(
                        0, 10, QStringLiteral("3"),
                        [this](TZAM_TriState_Enum, const QString&, const QString&) {
                            GAufrufe << QStringLiteral("eingabe");
                            FMaske->BildAn(TInt32Trio(1, 100002, 0), [this] {
                                GAufrufe << QStringLiteral("bild");
                                FMaske->FrageButtonsUntereinanderAn(
                                    QStringLiteral("5"),
                                    [this](int, bool) {
                                        GAufrufe << QStringLiteral("gestapelt");
                                        FDM->Rechteserver_GoC()->Abmelden();
                                        FMaske->BenutzerAnmeldungAn(
                                            [](bool AErfolg) {
                                                GAufrufe << QStringLiteral("anmeldung %1").arg(AErfolg);
                                            },
                                            {380, 381}, false);
                                    },
                                    {TQIV_MDE_InfoButtonProperties{0, {}, true, QStringLiteral("Weiter"), 0, 0, {}}},
                                    12, QString());
                            });
                        },
                        {}, {}, {}, QString(), 12);
                }));
        }));
        Klicken(QStringLiteral("btnOK"));
        Klicken(QStringLiteral("btnJa"));
        Klicken(QStringLiteral("btnEingabeOK"));
        QTest::mouseClick(FMaske->findChild<QLabel*>(QStringLiteral("lblBild")), Qt::LeftButton);
        Klicken(QStringLiteral("btnFrageButtonsUntereinander0"));
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
        Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"));
        QCOMPARE(GAufrufe,
                 (QStringList{QStringLiteral("meldung"), QStringLiteral("frage"), QStringLiteral("eingabe"),
                              QStringLiteral("bild"), QStringLiteral("gestapelt"), QStringLiteral("anmeldung 1")}));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
    }

    void anmeldungOhnePasswortschutzSofort()
    {
        Starten(QStringLiteral("N"));
        bool erfolg = false;
        FMaske->BenutzerAnmeldungAn([&](bool A) { erfolg = A; }, {380, 381}, true);
        QVERIFY(erfolg);
        QVERIFY(!FMaske->pnlBenuAnmeldung->isVisible());
    }

    void anmeldungBeimStartUndMitRechten()
    {
        Starten(QStringLiteral("J"));
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
        for (const char* k : {"btnBenutzerAbmelden", "btnArtNrHandEin", "btnEtikDruck"})
            QVERIFY(!FMaske->findChild<QWidget*>(QString::fromLatin1(k))->isVisible());
        // A wrong password: the panel stays with the red footer.
        Anmelden(QStringLiteral("anna"), QStringLiteral("falsch"));
        bool warnung = false;
        QCOMPARE(Fuss(&warnung), QStringLiteral("Benutzername oder Passwort sind nicht korrekt!"));
        QVERIFY(warnung);
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
        // A user without the rights is told that instead.
        Anmelden(QStringLiteral("bernd"), QStringLiteral("bernd123"));
        QCOMPARE(Fuss(&warnung), QStringLiteral("Keine Zugriffsrechte auf die Funktion! Anmeldung mit anderem Namen?"));
        QVERIFY(FDM->Rechteserver_GoC()->AktBenutzer().IsNull()); // the refused user does not stay current
        Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"));
        QVERIFY(FMaske->pnlBtnMenu->isVisible());
        QCOMPARE(Fuss(&warnung), QStringLiteral("Angemeldet: Anna Albers"));
        QVERIFY(!warnung);
        QCOMPARE(FDM->FMitarbeiter, TIntPair(1, 1001));
        QCOMPARE(FDM->FBenutzer, TIntPair(2, 1));
        QVERIFY(FMaske->BtnBenutzerAbmeldenVisible());

        // A current user holding the rights passes at once.
        bool erfolg = false;
        FMaske->BenutzerAnmeldungAn([&](bool A) { erfolg = A; }, {380, 385}, true);
        QVERIFY(erfolg);
        QVERIFY(!FMaske->pnlBenuAnmeldung->isVisible());

        // Cancel: false to the callback, the button states from before come back.
        FMaske->ChangeState<TDialogTestState>();
        FDM->Rechteserver_GoC()->Abmelden();
        erfolg = true;
        FMaske->BenutzerAnmeldungAn([&](bool A) { erfolg = A; }, {380, 381}, false);
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
        Taste(Qt::Key_F15);
        QVERIFY(!erfolg);
        QVERIFY(FMaske->BtnEtikDruckVisible());
        QCOMPARE(Fuss(), QStringLiteral("Bitte scannen."));
    }

    void abgebrocheneAnmeldungBeimStartSchliesst()
    {
        Starten(QStringLiteral("J"));
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
        Klicken(QStringLiteral("btnAnmeldungAbbrechen"));
        QTRY_VERIFY(!FMaske->isVisible());
        QCOMPARE(FMaske->result(), 0);
    }

    void offeneRechteFuerDenLeerenBenutzer()
    {
        FUmg->Backend().Datenbank().Schreiben(
            QStringLiteral("INSERT INTO zam_recht_offen (recht, funktionstyp) VALUES (380, 1)"));
        FUmg->Backend().Datenbank().Schreiben(
            QStringLiteral("INSERT INTO zam_recht_offen (recht, funktionstyp) VALUES (381, 1)"));
        Starten(QStringLiteral("J"));
        // The start's log-on passes for the empty user: nothing to ask.
        QVERIFY(!FMaske->pnlBenuAnmeldung->isVisible());
        bool erfolg = false;
        FMaske->BenutzerAnmeldungAn([&](bool A) { erfolg = A; }, {380, 381}, false);
        QVERIFY(erfolg);
        // Forced (as for goods receipt plus), the log-on is asked all the same.
        erfolg = false;
        FMaske->BenutzerAnmeldungAn([&](bool A) { erfolg = A; }, {380, 381}, true);
        QVERIFY(!erfolg);
        QVERIFY(FMaske->pnlBenuAnmeldung->isVisible());
    }

    void hilfeDerKnopfleiste()
    {
        Starten(QStringLiteral("N"));
        FMaske->setFixedSize(320, 600); // large bars
        FMaske->GrosseButtonsSchalten(false);
        FMaske->ChangeState<TDialogTestState>();
        for (TQIV_LogKnopf k : {lkBenutzerAbmelden, lkArtikelbildAnz, lkLPSkippen, lkArtikelNichtGefunden})
            Q_UNUSED(k);
        FMaske->BtnArtikelbildAnzVisible_Set(true);
        FMaske->BtnLPSkippenVisible_Set(true);
        FMaske->BtnArtikelNichtGefundenVisible_Set(true);
        FMaske->BtnEtikDruckEnabled_Set(false);
        QVERIFY(Knopf(QStringLiteral("btnHilfeUnten"))->isVisible());
        Klicken(QStringLiteral("btnHilfeUnten"));
        QVERIFY(FMaske->pnlButtonHilfe->isVisible());
        QStringList texte;
        for (int i = 1; i <= 4; ++i)
            if (Knopf(QStringLiteral("btnHilfe%1").arg(i))->isVisible())
                texte << Knopf(QStringLiteral("btnHilfe%1").arg(i))->text();
        // At most four, in left-to-right order of the bar.
        QCOMPARE(texte,
                 (QStringList{QStringLiteral("Artikelbild anzeigen"), QStringLiteral("Artikelnummer-Handeingabe"),
                              QStringLiteral("Anderer Lagerplatz für Artikel"), QStringLiteral("Etikettendruck")}));
        QVERIFY(!Knopf(QStringLiteral("btnHilfe4"))->isEnabled());
        Klicken(QStringLiteral("btnHilfeOK"));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        QVERIFY(!FMaske->BtnEtikDruckEnabled());
        QVERIFY(FMaske->BtnArtikelbildAnzEnabled());
    }

    void artikelbild()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        int geschlossen = 0;
        FMaske->BildAn(TInt32Trio(1, 100001, 0), [&] { ++geschlossen; });
        QVERIFY(FMaske->pnlBildanzeige->isVisible());
        auto* bild = FMaske->findChild<QLabel*>(QStringLiteral("lblBild"));
        QVERIFY(!bild->pixmap().isNull());
        QCOMPARE(Fuss(), QStringLiteral("Klicken Sie das Bild an, um es zu schließen."));
        Taste(Qt::Key_5); // numeric actions are off while the picture is open
        QVERIFY(GAufrufe.isEmpty());
        QTest::mouseClick(bild, Qt::LeftButton);
        QCOMPARE(geschlossen, 1);
        QCOMPARE(Fuss(), QStringLiteral("Bitte scannen."));
        // Without a picture the panel is empty, and a click closes it too.
        FMaske->BildAn(TInt32Trio(1, 100004, 0), [&] { ++geschlossen; });
        QVERIFY(bild->pixmap().isNull());
        QTest::mouseClick(bild, Qt::LeftButton);
        QCOMPARE(geschlossen, 2);
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
    }

    // The quantity correction answers (true, typed quantity, index) or (false, 0, -1); an empty
    // field keeps it open with a warning; no key reaches the state; the return panel comes back.
    void mengenkorrektur_data()
    {
        QTest::addColumn<QStringList>("ablauf");
        QTest::addColumn<QString>("antwort");
        const QString weiter = QStringLiteral("klick btnMeKorrSHWeiter");
        QTest::newRow("Weiter") << QStringList{QStringLiteral("leeren"), QStringLiteral("tippe 12"), weiter}
                                << QStringLiteral("ja 12 3");
        QTest::newRow("Enter nach Buchstaben")
            << QStringList{QStringLiteral("leeren"), QStringLiteral("tippe 1a2"), QStringLiteral("taste Enter")}
            << QStringLiteral("ja 12 3");
        QTest::newRow("F14 mit der Ist-Menge") << QStringList{QStringLiteral("taste F14")} << QStringLiteral("ja 5 3");
        QTest::newRow("Null-Knopf") << QStringList{QStringLiteral("klick btnMeKorrSHNull"), weiter}
                                    << QStringLiteral("ja 0 3");
        QTest::newRow("Abbrechen") << QStringList{QStringLiteral("tippe 9"), QStringLiteral("klick btnMeKorrSHAbbrechen")}
                                   << QStringLiteral("nein 0 -1");
        QTest::newRow("F15") << QStringList{QStringLiteral("taste F15")} << QStringLiteral("nein 0 -1");
        QTest::newRow("leeres Feld bleibt offen")
            << QStringList{QStringLiteral("leeren"), weiter, QStringLiteral("offen"), QStringLiteral("tippe 4"),
                           QStringLiteral("taste Enter")}
            << QStringLiteral("ja 4 3");
    }
    void mengenkorrektur()
    {
        QFETCH(QStringList, ablauf);
        QFETCH(QString, antwort);
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        FMaske->MengenKorrekturSHAn(FMaske->pnlMultipurpose, 3, QStringLiteral("XL"), 6, 5, QStringLiteral("HN-4711"),
                                    [](bool AErfolg, int AMenge, int AIndex) {
                                        GAufrufe << QStringLiteral("%1 %2 %3")
                                                        .arg(AErfolg ? QStringLiteral("ja") : QStringLiteral("nein"))
                                                        .arg(AMenge)
                                                        .arg(AIndex);
                                    });
        QVERIFY(FMaske->pnlMengenkorrekturSH->isVisible() && !FMaske->pnlMultipurpose->isVisible());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("HN-4711"));
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblMeKorrSHSollMeWert"))->text(), QStringLiteral("6"));
        auto* feld = FMaske->findChild<QLineEdit*>(QStringLiteral("edtMeKorrSHIstMeWert"));
        QCOMPARE(feld->text(), QStringLiteral("5"));
        for (const QString& schritt : ablauf) {
            const QString wert = schritt.section(u' ', 1);
            if (schritt == QLatin1String("leeren"))
                feld->clear();
            else if (schritt.startsWith(QLatin1String("tippe ")))
                QTest::keyClicks(feld, wert);
            else if (schritt.startsWith(QLatin1String("klick ")))
                Klicken(wert);
            else if (schritt.startsWith(QLatin1String("taste ")))
                Taste(wert == QLatin1String("Enter") ? Qt::Key_Return : wert == QLatin1String("F14") ? Qt::Key_F14 : Qt::Key_F15);
            else if (schritt == QLatin1String("offen")) {
                bool warnung = false;
                QVERIFY(!Fuss(&warnung).isEmpty() && warnung);
                QVERIFY(FMaske->pnlMengenkorrekturSH->isVisible());
                QVERIFY(GAufrufe.isEmpty());
            }
        }
        QCOMPARE(GAufrufe, QStringList{antwort});
        QVERIFY(FMaske->pnlMultipurpose->isVisible() && !FMaske->pnlMengenkorrekturSH->isVisible());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Dialogtest"));
        QCOMPARE(Fuss(), QStringLiteral("Bitte scannen."));
        QVERIFY(FMaske->NumpadActions_Enabled_Get());
    }

    // Rows of the size-quantity grid for its height: 4 + trunc((H - 180) / 45), toward zero;
    // growing and shrinking keep the rows in order.
    void mengenrasterZeilen()
    {
        Starten(QStringLiteral("N"));
        for (const auto& [hoehe, zeilen] : {std::pair{360, 8}, std::pair{150, 4}, std::pair{120, 3}, std::pair{404, 8}}) {
            FMaske->pnlMeEinSHMeEinWerte->resize(200, hoehe);
            FMaske->MengeneingabeSHAnFensterGroesseAnpassen();
            QCOMPARE(FMaske->MeEinSHZeilenAnzahl(), zeilen);
            QVERIFY(FMaske->findChild<QLabel*>(QStringLiteral("lblMeEinSHIst%1").arg(zeilen - 1)));
            QVERIFY(!FMaske->findChild<QLabel*>(QStringLiteral("lblMeEinSHIst%1").arg(zeilen)));
        }
    }

    // One walk through the size-quantity entry of the ten-size demo article: actual quantities
    // start at 1 for the given size, plus/minus stop at 0, a tapped planned cell copies the planned
    // quantity, paging moves the rows, a tapped actual cell opens the correction; back answers an
    // empty vector, post the actual one; afterwards the screen is the state's again.
    void mengeneingabe()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        FMaske->FOptionen.WEPlus.MeEingSHVorbelegen = false;
        TZAM_Intv100_Sortiment_Me soll;
        soll.Init();
        for (int ind = 2; ind <= 9; ++ind)
            soll.Me[ind] = ind;
        soll.MinMax_Bestimmen();
        QList<std::pair<bool, TZAM_Intv100_Sortiment_Me>> antworten;
        auto oeffnen = [&] {
            FMaske->MengeneingabeSHAn(TInt32Trio(1, 100007, 0), 3, soll,
                                      [&](bool AErfolg, const TZAM_Intv100_Sortiment_Me& AMe) { antworten << std::pair{AErfolg, AMe}; });
        };
        auto zelle = [&](const char* AName, int AZeile) {
            return FMaske->findChild<QLabel*>(QLatin1String(AName) + QString::number(AZeile));
        };
        oeffnen();
        QVERIFY(FMaske->pnlMengeneingabeSH->isVisible());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Sortiment SF-PRO-10"));
        QCOMPARE(Fuss(), QStringLiteral("Ist-Mengen kontrollieren und ggf. anpassen!"));
        const int zeilen = FMaske->MeEinSHZeilenAnzahl();
        QVERIFY(zeilen >= 1 && zeilen < 8);
        QCOMPARE(FMaske->MengeneingabeSHGrIndArr().first(), 2);
        QCOMPARE(zelle("lblMeEinSHGroesse", 0)->text(), QStringLiteral("39"));
        QCOMPARE(FMaske->MengeneingabeSHIstMeSort().Sum(), 1);

        Klicken(QStringLiteral("btnMeEinSHPlus0"));
        Klicken(QStringLiteral("btnMeEinSHPlus0"));
        QTest::mouseClick(zelle("lblMeEinSHSoll", 0), Qt::LeftButton); // size 2: actual := planned 2
        QCOMPARE(FMaske->MengeneingabeSHIstMeSort().Me[2], 2);
        if (zeilen > 1) {
            Klicken(QStringLiteral("btnMeEinSHMinus1"));
            Klicken(QStringLiteral("btnMeEinSHMinus1"));
            QCOMPARE(FMaske->MengeneingabeSHIstMeSort().Me[3], 0);
        }
        QVERIFY(!Knopf(QStringLiteral("btnMeEinSHUp"))->isEnabled());
        Klicken(QStringLiteral("btnMeEinSHPgDown"));
        QCOMPARE(FMaske->MengeneingabeSHGrIndArr().first(), 2 + zeilen);
        QVERIFY(Knopf(QStringLiteral("btnMeEinSHUp"))->isEnabled());
        Klicken(QStringLiteral("btnMeEinSHUp"));
        QCOMPARE(FMaske->MengeneingabeSHGrIndArr().first(), 1 + zeilen);

        // The correction comes back to this panel with the typed quantity.
        QTest::mouseClick(zelle("lblMeEinSHIst", 0), Qt::LeftButton);
        QVERIFY(FMaske->pnlMengenkorrekturSH->isVisible());
        auto* feld = FMaske->findChild<QLineEdit*>(QStringLiteral("edtMeKorrSHIstMeWert"));
        feld->clear();
        QTest::keyClicks(feld, QStringLiteral("7"));
        Taste(Qt::Key_Return);
        QVERIFY(FMaske->pnlMengeneingabeSH->isVisible());
        QCOMPARE(FMaske->MengeneingabeSHIstMeSort().Me[1 + zeilen], 7);
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblMeEinSHIstSumme"))->text(),
                 QString::number(FMaske->MengeneingabeSHIstMeSort().Sum()));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Sortiment SF-PRO-10"));

        Taste(Qt::Key_Escape);
        QCOMPARE(antworten.size(), 1);
        QVERIFY(!antworten[0].first && antworten[0].second.IsEmpty());
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Dialogtest"));
        QCOMPARE(Fuss(), QStringLiteral("Bitte scannen."));

        // With the preset option the actual quantities start as the planned ones; post answers them.
        FMaske->FOptionen.WEPlus.MeEingSHVorbelegen = true;
        oeffnen();
        Taste(Qt::Key_F5);
        QCOMPARE(antworten.size(), 2);
        QVERIFY(antworten[1].first);
        QCOMPARE(antworten[1].second, soll);
        Taste(Qt::Key_Escape); // the state's own back action again
        QCOMPARE(GAufrufe, QStringList{QStringLiteral("zurueck")});
    }

    // A text for one article answers at once, one for three opens the choice (widths 12, 11, 2),
    // an unknown one answers unconverted with its code form; the chosen entry arrives converted.
    void artikelAuswahl()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        QStringList antworten;
        auto auswahl = [&](const QString& AText) {
            FMaske->ArtikelAuswahlAn(AText, [&](const QString& ATextZurueck, TZAM_UmgesetztUArtikelScanDaten& D) {
                const TZAM_ArtikelScanDaten& a = D.ArtikelScanDaten;
                antworten << QStringLiteral("%1 %2 %3/%4 %5%6").arg(ATextZurueck, Antwort(D.Umgesetzt))
                                 .arg(a.ProduktId.Id2).arg(a.GroessenIndex)
                                 .arg(a.IstEAN ? QStringLiteral("EAN") : QString(), a.IstUPC ? QStringLiteral("UPC") : QString());
            });
        };
        const QString gtin = TZAM_CodeForm::MitPruefziffer(QStringLiteral("401234570004"));
        const QString unbekannt = TZAM_CodeForm::MitPruefziffer(QStringLiteral("401234599999"));
        auswahl(gtin);
        auswahl(unbekannt);
        QCOMPARE(antworten, (QStringList{gtin + QStringLiteral(" ja 100007/4 EAN"),
                                         unbekannt + QStringLiteral(" nein 0/255 EAN")}));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());

        antworten.clear();
        auswahl(QStringLiteral("TX-200"));
        QVERIFY(FMaske->pnlBtnMenu->isVisible() && FMaske->ArtikelAuswahlOffen());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Artikel wählen"));
        QCOMPARE(Fuss(), QStringLiteral("Bitte selektieren Sie den gewählten Artikel"));
        TZAM_BtnMenu* menu = FMaske->btnmButtons;
        QCOMPARE(menu->Count(), 3);
        const QStringList links = menu->Item(1).LeftCaption.split(QStringLiteral("\r\n"));
        const QStringList rechts = menu->Item(1).RightCaption.split(QStringLiteral("\r\n"));
        QCOMPARE(links.size(), 5);
        QCOMPARE(links[1], QStringLiteral("Me.Lag.1: 7")); // summed over all sizes: the entry has none
        QCOMPARE(links[2], QStringLiteral("Textil Nord")); // 12 characters
        QCOMPARE(links[4], QStringLiteral("Trikot Auswärts, weiß").left(25));
        QCOMPARE(rechts, (QStringList{QStringLiteral("Größe "), QStringLiteral("Preis 49,90"), QStringLiteral("TX-200"),
                                      QStringLiteral("Polyester"), QString()}));
        Scannen(gtin); // held back while the choice waits
        QTest::mouseClick(menu->findChild<QAbstractButton*>(QStringLiteral("btnmButtons_1")), Qt::LeftButton);
        QCOMPARE(antworten, QStringList{QStringLiteral("TX-200 ja 100008/255 ")});
        QVERIFY(FMaske->pnlMultipurpose->isVisible() && !FMaske->ArtikelAuswahlOffen());
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Dialogtest"));
        QVERIFY(FMaske->BtnArtNrHandEinEnabled() && FMaske->NumpadActions_Enabled_Get());
        QVERIFY(!GAufrufe.contains(QStringLiteral("scan ") + gtin));
    }

    // Scans into the size-quantity entry: a size in view counts and turns sky blue, a size below
    // the planned range widens it; another article, or the article without size, only warns.
    void mengeneingabeScans()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        FMaske->FOptionen.WEPlus.MeEingSHVorbelegen = false;
        TZAM_Intv100_Sortiment_Me soll;
        soll.Init();
        soll.Me[5] = 2;
        soll.Me[6] = 1;
        soll.MinMax_Bestimmen();
        FMaske->MengeneingabeSHAn(TInt32Trio(1, 100007, 0), 5, soll, [](bool, const TZAM_Intv100_Sortiment_Me&) {});
        auto gtin = [](int AGroesse) { return TZAM_CodeForm::MitPruefziffer(QStringLiteral("40123457000%1").arg(AGroesse)); };
        const TZAM_Intv100_Sortiment_Me& ist = FMaske->MengeneingabeSHIstMeSort();
        Scannen(gtin(5));
        QCOMPARE(ist.Me[5], 2);
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblMeEinSHIst0"))->property("zamFarbe").toInt(), 15780518);
        Scannen(gtin(4));
        QCOMPARE(int(ist.MinIndex), 4);
        QCOMPARE(ist.Me[4], 1);
        QCOMPARE(FMaske->MengeneingabeSHGrIndArr().first(), 4);
        const TZAM_Intv100_Sortiment_Me vorher = ist;
        for (const QString& fremd : {TZAM_CodeForm::MitPruefziffer(QStringLiteral("401234510001")), QStringLiteral("300107")}) {
            Scannen(fremd);
            bool warnung = false;
            QCOMPARE(Fuss(&warnung), QStringLiteral("Hier kann nur Artikel SF-PRO-10 gescannt werden!"));
            QVERIFY(warnung);
            QCOMPARE(ist, vorher);
            QVERIFY(FMaske->pnlMengeneingabeSH->isVisible());
        }
        QVERIFY(!FMaske->NumpadActions_Enabled_Get());
        QVERIFY(GAufrufe.isEmpty()); // no scan reached the state
    }

    // Article-number entry: typed number and till size, refused till size, Enter/Esc/F14/F15 as the
    // panel's keys (never the state's), our scanned label filling both fields, a GTIN leaving them.
    void artikelnummerEingabe()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        QStringList antworten;
        auto oeffnen = [&](bool AMitGroesse = true) {
            FMaske->ArtNrHandEingabeAn(
                [&](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                    antworten << QStringLiteral("%1 %2 %3").arg(AErfolg ? QStringLiteral("ja") : QStringLiteral("nein"))
                                     .arg(AProdukt.Id2).arg(AGrInd);
                },
                AMitGroesse);
        };
        auto* artikel = FMaske->findChild<TQIV_ArtNrEdit*>(QStringLiteral("edtArtikelNr"));
        auto* groesse = FMaske->findChild<QLineEdit*>(QStringLiteral("edtGroesse"));
        oeffnen();
        QVERIFY(FMaske->pnlArtNrHandEin->isVisible() && !FMaske->BtnArtNrHandEinEnabled());
        QTest::keyClicks(artikel, QStringLiteral("300107"));
        QTest::keyClicks(groesse, QStringLiteral("48"));
        QTest::keyClick(groesse, Qt::Key_Return); // till size 48 does not exist: the panel stays
        QVERIFY(FMaske->pnlArtNrHandEin->isVisible());
        groesse->setText(QStringLiteral("42"));
        QTest::keyClick(groesse, Qt::Key_Return);
        oeffnen();
        QVERIFY(artikel->text().isEmpty());
        Taste(Qt::Key_Escape);
        oeffnen(false);
        QTest::keyClicks(artikel, QStringLiteral("300107"));
        Taste(Qt::Key_F14);
        oeffnen();
        Taste(Qt::Key_F15);
        QCOMPARE(antworten, (QStringList{QStringLiteral("ja 100007 5"), QStringLiteral("nein 0 255"),
                                         QStringLiteral("ja 100007 255"), QStringLiteral("nein 0 255")}));
        QVERIFY(GAufrufe.isEmpty()); // no key reached the state
        QVERIFY(FMaske->pnlMultipurpose->isVisible() && FMaske->NumpadActions_Enabled_Get());

        // Our label fills article and till size; a GTIN of the same article leaves the fields.
        oeffnen();
        Scannen(TZAM_CodeForm::Etikett(300107, 43));
        QCOMPARE(artikel->ProduktID(), TInt32Trio(1, 100007, 0));
        QCOMPARE(groesse->text(), QStringLiteral("043"));
        groesse->clear();
        Scannen(TZAM_CodeForm::MitPruefziffer(QStringLiteral("401234570004")));
        QVERIFY(groesse->text().isEmpty());
        QVERIFY(FMaske->pnlArtNrHandEin->isVisible() && !FMaske->NumpadActions_Enabled_Get());
        Klicken(QStringLiteral("btnArtNrHandEinZurueck"));
        QCOMPARE(antworten.last(), QStringLiteral("nein 0 255"));
    }

    // The EAN question: "Ja" leads through the article-number entry to a stored code that the
    // reader then finds; "Nein" answers (false, 0, 255); a code the size has answers success and
    // books nothing; a code of another article is refused and the caller is not called back.
    void eanZuordnen()
    {
        Starten(QStringLiteral("N"));
        FMaske->ChangeState<TDialogTestState>();
        QStringList antworten;
        auto zuordnen = [&](const QString& ACode, bool AUpcNur) {
            TZAM_ArtikelScanDaten daten;
            daten.IstEAN = !AUpcNur;
            daten.IstUPC = AUpcNur;
            FMaske->EAN_UPC_Zuordnen_an(daten, ACode, [&](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                antworten << QStringLiteral("%1 %2 %3").arg(AErfolg ? QStringLiteral("ja") : QStringLiteral("nein"))
                                 .arg(AProdukt.Id2).arg(AGrInd);
            });
        };
        auto artikelEingeben = [&](const char* AArtNr, const char* AKassenGroesse) {
            QTest::keyClicks(FMaske->findChild<TQIV_ArtNrEdit*>(QStringLiteral("edtArtikelNr")), QLatin1String(AArtNr));
            QTest::keyClicks(FMaske->findChild<QLineEdit*>(QStringLiteral("edtGroesse")), QLatin1String(AKassenGroesse));
            Klicken(QStringLiteral("btnArtNrHandEinWeiter"));
        };
        const QString neu = TZAM_CodeForm::MitPruefziffer(QStringLiteral("401234530003"));
        zuordnen(neu, false);
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(),
                 QStringLiteral("Unbekannter EAN!\n%1\nWollen Sie diesen direkt einem Artikel zuordnen?").arg(neu));
        Klicken(QStringLiteral("btnJa"));
        QVERIFY(FMaske->pnlArtNrHandEin->isVisible());
        artikelEingeben("300103", "3");
        QCOMPARE(antworten, QStringList{QStringLiteral("ja 100003 3")});
        QStringList gefunden;
        FMaske->ArtikelAuswahlAn(neu, [&](const QString&, TZAM_UmgesetztUArtikelScanDaten& D) {
            gefunden << QStringLiteral("%1/%2").arg(D.ArtikelScanDaten.ProduktId.Id2).arg(D.ArtikelScanDaten.GroessenIndex);
        });
        QCOMPARE(gefunden, QStringList{QStringLiteral("100003/3")});

        const QString upc = TZAM_CodeForm::MitPruefziffer(QStringLiteral("04210000526"));
        zuordnen(upc, true);
        QVERIFY(FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text().startsWith(QStringLiteral("Unbekannter UPC!")));
        Klicken(QStringLiteral("btnNein"));
        zuordnen(neu, false); // the size has it: success, nothing booked
        Klicken(QStringLiteral("btnJa"));
        artikelEingeben("300103", "3");
        zuordnen(neu, false); // held by another article size: refused, no answer
        Klicken(QStringLiteral("btnJa"));
        artikelEingeben("300103", "4");
        QCOMPARE(antworten, (QStringList{QStringLiteral("ja 100003 3"), QStringLiteral("nein 0 255"),
                                         QStringLiteral("ja 100003 3")}));
        QVERIFY(FMaske->pnlMultipurpose->isVisible());
    }

    void absenderOhneKnopf()
    {
        Starten(QStringLiteral("N"));
        ZAMInfo().GezeigteMeldungenHolen();
        QMetaObject::invokeMethod(FMaske.get(), "btnFrageButtonsUntereinanderClick");
        QFile f(FUmg->Verzeichnis() + QStringLiteral("/protokoll.log"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll())
                    .contains(QStringLiteral("TfrmMDE.btnFrageButtonsUntereinanderClick: Ungültiger Parameter")));
    }

    void kopfKlickZeigtDieGanzeUeberschrift()
    {
        Starten(QStringLiteral("N"));
        FMaske->HeaderCaption_Set(QStringLiteral("Eine Überschrift, die länger als dreißig Zeichen ist"));
        QTest::mouseClick(FMaske->pnlHeader, Qt::LeftButton);
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(),
                 QStringLiteral("Eine Überschrift, die länger als dreißig Zeichen ist"));
    }
};

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"

// The framework's standard forms against in-memory services: rights dialog, partner search,
// client choice, count-date form, wait window and the printer choices. Real key events and clicks.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DruckerKonfig.h"
#include "IZAM_Info.h"
#include "IZAM_LagerInventurServer.h"
#include "IZAM_MandListeServer.h"
#include "IZAM_RechteServer.h"
#include "TGpSuchDialog.h"
#include "TMandDialog.h"
#include "TQIV_WWSDrucker.h"
#include "TZAMWarteForm.h"
#include "TZAM_RechtDialog.h"
#include "Tfrmlpzuzaehlen.h"
#include "ZAMGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Records what would have been shown; questions get the preset answer.
class TFakeInfo : public IZAM_Info
{
public:
    QStringList Meldungen;
    QStringList Fehler;
    bool Ja = false;

    void RegisterException(const QString& AMethode, const std::exception&, bool) override { Fehler << AMethode; }
    int ShowMeldung(int AArt, int, const QString&, const QStringList& AEinfuegungen) override
    {
        Meldungen << AEinfuegungen.join(u' ');
        return AArt == 4 ? (Ja ? mrYes : mrNo) : mrOk;
    }
    QString Meldungstext(const TInfoKoord& AKoord, const QStringList&) const override { return AKoord.Gruppe; }
    void ZAMWarnungBox(const QString& AText) override { Meldungen << AText; }
    bool ZAMJaNeinBox(const QString& AText) override
    {
        Meldungen << AText;
        return Ja;
    }
    void WriteStamp(const QString&, int) override {}
    void AntwortVorgeben(int) override {}
    QStringList GezeigteMeldungenHolen() override { return std::exchange(Meldungen, {}); }
};

struct TFakeBenutzer
{
    QString Name;
    QString Passwort;
    TIntPair Schluessel;
    TIntPair Mitarbeiter;
    QSet<TQIV_WPF_Recht> Rechte;
};

struct TRechteDaten
{
    QList<TFakeBenutzer> Benutzer;
    TIntPair Akt;
    QList<QList<TQIV_WPF_Recht>> Geprueft;
    QList<int> Typen;
};

class TFakeRechte : public IZAM_RechteServer
{
public:
    explicit TFakeRechte(TRechteDaten& ADaten) : D(ADaten) {}
    TIntPair BenutzerZuMitarbeiter(const TIntPair&) override { return {}; }
    TIntPair MitarbeiterZuBenutzer(const TIntPair& ABenutzer) override
    {
        const TFakeBenutzer* b = Finden(ABenutzer);
        return b ? b->Mitarbeiter : TIntPair();
    }
    TIntPair AktBenutzer() override { return D.Akt; }
    void SetAktBenutzer(const TIntPair& ABenutzer) override { D.Akt = ABenutzer; }
    bool Anmelden(const QString& AName, const QString& APasswort, TIntPair& ABenutzer) override
    {
        for (const TFakeBenutzer& b : D.Benutzer)
            if (b.Name == AName && b.Passwort == APasswort) {
                ABenutzer = D.Akt = b.Schluessel;
                return true;
            }
        return false;
    }
    QString BenutzerName(const TIntPair& ABenutzer) override
    {
        const TFakeBenutzer* b = Finden(ABenutzer);
        return b ? b->Name : QString();
    }
    void Abmelden() override { D.Akt = {}; }
    bool RechtePruefen(const TIntPair& ABenutzer, const QList<TQIV_WPF_Recht>& ARechte, int AFunktionsTyp) override
    {
        D.Geprueft << ARechte;
        D.Typen << AFunktionsTyp;
        const TFakeBenutzer* b = Finden(ABenutzer);
        return b &&
               std::all_of(ARechte.begin(), ARechte.end(), [&](TQIV_WPF_Recht r) { return b->Rechte.contains(r); });
    }

private:
    const TFakeBenutzer* Finden(const TIntPair& ABenutzer) const
    {
        for (const TFakeBenutzer& b : D.Benutzer)
            if (b.Schluessel == ABenutzer)
                return &b;
        return nullptr;
    }
    TRechteDaten& D;
};

class TFakeGPListe : public IZAM_GPListenServer
{
public:
    explicit TFakeGPListe(const QList<TZAM_GPEintrag>& APartner) : FPartner(APartner) {}
    QString Name(const TIntPair& AGepNr, int) override
    {
        for (const TZAM_GPEintrag& e : FPartner)
            if (e.GepNr == AGepNr)
                return e.Name;
        return {};
    }
    QList<TZAM_GPEintrag> Suchen(const QString& AText, int AArt) override
    {
        QList<TZAM_GPEintrag> l;
        for (const TZAM_GPEintrag& e : FPartner)
            if (e.Art == AArt && (e.Name.contains(AText, Qt::CaseInsensitive) || QString::number(e.Nummer) == AText))
                l << e;
        return l;
    }

private:
    QList<TZAM_GPEintrag> FPartner;
};

class TFakeMandanten : public IZAM_MandListeServer
{
public:
    QList<TZAM_GPEintrag> Mandanten() override
    {
        return {{TIntPair(3, 1), 1, QStringLiteral("Zentrale"), gpaMandant},
                {TIntPair(3, 2), 2, QStringLiteral("Onlineshop"), gpaMandant}};
    }
};

struct TInventurDaten
{
    QMap<int, QList<TZAM_Zaehlplatz>> Plaetze;
    QList<QList<TIntTrio>> Gesetzt;
    QList<QDate> Daten;
};

class TFakeInventur : public IZAM_LagerInventurServer
{
public:
    explicit TFakeInventur(TInventurDaten& ADaten) : D(ADaten) {}
    bool LagerortInBetrieb(const TIntTrio&) override { return true; }
    QList<TZAM_Zaehlplatz> Zaehlplaetze(int ALager) override { return D.Plaetze.value(ALager); }
    void ZaehldatumSetzen(const QList<TIntTrio>& ALagerorte, const QDate& ADatum) override
    {
        D.Gesetzt << ALagerorte;
        D.Daten << ADatum;
        for (QList<TZAM_Zaehlplatz>& l : D.Plaetze)
            for (TZAM_Zaehlplatz& p : l)
                if (ALagerorte.contains(p.LagerortId))
                    p.Zaehldatum = ADatum;
    }

private:
    TInventurDaten& D;
};

class TFakeDrucker : public IZAM_DruckerKonfig
{
public:
    QList<TZAM_Drucker> Drucker() override
    {
        return {{0, QStringLiteral("Laser1")},
                {1, QStringLiteral("Etikett")},
                {2, QStringLiteral("laser1")},
                {3, QString()}};
    }
    QString DruckerFuerTyp(int ATyp) override
    {
        for (const TZAM_Drucker& d : Drucker())
            if (d.Typ == ATyp)
                return d.Name;
        return {};
    }
};

// Runs AAktion in the form's modal loop; a form the action leaves open is cancelled, so a failing
// check cannot hang the test.
void ImDialog(QDialog& AForm, std::function<void()> AAktion)
{
    QTimer::singleShot(0, &AForm, [&AForm, AAktion] {
        AAktion();
        if (AForm.isVisible())
            AForm.reject();
    });
}

template <class W> W* Teil(QWidget& AForm, const char* AName)
{
    W* w = AForm.findChild<W*>(QString::fromLatin1(AName));
    if (!w)
        qFatal("%s fehlt", AName);
    return w;
}

QPushButton* Knopf(QWidget& AForm, const char* AName)
{
    return Teil<QPushButton>(AForm, AName);
}
void Klick(QWidget& AForm, const char* AName)
{
    QTest::mouseClick(Knopf(AForm, AName), Qt::LeftButton);
}

void ZeileKlicken(QTreeWidget* AListe, int AZeile, bool ADoppelt = false)
{
    const QRect r = AListe->visualItemRect(AListe->topLevelItem(AZeile));
    QTest::mouseClick(AListe->viewport(), Qt::LeftButton, {}, r.center());
    // QTest sends a widget only the double-click event itself; a real one follows a click.
    if (ADoppelt)
        QTest::mouseDClick(AListe->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList Spalte(const QTreeWidget* AListe, int ASpalte)
{
    QStringList l;
    for (int i = 0; i < AListe->topLevelItemCount(); ++i)
        l << AListe->topLevelItem(i)->text(ASpalte);
    return l;
}

const QString CFalsch = QStringLiteral("Benutzername oder Passwort sind nicht korrekt!");
const QString CKeineRechte = QStringLiteral("Keine Zugriffsrechte auf die Funktion! Anmeldung mit anderem Namen?");
const QList<TQIV_WPF_Recht> CZaehlRechte{380, 385};

} // namespace

class TestStandardformen : public QObject
{
    Q_OBJECT

    TFakeInfo FInfo;
    TRechteDaten FRechte;
    TInventurDaten FInventur;

    static void Eingeben(TZAM_RechtDialog& ADlg, const QString& AName, const QString& APasswort)
    {
        QTest::keyClicks(Teil<QLineEdit>(ADlg, "edtBenutzer"), AName);
        QTest::keyClicks(Teil<QLineEdit>(ADlg, "edtPasswort"), APasswort);
    }

private Q_SLOTS:
    void initTestCase()
    {
        TZAM_Dienste d;
        d.Info = &FInfo;
        ZAMDienste_Setzen(d);
    }
    void cleanupTestCase()
    {
        ZAMDienste_Setzen({});
        Glob_WWSServerFactoryClass().Leeren();
    }

    void init()
    {
        FInfo.Meldungen.clear();
        FInfo.Fehler.clear();
        FInfo.Ja = false;
        FRechte = TRechteDaten();
        FRechte.Benutzer = {
            {QStringLiteral("meier"), QStringLiteral("geheim"), TIntPair(1, 10), TIntPair(2, 20), {380, 381, 385}},
            {QStringLiteral("lager"), QStringLiteral("lager1"), TIntPair(1, 11), TIntPair(2, 21), {380, 381}},
            {QStringLiteral("gast"), QStringLiteral("gast"), TIntPair(1, 12), TIntPair(), {380, 385}},
        };
        FRechte.Akt = TIntPair(9, 9);
        FInventur = TInventurDaten();
        FInventur.Plaetze[1] = {{TIntTrio(1, 1, 1), QStringLiteral("A-01"), QDate(2024, 1, 5)},
                                {TIntTrio(1, 1, 2), QStringLiteral("A-02"), QDate()},
                                {TIntTrio(1, 1, 3), QStringLiteral("A-03"), QDate(2023, 12, 1)}};
        FInventur.Plaetze[2] = {{TIntTrio(1, 2, 1), QStringLiteral("B-01"), QDate()}};

        const QList<TZAM_GPEintrag> partner{
            {TIntPair(5, 100), 100, QStringLiteral("Meierhof GmbH"), gpaKunde},
            {TIntPair(2, 17), 17, QStringLiteral("Hans Meier"), gpaMitarbeiter},
            {TIntPair(2, 18), 18, QStringLiteral("Eva Schulz"), gpaMitarbeiter},
            {TIntPair(2, 19), 19, QStringLiteral("Karl Meiser"), gpaMitarbeiter},
        };
        TWWSServerFactory& f = Glob_WWSServerFactoryClass();
        f.Leeren();
        f.Registrieren<IZAM_RechteServer>([this] { return std::make_unique<TFakeRechte>(FRechte); });
        f.Registrieren<IZAM_GPListenServer>([partner] { return std::make_unique<TFakeGPListe>(partner); });
        f.Registrieren<IZAM_MandListeServer>([] { return std::make_unique<TFakeMandanten>(); });
        f.Registrieren<IZAM_LagerInventurServer>([this] { return std::make_unique<TFakeInventur>(FInventur); });
        f.Registrieren<IZAM_DruckerKonfig>([] { return std::make_unique<TFakeDrucker>(); });
    }

    // Rights dialog

    void rechtDialogGewaehrtMitEnterUndZeigtMitarbeiter()
    {
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            QVERIFY(dlg.width() <= 320 && dlg.height() <= 320);
            QCOMPARE(Teil<QLabel>(dlg, "lblText")->text(), QStringLiteral("Zähldatum"));
            QVERIFY(Teil<QLabel>(dlg, "lblText")->isVisible());
            QCOMPARE(Teil<QLineEdit>(dlg, "edtPasswort")->echoMode(), QLineEdit::Password);
            Eingeben(dlg, QStringLiteral("meier"), QStringLiteral("geheim"));
            QTest::keyClick(Teil<QLineEdit>(dlg, "edtPasswort"), Qt::Key_Return);
        });
        QVERIFY(dlg.Funktion_pruefen(CZaehlRechte, 1, QStringLiteral("Zähldatum"), 1));
        QVERIFY(dlg.Anmeldung_erfolgreich());
        QCOMPARE(dlg.Benutzer(), TIntPair(1, 10));
        QCOMPARE(dlg.Mitarbeiter(), TIntPair(2, 20));
        QCOMPARE(FRechte.Geprueft, QList<QList<TQIV_WPF_Recht>>{CZaehlRechte});
        QCOMPARE(FRechte.Typen, QList<int>{1});
        QVERIFY(FInfo.Meldungen.isEmpty());
    }

    void rechtDialogFalschesPasswortDannRichtig()
    {
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            Eingeben(dlg, QStringLiteral("meier"), QStringLiteral("falsch"));
            Klick(dlg, "btnAnmelden");
            QCOMPARE(FInfo.Meldungen, QStringList{CFalsch});
            QVERIFY(dlg.isVisible());
            QVERIFY(!dlg.Anmeldung_erfolgreich());
            QCOMPARE(Teil<QLineEdit>(dlg, "edtPasswort")->text(), QString());
            QTest::keyClicks(Teil<QLineEdit>(dlg, "edtPasswort"), QStringLiteral("geheim"));
            Klick(dlg, "btnAnmelden");
        });
        QVERIFY(dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QCOMPARE(dlg.Mitarbeiter(), TIntPair(2, 20));
        QCOMPARE(FInfo.Meldungen, QStringList{CFalsch});
    }

    void rechtDialogFehlendeRechteNein()
    {
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            Eingeben(dlg, QStringLiteral("lager"), QStringLiteral("lager1"));
            Klick(dlg, "btnAnmelden");
        });
        QVERIFY(!dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QCOMPARE(FInfo.Meldungen, QStringList{CKeineRechte});
        // The refused user does not stay logged on.
        QCOMPARE(FRechte.Akt, TIntPair(9, 9));
    }

    void rechtDialogFehlendeRechteJaDannAndererBenutzer()
    {
        FInfo.Ja = true;
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            Eingeben(dlg, QStringLiteral("lager"), QStringLiteral("lager1"));
            Klick(dlg, "btnAnmelden");
            QVERIFY(dlg.isVisible());
            QCOMPARE(Teil<QLineEdit>(dlg, "edtBenutzer")->text(), QString());
            QCOMPARE(Teil<QLineEdit>(dlg, "edtPasswort")->text(), QString());
            Eingeben(dlg, QStringLiteral("gast"), QStringLiteral("gast"));
            Klick(dlg, "btnAnmelden");
        });
        QVERIFY(dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QCOMPARE(FInfo.Meldungen, QStringList{CKeineRechte});
        // "gast" has no employee: the user key stands for it.
        QCOMPARE(dlg.Benutzer(), TIntPair(1, 12));
        QCOMPARE(dlg.Mitarbeiter(), TIntPair(1, 12));
    }

    void rechtDialogPrueftNurBisZumHohenIndex()
    {
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            Eingeben(dlg, QStringLiteral("lager"), QStringLiteral("lager1"));
            Klick(dlg, "btnAnmelden");
        });
        QVERIFY(dlg.Funktion_pruefen({380, 385}, 0, QString(), 1));
        QCOMPARE(FRechte.Geprueft, QList<QList<TQIV_WPF_Recht>>{{380}});
    }

    void rechtDialogAbbrechenUndEsc()
    {
        TZAM_RechtDialog dlg;
        ImDialog(dlg, [&] {
            QVERIFY(!Teil<QLabel>(dlg, "lblText")->isVisible());
            Eingeben(dlg, QStringLiteral("meier"), QStringLiteral("geheim"));
            Klick(dlg, "btnAbbrechen");
        });
        QVERIFY(!dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QVERIFY(!dlg.Anmeldung_erfolgreich());

        // A second run starts with empty fields; Esc cancels it.
        ImDialog(dlg, [&] {
            QCOMPARE(Teil<QLineEdit>(dlg, "edtBenutzer")->text(), QString());
            QTest::keyClick(Teil<QLineEdit>(dlg, "edtBenutzer"), Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
        });
        QVERIFY(!dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QVERIFY(FRechte.Geprueft.isEmpty());
        QCOMPARE(FRechte.Akt, TIntPair(9, 9));
    }

    void rechtDialogOhneRechteServerOhneFenster()
    {
        Glob_WWSServerFactoryClass().Leeren();
        TZAM_RechtDialog dlg;
        bool gezeigt = false;
        ImDialog(dlg, [&] { gezeigt = dlg.isVisible(); });
        QVERIFY(!dlg.Funktion_pruefen(CZaehlRechte, 1, QString(), 1));
        QCoreApplication::processEvents();
        QVERIFY(!gezeigt);
        QCOMPARE(FInfo.Fehler, QStringList{QStringLiteral("TZAM_RechtDialog.Funktion_pruefen")});
    }

    // Business-partner search

    void gpSucheNachNamensteilNurDerArt()
    {
        TGpSuchDialog dlg;
        dlg.SetGPArt(gpaMitarbeiter);
        ImDialog(dlg, [&] {
            auto* lv = Teil<QTreeWidget>(dlg, "lvErgebnis");
            QCOMPARE(lv->topLevelItemCount(), 0);
            QTest::keyClicks(Teil<QLineEdit>(dlg, "edtSuche"), QStringLiteral("MEI"));
            QTest::keyClick(Teil<QLineEdit>(dlg, "edtSuche"), Qt::Key_Return);
            QVERIFY(dlg.isVisible());
            QCOMPARE(Spalte(lv, 1), QStringList({QStringLiteral("Hans Meier"), QStringLiteral("Karl Meiser")}));
            QCOMPARE(Spalte(lv, 0), QStringList({QStringLiteral("17"), QStringLiteral("19")}));
            // The first hit is chosen at once; another row can still be taken.
            QVERIFY(Knopf(dlg, "btnOK")->isEnabled());
            QCOMPARE(lv->currentItem(), lv->topLevelItem(0));
            ZeileKlicken(lv, 1);
            QVERIFY(dlg.isVisible());
            QVERIFY(Knopf(dlg, "btnOK")->isEnabled());
            Klick(dlg, "btnOK");
        });
        QVERIFY(dlg.Execute(nullptr, false));
        QCOMPARE(dlg.GepNr(), TIntPair(2, 19));
    }

    void gpSucheNachNummerMitTastaturUndDoppelklick()
    {
        TGpSuchDialog dlg;
        dlg.SetGPArt(gpaMitarbeiter);
        ImDialog(dlg, [&] {
            auto* lv = Teil<QTreeWidget>(dlg, "lvErgebnis");
            QTest::keyClicks(Teil<QLineEdit>(dlg, "edtSuche"), QStringLiteral("18"));
            Klick(dlg, "btnSuchen");
            QCOMPARE(Spalte(lv, 1), QStringList{QStringLiteral("Eva Schulz")});
            QTest::keyClick(lv, Qt::Key_Down);
            QTest::keyClick(lv, Qt::Key_Return);
        });
        QVERIFY(dlg.Execute(nullptr, true));
        QCOMPARE(dlg.GepNr(), TIntPair(2, 18));

        dlg.SetGepNr({});
        ImDialog(dlg, [&] {
            auto* lv = Teil<QTreeWidget>(dlg, "lvErgebnis");
            QTest::keyClicks(Teil<QLineEdit>(dlg, "edtSuche"), QStringLiteral("17"));
            Klick(dlg, "btnSuchen");
            ZeileKlicken(lv, 0, true);
        });
        QVERIFY(dlg.Execute(nullptr, false));
        QCOMPARE(dlg.GepNr(), TIntPair(2, 17));
    }

    void gpSucheKeineTrefferUndAbbrechen()
    {
        TGpSuchDialog dlg;
        ImDialog(dlg, [&] {
            QTest::keyClicks(Teil<QLineEdit>(dlg, "edtSuche"), QStringLiteral("Hans"));
            QTest::keyClick(Teil<QLineEdit>(dlg, "edtSuche"), Qt::Key_Return);
            // Customers are the default kind: the employee is not found.
            QCOMPARE(Teil<QTreeWidget>(dlg, "lvErgebnis")->topLevelItemCount(), 0);
            QCOMPARE(Teil<QLabel>(dlg, "lblStatus")->text(), QStringLiteral("Keine Treffer"));
            QVERIFY(!Knopf(dlg, "btnOK")->isEnabled());
            Klick(dlg, "btnOK");
            QVERIFY(dlg.isVisible());
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QVERIFY(!dlg.Execute(nullptr, false));
        QVERIFY(dlg.GepNr().IsNull());
    }

    void gpSucheAlleZeigenUndVorauswahl()
    {
        TGpSuchDialog dlg;
        dlg.SetGPArt(gpaMitarbeiter);
        ImDialog(dlg, [&] {
            QCOMPARE(Teil<QTreeWidget>(dlg, "lvErgebnis")->topLevelItemCount(), 3);
            QVERIFY(!Knopf(dlg, "btnOK")->isEnabled());
            Klick(dlg, "btnAbbrechen");
        });
        QVERIFY(!dlg.Execute(nullptr, true));

        dlg.SetGepNr(TIntPair(2, 18));
        ImDialog(dlg, [&] {
            QCOMPARE(Teil<QLineEdit>(dlg, "edtSuche")->text(), QStringLiteral("Eva Schulz"));
            QVERIFY(Knopf(dlg, "btnOK")->isEnabled());
            Klick(dlg, "btnOK");
        });
        QVERIFY(dlg.Execute(nullptr, true));
        QCOMPARE(dlg.GepNr(), TIntPair(2, 18));
    }

    // Client choice

    void mandantWaehlenUndVorauswahl()
    {
        TMandDialog dlg;
        dlg.SetShowOneMand(false);
        QVERIFY(!dlg.ShowOneMand());
        ImDialog(dlg, [&] {
            auto* lv = Teil<QTreeWidget>(dlg, "lvMandanten");
            QCOMPARE(Spalte(lv, 1), QStringList({QStringLiteral("Zentrale"), QStringLiteral("Onlineshop")}));
            QVERIFY(!Knopf(dlg, "btnOK")->isEnabled());
            ZeileKlicken(lv, 1);
            Klick(dlg, "btnOK");
        });
        QVERIFY(dlg.Execute());
        QCOMPARE(dlg.Mandant(), TIntPair(3, 2));

        ImDialog(dlg, [&] {
            QCOMPARE(Teil<QTreeWidget>(dlg, "lvMandanten")->currentItem()->text(1), QStringLiteral("Onlineshop"));
            QTest::keyClick(Teil<QTreeWidget>(dlg, "lvMandanten"), Qt::Key_Escape);
        });
        QVERIFY(!dlg.Execute());
        QCOMPARE(dlg.Mandant(), TIntPair(3, 2));
    }

    // Count-date form

    void zaehldatumNurFuerMarkiertePlaetze()
    {
        Tfrmlpzuzaehlen frm;
        frm.SetLager(1);
        ImDialog(frm, [&] {
            QCOMPARE(frm.windowTitle(), QStringLiteral("Zähldatum"));
            auto* lv = Teil<QTreeWidget>(frm, "lvPlaetze");
            auto* datum = Teil<QDateEdit>(frm, "dtpZaehldatum");
            QCOMPARE(Spalte(lv, 0),
                     QStringList({QStringLiteral("A-01"), QStringLiteral("A-02"), QStringLiteral("A-03")}));
            QCOMPARE(Spalte(lv, 1),
                     QStringList({QStringLiteral("05.01.2024"), QString(), QStringLiteral("01.12.2023")}));
            QCOMPARE(datum->date(), QDate::currentDate());

            // Nothing marked: a hint, no change.
            Klick(frm, "btnZaehldatumSetzen");
            QCOMPARE(FInfo.Meldungen.size(), 1);
            QVERIFY(FInventur.Gesetzt.isEmpty());

            for (int zeile : {0, 2}) {
                lv->setCurrentItem(lv->topLevelItem(zeile));
                QTest::keyClick(lv, Qt::Key_Space);
            }
            QCOMPARE(lv->topLevelItem(1)->checkState(0), Qt::Unchecked);
            datum->setDate(QDate(2024, 3, 1));
            Klick(frm, "btnZaehldatumSetzen");
            QCOMPARE(FInventur.Gesetzt, (QList<QList<TIntTrio>>{{TIntTrio(1, 1, 1), TIntTrio(1, 1, 3)}}));
            QCOMPARE(FInventur.Daten, QList<QDate>{QDate(2024, 3, 1)});
            // The list shows the new dates, nothing is marked any more.
            QCOMPARE(Spalte(lv, 1),
                     QStringList({QStringLiteral("01.03.2024"), QString(), QStringLiteral("01.03.2024")}));
            for (int i = 0; i < lv->topLevelItemCount(); ++i)
                QCOMPARE(lv->topLevelItem(i)->checkState(0), Qt::Unchecked);
            Klick(frm, "btnSchliessen");
        });
        QCOMPARE(frm.exec(), int(mrOk));
        QCOMPARE(FInventur.Plaetze[2].first().Zaehldatum, QDate());
    }

    // Wait window

    void warteFensterSofortSichtbarUndMittig()
    {
        QWidget eltern;
        eltern.setGeometry(100, 80, 800, 600);
        eltern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&eltern));

        TZAMWarteForm warte(&eltern);
        warte.SetCaption(QStringLiteral("Buchen Bitte warten ..."));
        warte.SetText(QStringLiteral("Belege werden gedruckt."));
        int gemalt = 0;
        struct TZaehler : QObject
        {
            int& N;
            TZaehler(int& AN) : N(AN) {}
            bool eventFilter(QObject*, QEvent* AEvent) override
            {
                if (AEvent->type() == QEvent::Paint)
                    ++N;
                return false;
            }
        } zaehler(gemalt);
        Teil<QLabel>(warte, "lblText")->installEventFilter(&zaehler);

        warte.show();
        // Painted before the caller returns to any event loop.
        QVERIFY(gemalt > 0);
        QVERIFY(warte.isVisible());
        QVERIFY(!warte.isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(warte.windowTitle(), QStringLiteral("Buchen Bitte warten ..."));
        QCOMPARE(Teil<QLabel>(warte, "lblCaption")->text(), QStringLiteral("Buchen Bitte warten ..."));
        QCOMPARE(warte.Text(), QStringLiteral("Belege werden gedruckt."));
        const QPoint mitte = warte.frameGeometry().center() - eltern.frameGeometry().center();
        QVERIFY2(mitte.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(mitte.x()).arg(mitte.y())));

        QTest::keyClick(&warte, Qt::Key_Escape);
        QVERIFY(warte.isVisible());
        warte.hide();
        QVERIFY(!warte.isVisible());
    }

    // Printer choices

    void druckerNachTypUndAuswahlliste()
    {
        QCOMPARE(TQIV_WWSDrucker::GetPrinterByTyp(1), QStringLiteral("Etikett"));
        QCOMPARE(TQIV_WWSDrucker::GetPrinterByTyp(7), QString());

        QComboBox cb;
        cb.addItem(QStringLiteral("alt"));
        TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(&cb, false);
        QStringList eintraege;
        for (int i = 0; i < cb.count(); ++i)
            eintraege << cb.itemText(i);
        QCOMPARE(eintraege, QStringList({QStringLiteral("Laser1"), QStringLiteral("Etikett")}));

        TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(&cb, true);
        QSet<QString> gesehen;
        for (int i = 0; i < cb.count(); ++i)
            gesehen << cb.itemText(i).toLower();
        QCOMPARE(gesehen.size(), cb.count());
        QCOMPARE(cb.itemText(0), QStringLiteral("Laser1"));
        for (const QString& n : QPrinterInfo::availablePrinterNames())
            QVERIFY(gesehen.contains(n.toLower()));
    }

    void druckerAuswahlEinstellenUndLesen()
    {
        QComboBox cb;
        TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(&cb, false);
        TQIV_WWSDrucker::ComboboxEinstellen(&cb, QStringLiteral("etikett"));
        QCOMPARE(TQIV_WWSDrucker::ComboboxGetSelected(&cb), QStringLiteral("Etikett"));
        // A printer this machine lacks is kept, so saving does not lose it.
        TQIV_WWSDrucker::ComboboxEinstellen(&cb, QStringLiteral("Fremd"));
        QCOMPARE(TQIV_WWSDrucker::ComboboxGetSelected(&cb), QStringLiteral("Fremd"));
        QCOMPARE(cb.count(), 3);
        TQIV_WWSDrucker::ComboboxEinstellen(&cb, QString());
        QCOMPARE(TQIV_WWSDrucker::ComboboxGetSelected(&cb), QString());

        // Without the configuration the choice stays as it was.
        Glob_WWSServerFactoryClass().Leeren();
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(&cb, true));
        QCOMPARE(cb.count(), 3);
    }
};

QTEST_MAIN(TestStandardformen)
#include "tst_standardformen.moc"

// The terminal options form on the demo site: the chained checks, a site with one warehouse and
// one client, the enlarged display and the slip period, a store that fails, a round trip of every
// option through the pages, and the menu that forces the form while no warehouse is set.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_FormStoreServer.h"
#include "TDM_Torvik.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_IniDatei.h"
#include "TZAM_TcpProxy.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmOptionen.h"
#include "Tfrmmain.h"
#include "ZAMGlobal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString CSpaltenWarnung = QStringLiteral("Bitte wählen Sie mindestens eine Spalte aus!");
const QString CLagerWaehlen = QStringLiteral("Bitte wählen Sie ein Lager aus.");
const QString CBeenden = QStringLiteral("Ohne Lager kann das Kommissioniergerät nicht arbeiten.\r\nProgramm beenden?");

template <class F> void JeMotor(F AZeilen)
{
    AZeilen("sqlite", int(TZAM_TestUmgebung::tmSQLite));
    AZeilen("postgres", int(TZAM_TestUmgebung::tmPostgres));
}

template <class T = QWidget> T* Kind(const QWidget& AForm, const QString& AName)
{
    T* w = AForm.findChild<T*>(AName);
    if (!w)
        qFatal("%s fehlt", qPrintable(AName));
    return w;
}

// Shows the page that holds the control, as a person taps its tab.
void SeiteZeigen(const QWidget& AForm, const QWidget* AKontrolle)
{
    auto* s = Kind<QTabWidget>(AForm, "pgcTabSheets");
    for (int i = 0; i < s->count(); ++i)
        if (s->widget(i)->isAncestorOf(AKontrolle))
            s->setCurrentIndex(i);
}

// As a person taps: only what is on screen and enabled.
void Klick(const QWidget& AForm, const char* AName)
{
    auto* b = Kind<QAbstractButton>(AForm, AName);
    QVERIFY2(b->isVisible() && b->isEnabled(), AName);
    b->click();
}

// Warehouses and columns carry their number, printers are their text.
void Waehlen(const QWidget& AForm, const char* ACombo, const QVariant& AWert)
{
    auto* c = Kind<QComboBox>(AForm, ACombo);
    const int i = c->findData(AWert);
    c->setCurrentIndex(i >= 0 ? i : c->findText(AWert.toString()));
    QVERIFY(c->currentIndex() >= 0);
}

void Markieren(QListWidget* AListe, int AWert, bool AMarke)
{
    for (int i = 0; i < AListe->count(); ++i)
        if (AListe->item(i)->data(Qt::UserRole).toInt() == AWert)
            AListe->item(i)->setCheckState(AMarke ? Qt::Checked : Qt::Unchecked);
}

QList<int> Werte(const QListWidget* AListe, bool ANurMarkierte)
{
    QList<int> w;
    for (int i = 0; i < AListe->count(); ++i)
        if (!ANurMarkierte || AListe->item(i)->checkState() == Qt::Checked)
            w << AListe->item(i)->data(Qt::UserRole).toInt();
    return w;
}

} // namespace

class TestOptionenform : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    // The demo site without a default options set, with the demo's warehouse 1 and, for two,
    // warehouse 5 with branch 21 of its own. AIni: lines appended to the ini file.
    void Anlegen(TZAM_TestUmgebung::TMotor AMotor, int ALaeger, const QString& AIni = {})
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        Db().Schreiben(QStringLiteral("DELETE FROM zam_formstore WHERE schluessel = ?"), {CZAM_FormStore_Standard});
        Db().Schreiben(QStringLiteral("DELETE FROM zam_lagergruppe WHERE nummer NOT IN (0, 1)"));
        if (ALaeger == 2) {
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (5, ?, 5)"),
                           {QStringLiteral("Lager Süd")});
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) "
                                          "VALUES (5, 21, 1)"));
        }
        if (!AIni.isEmpty()) {
            QFile ini(FUmg->IniPfad());
            QVERIFY(ini.open(QIODevice::Append | QIODevice::Text));
            ini.write(AIni.toUtf8());
            ini.close();
            FUmg->Neustart();
        }
        Datenmodul();
    }
    void Datenmodul()
    {
        FDM.reset();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        ZAMInfo().GezeigteMeldungenHolen();
    }
    QStringList GespeicherterSatz()
    {
        return Glob_WWSServerFactoryClass().Create<IZAM_FormStoreServer>()->Lesen(
            {QStringLiteral("CONFIG"), QStringLiteral("VELTOB"), QStringLiteral("DEU")}, ZAMInfoTerminalID(),
            QStringLiteral("0"));
    }
    QString Protokoll()
    {
        QFile f(QDir(FUmg->Verzeichnis()).filePath(QStringLiteral("protokoll.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private Q_SLOTS:
    void init() { TZAM_Anwendung::Zuruecksetzen(); }
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
        TZAM_Anwendung::Zuruecksetzen();
    }

    // Each save shows the first fault only, on its page and with the focus on its control; nothing
    // is stored until every check passed.
    void gekettetePruefungen_data() { ZAM_MotorenDaten(); }
    void gekettetePruefungen()
    {
        ZAM_MOTOR(m);
        Anlegen(m, 2, QStringLiteral("[Parameter]\nEWABELEG=N\n"));
        FDM->FOptionen.SichtbareSpalten_Nachsort.clear();
        FDM->FOptionen.SichtbareSpalten_KuBe.clear();
        const TQIV_VELTOB_Optionen vorher = FDM->FOptionen;
        QVERIFY(vorher.AktLager == -1 && vorher.DruckerWBS.isEmpty());
        TfrmOptionen frm;
        frm.show();
        QVERIFY(Kind(frm, "cmbAktLager")->isVisible() && Kind(frm, "lblAktLager")->isVisible());
        QVERIFY(Kind(frm, "pnlMandant")->isHidden() && Kind(frm, "pnlZeitraumWBS")->isHidden());
        const struct
        {
            QString Warnung;
            const char* Fokus;
            const char* Seite;
            std::function<void()> Beheben;
        } schritte[] = {
            {CSpaltenWarnung, "lbSpaltenNachsort", "Angeforderte Ware abgeben",
             [&] { Markieren(Kind<QListWidget>(frm, "lbSpaltenNachsort"), 26, true); }},
            {CSpaltenWarnung, "lbSpaltenKuBe", "Kundenbestellungen",
             [&] { Markieren(Kind<QListWidget>(frm, "lbSpaltenKuBe"), 40, true); }},
            {QStringLiteral("Bitte wählen Sie ein Lager aus!"), "cmbAktLager", "Allgemein",
             [&] { Waehlen(frm, "cmbAktLager", 5); }},
            {QStringLiteral("Bitte wählen Sie einen Drucker aus!"), "cmbDruckerWBS", "Allgemein",
             [&] { Waehlen(frm, "cmbDruckerWBS", QStringLiteral("PDF")); }},
        };
        auto* seiten = Kind<QTabWidget>(frm, "pgcTabSheets");
        for (const auto& s : schritte) {
            seiten->setCurrentIndex(2); // the warning must bring its own page
            Klick(frm, "btnWeiter");
            QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), QStringList{s.Warnung});
            QCOMPARE(frm.focusWidget()->objectName(), QLatin1String(s.Fokus));
            QCOMPARE(seiten->tabText(seiten->currentIndex()), QString::fromUtf8(s.Seite));
            QVERIFY(frm.isVisible());
            QCOMPARE(FDM->FOptionen, vorher);
            QVERIFY(GespeicherterSatz().isEmpty());
            s.Beheben();
        }
        Klick(frm, "btnWeiter");
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        QCOMPARE(frm.result(), int(mrOk));
        QCOMPARE(FDM->FOptionen.SichtbareSpalten_KuBe, QList<int>{40});
        QCOMPARE(FDM->FOptionen.AktLager, 5);
        QCOMPARE(FDM->FAktBewFiliale, qint16(21));
        QVERIFY(!GespeicherterSatz().isEmpty());
    }

    // A site with one warehouse and one client: neither can be chosen, both are taken whatever is
    // stored. The enlarged box shows whether the stored size reaches the standard size and,
    // unchecked, stores three quarters of it; "begrenzt auf" with 0 days and "unbegrenzt" store 0.
    void einLagerEinMandant_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("lager");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("vergroessert");
        QTest::addColumn<int>("zeitraum");
        QTest::addColumn<QString>("tage"); // typed after choosing "begrenzt auf"; empty: "unbegrenzt"
        QTest::addColumn<int>("zeitraumNeu");
        JeMotor([](const char* AName, int AMotor) {
            QTest::addRow("%s: das Lager, abwählen, 0 Tage", AName) << AMotor << 1 << 100 << false << 0 << "0" << 0;
            QTest::addRow("%s: kein Lager, verkleinert wählen, unbegrenzt", AName)
                << AMotor << -1 << 75 << true << 14 << QString() << 0;
            QTest::addRow("%s: verschwundenes Lager, größer, begrenzt", AName)
                << AMotor << 7 << 120 << true << 0 << "21" << 21;
        });
    }
    void einLagerEinMandant()
    {
        ZAM_MOTOR(m);
        QFETCH(int, lager);
        QFETCH(int, groesse);
        QFETCH(bool, vergroessert);
        QFETCH(int, zeitraum);
        QFETCH(QString, tage);
        QFETCH(int, zeitraumNeu);
        Anlegen(m, 1, QStringLiteral("[Parameter]\nWEMODE_PARAM=5\n"));
        Db().Schreiben(QStringLiteral("DELETE FROM zam_gp WHERE art = ? AND nummer <> 1"), {int(gpaMandant)});
        FDM->FOptionen.AktLager = lager;
        FDM->FOptionen.DruckerWBS = QStringLiteral("PDF");
        FDM->FOptionen.RelativeGroesse = groesse;
        FDM->FOptionen.ZeitFuerWBS = zeitraum;
        {
            TfrmOptionen frm;
            frm.show();
            QVERIFY(Kind(frm, "cmbAktLager")->isHidden() && Kind(frm, "lblAktLager")->isHidden());
            QVERIFY(Kind(frm, "btnMandantwechsel")->isHidden());
            QVERIFY(!Kind(frm, "lblMandant")->isEnabled());
            QCOMPARE(Kind<QLabel>(frm, "lblMandant")->text(), QStringLiteral("Sporthaus Mitte"));
            auto* box = Kind<QCheckBox>(frm, "chbRelativeGroesse");
            QCOMPARE(box->isChecked(), groesse >= 100);
            QCOMPARE(Kind<QRadioButton>(frm, "rbUnbegrenzt")->isChecked(), zeitraum == 0);
            QCOMPARE(Kind<QLineEdit>(frm, "edtZeitraumWBS")->text(), zeitraum ? QString::number(zeitraum) : QString());
            box->setChecked(vergroessert);
            Klick(frm, tage.isEmpty() ? "rbUnbegrenzt" : "rbBegrenzt");
            if (!tage.isEmpty())
                ZAM_FeldSetzen(&frm, QStringLiteral("edtZeitraumWBS"), tage);
            Klick(frm, "btnWeiter");
            QCOMPARE(frm.result(), int(mrOk));
        }
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        Datenmodul(); // as stored
        QCOMPARE(FDM->FOptionen.AktLager, 1);
        QCOMPARE(FDM->FOptionen.EWAHandEingabeMandant, TIntPair(3, 1));
        QCOMPARE(FDM->FOptionen.RelativeGroesse, vergroessert ? 100 : 75);
        QCOMPARE(FDM->FOptionen.ZeitFuerWBS, zeitraumNeu);
    }

    // A store that fails (PostgreSQL out of reach, SQLite's writer held by another device): one
    // message, the form stays open, and neither the options nor the warehouse context nor the
    // stored set changed. Once the database is back, the same form stores.
    void speichernScheitert_data() { ZAM_MotorenDaten(); }
    void speichernScheitert()
    {
        ZAM_MOTOR(m);
        Anlegen(m, 2, QStringLiteral("[Datenbank]\nWartezeit=1\n"));
        std::unique_ptr<TZAM_TcpProxy> proxy;
        std::unique_ptr<TZAM_Datenbank> anderesGeraet;
        if (m == TZAM_TestUmgebung::tmPostgres) {
            // The program reaches its server through a relay that can cut it off.
            proxy = std::make_unique<TZAM_TcpProxy>(FUmg->Konfig().Host, FUmg->Konfig().Port);
            FDM.reset();
            TZAM_IniDatei ini(FUmg->IniPfad());
            ini.SetWert(QStringLiteral("Datenbank"), QStringLiteral("Port"), QString::number(proxy->Port()));
            ini.Speichern();
            FUmg->Neustart();
            Datenmodul();
        }
        TQIV_VELTOB_Optionen o = FDM->FOptionen;
        o.AktLager = 1;
        o.DruckerWBS = QStringLiteral("PDF");
        QVERIFY(FDM->Optionen_Uebernehmen_u_Buchen(o));
        const QStringList satz = GespeicherterSatz();
        const QList<int> filialen{1, 12, 14, 17};
        QCOMPARE(FDM->GetAktLagerFilialen(), filialen);

        TfrmOptionen frm;
        frm.show();
        Waehlen(frm, "cmbAktLager", 5);
        Kind<QCheckBox>(frm, "chbRelativeGroesse")->setChecked(false);
        if (proxy) {
            proxy->SetAbweisen(true);
            proxy->Trennen();
        } else {
            anderesGeraet = std::make_unique<TZAM_Datenbank>(FUmg->Konfig(), QStringLiteral("anderes_geraet"));
            anderesGeraet->Oeffnen();
            anderesGeraet->TransaktionBeginnen();
        }
        Klick(frm, "btnWeiter");
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
        QVERIFY(frm.isVisible());
        QCOMPARE(FDM->FOptionen, o);
        QCOMPARE(FDM->FAktLager, 1);
        QCOMPARE(FDM->FAktBewFiliale, qint16(-1));
        QCOMPARE(FDM->GetAktLagerFilialen(), filialen);
        QVERIFY(Protokoll().contains(QStringLiteral("TDM_Torvik.Optionen_Uebernehmen_u_Buchen: ")));
        QVERIFY(Protokoll().contains(QStringLiteral("TfrmOptionen.btnWeiterClick: Optionen nicht gespeichert")));

        if (proxy)
            proxy->SetAbweisen(false);
        anderesGeraet.reset();
        QCOMPARE(GespeicherterSatz(), satz);
        Klick(frm, "btnWeiter");
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        QCOMPARE(frm.result(), int(mrOk));
        QCOMPARE(FDM->FAktLager, 5);
        QCOMPARE(FDM->FOptionen.RelativeGroesse, 75);
    }

    // Every option changed on the pages, the column buttons included, survives saving and a new
    // load; a new form shows it again, so that saving it unchanged gives the same options.
    void rundreise_data() { ZAM_MotorenDaten(); }
    void rundreise()
    {
        ZAM_MOTOR(m);
        Anlegen(m, 2, QStringLiteral("[Parameter]\nWEMODE_PARAM=5\nEWABELEG=J\n"));
        TQIV_VELTOB_Optionen soll;
        {
            TfrmOptionen frm;
            frm.show();
            QCOMPARE(Kind<QLabel>(frm, "lblMandant")->text(), QStringLiteral("Kein Mandant gewählt"));
            // Requested goods, from the fallback 26, 30, 11, ..., 20, 22: the third row up twice,
            // the last checked one down past the first unchecked one, which is then checked.
            auto* nachsort = Kind<QListWidget>(frm, "lbSpaltenNachsort");
            QCOMPARE(Werte(nachsort, true), (QList<int>{26, 30, 11, 14, 16, 18, 13, 19, 20, 22}));
            const int neu = Werte(nachsort, false).at(10);
            SeiteZeigen(frm, nachsort);
            nachsort->setCurrentRow(2);
            Klick(frm, "btnHochNachsort");
            Klick(frm, "btnHochNachsort");
            nachsort->setCurrentRow(9);
            Klick(frm, "btnRunterNachsort");
            Markieren(nachsort, neu, true);
            soll.SichtbareSpalten_Nachsort = {11, 26, 30, 14, 16, 18, 13, 19, 20, neu, 22};
            Klick(frm, "chbBildNachsort");
            Klick(frm, "chbKommBeh");
            // Customer orders: all, one unchecked, every mark flipped.
            auto* kube = Kind<QListWidget>(frm, "lbSpaltenKuBe");
            SeiteZeigen(frm, kube);
            Klick(frm, "btnAlleKuBe");
            Markieren(kube, 40, false);
            Klick(frm, "btnUmkehrenKuBe");
            soll.SichtbareSpalten_KuBe = {40};
            Klick(frm, "chbBildKuBe");
            Klick(frm, "chbKubeBezahlt");
            soll.MitBild_Nachsort = soll.MitBild_Kube = true;
            soll.KommissionierbehaelterBenutzern = soll.KubeAufgabenNurWennBezahlt = false;
            // The six display choices of each page, in the record's order.
            const QList<int> s = ZAMAufgabenliste_AuswaehlbareSpalten();
            const char* const felder[] = {"Rechts3", "Rechts4", "Rechts5", "Rechts6", "Rechts7", "Links"};
            for (int i = 0; i < 6; ++i) {
                Waehlen(frm, ("cmb" + QByteArray(felder[i]) + "Nachsort").constData(), s.at(i));
                Waehlen(frm, ("cmb" + QByteArray(felder[i]) + "KuBe").constData(), s.at(20 + i));
            }
            soll.Anzeige_Nachsort = {s[0], s[1], s[2], s[3], s[4], s[5]};
            soll.Anzeige_KuBe = {s[20], s[21], s[22], s[23], s[24], s[25]};
            // A button without a list beside it is registered and changes nothing.
            QWidget ohneListe;
            frm.CheckAll(new QPushButton(&ohneListe));
            QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
            QVERIFY(Protokoll().contains(QStringLiteral("TfrmOptionen.ZustaendigeSpaltenListeErmitteln: ")));

            SeiteZeigen(frm, Kind(frm, "pnlMandant"));
            QVERIFY(Kind(frm, "pnlZeitraumWBS")->isVisible());
            ZAM_BeimNaechstenDialog([](QWidget* dlg) {
                auto* liste = Kind<QTreeWidget>(*dlg, "lvMandanten");
                const auto treffer = liste->findItems(QStringLiteral("Onlineshop"), Qt::MatchExactly, 1);
                QCOMPARE(treffer.size(), 1);
                liste->setCurrentItem(treffer.first());
                ZAM_Klicken(dlg, QStringLiteral("OK"));
            });
            Klick(frm, "btnMandantwechsel");
            QCOMPARE(Kind<QLabel>(frm, "lblMandant")->text(), QStringLiteral("Onlineshop"));
            soll.EWAHandEingabeMandant = TIntPair(3, 2);
            Klick(frm, "chbRelativeGroesse");
            soll.RelativeGroesse = 75;
            Klick(frm, "chbNurLPImLaufweg");
            soll.NurLPImLaufweg = true;
            Waehlen(frm, "cmbAktLager", 5);
            soll.AktLager = 5;
            soll.DruckerWBS = QStringLiteral("Etikettendrucker Lager");
            Waehlen(frm, "cmbDruckerWBS", soll.DruckerWBS);
            Klick(frm, "rbBegrenzt");
            ZAM_FeldSetzen(&frm, QStringLiteral("edtZeitraumWBS"), QStringLiteral("21"));
            soll.ZeitFuerWBS = 21;
            ZAM_Taste(&frm, Qt::Key_Return); // Enter is "Speichern"
            QCOMPARE(frm.result(), int(mrOk));
        }
        QVERIFY(ZAMInfo().GezeigteMeldungenHolen().isEmpty());
        QCOMPARE(FDM->FOptionen, soll);
        QCOMPARE(FDM->FAktBewFiliale, qint16(21));
        Datenmodul();
        QCOMPARE(FDM->FOptionen, soll);
        TfrmOptionen frm;
        frm.show();
        QCOMPARE(Kind<QLabel>(frm, "lblMandant")->text(), QStringLiteral("Onlineshop"));
        Klick(frm, "btnWeiter");
        QCOMPARE(frm.result(), int(mrOk));
        QCOMPARE(FDM->FOptionen, soll);
    }

    // Without a warehouse the menu forces the options: message 994, the form, and again after
    // "Zurück" (Esc) unless the user chooses to end the program; the program's end ends the loop.
    // Last of the tests, and the end its last row: the end leaves every event loop of this process.
    void menueErzwingtLager_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("fall");
        JeMotor([](const char* AName, int AMotor) {
            QTest::addRow("%s: zurück, dann gespeichert", AName) << AMotor << 0;
            QTest::addRow("%s: zurück, Programm beenden", AName) << AMotor << 1;
        });
        QTest::addRow("sqlite: Programmende") << int(TZAM_TestUmgebung::tmSQLite) << 2;
    }
    void menueErzwingtLager()
    {
        ZAM_MOTOR(m);
        QFETCH(int, fall);
        Anlegen(m, 2);
        ZAM_BeimNaechstenDialog([](QWidget* dlg) {
            ZAM_FeldSetzen(dlg, QStringLiteral("edtBenutzer"), QStringLiteral("anna"));
            ZAM_FeldSetzen(dlg, QStringLiteral("edtPasswort"), QStringLiteral("anna1234"));
            ZAM_Klicken(dlg, QStringLiteral("Anmelden"));
        });
        Tfrmmain menue;
        ZAMInfo().GezeigteMeldungenHolen();
        int formen = 0;
        std::function<void(QWidget*)> antworten = [&](QWidget* dlg) {
            QVERIFY(qobject_cast<TfrmOptionen*>(dlg));
            if (++formen == 2) {
                Waehlen(*dlg, "cmbAktLager", 5);
                Waehlen(*dlg, "cmbDruckerWBS", QStringLiteral("PDF"));
                Klick(*dlg, "btnWeiter");
            } else if (fall == 2) {
                ZAMProgramm().Beenden();
            } else {
                if (fall == 1)
                    ZAMInfo().AntwortVorgeben(mrYes);
                else
                    ZAM_BeimNaechstenDialog(antworten);
                ZAM_Taste(dlg, Qt::Key_Escape);
            }
        };
        ZAM_BeimNaechstenDialog(antworten);
        auto* kopf = Kind<QLabel>(menue, "pnlDataHeader");
        menue.show();
        QTRY_VERIFY(TZAM_Anwendung::Terminated() || kopf->text() != QStringLiteral("Menü"));
        const QStringList meldungen = ZAMInfo().GezeigteMeldungenHolen();
        const QList<QStringList> sollMeldungen{
            {CLagerWaehlen, CBeenden, CLagerWaehlen}, {CLagerWaehlen, CBeenden}, {CLagerWaehlen}};
        QCOMPARE(meldungen, sollMeldungen.at(fall));
        QCOMPARE(formen, fall == 0 ? 2 : 1);
        QCOMPARE(TZAM_Anwendung::Terminated(), fall != 0);
        QCOMPARE(FDM->FOptionen.AktLager, fall == 0 ? 5 : -1);
        if (fall == 0)
            QCOMPARE(kopf->text(), QStringLiteral("Menü, Lager 5"));
    }
};

QTEST_MAIN(TestOptionenform)
#include "tst_optionenform.moc"

// The handheld options state on a demo site: forced while no warehouse is set, its pages filled
// from the options and read back, the page rules, refusals and a store that fails.
#include "TDM_Torvik.h"
#include "TQIV_OptionenSeiten.h"
#include "TState_Menue.h"
#include "TState_Optionen.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
const QString CStandardLoeschen = QStringLiteral("DELETE FROM zam_formstore WHERE schluessel = '*STANDARD*'");

// Options that differ from the built-in defaults in every field the pages show.
TQIV_Optionen_OBMDE Geaendert()
{
    TQIV_Optionen_OBMDE o = TQIV_Optionen_OBMDE::Standard();
    o.Allgemein = {2, QStringLiteral("Etikettendrucker Lager"), QStringLiteral("PDF")};
    o.Fenster = {fgrIndividuell, 400, 500, 3, 4, true};
    o.Scanner = {123, true, true};
    o.WEPlus = {wpvUnsortiert, wpwEinzelartikel, aodNieAnnehmen, false, false, wpeImmer, wpeStandard, wpeNie,
                wpeImmer, wpeStandard, wpeNie, true};
    o.Nachsort.ListeSpalten = {30, 26, 14};
    o.Nachsort.ListeFontSize = 14;
    o.Nachsort.Sortierung = 14;
    o.Nachsort.DetailAnzeige = {{11, 14}, {84, 26}, {30, 84}, {16, 18}, {84, 84}, {20, 11}};
    o.NachsortKube = {false, false, true, true, true, true, 12, true};
    o.UmlagHL = {7, 30, 60, 300};
    o.Lagerinfo = {{10, 1, 5}, 9, {9, 1}, 13, 3};
    o.Belegdruck = {TQIV_OptionenSeiten::CNichtDrucken, true, true, QStringLiteral("PDF"), hiz5Sekunden};
    o.WeitereDrucker.ResBelDrucker = QStringLiteral("PDF");
    o.NachsortAllg = {false, true, u'F', true};
    o.Versandhilfe.ImmerAufKubeVBS = true;
    o.Einlagerung = {true, true, true, true, u'J'};
    o.ManuLagerBew.LagerZugFil = 12;
    o.Bearbeitung.DruckerLZV = QStringLiteral("Etikettendrucker Lager");
    return o;
}
} // namespace

class TestOptionen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    TQIV_OptionenSeiten& S() { return *FMaske->OptionenSeiten(); }

    // A demo site with one or two warehouses, without default sets, and these stored lines of
    // the handheld options for this terminal.
    void Vorbereiten(TZAM_TestUmgebung::TMotor AMotor, bool AZweiLager, const QStringList& AGespeichert = {})
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        Db().Schreiben(CStandardLoeschen);
        Db().Schreiben(QStringLiteral("DELETE FROM zam_lagergruppe_filiale WHERE lager IN (2, 3)"));
        Db().Schreiben(QStringLiteral("DELETE FROM zam_lagergruppe WHERE nummer IN (2, 3)"));
        if (AZweiLager) {
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (2, 'Süd', 2)"));
            Db().Schreiben(
                QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) VALUES (2, 25, 1)"));
        }
        for (int i = 0; i < AGespeichert.size(); ++i)
            Db().Schreiben(QStringLiteral("INSERT INTO zam_formstore (maske, programm, sprache, schluessel, name, idx, "
                                          "zeile, text) VALUES ('CONFMDE', 'VELTOB', 'DEU', 'TEST1', '', '0', ?, ?)"),
                           {i, AGespeichert.at(i)});
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog"), QStringLiteral("-mde")});
        FMaske = std::make_unique<TfrmMDE>();
        FMaske->show();
        FMaske->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FMaske.get()));
        QTRY_VERIFY(!FMaske->AktStateName().isEmpty());
    }
    int GespeicherteZeilen()
    {
        return Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_formstore WHERE maske = 'CONFMDE' AND "
                                             "schluessel = 'TEST1'"))
            .toInt();
    }
    QString Seite() { return S().bgcOptionen->tabText(S().bgcOptionen->currentIndex()); }
    QString Fuss()
    {
        bool lang = false, warnung = false;
        const QString tip = FMaske->FussTipLesen(lang, warnung);
        return tip + (warnung ? QStringLiteral(" (Warnung)") : QString());
    }
    void Speichern() { ZAM_Taste(FMaske.get(), Qt::Key_F5); }
    void Waehlen(QComboBox* ACombo, const QString& AText)
    {
        const int i = ACombo->findText(AText);
        QVERIFY2(i >= 0, qPrintable(AText));
        ACombo->setCurrentIndex(i);
        emit ACombo->activated(i);
    }
    QString Protokoll()
    {
        QFile f(FUmg->Verzeichnis() + QStringLiteral("/protokoll.log"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    void ohneLagerErzwungen_data() { ZAM_MotorenDaten(); }
    // Nothing stored, no default set, two warehouses: the options come whatever is asked for,
    // until a warehouse is saved; its single branch then becomes the booking branch.
    void ohneLagerErzwungen()
    {
        ZAM_MOTOR(m);
        Vorbereiten(m, true);
        QCOMPARE(FMaske->FOptionen.Allgemein.AktLager, -1);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));
        QCOMPARE(Seite(), QStringLiteral("Allgemein"));
        QCOMPARE(Fuss(), QStringLiteral("Es muss ein Lager ausgewählt werden (Warnung)"));
        QVERIFY(S().cmbAktLager->isVisible() && S().lblAktLager->isVisible());
        QCOMPARE(S().cmbAktLager->count(), 2);

        // Back offers to end the program; "Nein" comes back to the options.
        ZAM_Taste(FMaske.get(), Qt::Key_Escape);
        QVERIFY(FMaske->pnlSicherheitsAbfrage->isVisible());
        FMaske->findChild<QPushButton*>(QStringLiteral("btnNein"))->click();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));
        QCOMPARE(Fuss(), QStringLiteral("Es muss ein Lager ausgewählt werden (Warnung)"));
        FMaske->ChangeState(StateKlasse<TState_Menue>());
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));

        // Saving without a warehouse: first the printer of the defaults is missing, then the warehouse.
        Speichern();
        QCOMPARE(Fuss(), QStringLiteral("Es muss ein Drucker ausgewählt werden! (Warnung)"));
        Waehlen(S().cmbDruckerWBS, QStringLiteral("PDF"));
        Speichern();
        QCOMPARE(Seite(), QStringLiteral("Allgemein"));
        QCOMPARE(Fuss(), QStringLiteral("Es muss eine Filiale ausgewählt werden (Warnung)"));
        QCOMPARE(GespeicherteZeilen(), 0);

        Waehlen(S().cmbAktLager, QStringLiteral("2 Süd"));
        Speichern();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
        QCOMPARE(FMaske->LastState()->Caption_Get(), QStringLiteral("Optionen"));
        QCOMPARE(FMaske->FOptionen.Allgemein.AktLager, 2);
        QCOMPARE(FDM->FAktLager, 2);
        QCOMPARE(FDM->FAktBewFiliale, qint16(25));
        QCOMPARE(GespeicherteZeilen(), 63);
    }

    void rundreise_data() { ZAM_MotorenDaten(); }
    // Every option the pages show survives showing, saving and loading again; a column of the
    // check list and a choice changed on the pages as well.
    void rundreise()
    {
        ZAM_MOTOR(m);
        Vorbereiten(m, true);
        TQIV_Optionen_OBMDE erwartet = Geaendert();
        FMaske->FOptionen = erwartet;
        FMaske->ChangeState(StateKlasse<TState_Optionen>());
        // The stored columns lead, checked, in stored order.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(S().clbSpaltenAbsort->item(i)->data(Qt::UserRole).toInt(), erwartet.Nachsort.ListeSpalten.at(i));
            QCOMPARE(S().clbSpaltenAbsort->item(i)->checkState(), Qt::Checked);
        }
        QCOMPARE(S().clbSpaltenAbsort->item(3)->checkState(), Qt::Unchecked);
        S().clbSpaltenAbsort->item(3)->setCheckState(Qt::Checked);
        erwartet.Nachsort.ListeSpalten << S().clbSpaltenAbsort->item(3)->data(Qt::UserRole).toInt();
        Waehlen(S().cmbHinweisZeigen, QStringLiteral("Nein"));
        erwartet.Belegdruck.HinweisZeigen = hizNein;

        Speichern();
        QCOMPARE(Fuss(), QString());
        // The new size lands in the menu, which asks once whether it is right; "Ja" keeps it.
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
        QCOMPARE(FMaske->LastState()->Caption_Get(), QStringLiteral("Optionen"));
        QVERIFY(!FMaske->FFrageFensterGr);
        QVERIFY(FMaske->tiFensterGroesse->isActive());
        QCOMPARE(FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(),
                 QStringLiteral("Fenstergröße OK?"));
        FMaske->findChild<QPushButton*>(QStringLiteral("btnJa"))->click();
        QVERIFY(!FMaske->tiFensterGroesse->isActive());
        FMaske->FOptionen = TQIV_Optionen_OBMDE::Standard();
        FMaske->Optionen_Laden();
        QCOMPARE(FMaske->FOptionen, erwartet);
        QCOMPARE(FMaske->size(), QSize(400, 500 - 3 - 4));
    }

    // Refusals: the page and its footer warning, nothing stored, the state stays.
    void verweigert_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("fuss");
        QTest::newRow("keine Spalte") << "keine Spalte" << "Aufgabenliste"
                                      << "Es muss mindestens eine Spalte angezeigt werden! (Warnung)";
        QTest::newRow("keine LP-Spalte") << "keine LP-Spalte" << "Lagerinfo LP"
                                         << "Es muss mindestens eine Spalte angezeigt werden! (Warnung)";
        QTest::newRow("höchstens < mindestens")
            << "höchstens" << "Verkaufsraumanfos" << "\"Mindestens\" muss kleiner als \"höchstens\" sein! (Warnung)";
        QTest::newRow("kein Präfix") << "kein Präfix" << "Scanner" << "Es muss ein Prärix ausgewählt werden! (Warnung)";
        QTest::newRow("kein ARE-Drucker") << "kein ARE-Drucker" << "Belegdruck"
                                          << "Es muss ein Drucker für AREs ausgewählt werden. (Warnung)";
        // A cart count that is no number: the registered conversion error, no page warning.
        QTest::newRow("Wagen leer") << "Wagen leer" << "Allgemein" << "";
    }
    void verweigert()
    {
        QFETCH(QString, fall);
        QFETCH(QString, seite);
        QFETCH(QString, fuss);
        Vorbereiten(TZAM_TestUmgebung::tmSQLite, false);
        // One warehouse and nothing stored: the warehouse is taken without a question.
        QCOMPARE(FMaske->FOptionen.Allgemein.AktLager, 1);
        FMaske->FOptionen.Allgemein.DruckerWBS = QStringLiteral("PDF");
        FMaske->FOptionen.Belegdruck.DruckerARE = QStringLiteral("PDF");
        FMaske->ChangeState(StateKlasse<TState_Optionen>());
        QVERIFY(!S().cmbAktLager->isVisible());
        if (fall == QStringLiteral("keine Spalte"))
            for (const char* knopf : {"btnSpalteAlleAbsort", "btnSpalteUmkehrenAbsort"})
                FMaske->findChild<QPushButton*>(QLatin1String(knopf))->click();
        else if (fall == QStringLiteral("keine LP-Spalte"))
            for (int i = 0; i < S().clbSpaltenLagerinfoLO->count(); ++i)
                S().clbSpaltenLagerinfoLO->item(i)->setCheckState(Qt::Unchecked);
        else if (fall == QStringLiteral("höchstens")) {
            S().edtPrioMin->setText(QStringLiteral("20"));
            S().edtPrioMax->setText(QStringLiteral("10"));
        } else if (fall == QStringLiteral("kein Präfix"))
            S().cmbPraefix->setCurrentIndex(-1);
        else if (fall == QStringLiteral("kein ARE-Drucker"))
            S().cmbDruckerARE->setCurrentIndex(-1);
        else if (fall == QStringLiteral("Wagen leer"))
            S().edtWagenAnz->clear();
        Speichern();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));
        QCOMPARE(Seite(), seite);
        QCOMPARE(Fuss(), fuss);
        QCOMPARE(GespeicherteZeilen(), 0);
        if (fall == QStringLiteral("Wagen leer"))
            QVERIFY(Protokoll().contains(QStringLiteral("TState_Optionen.Optionen_Auslesen")));
        if (fall == QStringLiteral("höchstens")) {
            // Equal numbers are accepted.
            S().edtPrioMax->setText(QStringLiteral("20"));
            Speichern();
            QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
            QCOMPARE(FMaske->FOptionen.UmlagHL.PrioAufschiebenMax, 20u);
        }
    }

    // The page rules: check interval, window size, customer-order origin.
    void seitenRegeln()
    {
        Vorbereiten(TZAM_TestUmgebung::tmSQLite, false);
        FMaske->ChangeState(StateKlasse<TState_Optionen>());
        const std::tuple<QString, QString, QString> intervalle[] = {
            {"30", "60", "300"}, {"150", "300", "999"}, {"150", "7", "8"}};
        for (const auto& [intervall, min, max] : intervalle) {
            // The last row leaves the field without changing its text: nothing changes.
            if (intervall == S().edtUmlagHLPrioTimerInterval->text()) {
                S().edtPrioMin->setText(min);
                S().edtPrioMax->setText(max);
            }
            S().edtUmlagHLPrioTimerInterval->setText(intervall);
            FMaske->edtUmlagHLPrioTimerIntervalExit();
            QCOMPARE(S().edtPrioMin->text(), min);
            QCOMPARE(S().edtPrioMax->text(), max);
        }

        // Another size empties and locks width and height, and both margins.
        S().edtRandOben->setText(QStringLiteral("5"));
        Waehlen(S().cmbGroesse, QStringLiteral("Eigene Eingabe"));
        QVERIFY(S().edtBreite->isEnabled() && S().lblHoehe->isEnabled());
        QCOMPARE(S().edtRandOben->text(), QString());
        S().edtBreite->setText(QStringLiteral("480"));
        Waehlen(S().cmbGroesse, QStringLiteral("320 x 533"));
        QVERIFY(!S().edtBreite->isEnabled() && !S().lblBreite->isEnabled());
        QCOMPARE(S().edtBreite->text(), QString());
        // The width takes no number below 320 once the field is left.
        S().edtBreite->setText(QStringLiteral("50"));
        QString text = S().edtBreite->text();
        S().edtBreite->validator()->fixup(text);
        QCOMPARE(text, QStringLiteral("320"));

        QVERIFY(!S().chbKuBeBuchFil->isEnabled());
        S().chbKuBeHerkunft->click();
        QVERIFY(S().chbKuBeBuchFil->isEnabled());
        S().chbKuBeBuchFil->setChecked(true);
        S().chbKuBeHerkunft->click();
        QVERIFY(!S().chbKuBeBuchFil->isEnabled() && !S().chbKuBeBuchFil->isChecked());
        QVERIFY(!S().chbSofortvollzugOhneWBS->isEnabled());
    }

    // Stored options the pages must put right: columns the list does not offer, a warehouse of
    // -1 on a site with one warehouse.
    void gespeichertKorrigiert()
    {
        const QString nurSpalte72 = QStringLiteral("SpSiNs=") + CZAM_AufgabenListe_Spalte_2_Kuerzel(72);
        Vorbereiten(TZAM_TestUmgebung::tmSQLite, false,
                    {nurSpalte72, QStringLiteral("AktFil=-1"), QStringLiteral("DruckWBS=PDF")});
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));
        QVERIFY(FMaske->FOptionen.Nachsort.ListeSpalten.isEmpty());
        QVERIFY(TZAM_CheckListe::Auslesen(S().clbSpaltenAbsort).isEmpty());
        // The hidden choice holds the one warehouse, so no warehouse warning shows.
        QCOMPARE(S().cmbAktLager->currentData().toInt(), 1);
        QCOMPARE(Fuss(), QString());
        Speichern();
        QCOMPARE(Seite(), QStringLiteral("Aufgabenliste"));
        S().clbSpaltenAbsort->item(0)->setCheckState(Qt::Checked);
        Speichern();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
        QCOMPARE(FMaske->FOptionen.Allgemein.AktLager, 1);
    }

    void speichernScheitert_data() { ZAM_MotorenDaten(); }
    // A store that fails: the message, the state with the pages as left, the options as they were.
    void speichernScheitert()
    {
        ZAM_MOTOR(m);
        Vorbereiten(m, true, {QStringLiteral("AktFil=1"), QStringLiteral("DruckWBS=PDF")});
        const TQIV_Optionen_OBMDE vorher = FMaske->FOptionen;
        FMaske->ChangeState(StateKlasse<TState_Optionen>());
        Waehlen(S().cmbAktLager, QStringLiteral("2 Süd"));
        S().chbWMChar->setChecked(true);
        Db().SetSchreibenGesperrt(true);
        Speichern();
        Db().SetSchreibenGesperrt(false);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Optionen"));
        QVERIFY(S().chbWMChar->isChecked());
        QCOMPARE(FMaske->FOptionen, vorher);
        QCOMPARE(FDM->FAktLager, 1);
        QVERIFY(Protokoll().contains(QStringLiteral("TfrmMDE.Optionen_Uebernehmen_u_Buchen")));
        FMaske->Optionen_Laden();
        QCOMPARE(FMaske->FOptionen.Allgemein.AktLager, 1);
    }
};

QTEST_MAIN(TestOptionen)
#include "tst_optionen.moc"

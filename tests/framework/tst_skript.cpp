// Scripted operation: keys, typing, scans, clicks and expects reach the real widgets, the lines go on
// inside modal dialogs, failures end with code 1 and the screen, and the screen text is stable.
#include "IZAM_Programm.h"
#include "TZAMMeldungDialog.h"
#include "TZAM_BildschirmText.h"
#include "TZAM_Hausregel.h"
#include "TZAM_SkriptLaeufer.h"
#include "ZAMGlobal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>

namespace {
struct TLauf
{
    int Code = -1;
    QString Ausgabe;
};

// Runs the lines like the program would, but reports the exit code instead of ending.
TLauf Laufen(const QStringList& AZeilen, const std::function<void(TZAM_SkriptLaeufer&)>& AVorher = {})
{
    TLauf lauf;
    QEventLoop schleife;
    TZAM_SkriptLaeufer laeufer;
    laeufer.SetPause(5);
    laeufer.SetAusgabe([&](const QString& AText) { lauf.Ausgabe += AText; });
    laeufer.SetBeenden([&](int ACode) {
        lauf.Code = ACode;
        // A failure inside a dialog leaves it open; its exec() must return for the loop to end.
        for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
            QApplication::activeModalWidget()->close();
        schleife.quit();
    });
    if (AVorher)
        AVorher(laeufer);
    laeufer.ZeilenSetzen(AZeilen);
    laeufer.Starten();
    QTimer::singleShot(10000, &schleife, &QEventLoop::quit);
    schleife.exec();
    return lauf;
}

struct TTaste
{
    int Taste;
    Qt::KeyboardModifiers Mods;
    QString Text;
    bool operator==(const TTaste&) const = default;
};

// Notes every key press and release before the widget acts on it (Tab would move the focus).
class TTastenProtokoll : public QWidget
{
public:
    QList<TTaste> Gedrueckt;
    int Losgelassen = 0;

protected:
    bool event(QEvent* AEreignis) override
    {
        if (AEreignis->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(AEreignis);
            Gedrueckt.append({k->key(), k->modifiers(), k->text()});
            return true;
        }
        if (AEreignis->type() == QEvent::KeyRelease) {
            ++Losgelassen;
            return true;
        }
        return QWidget::event(AEreignis);
    }
};

// A form with a name field, a button with an accelerator, and a label the button fills.
struct TMaske
{
    QWidget Fenster;
    QLineEdit* Name = new QLineEdit(&Fenster);
    QPushButton* Uebernehmen = new QPushButton(QStringLiteral("&Übernehmen"), &Fenster);
    QPushButton* Frage = new QPushButton(QStringLiteral("&Frage"), &Fenster);
    QPushButton* Gesperrt = new QPushButton(QStringLiteral("Fish && Chips"), &Fenster);
    QLabel* Ergebnis = new QLabel(QStringLiteral("leer"), &Fenster);
    int Klicks = 0;

    TMaske()
    {
        Fenster.setObjectName(QStringLiteral("frmMaske"));
        Fenster.setWindowTitle(QStringLiteral("Maske"));
        Fenster.resize(300, 200);
        Name->setObjectName(QStringLiteral("edtName"));
        Name->setGeometry(10, 10, 150, 24);
        Uebernehmen->setGeometry(10, 40, 100, 24);
        Frage->setGeometry(120, 40, 80, 24);
        Gesperrt->setGeometry(210, 40, 80, 24);
        Gesperrt->setEnabled(false);
        Ergebnis->setObjectName(QStringLiteral("lblErgebnis"));
        Ergebnis->setGeometry(10, 80, 250, 24);
        QObject::connect(Uebernehmen, &QPushButton::clicked, &Fenster, [this] {
            ++Klicks;
            Ergebnis->setText(QStringLiteral("Hallo ") + Name->text());
        });
        QObject::connect(Gesperrt, &QPushButton::clicked, &Fenster, [this] { ++Klicks; });
        QObject::connect(Frage, &QPushButton::clicked, &Fenster, [this] {
            const int antwort = TZAMMeldungDialog::Zeigen(TZAMMeldungDialog::maFrage, QStringLiteral("Frage"),
                                                          QStringLiteral("Wirklich buchen?"));
            Ergebnis->setText(antwort == mrYes ? QStringLiteral("Antwort: Ja") : QStringLiteral("Antwort: Nein"));
        });
        Fenster.show();
        Name->setFocus();
    }
};

// A form that finishes its start in posted steps, and handlers that work for a while and look at the
// event loop in between (as the wait window and the footer do), all under the busy test.
class TStartMaske : public QDialog
{
public:
    QLabel* Zustand = new QLabel(QStringLiteral("startet"), this);
    QLabel* Ergebnis = new QLabel(QStringLiteral("leer"), this);
    bool FBusy = false;

    TStartMaske()
    {
        resize(300, 200);
        Zustand->setGeometry(10, 10, 250, 24);
        Ergebnis->setGeometry(10, 40, 250, 24);
        Knopf(QStringLiteral("Lange"), 10, [this] {
            Arbeiten();
            Ergebnis->setText(QStringLiteral("fertig"));
        });
        Knopf(QStringLiteral("Zaehlen"), 100, [this] { Ergebnis->setText(QStringLiteral("gezählt")); });
        Knopf(QStringLiteral("Spaet"), 190, [this] {
            Arbeiten();
            const int antwort = TZAMMeldungDialog::Zeigen(TZAMMeldungDialog::maFrage, QStringLiteral("Frage"),
                                                          QStringLiteral("Wirklich?"));
            Ergebnis->setText(antwort == mrYes ? QStringLiteral("Antwort: Ja") : QStringLiteral("Antwort: Nein"));
        });
    }

protected:
    void showEvent(QShowEvent* AEvent) override
    {
        QDialog::showEvent(AEvent);
        QTimer::singleShot(0, this, [this] {
            Arbeiten();
            QTimer::singleShot(0, this, [this] { Zustand->setText(QStringLiteral("bereit")); });
        });
    }

private:
    static void Arbeiten()
    {
        QThread::msleep(40);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void Knopf(const QString& ACaption, int AX, std::function<void()> AHandler)
    {
        auto* b = new QPushButton(ACaption, this);
        b->setGeometry(AX, 80, 80, 24);
        connect(b, &QPushButton::clicked, this,
                [this, AHandler] { TZAM_Hausregel::Ausfuehren(FBusy, "TStartMaske.Knopf", AHandler); });
    }
};

// A check list, a choice and a grid whose lower rows are scrolled away, each noting what a user did.
struct TListenMaske
{
    QWidget Fenster;
    QListWidget* Spalten = new QListWidget(&Fenster);
    QComboBox* Lager = new QComboBox(&Fenster);
    QTreeView* Plaetze = new QTreeView(&Fenster);
    QStandardItemModel Modell{0, 2};
    int Gewaehlt = 0;
    int Geaendert = 0;
    QString Angetippt = QStringLiteral("nichts");

    TListenMaske()
    {
        Fenster.resize(300, 300);
        Spalten->setGeometry(10, 10, 200, 80);
        for (const char* c : {"Artikel", "Größe", "Menge"}) {
            auto* zeile = new QListWidgetItem(QString::fromUtf8(c), Spalten);
            zeile->setFlags(zeile->flags() | Qt::ItemIsUserCheckable);
            zeile->setCheckState(qstrcmp(c, "Größe") == 0 ? Qt::Checked : Qt::Unchecked);
        }
        // As the focus would make it, but unselected whoever has the focus.
        Spalten->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        Lager->setObjectName(QStringLiteral("cmbLager"));
        Lager->setGeometry(10, 100, 200, 24);
        Lager->addItems(
            {QStringLiteral("1 Zentrallager"), QStringLiteral("2 Lager Süd"), QStringLiteral("3 Lager Ost")});
        QObject::connect(Lager, &QComboBox::activated, &Fenster, [this] { ++Gewaehlt; });
        QObject::connect(Lager, &QComboBox::currentIndexChanged, &Fenster, [this] { ++Geaendert; });
        Plaetze->setGeometry(10, 140, 200, 90);
        Modell.setHorizontalHeaderLabels({QStringLiteral("Platz"), QStringLiteral("Menge")});
        for (int i = 1; i <= 20; ++i)
            Modell.appendRow({new QStandardItem(QStringLiteral("A-01-%1").arg(i, 2, 10, QLatin1Char('0'))),
                              new QStandardItem(QString::number(i))});
        Plaetze->setModel(&Modell);
        QObject::connect(Plaetze, &QTreeView::clicked, &Fenster, [this](const QModelIndex& AIndex) {
            Angetippt = Modell.index(AIndex.row(), 0).data().toString();
        });
        Fenster.show();
    }

    QString Zustand() const
    {
        QStringList marken;
        for (int i = 0; i < Spalten->count(); ++i)
            if (Spalten->item(i)->checkState() == Qt::Checked)
                marken << Spalten->item(i)->text();
        const QListWidgetItem* aktuell = Spalten->currentItem();
        return QStringLiteral("Haken %1, aktuell %2%3 | Lager %4, gewählt %5, geändert %6%7 | angetippt %8")
            .arg(marken.join(u'+'), aktuell ? aktuell->text() : QStringLiteral("keine"),
                 aktuell && aktuell->isSelected() ? QStringLiteral(" markiert") : QString(), Lager->currentText())
            .arg(Gewaehlt)
            .arg(Geaendert)
            .arg(Lager->view()->isVisible() ? QStringLiteral(", offen") : QString(), Angetippt);
    }
};

class TProgrammAttrappe : public IZAM_Programm
{
public:
    std::function<void(int)> BeiBeenden;
    void Init(const QString&, int, int, int, bool) override {}
    bool IstInitialisiert() const override { return true; }
    void ShowException(const std::exception&) override {}
    void PreventAutoTermination() override {}
    void SetAutoTerminate(int) override {}
    int GetAutoTerminate() const override { return 0; }
    void Beenden(int AExitCode) override { BeiBeenden(AExitCode); }
    bool WorkStartTry(const void*, const QString&, int) override { return true; }
    void WorkDone(const void*) override {}
    TIntPair GetAngemBenutzer_GepNr() const override { return {}; }
    QString TerminalID() const override { return QStringLiteral("T1"); }
    int GetRId() override { return 1; }
    QProcessEnvironment KindUmgebung() const override { return {}; }
    QString IniWert(const QString&, const QString&, const QString& ADefault) const override { return ADefault; }
};
} // namespace

class TestSkript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void tastenKommenAlsRichtigeEreignisse()
    {
        TTastenProtokoll w;
        w.setFocusPolicy(Qt::StrongFocus);
        w.show();
        w.setFocus();
        const TLauf lauf = Laufen({QStringLiteral("key F5"), QStringLiteral("key Esc"), QStringLiteral("key Ctrl+A"),
                                   QStringLiteral("key 7"), QStringLiteral("key x"), QStringLiteral("key Shift+X"),
                                   QStringLiteral("key Enter"), QStringLiteral("key Ctrl+Alt+Z"),
                                   QStringLiteral("key Shift+Tab"), QStringLiteral("key F24")});
        QCOMPARE(lauf.Code, CSkriptExit_Ok);
        const QList<TTaste> erwartet{
            {Qt::Key_F5, Qt::NoModifier, QString()},
            {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")},
            {Qt::Key_A, Qt::ControlModifier, QString()},
            {Qt::Key_7, Qt::NoModifier, QStringLiteral("7")},
            {Qt::Key_X, Qt::NoModifier, QStringLiteral("x")},
            {Qt::Key_X, Qt::ShiftModifier, QStringLiteral("X")},
            {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
            {Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier, QString()},
            {Qt::Key_Backtab, Qt::ShiftModifier, QString()},
            {Qt::Key_F24, Qt::NoModifier, QString()},
        };
        QCOMPARE(w.Gedrueckt, erwartet);
        QCOMPARE(w.Losgelassen, erwartet.size());
        // A held Ctrl left behind would turn later clicks into Ctrl+clicks.
        QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::KeyboardModifiers(Qt::NoModifier));
    }

    void tastenLaufenUeberDieKurzbefehle()
    {
        TMaske m;
        QVERIFY(QTest::qWaitForWindowActive(&m.Fenster));
        int aktualisiert = 0;
        QShortcut f5(QKeySequence(Qt::Key_F5), &m.Fenster);
        connect(&f5, &QShortcut::activated, &m.Fenster, [&] { ++aktualisiert; });
        m.Name->setText(QStringLiteral("alt"));
        // Ctrl+A selects in the field, F5 reaches the window's shortcut, Alt+Ü the button's mnemonic
        // (which clicks after Qt's click animation).
        const TLauf lauf = Laufen({QStringLiteral("key Ctrl+A"), QStringLiteral("type neu"), QStringLiteral("key F5"),
                                   QStringLiteral("key Alt+Ü"), QStringLiteral("wait 200")});
        QCOMPARE(lauf.Code, CSkriptExit_Ok);
        QCOMPARE(m.Name->text(), QStringLiteral("neu"));
        QCOMPARE(aktualisiert, 1);
        QCOMPARE(m.Ergebnis->text(), QStringLiteral("Hallo neu"));
    }

    void scanSendetPraefixZeichenUndEnde()
    {
        TTastenProtokoll w;
        w.setFocusPolicy(Qt::StrongFocus);
        w.show();
        w.setFocus();
        QCOMPARE(Laufen({QStringLiteral("scan Ab1")}).Code, CSkriptExit_Ok);
        QCOMPARE(w.Gedrueckt, (QList<TTaste>{{Qt::Key_F11, Qt::NoModifier, QString()},
                                             {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")},
                                             {Qt::Key_B, Qt::NoModifier, QStringLiteral("b")},
                                             {Qt::Key_1, Qt::NoModifier, QStringLiteral("1")},
                                             {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}}));

        w.Gedrueckt.clear();
        const TLauf lauf = Laufen({QStringLiteral("scan 9")}, [](TZAM_SkriptLaeufer& ALaeufer) {
            ALaeufer.SetScanPraefix(QKeySequence(QStringLiteral("Ctrl+F12")));
            ALaeufer.SetScanEnde(Qt::Key_Tab);
        });
        QCOMPARE(lauf.Code, CSkriptExit_Ok);
        QCOMPARE(w.Gedrueckt, (QList<TTaste>{{Qt::Key_F12, Qt::ControlModifier, QString()},
                                             {Qt::Key_9, Qt::NoModifier, QStringLiteral("9")},
                                             {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}}));

        w.Gedrueckt.clear();
        QCOMPARE(Laufen({QStringLiteral("scan 9")},
                        [](TZAM_SkriptLaeufer& ALaeufer) { ALaeufer.SetScanPraefix(QKeySequence()); })
                     .Code,
                 CSkriptExit_Ok);
        QCOMPARE(w.Gedrueckt, (QList<TTaste>{{Qt::Key_9, Qt::NoModifier, QStringLiteral("9")},
                                             {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}}));
    }

    void tippenKlickenUndErwarten()
    {
        TMaske m;
        const TLauf lauf = Laufen({QStringLiteral("# Name eingeben"), QString(), QStringLiteral("type Grüße, Anna €"),
                                   QStringLiteral("click Übernehmen"),
                                   QStringLiteral("expect Label: Hallo Grüße, Anna €"), QStringLiteral("dump")});
        QCOMPARE(lauf.Code, CSkriptExit_Ok);
        QCOMPARE(m.Klicks, 1);
        QVERIFY2(lauf.Ausgabe.contains(QStringLiteral("Feld edtName: Grüße, Anna €")), qPrintable(lauf.Ausgabe));
    }

    void klickNachNameCaptionUndReiter()
    {
        QWidget w;
        w.resize(300, 300);
        auto* tabs = new QTabWidget(&w);
        tabs->setGeometry(0, 0, 300, 300);
        auto* kopf = new QWidget;
        auto* details = new QWidget;
        auto* frei = new QPushButton(QStringLiteral("Frei"), details);
        frei->setObjectName(QStringLiteral("btnFrei"));
        new QLabel(QStringLiteral("Seite Details"), details);
        tabs->addTab(kopf, QStringLiteral("&Kopf"));
        tabs->addTab(details, QStringLiteral("&Details"));
        auto* und = new QPushButton(QStringLiteral("Fisch && Chips"), kopf);
        int und_klicks = 0;
        int frei_klicks = 0;
        connect(und, &QPushButton::clicked, &w, [&] { ++und_klicks; });
        connect(frei, &QPushButton::clicked, &w, [&] { ++frei_klicks; });
        w.show();

        // btnFrei lies on the hidden page until its tab is chosen.
        QCOMPARE(Laufen({QStringLiteral("click btnFrei")}).Code, CSkriptExit_Fehler);
        QCOMPARE(frei_klicks, 0);
        const TLauf lauf = Laufen({QStringLiteral("click Fisch & Chips"), QStringLiteral("click Details"),
                                   QStringLiteral("expect Reiter: Details"),
                                   QStringLiteral("expect Label: Seite Details"), QStringLiteral("click btnFrei")});
        QCOMPARE(lauf.Code, CSkriptExit_Ok);
        QCOMPARE(und_klicks, 1);
        QCOMPARE(frei_klicks, 1);
        QCOMPARE(tabs->currentIndex(), 1);
    }

    // "click TEXT" taps the first row on screen showing the text when no element is named so: a check
    // list row toggles its mark, an entry of an open choice list is chosen, a grid row is tapped.
    void klickAufZeilen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("zustand");
        QTest::newRow("Haken der Liste") << QStringList{QStringLiteral("click Menge"), QStringLiteral("click Größe")}
                                         << CSkriptExit_Ok
                                         << QStringLiteral("Haken Menge, aktuell Größe markiert | Lager 1 "
                                                           "Zentrallager, gewählt 0, geändert 0 | angetippt nichts");
        QTest::newRow("Eintrag der Auswahl")
            << QStringList{QStringLiteral("click cmbLager"), QStringLiteral("expect Zeile: 1 Zentrallager [gewählt]"),
                           QStringLiteral("expect Zeile: 3 Lager Ost"), QStringLiteral("click Süd")}
            << CSkriptExit_Ok
            << QStringLiteral(
                   "Haken Größe, aktuell Artikel | Lager 2 Lager Süd, gewählt 1, geändert 1 | angetippt nichts");
        // The key chooses once, as the keyboard does: the list's own Enter closes it.
        QTest::newRow("Enter in der Auswahl")
            << QStringList{QStringLiteral("click cmbLager"), QStringLiteral("key Down"), QStringLiteral("key Enter")}
            << CSkriptExit_Ok
            << QStringLiteral(
                   "Haken Größe, aktuell Artikel | Lager 2 Lager Süd, gewählt 1, geändert 1 | angetippt nichts");
        QTest::newRow("Zeile des Rasters") << QStringList{QStringLiteral("click A-01-02")} << CSkriptExit_Ok
                                           << QStringLiteral("Haken Größe, aktuell Artikel | Lager 1 Zentrallager, "
                                                             "gewählt 0, geändert 0 | angetippt A-01-02");
        QTest::newRow("Zeile außer Sicht")
            << QStringList{QStringLiteral("click A-01-19")} << CSkriptExit_Fehler
            << QStringLiteral("Haken Größe, aktuell Artikel | Lager 1 Zentrallager, gewählt 0, geändert 0 | "
                              "angetippt nichts");
        QTest::newRow("offene Auswahl ohne den Text")
            << QStringList{QStringLiteral("click cmbLager"), QStringLiteral("click A-01-02")} << CSkriptExit_Fehler
            << QStringLiteral("Haken Größe, aktuell Artikel | Lager 1 Zentrallager, gewählt 0, geändert 0, offen | "
                              "angetippt nichts");
    }
    void klickAufZeilen()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, code);
        QFETCH(QString, zustand);
        TListenMaske m;
        QVERIFY(QTest::qWaitForWindowExposed(&m.Fenster));
        const TLauf lauf = Laufen(zeilen);
        QVERIFY2(lauf.Code == code, qPrintable(lauf.Ausgabe));
        QCOMPARE(m.Zustand(), zustand);
        if (code == CSkriptExit_Fehler)
            QVERIFY2(lauf.Ausgabe.contains(QStringLiteral("kein sichtbares, freigegebenes Element")),
                     qPrintable(lauf.Ausgabe));
        m.Lager->hidePopup();
    }

    void zeilenLaufenImModalenDialogWeiter()
    {
        TMaske m;
        const TLauf ja = Laufen({QStringLiteral("click Frage"), QStringLiteral("expect Wirklich buchen?"),
                                 QStringLiteral("expect Fenster: TZAMMeldungDialog"), QStringLiteral("click Ja"),
                                 QStringLiteral("expect Antwort: Ja")});
        QVERIFY2(ja.Code == CSkriptExit_Ok, qPrintable(ja.Ausgabe));
        QCOMPARE(m.Ergebnis->text(), QStringLiteral("Antwort: Ja"));

        // A dialog opened outside a line (the mnemonic clicks from a timer) gets the lines too; Esc goes
        // to the dialog, the keys after it to the form below again, mnemonics included.
        m.Name->clear();
        const TLauf nein =
            Laufen({QStringLiteral("key Alt+F"), QStringLiteral("wait 200"), QStringLiteral("key Esc"),
                    QStringLiteral("expect Antwort: Nein"), QStringLiteral("type weiter"), QStringLiteral("key Alt+Ü"),
                    QStringLiteral("wait 200"), QStringLiteral("expect Label: Hallo weiter")});
        QVERIFY2(nein.Code == CSkriptExit_Ok, qPrintable(nein.Ausgabe));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A line runs only once the program is idle: the window's posted start work is done, the line
    // before has returned, and no handler is inside a look at the event loop; a modal dialog that a
    // line opens still gets the lines.
    void zeilenLaufenNurImLeerlauf_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("erste Zeile nach dem Start") << QStringList{QStringLiteral("expect Label: bereit")}
                                                    << QStringLiteral("leer");
        QTest::newRow("nach dem Handler") << QStringList{QStringLiteral("click Lange"),
                                                         QStringLiteral("expect Label: fertig")}
                                          << QStringLiteral("fertig");
        QTest::newRow("nie im Busy") << QStringList{QStringLiteral("click Lange"), QStringLiteral("click Zaehlen")}
                                     << QStringLiteral("gezählt");
        QTest::newRow("Dialog nach dem Blick in die Schleife")
            << QStringList{QStringLiteral("click Spaet"), QStringLiteral("expect Wirklich?"),
                           QStringLiteral("click Ja"), QStringLiteral("expect Label: Antwort: Ja")}
            << QStringLiteral("Antwort: Ja");
    }
    void zeilenLaufenNurImLeerlauf()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, ergebnis);
        TStartMaske maske;
        // Opened from the loop like the handheld screen, so the runner already waits when it shows.
        QTimer::singleShot(0, &maske, [&] { maske.exec(); });
        const TLauf lauf = Laufen(zeilen);
        QVERIFY2(lauf.Code == CSkriptExit_Ok, qPrintable(lauf.Ausgabe));
        QCOMPARE(maske.Ergebnis->text(), ergebnis);
    }

    // An end of the program before a line still to run fails the script with code 3; a script that
    // expects the end says so with "ende", and fails when the program then goes on.
    void endeDesProgramms_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ausgabe");
        QTest::newRow("Ende vor der letzten Zeile")
            << QStringList{QStringLiteral("click Beenden"), QStringLiteral("expect nie")} << CSkriptExit_Vorzeitig
            << QStringLiteral("Skript endete vor Zeile 2\n");
        QTest::newRow("erste nicht gelaufene Zeile zählt")
            << QStringList{QStringLiteral("# Ende"), QStringLiteral("click Beenden"), QString(),
                           QStringLiteral("  # danach"), QStringLiteral("type zu spät")}
            << CSkriptExit_Vorzeitig << QStringLiteral("Skript endete vor Zeile 5\n");
        QTest::newRow("Ende in der Zeile vor ende")
            << QStringList{QStringLiteral("click Beenden"), QStringLiteral("ende")} << CSkriptExit_Ok << QString();
        QTest::newRow("ende wartet auf das Ende")
            << QStringList{QStringLiteral("click Später beenden"), QStringLiteral("ende")} << CSkriptExit_Ok
            << QString();
        QTest::newRow("ende ohne Ende") << QStringList{QStringLiteral("type x"), QStringLiteral("ende")}
                                        << CSkriptExit_Fehler
                                        << QStringLiteral("ende fehlgeschlagen: das Programm läuft nach 400 ms noch "
                                                          "(Zeile 2)");
        QTest::newRow("Zeile nach ende") << QStringList{QStringLiteral("ende"), QString(), QStringLiteral("type x")}
                                         << CSkriptExit_Fehler
                                         << QStringLiteral("Zeile nach ende (Zeile 3, ende in Zeile 1)");
    }
    void endeDesProgramms()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, code);
        QFETCH(QString, ausgabe);
        // The loop stands for the program; the entry asks the runner for the exit code after it.
        QEventLoop programm;
        QWidget w;
        w.resize(300, 100);
        auto* beenden = new QPushButton(QStringLiteral("Beenden"), &w);
        beenden->setGeometry(10, 10, 100, 24);
        connect(beenden, &QPushButton::clicked, &w, [&] { programm.exit(0); });
        auto* spaeter = new QPushButton(QStringLiteral("Später beenden"), &w);
        spaeter->setGeometry(120, 10, 150, 24);
        connect(spaeter, &QPushButton::clicked, &w, [&] { QTimer::singleShot(200, &w, [&] { programm.exit(0); }); });
        w.show();

        QString text;
        TZAM_SkriptLaeufer laeufer;
        laeufer.SetPause(5);
        laeufer.SetEndeFrist(400);
        laeufer.SetAusgabe([&](const QString& AText) { text += AText; });
        laeufer.SetBeenden([&](int ACode) { programm.exit(ACode); });
        laeufer.ZeilenSetzen(zeilen);
        laeufer.Starten();
        QTimer::singleShot(10000, &programm, [&] { programm.exit(99); });
        const int programmCode = programm.exec();
        QCOMPARE(laeufer.Abschluss(programmCode), code);
        QVERIFY2(ausgabe.isEmpty() ? text.isEmpty() : text.startsWith(ausgabe), qPrintable(text));
    }

    void wartenLaesstDieSchleifeLaufen()
    {
        TMaske m;
        QTimer::singleShot(150, m.Ergebnis, [&] { m.Ergebnis->setText(QStringLiteral("spät")); });
        QCOMPARE(Laufen({QStringLiteral("wait 300"), QStringLiteral("expect Label: spät")}).Code, CSkriptExit_Ok);
    }

    void ersteZeileWartetAufDasErsteFenster()
    {
        QLineEdit feld;
        QTimer::singleShot(150, &feld, [&] {
            feld.show();
            feld.setFocus();
        });
        QCOMPARE(Laufen({QStringLiteral("type da")}).Code, CSkriptExit_Ok);
        QCOMPARE(feld.text(), QStringLiteral("da"));
    }

    void fehlschlagEndetMitEinsUndBildschirm()
    {
        TMaske m;
        const TLauf lauf = Laufen({QStringLiteral("expect Gibt es nicht"), QStringLiteral("click Übernehmen")});
        QCOMPARE(lauf.Code, CSkriptExit_Fehler);
        const QStringList zeilen = lauf.Ausgabe.split(u'\n');
        QCOMPARE(zeilen.value(0), QStringLiteral("expect fehlgeschlagen: Gibt es nicht (Zeile 1)"));
        QCOMPARE(zeilen.value(1), QStringLiteral("Fenster: QWidget frmMaske \"Maske\""));
        QVERIFY(zeilen.contains(QStringLiteral("Label: leer")));
        QTest::qWait(50);
        QCOMPARE(m.Klicks, 0);
    }

    void fehlendesOderGesperrtesElementScheitert()
    {
        TMaske m;
        const TLauf fehlt = Laufen({QStringLiteral("click Nichtda")});
        QCOMPARE(fehlt.Code, CSkriptExit_Fehler);
        QVERIFY2(fehlt.Ausgabe.startsWith(QStringLiteral("click fehlgeschlagen: kein sichtbares, freigegebenes Element "
                                                         "\"Nichtda\"")),
                 qPrintable(fehlt.Ausgabe));

        const TLauf gesperrt = Laufen({QStringLiteral("click Fish & Chips")});
        QCOMPARE(gesperrt.Code, CSkriptExit_Fehler);
        QVERIFY(gesperrt.Ausgabe.contains(QStringLiteral("(gesperrt)")));
        QCOMPARE(m.Klicks, 0);
    }

    void ungueltigeZeilenScheiternVorDemLauf()
    {
        TMaske m;
        const QStringList falsch[] = {{QStringLiteral("type vorher"), QStringLiteral("tanz Polka")},
                                      {QStringLiteral("type vorher"), QStringLiteral("key F99")},
                                      {QStringLiteral("type vorher"), QStringLiteral("wait bald")},
                                      {QStringLiteral("type vorher"), QStringLiteral("key Hyper+A")}};
        for (const QStringList& skript : falsch) {
            const TLauf lauf = Laufen(skript);
            QCOMPARE(lauf.Code, CSkriptExit_Fehler);
            QVERIFY2(lauf.Ausgabe.contains(QStringLiteral("(Zeile 2: %1)").arg(skript[1])), qPrintable(lauf.Ausgabe));
            QCOMPARE(m.Name->text(), QString());
        }
    }

    void dateiUndKommandozeile()
    {
        TMaske m;
        QTemporaryFile datei;
        QVERIFY(datei.open());
        datei.write("\xEF\xBB\xBFtype Zeile\r\n  # eingerückt\r\n\r\n  click Übernehmen\r\nexpect Hallo Zeile\r\n");
        datei.close();
        TLauf lauf;
        QEventLoop schleife;
        {
            TZAM_SkriptLaeufer laeufer;
            QCOMPARE(TZAM_SkriptLaeufer::Instanz(), &laeufer);
            QVERIFY(laeufer.DateiLaden(datei.fileName()));
            laeufer.SetPause(5);
            laeufer.SetAusgabe([&](const QString& AText) { lauf.Ausgabe += AText; });
            laeufer.SetBeenden([&](int ACode) {
                lauf.Code = ACode;
                schleife.quit();
            });
            laeufer.Starten();
            QTimer::singleShot(5000, &schleife, &QEventLoop::quit);
            schleife.exec();
        }
        QVERIFY2(lauf.Code == CSkriptExit_Ok, qPrintable(lauf.Ausgabe));
        QCOMPARE(TZAM_SkriptLaeufer::Instanz(), nullptr);

        QString fehler;
        TZAM_SkriptLaeufer laeufer;
        QVERIFY(!laeufer.DateiLaden(QStringLiteral("/gibt/es/nicht.script"), &fehler));
        QVERIFY(fehler.contains(QStringLiteral("/gibt/es/nicht.script")));
    }

    void argumente()
    {
        QVERIFY(TZAM_SkriptLaeufer::AusArgumentenStarten(
            {QStringLiteral("prog"), QStringLiteral("--ini"), QStringLiteral("x.ini")}));
        QCOMPARE(TZAM_SkriptLaeufer::Instanz(), nullptr);
        QVERIFY(!TZAM_SkriptLaeufer::AusArgumentenStarten(
            {QStringLiteral("prog"), QStringLiteral("--script"), QStringLiteral("/gibt/es/nicht.script")}));
        QVERIFY(!TZAM_SkriptLaeufer::AusArgumentenStarten({QStringLiteral("prog"), QStringLiteral("--script")}));
        QCOMPARE(TZAM_SkriptLaeufer::Instanz(), nullptr);
    }

    void dumpOrdnungUndElemente()
    {
        QWidget w;
        w.setObjectName(QStringLiteral("frmTest"));
        w.setWindowTitle(QStringLiteral("Testfenster"));
        w.resize(420, 420);
        // Created bottom up: the order on screen must not depend on the creation order.
        auto* gruppe = new QGroupBox(QStringLiteral("Position"), &w);
        gruppe->setGeometry(10, 170, 400, 240);
        auto* baum = new QTreeView(gruppe);
        baum->setObjectName(QStringLiteral("lvListe"));
        baum->setGeometry(10, 50, 380, 180);
        QStandardItemModel modell(0, 2);
        modell.setHorizontalHeaderLabels({QStringLiteral("ArtNr"), QStringLiteral("Bez")});
        auto zeile = [](const QString& A, const QString& B) {
            return QList<QStandardItem*>{new QStandardItem(A), new QStandardItem(B)};
        };
        modell.appendRow(zeile(QStringLiteral("100"), QStringLiteral("Hemd")));
        modell.item(0)->appendRow(zeile(QStringLiteral("100-1"), QStringLiteral("Größe\nM")));
        modell.appendRow(zeile(QStringLiteral("200"), QStringLiteral("Hose")));
        modell.item(1)->appendRow(zeile(QStringLiteral("200-1"), QStringLiteral("zugeklappt")));
        baum->setModel(&modell);
        baum->expand(modell.index(0, 0));
        baum->selectionModel()->select(modell.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        (new QLabel(QStringLiteral("Im\r\nRahmen"), gruppe))->setGeometry(10, 20, 100, 20);
        auto* lager = new QComboBox(&w);
        lager->setObjectName(QStringLiteral("cmbLager"));
        lager->addItems({QStringLiteral("Lager 1"), QStringLiteral("Lager 2")});
        lager->setCurrentIndex(1);
        lager->setGeometry(10, 130, 100, 24);
        auto* druck = new QCheckBox(QStringLiteral("&Drucken"), &w);
        druck->setChecked(true);
        druck->setGeometry(200, 90, 100, 24);
        auto* menge = new QSpinBox(&w);
        menge->setObjectName(QStringLiteral("spnMenge"));
        menge->setValue(7);
        menge->setGeometry(10, 90, 100, 24);
        auto* pass = new QLineEdit(QStringLiteral("geheim"), &w);
        pass->setObjectName(QStringLiteral("edtPass"));
        pass->setEchoMode(QLineEdit::Password);
        pass->setGeometry(200, 50, 100, 24);
        auto* name = new QLineEdit(QStringLiteral("Anna"), &w);
        name->setObjectName(QStringLiteral("edtName"));
        name->setGeometry(10, 50, 100, 24);
        auto* versteckt = new QLabel(QStringLiteral("versteckt"), &w);
        versteckt->setGeometry(10, 10, 50, 20);
        versteckt->hide();
        auto* buchen = new QPushButton(QStringLiteral("&Buchen"), &w);
        buchen->setEnabled(false);
        buchen->setGeometry(200, 10, 100, 24);
        (new QLabel(QStringLiteral("Menge:"), &w))->setGeometry(10, 10, 100, 24);
        (new QLabel(QStringLiteral("gleich 1"), &w))->setGeometry(320, 10, 50, 24);
        (new QLabel(QStringLiteral("gleich 2"), &w))->setGeometry(320, 10, 50, 24);
        w.show();

        const QStringList erwartet{
            QStringLiteral("Fenster: QWidget frmTest \"Testfenster\""),
            QStringLiteral("Label: Menge:"),
            QStringLiteral("Knopf: Buchen [aus]"),
            QStringLiteral("Label: gleich 1"),
            QStringLiteral("Label: gleich 2"),
            QStringLiteral("Feld edtName: Anna"),
            QStringLiteral("Feld edtPass: ******"),
            QStringLiteral("Feld spnMenge: 7"),
            QStringLiteral("Haken: [x] Drucken"),
            QStringLiteral("Auswahl cmbLager: Lager 2"),
            QStringLiteral("Gruppe: Position"),
            QStringLiteral("Label: Im Rahmen"),
            QStringLiteral("Liste lvListe:"),
            QStringLiteral("  Kopf: ArtNr | Bez"),
            QStringLiteral("  Zeile: 100 | Hemd"),
            QStringLiteral("    Zeile: 100-1 | Größe M"),
            QStringLiteral("  Zeile: 200 | Hose [gewählt]"),
        };
        QCOMPARE(TZAM_BildschirmText::Zeilen(&w), erwartet);

        // Column order follows the screen; hidden columns and rows are not on it.
        baum->header()->moveSection(1, 0);
        baum->setRowHidden(0, QModelIndex(), true);
        QCOMPARE(TZAM_BildschirmText::Zeilen(&w).mid(13),
                 (QStringList{QStringLiteral("  Kopf: Bez | ArtNr"), QStringLiteral("  Zeile: Hose | 200 [gewählt]")}));
        baum->setColumnHidden(0, true);
        QCOMPARE(TZAM_BildschirmText::Zeilen(&w).mid(13),
                 (QStringList{QStringLiteral("  Kopf: Bez"), QStringLiteral("  Zeile: Hose [gewählt]")}));
    }

    // Dump and expect see what a person sees: nothing outside the window or a viewport, no list row
    // scrolled away, of a clipped label only the part on screen, and no object names.
    void nurWasZuSehenIst_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("imDump");
        QTest::addColumn<bool>("erwartet");
        auto zeile = [](const char* AName, const QString& AText, bool AImDump, bool AErwartet) {
            QTest::newRow(AName) << AText << AImDump << AErwartet;
        };
        zeile("Fenster", QStringLiteral("Fenster: QWidget frmSicht \"Sicht\""), true, true);
        zeile("Label im Fenster", QStringLiteral("Label: im Fenster"), true, true);
        zeile("Label neben dem Fenster", QStringLiteral("draußen"), false, false);
        zeile("erste Listenzeile", QStringLiteral("Zeile: Reihe 01"), true, true);
        zeile("Listenzeile unter dem Sichtfeld", QStringLiteral("Reihe 30"), false, false);
        zeile("oben im Rollbereich", QStringLiteral("Label: oben im Rahmen"), true, true);
        zeile("unter dem Rollbereich", QStringLiteral("unter dem Rand"), false, false);
        zeile("sichtbarer Teil eines Labels", QStringLiteral("Label: Lagerplatz"), true, true);
        zeile("ganzer Text eines Labels am Rand", QStringLiteral("Lagerplatz 12345"), false, false);
        zeile("Objektname", QStringLiteral("edtVersteckterName"), true, false);
        zeile("Feldinhalt", QStringLiteral("Feld: sichtbar"), false, true);
    }
    void nurWasZuSehenIst()
    {
        QFETCH(QString, text);
        QFETCH(bool, imDump);
        QFETCH(bool, erwartet);
        QWidget w;
        w.setObjectName(QStringLiteral("frmSicht"));
        w.setWindowTitle(QStringLiteral("Sicht"));
        w.resize(300, 200);
        (new QLabel(QStringLiteral("im Fenster"), &w))->setGeometry(10, 10, 100, 20);
        (new QLabel(QStringLiteral("draußen"), &w))->setGeometry(310, 10, 100, 20);
        auto* liste = new QTreeView(&w);
        liste->setGeometry(10, 40, 150, 70);
        liste->setHeaderHidden(true);
        QStandardItemModel modell;
        for (int i = 1; i <= 30; ++i)
            modell.appendRow(new QStandardItem(QStringLiteral("Reihe %1").arg(i, 2, 10, QLatin1Char('0'))));
        liste->setModel(&modell);
        auto* rahmen = new QScrollArea(&w);
        rahmen->setGeometry(10, 120, 150, 60);
        auto* inhalt = new QWidget;
        inhalt->resize(130, 300);
        (new QLabel(QStringLiteral("oben im Rahmen"), inhalt))->setGeometry(0, 0, 120, 20);
        (new QLabel(QStringLiteral("unter dem Rand"), inhalt))->setGeometry(0, 200, 120, 20);
        rahmen->setWidget(inhalt);
        auto* feld = new QLineEdit(QStringLiteral("sichtbar"), &w);
        feld->setObjectName(QStringLiteral("edtVersteckterName"));
        feld->setGeometry(170, 40, 100, 24);
        // Only "Lagerplatz" fits between the label's left edge and the window's right edge.
        auto* platz = new QLabel(QStringLiteral("Lagerplatz 12345"), &w);
        const int breite = platz->fontMetrics().horizontalAdvance(QStringLiteral("Lagerplatz")) + 2;
        platz->setGeometry(300 - breite, 175, 200, 20);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        const QString dump = TZAM_BildschirmText::Text(&w);
        QVERIFY2(dump.contains(text) == imDump, qPrintable(dump));
        const TLauf lauf = Laufen({QStringLiteral("expect ") + text});
        QCOMPARE(lauf.Code, erwartet ? CSkriptExit_Ok : CSkriptExit_Fehler);
    }

    void dumpErweiterung()
    {
        QWidget sonder;
        sonder.setObjectName(QStringLiteral("frmMDE"));
        new QLabel(QStringLiteral("Standard"), &sonder);
        QWidget normal;
        new QLabel(QStringLiteral("Standard"), &normal);
        auto erweiterung = [](QWidget* AFenster, QStringList& AZeilen, bool) {
            if (AFenster->objectName() != QLatin1String("frmMDE"))
                return false;
            AZeilen.append(QStringLiteral("Zustand: Start"));
            return true;
        };
        const int id = TZAM_SkriptLaeufer::DumpErweiterungRegistrieren(erweiterung);
        QCOMPARE(TZAM_BildschirmText::Zeilen(&sonder),
                 (QStringList{QStringLiteral("Fenster: QWidget frmMDE \"\""), QStringLiteral("Zustand: Start")}));
        QCOMPARE(TZAM_BildschirmText::Zeilen(&normal).value(1), QStringLiteral("Label: Standard"));
        TZAM_BildschirmText::DumpErweiterungEntfernen(id);
        QCOMPARE(TZAM_BildschirmText::Zeilen(&sonder).value(1), QStringLiteral("Label: Standard"));
    }

    void programmdienstBeendet()
    {
        TMaske m;
        TProgrammAttrappe programm;
        QEventLoop schleife;
        int code = -1;
        programm.BeiBeenden = [&](int ACode) {
            code = ACode;
            schleife.quit();
        };
        TZAM_Dienste dienste;
        dienste.Programm = &programm;
        ZAMDienste_Setzen(dienste);
        TZAM_SkriptLaeufer laeufer;
        laeufer.SetPause(5);
        laeufer.SetAusgabe([](const QString&) {});
        laeufer.ZeilenSetzen({QStringLiteral("expect nie")});
        laeufer.Starten();
        QTimer::singleShot(5000, &schleife, &QEventLoop::quit);
        schleife.exec();
        ZAMDienste_Setzen({});
        QCOMPARE(code, CSkriptExit_Fehler);
        QCOMPARE(laeufer.ExitCode(), CSkriptExit_Fehler);
    }

    // Last: QCoreApplication::exit stops every later event loop of this process.
    void ohneProgrammdienstEndetDieSchleifeMitDemCode()
    {
        TMaske m;
        TZAM_SkriptLaeufer laeufer;
        laeufer.SetPause(5);
        laeufer.SetAusgabe([](const QString&) {});
        laeufer.ZeilenSetzen({QStringLiteral("click Frage"), QStringLiteral("expect nie")});
        laeufer.Starten();
        QEventLoop schleife;
        QTimer::singleShot(5000, &schleife, [&] { schleife.exit(99); });
        QCOMPARE(schleife.exec(), CSkriptExit_Fehler);
        QVERIFY(!m.Fenster.isVisible());
        QVERIFY(!QApplication::activeModalWidget());

        // The program entry may still reach its main loop (the end came in a start-up dialog).
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), CSkriptExit_Fehler);
    }
};

QTEST_MAIN(TestSkript)
#include "tst_skript.moc"

// The layout of the terminal options: header, three pages, "Zurück" and "Speichern", within the
// main menu's 1016 x 566 pixels.
#include "TfrmOptionen.h"

#include "Tfrmmain.h"
#include "ZAMFarben.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* Beschriftung(const QString& AText, QWidget* AParent, const QString& AName = {})
{
    auto* l = new QLabel(AText, AParent);
    if (!AName.isEmpty())
        l->setObjectName(AName);
    return l;
}

QComboBox* Auswahl(const QString& AName, QWidget* AParent)
{
    auto* c = new QComboBox(AParent);
    c->setObjectName(AName);
    c->setMinimumHeight(30);
    return c;
}

QCheckBox* Haken(const QString& AName, const QString& ACaption, QWidget* AParent)
{
    auto* c = new QCheckBox(ACaption, AParent);
    c->setObjectName(AName);
    return c;
}

QPushButton* Knopf(const QString& AName, const QString& ACaption, QWidget* AParent)
{
    auto* b = new QPushButton(ACaption, AParent);
    b->setObjectName(AName);
    b->setAutoDefault(false);
    b->setMinimumHeight(34);
    return b;
}

} // namespace

void TfrmOptionen::LayoutErstellen()
{
    setFixedSize(1016, 566);
    QVBoxLayout* inner = nullptr;
    FpnlOuter = Tfrmmain::Aussenpanel(this, -14, inner);

    QLabel* kopf = Tfrmmain::Kopfpanel(QStringLiteral("pnlDataHeader"), QStringLiteral("Optionen"), FpnlOuter);
    kopf->setFixedHeight(34);
    inner->addWidget(kopf);

    FpgcTabSheets = new QTabWidget(FpnlOuter);
    FpgcTabSheets->setObjectName(QStringLiteral("pgcTabSheets"));
    QFont tabSchrift = font();
    ZAMSchriftHoeheSetzen(tabSchrift, -18);
    tabSchrift.setBold(true);
    FpgcTabSheets->tabBar()->setFont(tabSchrift);
    FpgcTabSheets->addTab(SeiteAllgemeinErstellen(), QStringLiteral("Allgemein"));
    // Only requested goods have the container box, only customer orders the paid box.
    QWidget* nachsort = SpaltenSeiteErstellen(QStringLiteral("Nachsort"), FNachsort);
    auto* nachsortLayout = static_cast<QVBoxLayout*>(nachsort->layout());
    FchbKommBeh = Haken(QStringLiteral("chbKommBeh"), QStringLiteral("Kommissionierbehälter verwenden"), nachsort);
    nachsortLayout->insertWidget(0, FchbKommBeh);
    nachsortLayout->insertWidget(1, Beschriftung(QStringLiteral("Ist dieser Haken nicht gesetzt kann kein Behälter "
                                                                "zur Kommissionierung eingesetzt werden."),
                                                 nachsort, QStringLiteral("lblKommBehHinweis")));
    FpgcTabSheets->addTab(nachsort, QStringLiteral("Angeforderte Ware abgeben"));
    QWidget* kube = SpaltenSeiteErstellen(QStringLiteral("KuBe"), FKuBe);
    FchbKubeBezahlt =
        Haken(QStringLiteral("chbKubeBezahlt"),
              QStringLiteral("Aufgaben für Kundenbestellungen nur anzeigen, wenn die Bestellung bezahlt ist"), kube);
    kube->layout()->addWidget(FchbKubeBezahlt);
    FpgcTabSheets->addTab(kube, QStringLiteral("Kundenbestellungen"));
    inner->addWidget(FpgcTabSheets, 1);

    auto* unten = new QHBoxLayout;
    auto* zurueck = new QPushButton(QStringLiteral("Zurück"), FpnlOuter);
    zurueck->setObjectName(QStringLiteral("btnZurueck"));
    zurueck->setToolTip(QStringLiteral("Esc - ohne Speichern zurück"));
    auto* weiter = new QPushButton(QStringLiteral("Speichern"), FpnlOuter);
    weiter->setObjectName(QStringLiteral("btnWeiter"));
    weiter->setToolTip(QStringLiteral("Eingabe - Optionen speichern"));
    for (QPushButton* b : {zurueck, weiter}) {
        b->setFixedSize(160, 44);
        b->setStyleSheet(Tfrmmain::KnopfStil(Tfrmmain::CKnopfFarbe, 15, true));
        b->setAutoDefault(false);
    }
    weiter->setDefault(true); // Enter
    unten->addWidget(zurueck);
    unten->addStretch();
    unten->addWidget(weiter);
    inner->addLayout(unten);
    connect(zurueck, &QPushButton::clicked, this, &TfrmOptionen::btnZurueckClick);
    connect(weiter, &QPushButton::clicked, this, &TfrmOptionen::btnWeiterClick);
}

QWidget* TfrmOptionen::SeiteAllgemeinErstellen()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("tsAllgemein"));
    auto* l = new QGridLayout(seite);
    l->setAlignment(Qt::AlignTop);
    l->setColumnStretch(1, 1);

    FlblAktLager =
        Beschriftung(QStringLiteral("In welchem Lager befinden wir uns?"), seite, QStringLiteral("lblAktLager"));
    FcmbAktLager = Auswahl(QStringLiteral("cmbAktLager"), seite);
    l->addWidget(FlblAktLager, 0, 0);
    l->addWidget(FcmbAktLager, 0, 1);
    FcmbDruckerWBS = Auswahl(QStringLiteral("cmbDruckerWBS"), seite);
    l->addWidget(Beschriftung(QStringLiteral("Welcher Drucker wird für WBS verwendet?"), seite), 1, 0);
    l->addWidget(FcmbDruckerWBS, 1, 1);

    FpnlMandant = new QWidget(seite);
    FpnlMandant->setObjectName(QStringLiteral("pnlMandant"));
    auto* mandant = new QHBoxLayout(FpnlMandant);
    mandant->setContentsMargins(0, 0, 0, 0);
    mandant->addWidget(Beschriftung(QStringLiteral("Mandant für EWA Handeingabe:"), FpnlMandant));
    FlblMandant = Beschriftung(QStringLiteral("Kein Mandant gewählt"), FpnlMandant, QStringLiteral("lblMandant"));
    mandant->addWidget(FlblMandant, 1);
    FbtnMandantwechsel = Knopf(QStringLiteral("btnMandantwechsel"), QStringLiteral("Wechseln"), FpnlMandant);
    FbtnMandantwechsel->setMinimumWidth(120);
    mandant->addWidget(FbtnMandantwechsel);
    connect(FbtnMandantwechsel, &QPushButton::clicked, this, &TfrmOptionen::btnMandantwechselClick);
    l->addWidget(FpnlMandant, 2, 0, 1, 2);

    FchbRelativeGroesse = Haken(QStringLiteral("chbRelativeGroesse"),
                                QStringLiteral("Vergrößerte Darstellung für bessere Bedienbarkeit"), seite);
    l->addWidget(FchbRelativeGroesse, 3, 0, 1, 2);
    FchbNurLPImLaufweg = Haken(QStringLiteral("chbNurLPImLaufweg"),
                               QStringLiteral("Lagerplätze nur anzeigen, wenn Sie im ausgewählten Laufweg liegen (es "
                                              "werden ggf. nicht alle Aufgaben angezeigt)"),
                               seite);
    l->addWidget(FchbNurLPImLaufweg, 4, 0, 1, 2);

    FpnlZeitraumWBS = new QWidget(seite);
    FpnlZeitraumWBS->setObjectName(QStringLiteral("pnlZeitraumWBS"));
    auto* zeitraum = new QGridLayout(FpnlZeitraumWBS);
    zeitraum->setContentsMargins(0, 8, 0, 0);
    zeitraum->addWidget(Beschriftung(QStringLiteral("Länge des Zeitraumes für WBS:"), FpnlZeitraumWBS), 0, 0);
    FrbUnbegrenzt = new QRadioButton(QStringLiteral("unbegrenzt"), FpnlZeitraumWBS);
    FrbUnbegrenzt->setObjectName(QStringLiteral("rbUnbegrenzt"));
    FrbBegrenzt = new QRadioButton(QStringLiteral("begrenzt auf"), FpnlZeitraumWBS);
    FrbBegrenzt->setObjectName(QStringLiteral("rbBegrenzt"));
    auto* gruppe = new QButtonGroup(FpnlZeitraumWBS);
    gruppe->addButton(FrbUnbegrenzt);
    gruppe->addButton(FrbBegrenzt);
    FedtZeitraumWBS = new QLineEdit(FpnlZeitraumWBS);
    FedtZeitraumWBS->setObjectName(QStringLiteral("edtZeitraumWBS"));
    FedtZeitraumWBS->setMaxLength(4);
    FedtZeitraumWBS->setValidator(new QIntValidator(0, 9999, FedtZeitraumWBS));
    FedtZeitraumWBS->setFixedWidth(70);
    zeitraum->addWidget(FrbUnbegrenzt, 0, 1);
    zeitraum->addWidget(FrbBegrenzt, 1, 1);
    zeitraum->addWidget(FedtZeitraumWBS, 1, 2);
    zeitraum->addWidget(Beschriftung(QStringLiteral("Tage"), FpnlZeitraumWBS), 1, 3);
    auto* hinweis = Beschriftung(QStringLiteral("Die Liste der WBS zeigt dann nur die WBS der letzten Tage und wird "
                                                "dadurch schneller geladen."),
                                 FpnlZeitraumWBS, QStringLiteral("lblZeitraumHinweis"));
    hinweis->setWordWrap(true);
    zeitraum->addWidget(hinweis, 2, 0, 1, 5);
    zeitraum->setColumnStretch(4, 1);
    l->addWidget(FpnlZeitraumWBS, 5, 0, 1, 2);
    return seite;
}

QWidget* TfrmOptionen::SpaltenSeiteErstellen(const QString& AName, TSpaltenSeite& ASeite)
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("ts") + AName);
    auto* senkrecht = new QVBoxLayout(seite);
    auto* waagrecht = new QHBoxLayout;
    senkrecht->addLayout(waagrecht, 1);

    // The column buttons find their list as the first check list of their group.
    auto* gruppe = new QGroupBox(QStringLiteral("Sichtbare Spalten"), seite);
    gruppe->setObjectName(QStringLiteral("gbSpalten") + AName);
    auto* g = new QGridLayout(gruppe);
    ASeite.lbSpalten = new QListWidget(gruppe);
    ASeite.lbSpalten->setObjectName(QStringLiteral("lbSpalten") + AName);
    g->addWidget(ASeite.lbSpalten, 0, 0, 5, 1);
    const struct
    {
        const char* Name;
        const char* Caption;
        void (TfrmOptionen::*Handler)(QObject*);
    } knoepfe[] = {{"btnAlle", "Alle", &TfrmOptionen::CheckAll},
                   {"btnUmkehren", "Umkehren", &TfrmOptionen::CheckChange},
                   {"btnRunter", "Runter", &TfrmOptionen::ItemDown},
                   {"btnHoch", "Hoch", &TfrmOptionen::ItemUp}};
    int zeile = 0;
    for (const auto& k : knoepfe) {
        QPushButton* b = Knopf(QLatin1String(k.Name) + AName, QString::fromUtf8(k.Caption), gruppe);
        b->setFixedWidth(110);
        connect(b, &QPushButton::clicked, this, [this, b, h = k.Handler] { (this->*h)(b); });
        g->addWidget(b, zeile++, 1);
    }
    g->setRowStretch(4, 1);
    ASeite.chbBild = Haken(QStringLiteral("chbBild") + AName, QStringLiteral("Liste mit Artikelbild"), gruppe);
    g->addWidget(ASeite.chbBild, 5, 0, 1, 2);
    waagrecht->addWidget(gruppe, 1);

    // The fields of the re-sort form's detail area: three are fixed, six show a chosen column.
    auto* anzeige = new QGridLayout;
    anzeige->setAlignment(Qt::AlignTop);
    const struct
    {
        const char* Caption;
        const char* Fest; // the fixed content, or null for a column choice
        const char* Name;
    } felder[] = {{"Anzeige Rechts 1", "Lagerort", "cmbRechts1"},
                  {"Anzeige Rechts 2a", "Menge", "cmbRechts2a"},
                  {"Anzeige Rechts 2b", "Eingabemenge", "cmbRechts2b"},
                  {"Anzeige Rechts 3", nullptr, "cmbRechts3"},
                  {"Anzeige Rechts 4", nullptr, "cmbRechts4"},
                  {"Anzeige Rechts 5", nullptr, "cmbRechts5"},
                  {"Anzeige Rechts 6", nullptr, "cmbRechts6"},
                  {"Anzeige Rechts 7", nullptr, "cmbRechts7"},
                  {"Anzeige Links", nullptr, "cmbLinks"}};
    int wahl = 0;
    zeile = 0;
    for (const auto& f : felder) {
        QComboBox* c = Auswahl(QLatin1String(f.Name) + AName, seite);
        c->setMinimumWidth(260);
        if (f.Fest) {
            c->addItem(QString::fromUtf8(f.Fest));
            c->setEnabled(false);
        } else {
            ASeite.cmbAnzeige[wahl++] = c;
        }
        anzeige->addWidget(Beschriftung(QString::fromUtf8(f.Caption), seite), zeile, 0);
        anzeige->addWidget(c, zeile++, 1);
    }
    waagrecht->addLayout(anzeige);
    return seite;
}

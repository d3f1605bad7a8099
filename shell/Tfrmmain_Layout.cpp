// The layout of the main menu: 1016 x 566 pixels, large coloured buttons on two tab sheets.
#include "Tfrmmain.h"

#include "ZAMFarben.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

QString Tfrmmain::KnopfStil(int AFarbe, int ASchrift, bool AFett)
{
    const QColor c = ZAMFarbe(AFarbe);
    return QStringLiteral("QPushButton { background-color: %1; color: white; font-size: %2px; font-weight: %3; "
                          "border: 1px solid #303030; } QPushButton:disabled { color: #c0c0c0; }")
        .arg(c.name())
        .arg(ASchrift)
        .arg(AFett ? QStringLiteral("bold") : QStringLiteral("normal"));
}

QWidget* Tfrmmain::Aussenpanel(QWidget* AForm, int ASchriftHoehe, QVBoxLayout*& AInner)
{
    AForm->setWindowFlag(Qt::FramelessWindowHint, true);
    QFont schrift(QStringLiteral("MS Sans Serif"));
    ZAMSchriftHoeheSetzen(schrift, ASchriftHoehe);
    AForm->setFont(schrift);
    auto* panel = new QWidget(AForm);
    panel->setObjectName(QStringLiteral("pnlouter"));
    AInner = new QVBoxLayout(panel);
    AInner->setContentsMargins(0, 0, 0, 0);
    AInner->setSpacing(4);
    return panel;
}

QLabel* Tfrmmain::Kopfpanel(const QString& AName, const QString& ACaption, QWidget* AParent)
{
    auto* l = new QLabel(ACaption, AParent);
    l->setObjectName(AName);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedHeight(26);
    l->setStyleSheet(QStringLiteral("background-color: #c8c8c8; font-weight: bold; font-size: 14px;"));
    return l;
}

void Tfrmmain::LayoutErstellen()
{
    setMinimumSize(1016, 566);
    setMaximumSize(1032, 604);
    resize(1016, 566);
    QVBoxLayout* inner = nullptr;
    FpnlOuter = Aussenpanel(this, -11, inner);

    FpnlDataHeader = Kopfpanel(QStringLiteral("pnlDataHeader"), QStringLiteral("Menü"), FpnlOuter);
    FpnlDataHeader->setFixedHeight(34);
    inner->addWidget(FpnlDataHeader);

    auto* mitte = new QHBoxLayout;
    inner->addLayout(mitte, 1);

    auto* pnlKnoepfe = new QWidget(FpnlOuter);
    pnlKnoepfe->setObjectName(QStringLiteral("pnlKnoepfe"));
    auto* links = new QVBoxLayout(pnlKnoepfe);
    links->setContentsMargins(0, 0, 0, 0);
    auto quadrat = [&](const QString& AName, const QString& ACaption, void (Tfrmmain::*AHandler)()) {
        auto* b = new QPushButton(ACaption, pnlKnoepfe);
        b->setObjectName(AName);
        b->setFixedSize(89, 75);
        b->setStyleSheet(KnopfStil(CKnopfFarbe, 12, false));
        connect(b, &QPushButton::clicked, this, AHandler);
        links->addWidget(b);
    };
    quadrat(QStringLiteral("btnArtikelinfo"), QStringLiteral("Lagerinfo"), &Tfrmmain::tbtnArtikelsucheClick);
    quadrat(QStringLiteral("btnDrucken"), QStringLiteral("WBS drucken"), &Tfrmmain::btnDruckenClick);
    quadrat(QStringLiteral("btnOptionen"), QStringLiteral("Optionen"), &Tfrmmain::btnOptionenClick);
    quadrat(QStringLiteral("btnlpzuzaehlen"), QStringLiteral("Zähldatum"), &Tfrmmain::btnlpzuzaehlenClick);
    links->addStretch();
    mitte->addWidget(pnlKnoepfe);

    FpgcMain = new QTabWidget(FpnlOuter);
    FpgcMain->setObjectName(QStringLiteral("pgcMain"));
    QFont tabSchrift = font();
    ZAMSchriftHoeheSetzen(tabSchrift, -21);
    tabSchrift.setBold(true);
    FpgcMain->tabBar()->setFont(tabSchrift);
    FpgcMain->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { color: blue; }"));
    mitte->addWidget(FpgcMain, 1);

    auto seite = [&](const QString& AName, const QString& ACaption) {
        auto* w = new QWidget;
        w->setObjectName(AName);
        auto* l = new QGridLayout(w);
        l->setAlignment(Qt::AlignTop);
        FpgcMain->addTab(w, ACaption);
        return l;
    };
    auto gross = [&](QWidget* AParent, const QString& AName, const QString& ACaption, void (Tfrmmain::*AHandler)()) {
        auto* b = new QPushButton(ACaption, AParent);
        b->setObjectName(AName);
        b->setFixedSize(410, 50);
        b->setStyleSheet(KnopfStil(CKnopfFarbe, 16, true));
        connect(b, &QPushButton::clicked, this, AHandler);
        return b;
    };

    // "Aufgaben": work by task.
    QGridLayout* aufgaben = seite(QStringLiteral("tsAufgaben"), QStringLiteral("Aufgaben"));
    QWidget* a = aufgaben->parentWidget();
    aufgaben->addWidget(
        Kopfpanel(QStringLiteral("pnlDataHeaderKommissionieren"), QStringLiteral("Kommissionieren gemäß Aufgabe"), a),
        0, 0);
    aufgaben->addWidget(gross(a, QStringLiteral("btnFilialnachsortierung"), QStringLiteral("Filialnachsortierung"),
                              &Tfrmmain::btnFilialnachsortierungClick),
                        1, 0);
    FpnlDataHeaderFilialeZL =
        Kopfpanel(QStringLiteral("pnlDataHeaderFilialeZL"), QStringLiteral("Warenbewegung von Filiale nach ZL"), a);
    aufgaben->addWidget(FpnlDataHeaderFilialeZL, 2, 0);
    aufgaben->addWidget(
        gross(a, QStringLiteral("btnEinlagerung"), QStringLiteral("Einlagerung"), &Tfrmmain::btnEinlagerungClick), 3,
        0);
    FpnlDataHeaderHerstellungVerkaufsbereitschaft = Kopfpanel(
        QStringLiteral("pnlDataHeaderHerstellungVerkaufsbereitschaft"), QStringLiteral("Wareneingangsabwicklung"), a);
    aufgaben->addWidget(FpnlDataHeaderHerstellungVerkaufsbereitschaft, 0, 1);
    aufgaben->addWidget(gross(a, QStringLiteral("btnWarenannahme_Filiale"),
                              QStringLiteral("Filialbelieferung, Einlagerung"),
                              &Tfrmmain::btnWarenannahme_EinlagerungClick),
                        1, 1);
    aufgaben->addWidget(
        Kopfpanel(QStringLiteral("pnlDataHeaderKundenauftrag"), QStringLiteral("Kundenauftragsabwicklung"), a), 2, 1);
    aufgaben->addWidget(gross(a, QStringLiteral("btnKundenbestellungen"), QStringLiteral("Kundenbestellungen"),
                              &Tfrmmain::btnKundenbestellungenClick),
                        3, 1);
    aufgaben->addWidget(gross(a, QStringLiteral("btnRetoureOnlineshop"),
                              QStringLiteral("Einlagerung von Onlineshop Retouren"),
                              &Tfrmmain::btnRetoureOnlineshopClick),
                        4, 1);

    // "Ohne Aufgabe": work without a task.
    QGridLayout* ohne = seite(QStringLiteral("tsOhneAufgabe"), QStringLiteral("Ohne Aufgabe"));
    QWidget* o = ohne->parentWidget();
    ohne->addWidget(Kopfpanel(QStringLiteral("pnlDataHeaderLagerentnahme"), QStringLiteral("Lagerentnahme für ..."), o),
                    0, 0);
    ohne->addWidget(gross(o, QStringLiteral("btnAusstattungFiliale"), QStringLiteral("... eine bestimmte Filiale"),
                          &Tfrmmain::btnAusstattungFilialeClick),
                    1, 0);
    ohne->addWidget(gross(o, QStringLiteral("btnEntnahmeDeko"), QStringLiteral("... mehrere Filialen"),
                          &Tfrmmain::btnEntnahmeDekoClick),
                    2, 0);
    ohne->addWidget(Kopfpanel(QStringLiteral("pnlDataHeaderUmlagerungen"), QStringLiteral("Manuelle Umlagerungen"), o),
                    3, 0);
    ohne->addWidget(
        gross(o, QStringLiteral("btnUmlagerung"), QStringLiteral("Lagerbewegungen"), &Tfrmmain::btnUmlagerungClick), 4,
        0);
    ohne->addWidget(Kopfpanel(QStringLiteral("pnlDataHeaderInventur"), QStringLiteral("Inbetriebnahme / Inventur"), o),
                    0, 1);
    ohne->addWidget(
        gross(o, QStringLiteral("btnInventur"), QStringLiteral("Inventur / Zählung"), &Tfrmmain::btnInventurClick), 1,
        1);
    ohne->addWidget(gross(o, QStringLiteral("btnInbetriebnahme"), QStringLiteral("Inbetriebnahme"),
                          &Tfrmmain::btnInbetriebnahmeClick),
                    2, 1);

    // Bottom: log-off, the employee, end.
    auto* unten = new QHBoxLayout;
    auto* abmelden = new QPushButton(QStringLiteral("Abmelden"), FpnlOuter);
    abmelden->setObjectName(QStringLiteral("btnBenutzerAbmelden"));
    abmelden->setFixedSize(160, 44);
    abmelden->setStyleSheet(KnopfStil(CKnopfFarbe, 15, true));
    connect(abmelden, &QPushButton::clicked, this, &Tfrmmain::btnBenutzerAbmeldenClick);
    FlblMita = new QLabel(FpnlOuter);
    FlblMita->setObjectName(QStringLiteral("lblMita"));
    QFont mitaSchrift = font();
    ZAMSchriftHoeheSetzen(mitaSchrift, -21);
    FlblMita->setFont(mitaSchrift);
    FlblMita->setAlignment(Qt::AlignCenter);
    FlblMita->setStyleSheet(QStringLiteral("color: yellow; background-color: grey;"));
    FlblMita->setFixedHeight(44);
    auto* beenden = new QPushButton(QStringLiteral("Beenden"), FpnlOuter);
    beenden->setObjectName(QStringLiteral("rbtnAbbr"));
    beenden->setFixedSize(160, 44);
    beenden->setStyleSheet(KnopfStil(CKnopfFarbe, 15, true));
    connect(beenden, &QPushButton::clicked, this, &Tfrmmain::rbtnAbbrClick);
    unten->addWidget(abmelden);
    unten->addWidget(FlblMita, 1);
    unten->addWidget(beenden);
    inner->addLayout(unten);
}

void Tfrmmain::AktionenErstellen()
{
    auto* nacharbeit = new QAction(this);
    nacharbeit->setObjectName(QStringLiteral("actNachSortNacharbeit"));
    nacharbeit->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(nacharbeit, &QAction::triggered, this, &Tfrmmain::actNachSortNacharbeitExecute);
    addAction(nacharbeit);
    // The scan key and the mode key have no effect on the menu; they are taken so that they
    // reach nothing else.
    for (const QKeySequence& k : {QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_F3)}) {
        auto* leer = new QAction(this);
        leer->setShortcut(k);
        addAction(leer);
    }
}

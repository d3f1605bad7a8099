// The controls of the handheld screen with their object names.
#include "TQIV_ScanFeld.h"
#include "TZAM_BtnMenu.h"
#include "TfrmMDE.h"
#include "ZAMFarben.h"

#include <QGridLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* Panel(const QString& AName, QWidget* AParent)
{
    auto* w = new QWidget(AParent);
    w->setObjectName(AName);
    return w;
}

QToolButton* IconKnopf(const QString& AName, const QString& AText, const QString& AHinweis, QSize AGroesse)
{
    auto* b = new QToolButton;
    b->setObjectName(AName);
    b->setText(AText);
    b->setToolTip(AHinweis);
    b->setFixedSize(AGroesse);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The glyph becomes the button's picture and its hint the caption, so a script finds the button by
// the name a person reads in the dump ("click Buchen").
void GlyphAlsBild(QToolButton* AKnopf)
{
    QPixmap bild(AKnopf->size());
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        p.setFont(AKnopf->font());
        p.setPen(AKnopf->palette().color(QPalette::ButtonText));
        p.drawText(bild.rect(), Qt::AlignCenter, AKnopf->text());
    }
    AKnopf->setIcon(QIcon(bild));
    AKnopf->setIconSize(AKnopf->size());
    AKnopf->setToolButtonStyle(Qt::ToolButtonIconOnly);
    AKnopf->setText(AKnopf->toolTip());
}

QPushButton* GrosserKnopf(const QString& AName, const QString& ACaption)
{
    auto* b = new QPushButton(ACaption);
    b->setObjectName(AName);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(50, 50);
    QFont f = b->font();
    f.setPointSize(7);
    b->setFont(f);
    return b;
}

QPushButton* ListenKnopf(const QString& AName, const QString& AText)
{
    auto* b = new QPushButton(AText);
    b->setObjectName(AName);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(36, 30);
    return b;
}

} // namespace

void TfrmMDE::LayoutErstellen()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    // Header: caption with the three icon buttons, the scan field behind it, the large bar.
    pnlKopf = Panel(QStringLiteral("pnlKopf"), this);
    auto* kopf = new QVBoxLayout(pnlKopf);
    kopf->setContentsMargins(0, 0, 0, 4);
    kopf->setSpacing(0);
    auto* kopfZeile = new QWidget(pnlKopf);
    auto* kopfGitter = new QGridLayout(kopfZeile);
    kopfGitter->setContentsMargins(0, 0, 0, 0);
    edtScannFeld = new TQIV_ScanFeld(kopfZeile);
    edtScannFeld->setObjectName(QStringLiteral("edtScannFeld"));
    edtScannFeld->setMaxLength(30);
    kopfGitter->addWidget(edtScannFeld, 0, 0);
    auto* header = new QWidget(kopfZeile);
    header->setAutoFillBackground(true);
    auto* headerZeile = new QHBoxLayout(header);
    headerZeile->setContentsMargins(2, 2, 2, 2);
    const QSize icon24(24, 24);
    auto* zurueck = IconKnopf(QStringLiteral("btnZurueck"), QStringLiteral("✕"), QStringLiteral("Zurück"), icon24);
    zurueck->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    pnlHeader = new QLabel(QStringLiteral("Oblaro"), header);
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    QFont headerFont(QStringLiteral("Arial"));
    ZAMSchriftHoeheSetzen(headerFont, -16);
    pnlHeader->setFont(headerFont);
    pnlHeader->setMinimumHeight(26);
    pnlHeader->installEventFilter(this);
    auto* buchen = IconKnopf(QStringLiteral("btnBuchen"), QStringLiteral("✔"), QStringLiteral("Buchen"), icon24);
    GlyphAlsBild(buchen);
    auto* wbsDruck =
        IconKnopf(QStringLiteral("btnWBSDruck"), QStringLiteral("W"), QStringLiteral("WBS Drucken"), icon24);
    headerZeile->addWidget(zurueck);
    headerZeile->addWidget(pnlHeader, 1);
    headerZeile->addWidget(buchen);
    headerZeile->addWidget(wbsDruck);
    kopfGitter->addWidget(header, 0, 0);
    header->raise(); // the scan field lies behind the header
    kopf->addWidget(kopfZeile);

    pnlButtonsHeader = Panel(QStringLiteral("pnlButtonsHeader"), pnlKopf);
    pnlButtonsHeader->setFixedHeight(54);
    auto* leisteOben = new QHBoxLayout(pnlButtonsHeader);
    leisteOben->setContentsMargins(2, 2, 2, 2);
    auto* zurueckGross = GrosserKnopf(QStringLiteral("btnZurueckGross"), QStringLiteral("Zurück"));
    auto* buchenGross = GrosserKnopf(QStringLiteral("btnBuchenGross"), QStringLiteral("Buchen"));
    auto* wbsGross = GrosserKnopf(QStringLiteral("btnWBSDruckGross"), QStringLiteral("WBS Drucken"));
    btnHilfeOben = GrosserKnopf(QStringLiteral("btnHilfeOben"), QStringLiteral("?"));
    auto* behInfoGross = GrosserKnopf(QStringLiteral("btnBehaelterInfoGross"), QStringLiteral("Behälter/VBS-Info"));
    for (QWidget* w :
         {static_cast<QWidget*>(zurueckGross), static_cast<QWidget*>(buchenGross), static_cast<QWidget*>(wbsGross)})
        leisteOben->addWidget(w);
    leisteOben->addStretch();
    leisteOben->addWidget(btnHilfeOben);
    leisteOben->addStretch();
    leisteOben->addWidget(behInfoGross);
    kopf->addWidget(pnlButtonsHeader);
    haupt->addWidget(pnlKopf);

    // Display area: one panel at a time.
    pnlAnzeige = Panel(QStringLiteral("pnlAnzeige"), this);
    pnlAnzeige->setFocusPolicy(Qt::StrongFocus);
    auto* anzeige = new QVBoxLayout(pnlAnzeige);
    anzeige->setContentsMargins(0, 0, 0, 0);
    auto neu = [&](const QString& AName) {
        QWidget* p = Panel(AName, pnlAnzeige);
        anzeige->addWidget(p, 1);
        FAnzeigePanels << p;
        return p;
    };

    pnlBtnMenu = neu(QStringLiteral("pnlBtnMenu"));
    auto* menuZeile = new QHBoxLayout(pnlBtnMenu);
    menuZeile->setContentsMargins(2, 2, 2, 2);
    btnmButtons = new TZAM_BtnMenu(pnlBtnMenu);
    btnmButtons->setObjectName(QStringLiteral("btnmButtons"));
    menuZeile->addWidget(btnmButtons, 1);
    auto* blaettern = new QVBoxLayout;
    btnBtnMenuPgUp = ListenKnopf(QStringLiteral("btnBtnMenuPgUp"), QStringLiteral("⇞"));
    btnBtnMenuUp = ListenKnopf(QStringLiteral("btnBtnMenuUp"), QStringLiteral("▲"));
    btnSuchen = ListenKnopf(QStringLiteral("btnSuchen"), QStringLiteral("Suche"));
    btnBtnMenuDown = ListenKnopf(QStringLiteral("btnBtnMenuDown"), QStringLiteral("▼"));
    btnBtnMenuPgDown = ListenKnopf(QStringLiteral("btnBtnMenuPgDown"), QStringLiteral("⇟"));
    for (QPushButton* b : {btnBtnMenuPgUp, btnBtnMenuUp, btnSuchen, btnBtnMenuDown, btnBtnMenuPgDown})
        blaettern->addWidget(b);
    blaettern->addStretch();
    menuZeile->addLayout(blaettern);

    pnlVRList = neu(QStringLiteral("pnlVRList"));
    auto* liste = new QVBoxLayout(pnlVRList);
    liste->setContentsMargins(0, 0, 0, 0);
    vtVRList = new TVTVRList(pnlVRList);
    vtVRList->setObjectName(QStringLiteral("vtVRList"));
    liste->addWidget(vtVRList, 1);
    auto* listenKnoepfe = new QHBoxLayout;
    for (const auto& [name, text] :
         std::initializer_list<std::pair<const char*, const char*>>{{"btnVRListUp", "▲"},
                                                                    {"btnVRListDown", "▼"},
                                                                    {"btnZeileLoeschen", "−"},
                                                                    {"btnVRListeAktualisieren", "↻"},
                                                                    {"btnZeileDazu", "+"},
                                                                    {"btnBehaelterInfoListe", "B"},
                                                                    {"btnWBSDruckListe", "W"},
                                                                    {"btnLagerinfoArt", "i"}})
        listenKnoepfe->addWidget(ListenKnopf(QString::fromLatin1(name), QString::fromUtf8(text)));
    listenKnoepfe->addStretch();
    liste->addLayout(listenKnoepfe);

    pnlDoppelVRList = neu(QStringLiteral("pnlDoppelVRList"));
    auto* doppel = new QVBoxLayout(pnlDoppelVRList);
    doppel->setContentsMargins(0, 0, 0, 0);
    for (auto [ziel, name] : {std::pair{&vtVRListOben, "vtVRListOben"}, std::pair{&vtVRListUnten, "vtVRListUnten"}}) {
        auto* zeile = new QHBoxLayout;
        *ziel = new TVTVRList(pnlDoppelVRList);
        (*ziel)->setObjectName(QString::fromLatin1(name));
        zeile->addWidget(*ziel, 1);
        auto* updown = new QVBoxLayout;
        updown->addWidget(ListenKnopf(QString::fromLatin1(name) + QStringLiteral("Up"), QStringLiteral("▲")));
        updown->addWidget(ListenKnopf(QString::fromLatin1(name) + QStringLiteral("Down"), QStringLiteral("▼")));
        updown->addStretch();
        zeile->addLayout(updown);
        doppel->addLayout(zeile, 1);
    }

    pnlMultipurpose = neu(QStringLiteral("pnlMultipurpose"));
    auto* mehrzweck = new QVBoxLayout(pnlMultipurpose);
    mehrzweck->setContentsMargins(2, 2, 2, 2);
    const char* zeilen[7] = {"pnlBehaeltername", "pnlBehaelternameUnten", "pnlMitteOben",  "pnlMitte",
                             "pnlMitteUnten",    "pnlZielanzeigeOben",    "pnlZielanzeige"};
    for (int i = 0; i < 7; ++i) {
        auto* l = new QLabel(pnlMultipurpose);
        l->setObjectName(QString::fromLatin1(zeilen[i]));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setAutoFillBackground(true);
        FMultipurposeZeilen[size_t(i)] = l;
        if (i == 3) {
            auto* mitte = new QHBoxLayout;
            mitte->addWidget(l, 1);
            btnBild = IconKnopf(QStringLiteral("btnBild"), QStringLiteral("Bild"), QStringLiteral("Artikelbild"),
                                QSize(36, 35));
            mitte->addWidget(btnBild);
            mehrzweck->addLayout(mitte, 1);
        } else {
            mehrzweck->addWidget(l, 1);
        }
    }
    pnlZielanzeige = FMultipurposeZeilen[6];

    pnlDetailanzeige = neu(QStringLiteral("pnlDetailanzeige"));
    auto* detail = new QVBoxLayout(pnlDetailanzeige);
    auto* gplDetailanzeige = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        auto* caption = new QLabel(pnlDetailanzeige);
        caption->setObjectName(QStringLiteral("lblDetailCaption%1").arg(i + 1));
        auto* wert = new QLabel(pnlDetailanzeige);
        wert->setObjectName(QStringLiteral("lblDetailWert%1").arg(i + 1));
        wert->setWordWrap(true);
        FDetailZellen[size_t(2 * i)] = caption;
        FDetailZellen[size_t(2 * i + 1)] = wert;
        auto* zelle = new QVBoxLayout;
        zelle->addWidget(caption);
        zelle->addWidget(wert, 1);
        gplDetailanzeige->addLayout(zelle, i / 2, i % 2);
        gplDetailanzeige->setRowStretch(i / 2, 1);
    }
    detail->addLayout(gplDetailanzeige, 1);
    // The entered and the target quantity of the current row ("2 / 5").
    auto* menge = new QLabel(pnlDetailanzeige);
    menge->setObjectName(QStringLiteral("lblMengeIstSoll"));
    menge->setAlignment(Qt::AlignCenter);
    detail->addWidget(menge);
    auto* behaelterLeiste = new QHBoxLayout;
    behaelterLeiste->addWidget(IconKnopf(QStringLiteral("btnBehaelterWechsel"), QStringLiteral("⇄"),
                                         QStringLiteral("Behälter/VBS wechseln"), QSize(36, 35)));
    pnlKommissionierbehaelter = new QLabel(pnlDetailanzeige);
    pnlKommissionierbehaelter->setObjectName(QStringLiteral("pnlKommissionierbehaelter"));
    behaelterLeiste->addWidget(pnlKommissionierbehaelter, 1);
    behaelterLeiste->addWidget(IconKnopf(QStringLiteral("btnBehaelterInfo"), QStringLiteral("i"),
                                         QStringLiteral("Behälter/VBS-Info"), QSize(36, 35)));
    detail->addLayout(behaelterLeiste);

    pnlDreifachEingabe = neu(QStringLiteral("pnlDreifachEingabe"));
    auto* gplDreifachEingabe = new QGridLayout(pnlDreifachEingabe);
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(pnlDreifachEingabe);
        l->setObjectName(QStringLiteral("lblDreifach%1").arg(i + 1));
        auto* e = new QLineEdit(pnlDreifachEingabe);
        e->setObjectName(QStringLiteral("edtDreifach%1").arg(i + 1));
        gplDreifachEingabe->addWidget(l, 2 * i, 0);
        gplDreifachEingabe->addWidget(e, 2 * i + 1, 0);
    }

    // Filled by the option pages, the dialog panels and the article panels.
    pnlConfig = neu(QStringLiteral("pnlConfig"));
    OptionenSeitenErstellen();
    pnlSicherheitsAbfrage = neu(QStringLiteral("pnlSicherheitsAbfrage"));
    pnlFrageButtonsUntereinander = neu(QStringLiteral("pnlFrageButtonsUntereinander"));
    pnlEingabe = neu(QStringLiteral("pnlEingabe"));
    pnlEingabeAuswahl = neu(QStringLiteral("pnlEingabeAuswahl"));
    pnlBenuAnmeldung = neu(QStringLiteral("pnlBenuAnmeldung"));
    pnlButtonHilfe = neu(QStringLiteral("pnlButtonHilfe"));
    pnlBildanzeige = neu(QStringLiteral("pnlBildanzeige"));
    pnlArtNrHandEin = neu(QStringLiteral("pnlArtNrHandEin"));
    pnlMengeneingabeSH = neu(QStringLiteral("pnlMengeneingabeSH"));
    pnlMengenkorrekturSH = neu(QStringLiteral("pnlMengenkorrekturSH"));
    haupt->addWidget(pnlAnzeige, 1);

    // Footer: the tip with the icon buttons, and the large bar above it.
    pnlFuss = Panel(QStringLiteral("pnlFuss"), this);
    auto* fuss = new QVBoxLayout(pnlFuss);
    fuss->setContentsMargins(0, 4, 0, 0);
    fuss->setSpacing(0);
    pnlButtonsFooter = Panel(QStringLiteral("pnlButtonsFooter"), pnlFuss);
    pnlButtonsFooter->setFixedHeight(54);
    auto* leisteUnten = new QHBoxLayout(pnlButtonsFooter);
    leisteUnten->setContentsMargins(2, 2, 2, 2);
    btnHilfeUnten = GrosserKnopf(QStringLiteral("btnHilfeUnten"), QStringLiteral("?"));
    const std::pair<const char*, const char*> gross[] = {{"btnBenutzerAbmeldenGross", "Benutzer abmelden"},
                                                         {"btnArtikelbildAnzGross", "Artikelbild anzeigen"},
                                                         {"btnArtNrHandEinGross", "Artikelnummer-Handeingabe"},
                                                         {"btnBehaelterWechselGross", "Behälter/VBS wechseln"},
                                                         {nullptr, nullptr},
                                                         {"btnLPSkippenGross", "Anderer Lagerplatz für Artikel"},
                                                         {"btnEtikDruckGross", "Etikettendruck"},
                                                         {"btnArtikelNichtGefundenGross", "Artikel nicht gefunden"}};
    for (const auto& [name, caption] : gross) {
        if (!name) {
            leisteUnten->addStretch();
            leisteUnten->addWidget(btnHilfeUnten);
            leisteUnten->addStretch();
            continue;
        }
        auto* b = GrosserKnopf(QString::fromLatin1(name), QString::fromUtf8(caption));
        leisteUnten->addWidget(b);
    }
    fuss->addWidget(pnlButtonsFooter);

    pnlFooter = Panel(QStringLiteral("pnlFooter"), pnlFuss);
    pnlFooter->setAutoFillBackground(true);
    auto* footer = new QHBoxLayout(pnlFooter);
    footer->setContentsMargins(2, 2, 2, 2);
    const QSize icon36(36, 35);
    footer->addWidget(IconKnopf(QStringLiteral("btnBenutzerAbmelden"), QStringLiteral("Ab"),
                                QStringLiteral("Benutzer abmelden"), icon36));
    footer->addWidget(IconKnopf(QStringLiteral("btnArtikelbildAnz"), QStringLiteral("Bild"),
                                QStringLiteral("Artikelbild anzeigen"), icon36));
    footer->addWidget(IconKnopf(QStringLiteral("btnArtNrHandEin"), QStringLiteral("#"),
                                QStringLiteral("Artikelnummer-Handeingabe"), icon36));
    auto* tip = new QVBoxLayout;
    lblFussTip = new QLabel(pnlFooter);
    lblFussTip->setObjectName(QStringLiteral("lblFussTip"));
    lblFussTip->setWordWrap(true);
    memFusstip = new QPlainTextEdit(pnlFooter);
    memFusstip->setObjectName(QStringLiteral("memFusstip"));
    memFusstip->setReadOnly(true);
    memFusstip->setFocusPolicy(Qt::NoFocus);
    memFusstip->setFrameShape(QFrame::NoFrame);
    memFusstip->setMaximumHeight(60);
    // The footer's colour (red for a warning) shows through the tip.
    memFusstip->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    tip->addWidget(lblFussTip);
    tip->addWidget(memFusstip);
    footer->addLayout(tip, 1);
    footer->addWidget(IconKnopf(QStringLiteral("btnLPSkippen"), QStringLiteral("↷"),
                                QStringLiteral("Anderer Lagerplatz für Artikel"), icon36));
    footer->addWidget(
        IconKnopf(QStringLiteral("btnEtikDruck"), QStringLiteral("E"), QStringLiteral("Etikettendruck"), icon36));
    footer->addWidget(IconKnopf(QStringLiteral("btnArtikelNichtGefunden"), QStringLiteral("?!"),
                                QStringLiteral("Artikel nicht gefunden"), icon36));
    auto* buchenFuss =
        IconKnopf(QStringLiteral("btnBuchenFuss"), QStringLiteral("✔"), QStringLiteral("Buchen"), icon36);
    GlyphAlsBild(buchenFuss);
    btnBuchenFuss = buchenFuss;
    footer->addWidget(btnBuchenFuss);
    fuss->addWidget(pnlFooter);
    haupt->addWidget(pnlFuss);
    DialogPanelsErstellen();
}

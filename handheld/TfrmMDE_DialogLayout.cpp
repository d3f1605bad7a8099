// The controls of the dialog panels.
#include "TQIV_ArtNrEdit.h"
#include "TZAM_BtnMenu.h"
#include "TfrmMDE.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QPushButton* Knopf(QWidget* AParent, const QString& AName, const QString& ACaption)
{
    auto* b = new QPushButton(ACaption, AParent);
    b->setObjectName(AName);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(34);
    return b;
}

QLabel* Text(QWidget* AParent, const QString& AName)
{
    auto* l = new QLabel(AParent);
    l->setObjectName(AName);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

void TfrmMDE::MeEinSHZeileAnhaengen()
{
    // Every row is built alike, so a new row has the first row's alignment, font and handlers.
    auto* raster = static_cast<QGridLayout*>(pnlMeEinSHMeEinWerte->layout());
    const int zeile = int(FMeEinSHZeilen.size());
    const QString nr = QString::number(zeile);
    auto zelle = [&](const char* AName, int ASpalte) {
        QLabel* l = Text(pnlMeEinSHMeEinWerte, QLatin1String(AName) + nr);
        l->installEventFilter(this); // a tap on a cell

        raster->addWidget(l, zeile, ASpalte);
        return l;
    };
    auto knopf = [&](const char* AName, const QString& ACaption, int ASpalte) {
        QPushButton* b = Knopf(pnlMeEinSHMeEinWerte, QLatin1String(AName) + nr, ACaption);
        b->setMinimumHeight(0);
        raster->addWidget(b, zeile, ASpalte);
        connect(b, &QPushButton::clicked, this, &TfrmMDE::btnMeEinSHPlusOrMinusClick);
        return b;
    };
    TMeEinSHZeile z;
    z.Groesse = zelle("lblMeEinSHGroesse", 0);
    z.Soll = zelle("lblMeEinSHSoll", 1);
    z.Minus = knopf("btnMeEinSHMinus", QStringLiteral("-"), 2);
    z.Ist = zelle("lblMeEinSHIst", 3);
    z.Plus = knopf("btnMeEinSHPlus", QStringLiteral("+"), 4);
    FMeEinSHZeilen << z;
}

void TfrmMDE::DialogPanelsErstellen()
{
    // Message and question.
    auto* frage = new QVBoxLayout(pnlSicherheitsAbfrage);
    lblSicherheitsAbfrage = Text(pnlSicherheitsAbfrage, QStringLiteral("lblSicherheitsAbfrage"));
    frage->addWidget(lblSicherheitsAbfrage, 1);
    auto* antworten = new QHBoxLayout;
    btnJa = Knopf(pnlSicherheitsAbfrage, QStringLiteral("btnJa"), QStringLiteral("Ja"));
    btnNein = Knopf(pnlSicherheitsAbfrage, QStringLiteral("btnNein"), QStringLiteral("Nein"));
    btnOK = Knopf(pnlSicherheitsAbfrage, QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnAbbrechen = Knopf(pnlSicherheitsAbfrage, QStringLiteral("btnAbbrechen"), QStringLiteral("Abbrechen"));
    for (QPushButton* b : {btnJa, btnNein, btnOK, btnAbbrechen}) {
        antworten->addWidget(b);
        connect(b, &QPushButton::clicked, this, &TfrmMDE::btnJaNeinClick);
    }
    frage->addLayout(antworten);

    // Question with stacked answers: the rows follow the number of answers.
    auto* gestapelt = new QVBoxLayout(pnlFrageButtonsUntereinander);
    lblFrageButtonsUntereinander = Text(pnlFrageButtonsUntereinander, QStringLiteral("lblFrageButtonsUntereinander"));
    gestapelt->addWidget(lblFrageButtonsUntereinander);
    gplFrageButtonsUntereinander = new QVBoxLayout;
    gestapelt->addLayout(gplFrageButtonsUntereinander, 1);
    auto* erster = Knopf(pnlFrageButtonsUntereinander, QStringLiteral("btnFrageButtonsUntereinander0"), QString());
    erster->setProperty("zamTag", 0);
    connect(erster, &QPushButton::clicked, this, &TfrmMDE::btnFrageButtonsUntereinanderClick);
    gplFrageButtonsUntereinander->addWidget(erster);
    FFrageKnoepfe << erster;

    // Input with side buttons and a choice.
    auto* eingabe = new QVBoxLayout(pnlEingabe);
    lblEingabe = Text(pnlEingabe, QStringLiteral("lblEingabe"));
    eingabe->addWidget(lblEingabe, 1);
    auto* feldZeile = new QHBoxLayout;
    btnEingabeLinks = Knopf(pnlEingabe, QStringLiteral("btnEingabeLinks"), QString());
    edtEingabe = new QLineEdit(pnlEingabe);
    edtEingabe->setObjectName(QStringLiteral("edtEingabe"));
    edtEingabe->setMinimumHeight(30);
    btnEingabeRechts = Knopf(pnlEingabe, QStringLiteral("btnEingabeRechts"), QString());
    feldZeile->addWidget(btnEingabeLinks);
    feldZeile->addWidget(edtEingabe, 1);
    feldZeile->addWidget(btnEingabeRechts);
    eingabe->addLayout(feldZeile);
    btnEingabeAuswahl = Knopf(pnlEingabe, QStringLiteral("btnEingabeAuswahl"), QString());
    eingabe->addWidget(btnEingabeAuswahl);
    auto* okZeile = new QHBoxLayout;
    btnEingabeOK = Knopf(pnlEingabe, QStringLiteral("btnEingabeOK"), QStringLiteral("OK"));
    btnEingabeAbbrechen = Knopf(pnlEingabe, QStringLiteral("btnEingabeAbbrechen"), QStringLiteral("Abbrechen"));
    okZeile->addWidget(btnEingabeOK);
    okZeile->addWidget(btnEingabeAbbrechen);
    eingabe->addLayout(okZeile);
    connect(btnEingabeOK, &QPushButton::clicked, this, &TfrmMDE::btnOkCancelClick);
    connect(btnEingabeAbbrechen, &QPushButton::clicked, this, &TfrmMDE::btnOkCancelClick);
    connect(btnEingabeAuswahl, &QPushButton::clicked, this, &TfrmMDE::btnEingabeAuswahlClick);
    connect(btnEingabeLinks, &QPushButton::clicked, this, [this] {
        if (FEingabeLinksOnClick)
            FEingabeLinksOnClick();
    });
    connect(btnEingabeRechts, &QPushButton::clicked, this, [this] {
        if (FEingabeRechtsOnClick)
            FEingabeRechtsOnClick();
    });

    auto* auswahl = new QVBoxLayout(pnlEingabeAuswahl);
    btnmEingabeAuswahl = new TZAM_BtnMenu(pnlEingabeAuswahl);
    btnmEingabeAuswahl->setObjectName(QStringLiteral("btnmEingabeAuswahl"));
    auswahl->addWidget(btnmEingabeAuswahl, 1);
    btnAuswahlAbbrechen = Knopf(pnlEingabeAuswahl, QStringLiteral("btnAuswahlAbbrechen"), QStringLiteral("Abbrechen"));
    auswahl->addWidget(btnAuswahlAbbrechen);
    connect(btnmEingabeAuswahl, &TZAM_BtnMenu::ButtonClick, this, &TfrmMDE::btnmEingabeAuswahlClick);
    connect(btnAuswahlAbbrechen, &QPushButton::clicked, this, &TfrmMDE::btnAuswahlOkCancelClick);

    // Log-on: two fields of 8 characters.
    auto* anmeldung = new QGridLayout(pnlBenuAnmeldung);
    anmeldung->addWidget(Text(pnlBenuAnmeldung, QStringLiteral("lblBenuAnmeldung")), 0, 0, 1, 2);
    qobject_cast<QLabel*>(anmeldung->itemAtPosition(0, 0)->widget())
        ->setText(QStringLiteral("Bitte melden Sie sich an."));
    auto* lblBenutzer = new QLabel(QStringLiteral("Benutzer:"), pnlBenuAnmeldung);
    auto* lblPasswort = new QLabel(QStringLiteral("Passwort:"), pnlBenuAnmeldung);
    edtBenutzer = new QLineEdit(pnlBenuAnmeldung);
    edtBenutzer->setObjectName(QStringLiteral("edtBenutzer"));
    edtBenutzer->setMaxLength(8);
    edtPasswort = new QLineEdit(pnlBenuAnmeldung);
    edtPasswort->setObjectName(QStringLiteral("edtPasswort"));
    edtPasswort->setMaxLength(8);
    edtPasswort->setEchoMode(QLineEdit::Password);
    anmeldung->addWidget(lblBenutzer, 1, 0);
    anmeldung->addWidget(edtBenutzer, 1, 1);
    anmeldung->addWidget(lblPasswort, 2, 0);
    anmeldung->addWidget(edtPasswort, 2, 1);
    auto* anmeldenZeile = new QHBoxLayout;
    auto* anmelden = Knopf(pnlBenuAnmeldung, QStringLiteral("btnAnmelden"), QStringLiteral("Anmelden"));
    auto* abbrechen = Knopf(pnlBenuAnmeldung, QStringLiteral("btnAnmeldungAbbrechen"), QStringLiteral("Abbrechen"));
    anmeldenZeile->addWidget(anmelden);
    anmeldenZeile->addWidget(abbrechen);
    anmeldung->addLayout(anmeldenZeile, 3, 0, 1, 2);
    anmeldung->setRowStretch(4, 1);
    connect(anmelden, &QPushButton::clicked, this, &TfrmMDE::btnAnmeldenClick);
    connect(abbrechen, &QPushButton::clicked, this, &TfrmMDE::btnAnmeldungAbbrechenClick);
    // Enter in the password field logs on, as the device's keyboard does.
    connect(edtPasswort, &QLineEdit::returnPressed, this, &TfrmMDE::btnAnmeldenClick);

    // Help view of a button bar: at most four buttons.
    auto* hilfe = new QVBoxLayout(pnlButtonHilfe);
    for (int i = 0; i < 4; ++i) {
        FHilfeKnoepfe[size_t(i)] = Knopf(pnlButtonHilfe, QStringLiteral("btnHilfe%1").arg(i + 1), QString());
        hilfe->addWidget(FHilfeKnoepfe[size_t(i)]);
        connect(FHilfeKnoepfe[size_t(i)], &QPushButton::clicked, this, &TfrmMDE::btnHilfeClick);
    }
    hilfe->addStretch();
    auto* hilfeOK = Knopf(pnlButtonHilfe, QStringLiteral("btnHilfeOK"), QStringLiteral("OK"));
    hilfe->addWidget(hilfeOK);
    connect(hilfeOK, &QPushButton::clicked, this, &TfrmMDE::btnHilfeClick);
    connect(btnHilfeOben, &QAbstractButton::clicked, this, &TfrmMDE::btnHilfeObenClick);
    connect(btnHilfeUnten, &QAbstractButton::clicked, this, &TfrmMDE::btnHilfeUntenClick);

    // Article picture: a click closes it.
    auto* bild = new QVBoxLayout(pnlBildanzeige);
    lblBild = new QLabel(pnlBildanzeige);
    lblBild->setObjectName(QStringLiteral("lblBild"));
    lblBild->setAlignment(Qt::AlignCenter);
    lblBild->setMinimumSize(1, 1);
    lblBild->installEventFilter(this);
    bild->addWidget(lblBild, 1);

    // Article-number entry: our article number, and the till size when asked for.
    auto* artNr = new QVBoxLayout(pnlArtNrHandEin);
    auto* artNrText = Text(pnlArtNrHandEin, QStringLiteral("lblArtNrHandEin"));
    artNrText->setText(QStringLiteral("Bitte geben Sie den Artikel ein oder scannen Sie sein Etikett."));
    artNr->addWidget(artNrText);
    auto* artNrFelder = new QGridLayout;
    edtArtikelNr = new TQIV_ArtNrEdit(pnlArtNrHandEin);
    edtArtikelNr->setObjectName(QStringLiteral("edtArtikelNr"));
    edtGroesse = new QLineEdit(pnlArtNrHandEin);
    edtGroesse->setObjectName(QStringLiteral("edtGroesse"));
    edtGroesse->setMaxLength(3);
    edtGroesse->setText(QStringLiteral("999"));
    artNrFelder->addWidget(new QLabel(QStringLiteral("Artikelnummer:"), pnlArtNrHandEin), 0, 0);
    artNrFelder->addWidget(edtArtikelNr, 0, 1);
    artNrFelder->addWidget(new QLabel(QStringLiteral("Kassengröße:"), pnlArtNrHandEin), 1, 0);
    artNrFelder->addWidget(edtGroesse, 1, 1);
    artNr->addLayout(artNrFelder);
    artNr->addStretch();
    auto* artNrKnoepfe = new QHBoxLayout;
    auto* artNrZurueck = Knopf(pnlArtNrHandEin, QStringLiteral("btnArtNrHandEinZurueck"), QStringLiteral("Abbrechen"));
    btnArtNrHandEinWeiter = Knopf(pnlArtNrHandEin, QStringLiteral("btnArtNrHandEinWeiter"), QStringLiteral("Weiter"));
    btnArtNrHandEinWeiter->setFocusPolicy(Qt::StrongFocus);
    artNrKnoepfe->addWidget(artNrZurueck);
    artNrKnoepfe->addWidget(btnArtNrHandEinWeiter);
    artNr->addLayout(artNrKnoepfe);
    connect(artNrZurueck, &QPushButton::clicked, this, &TfrmMDE::btnArtNrHandEinZurueckClick);
    connect(btnArtNrHandEinWeiter, &QPushButton::clicked, this, &TfrmMDE::btnArtNrHandEinWeiterClick);

    // Size-quantity entry: captions and sums over the value grid of four designed rows, and the
    // scroll buttons.
    auto* mengen = new QVBoxLayout(pnlMengeneingabeSH);
    auto* kopf = new QGridLayout;
    const QStringList titel{QStringLiteral("Größe"), QStringLiteral("Soll-Me"), QString(), QStringLiteral("Ist-Me"),
                            QString()};
    for (int spalte = 0; spalte < titel.size(); ++spalte)
        kopf->addWidget(new QLabel(titel[spalte], pnlMengeneingabeSH), 0, spalte, Qt::AlignCenter);
    kopf->addWidget(new QLabel(QStringLiteral("Summe"), pnlMengeneingabeSH), 1, 0, Qt::AlignCenter);
    lblMeEinSHSollSumme = Text(pnlMengeneingabeSH, QStringLiteral("lblMeEinSHSollSumme"));
    lblMeEinSHIstSumme = Text(pnlMengeneingabeSH, QStringLiteral("lblMeEinSHIstSumme"));
    kopf->addWidget(lblMeEinSHSollSumme, 1, 1);
    kopf->addWidget(lblMeEinSHIstSumme, 1, 3);
    mengen->addLayout(kopf);
    pnlMeEinSHMeEinWerte = new QWidget(pnlMengeneingabeSH);
    pnlMeEinSHMeEinWerte->setObjectName(QStringLiteral("pnlMeEinSHMeEinWerte"));
    auto* raster = new QGridLayout(pnlMeEinSHMeEinWerte);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(1);
    mengen->addWidget(pnlMeEinSHMeEinWerte, 1);
    for (int zeile = 0; zeile < 4; ++zeile)
        MeEinSHZeileAnhaengen();
    auto* blaettern = new QHBoxLayout;
    for (const auto& [name, caption] : {std::pair{"btnMeEinSHUp", "▲"}, std::pair{"btnMeEinSHPgUp", "▲▲"},
                                        std::pair{"btnMeEinSHDown", "▼"}, std::pair{"btnMeEinSHPgDown", "▼▼"}})
    {
        QPushButton* b = Knopf(pnlMengeneingabeSH, QString::fromLatin1(name), QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, &TfrmMDE::btnMeEinSHBlaetternClick);
        blaettern->addWidget(b);
    }
    mengen->addLayout(blaettern);

    // Quantity correction: size and planned quantity, the actual quantity typed (0 to 99999).
    auto* korrektur = new QVBoxLayout(pnlMengenkorrekturSH);
    auto* hinweis = Text(pnlMengenkorrekturSH, QStringLiteral("lblMeKorrSH"));
    hinweis->setText(QStringLiteral("Bitte die Ist-Menge eingeben und bestätigen."));
    korrektur->addWidget(hinweis);
    auto* werte = new QGridLayout;
    auto zeile = [&](int AZeile, const QString& ACaption, QWidget* AWert) {
        werte->addWidget(new QLabel(ACaption, pnlMengenkorrekturSH), AZeile, 0);
        werte->addWidget(AWert, AZeile, 1);
    };
    lblMeKorrSHGroesseWert = new QLabel(pnlMengenkorrekturSH);
    lblMeKorrSHGroesseWert->setObjectName(QStringLiteral("lblMeKorrSHGroesseWert"));
    lblMeKorrSHSollMeWert = new QLabel(pnlMengenkorrekturSH);
    lblMeKorrSHSollMeWert->setObjectName(QStringLiteral("lblMeKorrSHSollMeWert"));
    edtMeKorrSHIstMeWert = new QLineEdit(pnlMengenkorrekturSH);
    edtMeKorrSHIstMeWert->setObjectName(QStringLiteral("edtMeKorrSHIstMeWert"));
    edtMeKorrSHIstMeWert->setMaxLength(5);
    edtMeKorrSHIstMeWert->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")),
                                                                       edtMeKorrSHIstMeWert));
    auto* null = Knopf(pnlMengenkorrekturSH, QStringLiteral("btnMeKorrSHNull"), QStringLiteral("0"));
    auto* feld = new QHBoxLayout;
    feld->addWidget(edtMeKorrSHIstMeWert, 1);
    feld->addWidget(null);
    zeile(0, QStringLiteral("Größe:"), lblMeKorrSHGroesseWert);
    zeile(1, QStringLiteral("Soll-Menge:"), lblMeKorrSHSollMeWert);
    werte->addWidget(new QLabel(QStringLiteral("Ist-Menge:"), pnlMengenkorrekturSH), 2, 0);
    werte->addLayout(feld, 2, 1);
    korrektur->addLayout(werte);
    korrektur->addStretch();
    auto* korrekturKnoepfe = new QHBoxLayout;
    auto* korrAbbrechen = Knopf(pnlMengenkorrekturSH, QStringLiteral("btnMeKorrSHAbbrechen"), QStringLiteral("Abbrechen"));
    auto* weiter = Knopf(pnlMengenkorrekturSH, QStringLiteral("btnMeKorrSHWeiter"), QStringLiteral("Weiter"));
    korrekturKnoepfe->addWidget(korrAbbrechen);
    korrekturKnoepfe->addWidget(weiter);
    korrektur->addLayout(korrekturKnoepfe);
    connect(null, &QPushButton::clicked, this, &TfrmMDE::btnMeKorrSHNullClick);
    connect(korrAbbrechen, &QPushButton::clicked, this, &TfrmMDE::btnMeKorrSHZurueckClick);
    connect(weiter, &QPushButton::clicked, this, &TfrmMDE::btnMeKorrSHWeiterClick);
}

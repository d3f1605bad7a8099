// The logical buttons of the handheld screen, the button-menu paging and the header and footer
// texts.
#include "TAbstractState.h"
#include "TDM_Torvik.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

void TfrmMDE::KnoepfeErstellen()
{
    const std::pair<const char*, const char*> paare[lkAnzahl] = {
        {"btnZurueck", "btnZurueckGross"},
        {"btnBuchen", "btnBuchenGross"},
        {"btnWBSDruck", "btnWBSDruckGross"},
        {"btnArtNrHandEin", "btnArtNrHandEinGross"},
        {"btnBenutzerAbmelden", "btnBenutzerAbmeldenGross"},
        {"btnArtikelNichtGefunden", "btnArtikelNichtGefundenGross"},
        {"btnArtikelbildAnz", "btnArtikelbildAnzGross"},
        {"btnEtikDruck", "btnEtikDruckGross"},
        {"btnLPSkippen", "btnLPSkippenGross"},
        {"btnBehaelterWechsel", "btnBehaelterWechselGross"},
        {"btnBehaelterInfo", "btnBehaelterInfoGross"},
    };
    for (int k = 0; k < lkAnzahl; ++k) {
        TLogischerKnopf& knopf = FKnoepfe[size_t(k)];
        knopf.Icon = findChild<QAbstractButton*>(QString::fromLatin1(paare[k].first));
        knopf.Gross = findChild<QAbstractButton*>(QString::fromLatin1(paare[k].second));
    }
    auto verbinden = [&](TQIV_LogKnopf AKnopf, auto ASlot) {
        for (QAbstractButton* b : {FKnoepfe[AKnopf].Icon, FKnoepfe[AKnopf].Gross})
            connect(b, &QAbstractButton::clicked, this, ASlot);
    };
    auto anState = [this](const char* AName, void (TAbstractState::*AOp)()) {
        return [this, AName, AOp] { AnState(AName, [AOp](TAbstractState& S) { (S.*AOp)(); }); };
    };
    verbinden(lkZurueck, &TfrmMDE::actESCExecute);
    verbinden(lkBuchen, &TfrmMDE::btnBuchenClick);
    verbinden(lkWBSDruck, &TfrmMDE::btnWBSDruckClick);
    verbinden(lkArtNrHandEin, anState("TfrmMDE.btnArtNrHandEinClick", &TAbstractState::ArtNrHandEin_An));
    verbinden(lkBenutzerAbmelden, [this] {
        TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnBenutzerAbmeldenClick", [&] {
            if (Benutzer_abmelden()) {
                FussTipSetzen(QString(), false, false);
                BtnBenutzerAbmeldenVisible_Set(false);
            }
        });
    });
    verbinden(lkArtikelNichtGefunden,
              anState("TfrmMDE.btnArtikelNichtGefundenClick", &TAbstractState::BtnArtNichtGefundenClick));
    verbinden(lkArtikelbildAnz, anState("TfrmMDE.btnArtikelbildAnzClick", &TAbstractState::ArtikelbildAnz_An));
    connect(btnBild, &QAbstractButton::clicked, this,
            anState("TfrmMDE.btnBildClick", &TAbstractState::ArtikelbildAnz_An));
    verbinden(lkEtikDruck, anState("TfrmMDE.btnEtikDruckClick", &TAbstractState::btnEtikDruckClick));
    verbinden(lkLPSkippen, anState("TfrmMDE.btnLPSkippenClick", &TAbstractState::BtnLPSkippenClick));
    verbinden(lkBehaelterWechsel,
              anState("TfrmMDE.btnBehaelterWechselClick", &TAbstractState::btnBehaelterWechselClick));
    verbinden(lkBehaelterInfo, anState("TfrmMDE.btnBehaelterInfoClick", &TAbstractState::btnBehaelterInfoClick));
    connect(btnBuchenFuss, &QAbstractButton::clicked, this, &TfrmMDE::btnBuchenFussClick);

    const std::pair<const char*, void (TAbstractState::*)()> listenKnoepfe[] = {
        {"btnZeileLoeschen", &TAbstractState::ZeileLoeschenClick},
        {"btnVRListeAktualisieren", &TAbstractState::btnVRListAktualisierenClick},
        {"btnZeileDazu", &TAbstractState::btnZeileDazuClick},
        {"btnBehaelterInfoListe", &TAbstractState::btnBehaelterInfoListeClick},
        {"btnWBSDruckListe", &TAbstractState::btnWBSDruckListeClick},
        {"btnLagerinfoArt", &TAbstractState::btnLagerinfoArtClick},
        {"btnSuchen", &TAbstractState::btnBtnMenuSuchenClick},
    };
    for (const auto& [name, op] : listenKnoepfe)
        connect(findChild<QAbstractButton*>(QString::fromLatin1(name)), &QAbstractButton::clicked, this,
                anState(name, op));

    // List scrolling, one step.
    const std::pair<const char*, std::pair<TVTVRList*, int>> schritte[] = {
        {"btnVRListUp", {vtVRList, -1}},          {"btnVRListDown", {vtVRList, 1}},
        {"vtVRListObenUp", {vtVRListOben, -1}},   {"vtVRListObenDown", {vtVRListOben, 1}},
        {"vtVRListUntenUp", {vtVRListUnten, -1}}, {"vtVRListUntenDown", {vtVRListUnten, 1}}};
    for (const auto& [name, ziel] : schritte) {
        TVTVRList* liste = ziel.first;
        const int richtung = ziel.second;
        connect(findChild<QAbstractButton*>(QString::fromLatin1(name)), &QAbstractButton::clicked, this,
                [this, liste, richtung] {
                    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnVRListUpDownClick", [&] {
                        const QModelIndex akt = liste->currentIndex();
                        const QModelIndex neu = richtung < 0 ? liste->indexAbove(akt) : liste->indexBelow(akt);
                        if (neu.isValid())
                            liste->setCurrentIndex(neu);
                    });
                });
    }

    auto blaettern = [this](QPushButton* AKnopf, bool ARunter, bool ASeite) {
        connect(AKnopf, &QPushButton::clicked, this, [this, ARunter, ASeite] {
            TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnBtnMenuBlaetternClick", [&] {
                const int h = qMax(1, btnmButtons->ButtonHoehe_Get());
                const int n = ASeite ? qMax(1, btnmButtons->height() / h) : 1;
                if (ARunter)
                    BtnMenu_Runter(n);
                else
                    BtnMenu_Hoch(n);
            });
        });
    };
    blaettern(btnBtnMenuUp, false, false);
    blaettern(btnBtnMenuPgUp, false, true);
    blaettern(btnBtnMenuDown, true, false);
    blaettern(btnBtnMenuPgDown, true, true);
}

void TfrmMDE::KnopfVisible_Set(TQIV_LogKnopf AKnopf, bool AWert)
{
    if (FKnoepfe[AKnopf].Visible == AWert)
        return;
    FKnoepfe[AKnopf].Visible = AWert;
    KnopfAnwenden(AKnopf);
    if (AKnopf == lkZurueck || AKnopf == lkBuchen || AKnopf == lkWBSDruck || AKnopf == lkBehaelterInfo)
        BtnHilfeObenSchalten();
    else
        BtnHilfeUntenSchalten();
}

void TfrmMDE::KnopfEnabled_Set(TQIV_LogKnopf AKnopf, bool AWert)
{
    if (FKnoepfe[AKnopf].Enabled == AWert)
        return;
    FKnoepfe[AKnopf].Enabled = AWert;
    KnopfAnwenden(AKnopf);
}

void TfrmMDE::KnopfAnwenden(TQIV_LogKnopf AKnopf)
{
    const TLogischerKnopf& k = FKnoepfe[AKnopf];
    const bool kopf = AKnopf == lkZurueck || AKnopf == lkBuchen || AKnopf == lkWBSDruck || AKnopf == lkBehaelterInfo;
    const bool leiste = GrosseLeistenSichtbar() && (kopf || pnlFuss->isVisibleTo(this));
    // The back button's icon stays in the header while the large bar is hidden.
    k.Icon->setVisible(k.Visible && !leiste);
    k.Gross->setVisible(k.Visible && leiste);
    k.Icon->setEnabled(k.Enabled);
    k.Gross->setEnabled(k.Enabled);
}

void TfrmMDE::KnoepfeAnwenden()
{
    for (int k = 0; k < lkAnzahl; ++k)
        KnopfAnwenden(TQIV_LogKnopf(k));
    btnBuchenFuss->setVisible(FBtnBuchenFussVisible);
    BtnHilfeObenSchalten();
    BtnHilfeUntenSchalten();
}

void TfrmMDE::BtnBuchenFussVisible_Set(bool AWert)
{
    FBtnBuchenFussVisible = AWert;
    btnBuchenFuss->setVisible(AWert);
}

void TfrmMDE::ButtonsKopfEnabledSetzen(bool AEnabled, bool AMitHilfe)
{
    for (TQIV_LogKnopf k : {lkZurueck, lkBuchen, lkWBSDruck, lkBehaelterInfo})
        KnopfEnabled_Set(k, AEnabled);
    if (AMitHilfe)
        btnHilfeOben->setEnabled(AEnabled);
}

void TfrmMDE::ButtonsFussEnabledSetzen(bool AEnabled, bool AMitHilfe)
{
    for (TQIV_LogKnopf k : {lkArtNrHandEin, lkBenutzerAbmelden, lkArtikelNichtGefunden, lkArtikelbildAnz, lkEtikDruck,
                            lkLPSkippen, lkBehaelterWechsel})
        KnopfEnabled_Set(k, AEnabled);
    btnBuchenFuss->setEnabled(AEnabled);
    if (AMitHilfe)
        btnHilfeUnten->setEnabled(AEnabled);
}

void TfrmMDE::ButtonsKopfUndFussEnabledSetzen(bool AEnabled, bool AMitHilfe)
{
    ButtonsKopfEnabledSetzen(AEnabled, AMitHilfe);
    ButtonsFussEnabledSetzen(AEnabled, AMitHilfe);
}

void TfrmMDE::TexteKopfUndFussMerken()
{
    FMerkCaption = FHeaderCaption;
    FMerkFussText = FussTipLesen(FMerkFussLang, FMerkFussWarnung);
}

void TfrmMDE::TexteKopfUndFussWiederherstellen()
{
    HeaderCaption_Set(FMerkCaption);
    FussTipSetzen(FMerkFussText, FMerkFussLang, FMerkFussWarnung);
}

void TfrmMDE::TexteKopfLeeren()
{
    HeaderCaption_Set(QString());
}

void TfrmMDE::TexteFussLeeren()
{
    FussTipSetzen(QString(), false, false);
}

void TfrmMDE::FussTipLeftAndWithEinstellen()
{
    // The footer's layout puts the tip between the visible icon buttons; with the large bar the
    // icon buttons are hidden and the tip spans the footer.
    pnlFooter->layout()->invalidate();
}

// A help button is shown exactly when another large button of its bar is visible.
void TfrmMDE::BtnHilfeObenSchalten()
{
    btnHilfeOben->setVisible(!GrosseKnoepfe(false).isEmpty());
}

void TfrmMDE::BtnHilfeUntenSchalten()
{
    btnHilfeUnten->setVisible(!GrosseKnoepfe(true).isEmpty());
}

QList<QAbstractButton*> TfrmMDE::GrosseKnoepfe(bool AFuss) const
{
    QWidget* leiste = AFuss ? pnlButtonsFooter : pnlButtonsHeader;
    QList<QAbstractButton*> knoepfe;
    if (!leiste->isVisibleTo(this))
        return knoepfe;
    for (QAbstractButton* b : leiste->findChildren<QAbstractButton*>())
        if (b != btnHilfeOben && b != btnHilfeUnten && b->isVisibleTo(this))
            knoepfe << b;
    std::sort(knoepfe.begin(), knoepfe.end(), [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return knoepfe;
}

void TfrmMDE::BtnMenu_BlaetterbtnsSchalten()
{
    const int h = btnmButtons->ButtonHoehe_Get();
    const bool blaettern = btnmButtons->height() < btnmButtons->Count() * h;
    const bool suchen = btnSuchen->isVisibleTo(this) && blaettern;
    for (QPushButton* b : {btnBtnMenuPgUp, btnBtnMenuUp, btnBtnMenuDown, btnBtnMenuPgDown})
        b->setVisible(blaettern);
    btnSuchen->setVisible(suchen);
    if (blaettern) {
        btnBtnMenuUp->setEnabled(false);
        btnBtnMenuPgUp->setEnabled(false);
        btnBtnMenuDown->setEnabled(true);
        btnBtnMenuPgDown->setEnabled(true);
    }
}

void TfrmMDE::BtnMenu_Runter(int AZeilen)
{
    const int anzahl = btnmButtons->Count();
    if (anzahl == 0)
        return;
    const int h = btnmButtons->ButtonHoehe_Get();
    const int hoehe = btnmButtons->height();
    int n = AZeilen;
    // Not so far that the last button leaves the bottom edge.
    while (n > 0 && btnmButtons->ButtonTop(anzahl - 1) - (n - 2) * h <= hoehe)
        --n;
    if (n > 0)
        btnmButtons->ScrollZeilen(n);
    const bool weiter = btnmButtons->ButtonBottom(anzahl - 1) > hoehe;
    btnBtnMenuDown->setEnabled(weiter);
    btnBtnMenuPgDown->setEnabled(weiter);
    btnBtnMenuUp->setEnabled(true);
    btnBtnMenuPgUp->setEnabled(true);
}

void TfrmMDE::BtnMenu_Hoch(int AZeilen)
{
    if (btnmButtons->Count() == 0)
        return;
    const int h = btnmButtons->ButtonHoehe_Get();
    int k = AZeilen;
    while (k > 0 && btnmButtons->ButtonTop(0) + (k - 1) * h >= 0)
        --k;
    if (k > 0)
        btnmButtons->ScrollZeilen(-k);
    const bool weiter = btnmButtons->ButtonTop(0) < 0;
    btnBtnMenuUp->setEnabled(weiter);
    btnBtnMenuPgUp->setEnabled(weiter);
    btnBtnMenuDown->setEnabled(true);
    btnBtnMenuPgDown->setEnabled(true);
}

#include "TAbstractState.h"

#include "TVTVRListUpdate.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMFarben.h"

#include <QLabel>
#include <QToolButton>

TAbstractState::TAbstractState(TfrmMDE* AMaske) : FMaske(AMaske) {}

TAbstractState::~TAbstractState() = default;

void TAbstractState::Vor_Anfang(bool& AWeiter)
{
    AWeiter = true;
    FMaske->vtVRList->OptionSetzen(128, true);
}

void TAbstractState::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.btnmButtonsClick", [&] { Warnung_Anzeigen(); });
}

void TAbstractState::vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListColumnNodeClick", [&] { Warnung_Anzeigen(); });
}

void TAbstractState::vtVRListObenColumnNodeClick(int ACol, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListObenColumnNodeClick", [&] { Warnung_Anzeigen(); });
}

void TAbstractState::vtVRListUntenColumnNodeClick(int ACol, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListUntenColumnNodeClick", [&] { Warnung_Anzeigen(); });
}

void TAbstractState::vtVRListHeaderClick(int ACol)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListHeaderClick", [] {});
}

void TAbstractState::vtVRListObenHeaderClick(int ACol)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListObenHeaderClick", [] {});
}

void TAbstractState::vtVRListUntenHeaderClick(int ACol)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.vtVRListUntenHeaderClick", [] {});
}

void TAbstractState::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    Warnung_Anzeigen();
}

TQIV_ZeilenArt TAbstractState::ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler)
{
    AZaehler = ASichtbarDarueber;
    return zaNormal;
}

void TAbstractState::StateAnfang()
{
    TZAM_Hausregel::OhneBusy(
        "TAbstractState.StateAnfang",
        [&] {
            bool weiter = true;
            Vor_Anfang(weiter);
            if (!weiter)
                return;
            // The list updates end again in reverse order, also after an exception.
            {
                const TVTVRListUpdate einzel(FMaske->vtVRList);
                const TVTVRListUpdate unten(FMaske->vtVRListUnten);
                const TVTVRListUpdate oben(FMaske->vtVRListOben);
                ButtonsSchalten();
                StateAnfang_PanelSichtbarkeit_schalten();
                StateAnfangVariablenClear();
                StateAnfangMaskeMalen();
                FMaske->HeaderCaption_Set(Caption_Get());
                FMaske->NumpadActions_Enabled(UseNumPad());
            }
            // The lists show their content before the state goes on with it (selection, expansion).
            Nach_Anfang();
        },
        false);
}

void TAbstractState::ChangeState(const TStateKlasse* AStateKlasse)
{
    TZAM_Hausregel::OhneBusy(
        "TAbstractState.ChangeState", [&] { FMaske->ChangeState(AStateKlasse); }, false);
}

void TAbstractState::FussTipSet(const QString& ATip, bool ALang, bool AWarnung)
{
    TZAM_Hausregel::OhneBusy(
        "TAbstractState.FussTipSet", [&] { FMaske->FussTipSetzen(ATip, ALang, AWarnung); }, false);
}

QString TAbstractState::FussTipGet(bool& ALang, bool& AWarnung)
{
    return FMaske->FussTipLesen(ALang, AWarnung);
}

QString TAbstractState::FussTipGet()
{
    bool lang = false, warnung = false;
    return FMaske->FussTipLesen(lang, warnung);
}

void TAbstractState::Warnung_Anzeigen()
{
    FMaske->Warnung_Anzeigen();
}

void TAbstractState::Warnung_Ruecksetzen()
{
    FMaske->Warnung_Ruecksetzen();
}

void TAbstractState::ButtonsSchalten()
{
    FMaske->BtnArtikelNichtGefundenVisible_Set(false);
    FMaske->BtnEtikDruckVisible_Set(false);
    FMaske->BtnLPSkippenVisible_Set(false);
    FMaske->BtnArtNrHandEinVisible_Set(false);
    FMaske->BtnBenutzerAbmeldenVisible_Set(false);
    FMaske->BtnBuchenVisible_Set(false);
    FMaske->BtnBuchenFussVisible_Set(false);
    FMaske->BtnArtikelbildAnzVisible_Set(false);
    FMaske->BtnBehaelterWechselVisible_Set(false);
    FMaske->BtnBehaelterInfoVisible_Set(false);
    FMaske->BtnWBSDruckVisible_Set(false);
    for (const char* name : {"btnZeileLoeschen", "btnVRListeAktualisieren", "btnBehaelterInfoListe", "btnWBSDruckListe",
                             "btnZeileDazu", "btnLagerinfoArt", "btnSuchen"})
        if (auto* b = FMaske->findChild<QWidget*>(QString::fromLatin1(name)))
            b->setVisible(false);
    ButtonsSchalten_Speziell();
}

void TAbstractState::StateAnfang_PanelSichtbarkeit_schalten()
{
    const QString grau = ZAMFarbe(8421504).name();
    FMaske->pnlHeader->setStyleSheet(QStringLiteral("background-color: %1; color: white;").arg(grau));
    FMaske->pnlButtonsHeader->setStyleSheet(QStringLiteral("#pnlButtonsHeader { background-color: %1; }").arg(grau));
    QFont ziel = FMaske->pnlZielanzeige->font();
    ZAMSchriftHoeheSetzen(ziel, -19);
    FMaske->pnlZielanzeige->setFont(ziel);
    MultipurposeZeile_Faerben(FMaske->pnlZielanzeige, CZAMFarbe_Hervorhebung, CZAMFarbe_Weiss);
    FMaske->PanelZeigen(ActivePanel());
    bool lang = true;
    const QString tip = FussTip(lang);
    FMaske->FussTipSetzen(tip, lang, false);
}

void TAbstractState::Initialize_MultipurposePanel_Visibility()
{
    // Container name, container, middle top, middle, middle bottom, upper target, target.
    const std::array<bool, 7> sichtbar = {false, false, false, true, false, false, false};
    for (size_t i = 0; i < sichtbar.size(); ++i)
        FMaske->FMultipurposeZeilen[i]->setVisible(sichtbar[i]);
    FMaske->btnBild->setVisible(true);
}

void TAbstractState::MultipurposeZeile_Faerben(QLabel* AZeile, int AFarbe, int ASchrift)
{
    const QColor farbe = ZAMFarbe(AFarbe);
    AZeile->setStyleSheet(
        QStringLiteral("background-color: %1; color: %2;").arg(farbe.name(), ZAMFarbe(ASchrift).name()));
    AZeile->setProperty("zamFarbe", ZAMFarbeNummer(farbe));
}

void TAbstractState::Initialize_MultipurposePanel_Color()
{
    FMaske->pnlMultipurpose->setStyleSheet(QString());
    for (size_t i = 0; i < FMaske->FMultipurposeZeilen.size(); ++i) {
        QLabel* zeile = FMaske->FMultipurposeZeilen[i];
        if (i < 2 || i >= 5) {
            MultipurposeZeile_Faerben(zeile, CZAMFarbe_Hervorhebung, CZAMFarbe_Weiss);
        } else {
            zeile->setStyleSheet(QStringLiteral("color: black;"));
            zeile->setProperty("zamFarbe", QVariant());
        }
    }
}

void TAbstractState::Initialize_MultipurposePanel_Font()
{
    for (QLabel* zeile : FMaske->FMultipurposeZeilen) {
        QFont f = zeile->font();
        f.setPointSize(14);
        zeile->setFont(f);
    }
}

void TAbstractState::PnlHeaderClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractState.PnlHeaderClick", [&] {
        // A cut caption is shown whole.
        if (FMaske->HeaderCaption_Angezeigt().mid(30, 3) == QLatin1String("..."))
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(FMaske->HeaderCaption_Get()));
    });
}

TZAM_BtnMenu* TAbstractState::btnmButtons_Get()
{
    return FMaske->btnmButtons;
}
TVTVRList* TAbstractState::vtVRList_Get()
{
    return FMaske->vtVRList;
}
TVTVRList* TAbstractState::vtVRListOben_Get()
{
    return FMaske->vtVRListOben;
}
TVTVRList* TAbstractState::vtVRListUnten_Get()
{
    return FMaske->vtVRListUnten;
}

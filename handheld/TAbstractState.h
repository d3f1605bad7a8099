#pragma once

#include "TStateKlasse.h"
#include "TVTVRListModel.h"
#include "TZAM_UmgesetztUArtikelScanDaten.h"

#include <QString>
#include <Qt>

class QLabel;
class QObject;
class QWidget;
class TVRList;
class TVTVRList;
class TZAM_BtnMenu;
class TfrmMDE;

// How a row of the single list is painted (see TfrmMDE's row colours).
enum TQIV_ZeilenArt
{
    zaNormal,
    zaMarkiert,
    zaKomplett
};

// A step of a handheld workflow. The screen keeps one object per class and forwards every scan,
// key and click of the active state to these operations (declared in slot order).
class TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractState";

    explicit TAbstractState(TfrmMDE* AMaske);
    virtual ~TAbstractState();
    TAbstractState(const TAbstractState&) = delete;
    TAbstractState& operator=(const TAbstractState&) = delete;

    virtual void StateAnfangVariablenClear() = 0;
    virtual void StateAnfangMaskeMalen() = 0;
    virtual void Vor_Anfang(bool& AWeiter);
    virtual void Nach_Anfang() {}
    virtual void ButtonsSchalten_Speziell() {}
    virtual QString Caption_Get() = 0;
    virtual bool UseNumPad() { return false; }
    virtual QWidget* ActivePanel() = 0;
    virtual QString FussTip(bool& ALang) = 0;
    virtual void NummernBlockEingabe(int AInt) {}
    virtual void KeyEnter() {}
    virtual void KeyBackSpace() {}
    virtual bool NeedCheckSupport() { return false; }
    virtual void btnZurueckClick() = 0;
    virtual void btnmButtonsClick(int AButtonIndex);
    virtual void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode);
    virtual void vtVRListObenColumnNodeClick(int ACol, const TVTVRKnoten& ANode);
    virtual void vtVRListUntenColumnNodeClick(int ACol, const TVTVRKnoten& ANode);
    virtual void vtVRListHeaderClick(int ACol);
    virtual void vtVRListObenHeaderClick(int ACol);
    virtual void vtVRListUntenHeaderClick(int ACol);
    virtual void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten);
    virtual void ScanUeberspringen() {}
    virtual void AufgOhneLP() {}
    virtual void BtnArtNichtGefundenClick() {}
    virtual void btnEtikDruckClick() {}
    virtual void BtnLPSkippenClick() {}
    virtual void ArtNrHandEin_An() {}
    virtual void ArtikelbildAnz_An() {}
    virtual void btnBuchenClick() {}
    virtual void btnBuchenFussClick() { btnBuchenClick(); }
    virtual void DetailPanelClick(QObject* ASender) {}
    virtual void DetailPanelMouseDown(QObject* ASender, Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int X,
                                      int Y)
    {
    }
    virtual void DetailPanelMouseUp(QObject* ASender, Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int X,
                                    int Y)
    {
    }
    virtual void DetailPanelMausHaltenTimer(QObject* ASender) {}
    virtual void BelegHinweisTimer(QObject* ASender) {}
    virtual void ZeileLoeschenClick() {}
    virtual void btnVRListAktualisierenClick() {}
    virtual void btnZeileDazuClick() {}
    virtual void btnBehaelterWechselClick() {}
    virtual void btnBehaelterInfoClick() {}
    virtual void btnBehaelterInfoListeClick() {}
    virtual void btnWBSDruckClick() {}
    virtual void btnWBSDruckListeClick() {}
    virtual void btnBtnMenuSuchenClick() {}
    virtual void btnLagerinfoArtClick() {}
    virtual void cmbGroesseChange() {}
    // The kind of a row of the single list and its alternation count; plain by the rows above
    // unless a state marks its rows. AListe is the bound list or, for a child row, its row's
    // child list; AZeile and ASichtbarDarueber count within that list.
    virtual TQIV_ZeilenArt ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler);
    // What the script dump adds to a row of the single list besides its shown cells.
    virtual QString ZeilenZusatz(const TVRList& AListe, int AZeile) { return {}; }

    // The activation sequence; called only by the screen's ChangeState.
    void StateAnfang();
    void ChangeState(const TStateKlasse* AStateKlasse);
    void FussTipSet(const QString& ATip, bool ALang, bool AWarnung);
    QString FussTipGet(bool& ALang, bool& AWarnung);
    QString FussTipGet();
    void Warnung_Anzeigen();
    void Warnung_Ruecksetzen();
    void ButtonsSchalten();
    void StateAnfang_PanelSichtbarkeit_schalten();
    void Initialize_MultipurposePanel_Visibility();
    void Initialize_MultipurposePanel_Color();
    void Initialize_MultipurposePanel_Font();
    // Colours a row of the multipurpose panel: background and text as colour numbers (ZAMFarben.h);
    // the dump shows the background.
    static void MultipurposeZeile_Faerben(QLabel* AZeile, int AFarbe, int ASchrift);
    void PnlHeaderClick();

    TZAM_BtnMenu* btnmButtons_Get();
    TVTVRList* vtVRList_Get();
    TVTVRList* vtVRListOben_Get();
    TVTVRList* vtVRListUnten_Get();
    TfrmMDE* Maske() const { return FMaske; }

protected:
    bool FBusy = false;
    TfrmMDE* FMaske;
};

#pragma once

#include "TQIV_Optionen_OBMDE.h"
#include "TQIV_ZPMDE_Datentraeger.h"
#include "TStateKlasse.h"
#include "TVTVRList.h"
#include "TZAMForm.h"
#include "TZPMDEModus_erw.h"

#include <QList>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QAbstractButton;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TAbstractState;
class TQIV_MDEEreignisFilter;
class TQIV_ScanFeld;
class TZAMFormStore;
class TZAMWarteForm;
class TZAM_BtnMenu;
class TZAM_InfoMeldungListe;

// How a scan is treated while a message is open.
enum TQIV_IgnoreScanType { istUnbekannt = 0, istJa = 1, istNeinOhneCallback = 2, istNeinMitCallback = 3 };

// The logical buttons of the header and footer bars: each drives an icon button and a large one.
enum TQIV_LogKnopf : int {
    lkZurueck, lkBuchen, lkWBSDruck, lkArtNrHandEin, lkBenutzerAbmelden, lkArtikelNichtGefunden,
    lkArtikelbildAnz, lkEtikDruck, lkLPSkippen, lkBehaelterWechsel, lkBehaelterInfo, lkAnzahl
};

#define ZAM_LOGISCHER_KNOPF(NAME, ID)                                                                  \
    void NAME##Visible_Set(bool AWert) { KnopfVisible_Set(ID, AWert); }                                \
    void NAME##Enabled_Set(bool AWert) { KnopfEnabled_Set(ID, AWert); }                                \
    bool NAME##Visible() const { return FKnoepfe[ID].Visible; }                                        \
    bool NAME##Enabled() const { return FKnoepfe[ID].Enabled; }

// The full-screen handheld form: a fixed set of panels, a scan field, header and footer bars and a
// footer tip. It implements no workflow itself; every scan, key and click goes to the active state.
class TfrmMDE : public TZAMForm
{
    Q_OBJECT
public:
    explicit TfrmMDE(QWidget* AParent = nullptr);
    ~TfrmMDE() override;

    // States.
    void ChangeState(const TStateKlasse* AStateKlasse);
    TAbstractState* GiveState(const TStateKlasse* AStateKlasse);
    template <class S>
    void ChangeState()
    {
        ChangeState(StateKlasse<S>());
    }
    TAbstractState* AktState() const { return FAktState; }
    TAbstractState* LastState() const { return FLastState; }
    // The class name of the active state ("" before the first ChangeState).
    QString AktStateName() const;
    TQIV_ZPMDE_Datentraeger& Datentraeger_Get() { return FDatenTraeger; }
    bool Zurueck_Get() const { return FZurueck_Zaehler > 0; }
    void Zurueck_Set(bool AWert) { FZurueck_Zaehler += AWert ? 1 : -1; }
    void NumpadActions_Enabled(bool AEnabled);
    bool NumpadActions_Enabled_Get() const;

    TZPMDEModus_erw FModus = CZPMDEM_Null;
    TQIV_Optionen_OBMDE FOptionen;
    bool FBusy = false;
    bool FScanning = false;
    bool FFormShowUeberspringen = false;
    bool FUmlagHLPrioAusgefuehrt = false;
    bool FFrageFensterGr = false;
    bool FFensterGrFrageErlaubt = false;
    bool FIgnoreBusy = false;
    TQIV_IgnoreScanType FIgnoreScanBeiMeldung = istJa;
    bool FReservAufKubeLP = false;
    int FFensterBreiteMerk = 0, FFensterHoeheMerk = 0, FRandObenMerk = 0, FRandUntenMerk = 0;
    int FAktRandOben = 0, FAktRandUnten = 0;

    // Wait window (nested).
    void Wartemaske_Show(const QString& AZusatzCaption, const QString& AText);
    void Wartemaske_Hide();
    int Wartemaske_Zaehler() const { return FWartemaske_Zaehler; }

    // Footer tip and warning.
    void Warnung_Anzeigen();
    void Warnung_Ruecksetzen();
    bool WarnungAktiv() const;
    void FussTipSetzen(const QString& ATip, bool ALang, bool AWarnung);
    QString FussTipLesen(bool& ALang, bool& AWarnung) const;

    // Logical buttons.
    ZAM_LOGISCHER_KNOPF(BtnZurueck, lkZurueck)
    ZAM_LOGISCHER_KNOPF(BtnBuchen, lkBuchen)
    ZAM_LOGISCHER_KNOPF(BtnWBSDruck, lkWBSDruck)
    ZAM_LOGISCHER_KNOPF(BtnArtNrHandEin, lkArtNrHandEin)
    ZAM_LOGISCHER_KNOPF(BtnBenutzerAbmelden, lkBenutzerAbmelden)
    ZAM_LOGISCHER_KNOPF(BtnArtikelNichtGefunden, lkArtikelNichtGefunden)
    ZAM_LOGISCHER_KNOPF(BtnArtikelbildAnz, lkArtikelbildAnz)
    ZAM_LOGISCHER_KNOPF(BtnEtikDruck, lkEtikDruck)
    ZAM_LOGISCHER_KNOPF(BtnLPSkippen, lkLPSkippen)
    ZAM_LOGISCHER_KNOPF(BtnBehaelterWechsel, lkBehaelterWechsel)
    ZAM_LOGISCHER_KNOPF(BtnBehaelterInfo, lkBehaelterInfo)
    void BtnBuchenFussVisible_Set(bool AWert);
    bool BtnBuchenFussVisible() const { return FBtnBuchenFussVisible; }
    // Replaceable handlers of the post and back buttons (a dialog puts its own in their place).
    using THandler = std::function<void()>;
    void BtnBuchenOnClick_Set(THandler AHandler) { FBtnBuchenOnClick = std::move(AHandler); }
    void BtnZurueckOnClick_Set(THandler AHandler) { FBtnZurueckOnClick = std::move(AHandler); }
    const THandler& BtnBuchenOnClick_Get() const { return FBtnBuchenOnClick; }
    const THandler& BtnZurueckOnClick_Get() const { return FBtnZurueckOnClick; }
    void ButtonsKopfEnabledSetzen(bool AEnabled, bool AMitHilfe = true);
    void ButtonsFussEnabledSetzen(bool AEnabled, bool AMitHilfe = true);
    void ButtonsKopfUndFussEnabledSetzen(bool AEnabled, bool AMitHilfe = true);
    void TexteKopfUndFussMerken();
    void TexteKopfUndFussWiederherstellen();
    void TexteKopfLeeren();
    void TexteFussLeeren();
    void FussSichtbarkeitSchalten(bool AVisible);
    void FussTipLeftAndWithEinstellen();
    void BtnHilfeObenSchalten();
    void BtnHilfeUntenSchalten();
    void BtnMenu_BlaetterbtnsSchalten();
    void BtnMenu_Runter(int AZeilen);
    void BtnMenu_Hoch(int AZeilen);
    // The header caption as the states set it; the panel shows at most 30 characters and "...".
    void HeaderCaption_Set(const QString& ACaption);
    QString HeaderCaption_Get() const { return FHeaderCaption; }
    QString HeaderCaption_Angezeigt() const;

    // The log-on panel comes with the dialog panels; log-off asks the rights server.
    void Benutzer_abmelden();

    // Window size and position.
    bool FensterGroesseEinstellen();
    void FensterGroesseZuruecksetzen();
    bool GrosseButtonsSchalten(bool AGroesseGeaendert);
    void FormPositionieren(bool AForce);
    bool GrosseLeistenSichtbar() const;

    // Options.
    void Optionen_Laden();
    void Optionen_Uebernehmen_u_Buchen(const TQIV_Optionen_OBMDE& AOptionen);
    void FSFormStoreRestoreEnd(QObject* ASender);
    void FSFormStoreStoreStart(QObject* ASender);
    // The warehouse of the options becomes current, with its single branch as booking branch.
    void LagerAnwenden();
    TZAMFormStore* FormStore();
    void EventHandlingPruefen();
    void PrioTimerEinstellenUndStarten() {}
    TZAMFormStore* FSFormStore = nullptr;
    QStringList strlvconfig;

    // Scan input (also the alternative recognition and the script runner use these).
    void DoActScanExecute();
    void edtScannFeldExit();
    bool ScanNichtDurchlassen() const;
    QAction* actScan_Get() const { return actScan; }
    QAction* NumpadAction(int AZiffer) const { return FZiffern.at(AZiffer); }

    // Row colours of the single list.
    QColor ZeilenFarbe(const TVRList& AListe, int AZeile, int ALevel) const;

    // Components with the object names of the form.
    QWidget* pnlKopf = nullptr;
    QLabel* pnlHeader = nullptr;
    QWidget* pnlButtonsHeader = nullptr;
    TQIV_ScanFeld* edtScannFeld = nullptr;
    QWidget* pnlAnzeige = nullptr;
    QWidget* pnlBtnMenu = nullptr;
    TZAM_BtnMenu* btnmButtons = nullptr;
    QPushButton* btnBtnMenuPgUp = nullptr;
    QPushButton* btnBtnMenuUp = nullptr;
    QPushButton* btnSuchen = nullptr;
    QPushButton* btnBtnMenuDown = nullptr;
    QPushButton* btnBtnMenuPgDown = nullptr;
    QWidget* pnlVRList = nullptr;
    TVTVRList* vtVRList = nullptr;
    QWidget* pnlDoppelVRList = nullptr;
    TVTVRList* vtVRListOben = nullptr;
    TVTVRList* vtVRListUnten = nullptr;
    QWidget* pnlMultipurpose = nullptr;
    std::array<QLabel*, 7> FMultipurposeZeilen{};
    QToolButton* btnMultipurposeBild = nullptr;
    QLabel* pnlZielanzeige = nullptr;
    QWidget* pnlDetailanzeige = nullptr;
    std::array<QLabel*, 12> FDetailZellen{};
    QWidget* pnlDreifachEingabe = nullptr;
    QWidget* pnlConfig = nullptr;
    QWidget* pnlSicherheitsAbfrage = nullptr;
    QWidget* pnlFrageButtonsUntereinander = nullptr;
    QWidget* pnlEingabe = nullptr;
    QWidget* pnlEingabeAuswahl = nullptr;
    QWidget* pnlBenuAnmeldung = nullptr;
    QWidget* pnlButtonHilfe = nullptr;
    QWidget* pnlBildanzeige = nullptr;
    QWidget* pnlArtNrHandEin = nullptr;
    QWidget* pnlMengeneingabeSH = nullptr;
    QWidget* pnlMengenkorrekturSH = nullptr;
    QWidget* pnlFuss = nullptr;
    QWidget* pnlFooter = nullptr;
    QLabel* lblFussTip = nullptr;
    QPlainTextEdit* memFusstip = nullptr;
    QWidget* pnlButtonsFooter = nullptr;
    QTimer* tiMenuAnz = nullptr;
    QTimer* tiMausHalten = nullptr;
    QTimer* tiBelegHinweis = nullptr;
    QTimer* tiFensterGroesse = nullptr;
    QTimer* tiUmlagHLPrio = nullptr;
    // The panels of the display area; exactly one is visible.
    QList<QWidget*> AnzeigePanels() const { return FAnzeigePanels; }
    void PanelZeigen(QWidget* APanel);

protected:
    void showEvent(QShowEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void closeEvent(QCloseEvent* AEvent) override;
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;

public Q_SLOTS:
    void reject() override; // Esc is only the back action
    // Ends the screen through its states (the menu's question).
    void Schliessen(int AModalResult);

private Q_SLOTS:
    void FormShow();
    void actESCExecute();
    void actF5Execute();
    void btnBuchenClick();
    void btnWBSDruckClick();
    void btnBuchenFussClick();
    void actZifferExecute();
    void actEnterExecute();
    void actBackspaceExecute();
    void actF14Execute();
    void actF15Execute();
    void actAufgOhneLPExecute();
    void actScanUeberspringenExecute();
    void btnmButtonsClick(int AIndex);
    void pnlHeaderClick();

private:
    struct TLogischerKnopf
    {
        bool Visible = false;
        bool Enabled = true;
        QAbstractButton* Icon = nullptr;
        QAbstractButton* Gross = nullptr;
    };
    void FormCreate();
    void LayoutErstellen();
    void AktionenErstellen();
    void KnoepfeErstellen();
    void KnopfVisible_Set(TQIV_LogKnopf AKnopf, bool AWert);
    void KnopfEnabled_Set(TQIV_LogKnopf AKnopf, bool AWert);
    void KnopfAnwenden(TQIV_LogKnopf AKnopf);
    void KnoepfeAnwenden();
    // Forwards an input to the active state under the house convention.
    void AnState(const char* AName, const std::function<void(TAbstractState&)>& AAktion);

    struct TArchivEintrag
    {
        std::unique_ptr<TAbstractState> State;
        const char* Name; // the class that created it
    };
    std::vector<TArchivEintrag> FStateArchiv;
    TAbstractState* FAktState = nullptr;
    TAbstractState* FLastState = nullptr;
    TQIV_ZPMDE_Datentraeger FDatenTraeger;
    int FZurueck_Zaehler = 0;
    TZAMWarteForm* FWartemaske = nullptr;
    int FWartemaske_Zaehler = 0;
    std::array<TLogischerKnopf, lkAnzahl> FKnoepfe{};
    bool FBtnBuchenFussVisible = false;
    QAbstractButton* btnBuchenFuss = nullptr;
    THandler FBtnBuchenOnClick;
    THandler FBtnZurueckOnClick;
    QAbstractButton* btnHilfeOben = nullptr;
    QAbstractButton* btnHilfeUnten = nullptr;
    QString FHeaderCaption;
    QString FMerkCaption, FMerkFussText;
    bool FMerkFussLang = false, FMerkFussWarnung = false;
    QList<QWidget*> FAnzeigePanels;
    QAction* actScan = nullptr;
    QList<QAction*> FZiffern;
    QAction* actEnter = nullptr;
    QAction* actBackspace = nullptr;
    std::unique_ptr<TQIV_MDEEreignisFilter> FApplicationEvents;
    bool FFormShowGelaufen = false;
    bool FSchliessenErlaubt = false;
};

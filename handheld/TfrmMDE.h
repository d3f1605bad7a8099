#pragma once

#include "IZAM_RechteServer.h"
#include "TQIV_DialogCallbacks.h"
#include "TZAM_ArtikelScanListe.h"
#include "TQIV_IgnoreScanType.h"
#include "TQIV_MDE_ButtonProperties.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_Intv100_Sortiment_QIV_GG.h"
#include "TQIV_Optionen_OBMDE.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_ZPMDE_CaptionFusstipMerkdaten.h"
#include "TQIV_ZPMDE_Datentraeger.h"
#include "TStateKlasse.h"
#include "TIntTrioList.h"
#include "TVTVRList.h"
#include "TZAMForm.h"
#include "TZPMDEModus_erw.h"

#include <QList>
#include <QProcessEnvironment>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QAbstractButton;
class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TAbstractState;
class TQIV_ArtNrEdit;
class TQIV_MDEEreignisFilter;
class TQIV_OptionenSeiten;
class TQIV_ScanFeld;
class TZAMFormStore;
class TZAMWarteForm;
class TZAM_BtnMenu;
class TZAM_InfoMeldungListe;

// The logical buttons of the header and footer bars: each drives an icon button and a large one.
enum TQIV_LogKnopf : int
{
    lkZurueck,
    lkBuchen,
    lkWBSDruck,
    lkArtNrHandEin,
    lkBenutzerAbmelden,
    lkArtikelNichtGefunden,
    lkArtikelbildAnz,
    lkEtikDruck,
    lkLPSkippen,
    lkBehaelterWechsel,
    lkBehaelterInfo,
    lkAnzahl
};

#define ZAM_LOGISCHER_KNOPF(NAME, ID)                                                                                  \
    void NAME##Visible_Set(bool AWert)                                                                                 \
    {                                                                                                                  \
        KnopfVisible_Set(ID, AWert);                                                                                   \
    }                                                                                                                  \
    void NAME##Enabled_Set(bool AWert)                                                                                 \
    {                                                                                                                  \
        KnopfEnabled_Set(ID, AWert);                                                                                   \
    }                                                                                                                  \
    bool NAME##Visible() const                                                                                         \
    {                                                                                                                  \
        return FKnoepfe[ID].Visible;                                                                                   \
    }                                                                                                                  \
    bool NAME##Enabled() const                                                                                         \
    {                                                                                                                  \
        return FKnoepfe[ID].Enabled;                                                                                   \
    }

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
    template <class S> void ChangeState() { ChangeState(StateKlasse<S>()); }
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
    bool FUmlagHLPrioLaeuft = false; // the check or its question is under way
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

    // Dialog panels: the opening call returns at once, the answer comes through the callback.
    void MeldungAn(const TQIV_Meldung_Options& AOptionen);
    void SicherheitsAbfrageAn(const TQIV_SicherheitsAbfrage_Options& AOptionen);
    void FrageButtonsUntereinanderAn(const QString& AText, TQIV_FrageButtonsUntereinander_Callback ACallback,
                                     const QList<TQIV_MDE_InfoButtonProperties>& AButtons, int ASize,
                                     const QString& ACaption);
    // AEditMyFeldTyp: 0, 1 text of AEditLength characters; 3 ten characters; 6, 7 a number of
    // AEditLength digits.
    void EingabeAn(int AEditMyFeldTyp, int AEditLength, const QString& AText, TQIV_Eingabe_callback ACallback,
                   const TQIV_MDE_ButtonProperties& ALeftButton, const TQIV_MDE_ButtonProperties& ARightButton,
                   const TQIV_MDE_ComboboxProperties& ACombobox, const QString& AEditText, int ASize);
    void BenutzerAnmeldungAn(TQIV_BenutzerAnmeldung_Callback ACallback, const QList<TQIV_WPF_Recht>& ARecht,
                             bool AForce);
    void ButtonHilfeAn(bool AFuss);
    void BildAn(const TInt32Trio& AProduktID, TQIV_Bildanzeige_Callback ACallback);
    // The user types an article number (with a till size when AAuchGroesse) or scans its label.
    void ArtNrHandEingabeAn(TQIV_ArtNrHandEin_Callback ACallback, bool AAuchGroesse);
    // Offers to assign an unknown EAN or UPC to an article size and books it; ACallBack gets the
    // article size, or (false, empty product, 255).
    void EAN_UPC_Zuordnen_an(const TZAM_ArtikelScanDaten& AScannDaten, const QString& AGescannt,
                             TQIV_ArtNrHandEin_Callback ACallBack);
    // Books AGTIN for the article size without a question.
    void EAN_UPC_Zuordnen_an(const QString& AGTIN, const TInt32Trio& AProdukt_Id, TZAM_Intv100_IndErw AGrInd);
    // Turns a scanned text into article scan data for ACallback; when the text stands for several
    // articles the user picks one on the button menu first.
    void ArtikelAuswahlAn(const QString& AText, TQIV_ArtikelAuswahl_Callback ACallback);
    bool ArtikelAuswahlOffen() const { return bool(FArtikelAuswahlCallback); }
    // The actual quantities of one article per size, checked against the planned ones; AGrInd0 is
    // the size the caller starts with.
    void MengeneingabeSHAn(const TInt32Trio& AProduktID, int AGrInd0, const TZAM_Intv100_Sortiment_Me& ASortiment,
                           TQIV_MengeneingabeSH_Callback ACallback);
    // The size index each grid row shows, -1 for an empty row.
    const QList<int>& MengeneingabeSHGrIndArr() const { return FMengeneingabeSHGrIndArr; }
    const TZAM_Intv100_Sortiment_Me& MengeneingabeSHIstMeSort() const { return FMengeneingabeSHIstMeSort; }
    // The size-quantity grid keeps 4 + trunc((H - 180) / 45) rows for its height H in pixels,
    // appending or removing rows at the bottom.
    void MengeneingabeSHAnFensterGroesseAnpassen();
    int MeEinSHZeilenAnzahl() const { return int(FMeEinSHZeilen.size()); }
    // The actual quantity of one size, typed; AReturnToPanel is shown again afterwards.
    void MengenKorrekturSHAn(QWidget* AReturnToPanel, int AIndex, const QString& ALangGroesse, int ASollMenge,
                             int AIstMenge, const QString& ACaption, TQIV_MengenkorrekturSH_Callback ACallback);
    // Presses OK of an open message.
    void MeldungBtnOKClick();
    TZAM_InfoMeldungListe* InfoMeldungListe_AufbauenWennNichtDa();
    // Log-off at the rights server; the data module's employee and user are cleared.
    bool Benutzer_abmelden();
    // The handheld's rights check: allowed without password protection, for a current user with
    // the rights, or after a log-on with the fields of the log-on panel (not with ANurPruefen).
    bool Recht_Pruefen(const QList<TQIV_WPF_Recht>& ARechte, bool ANurPruefen, bool AForce, TIntPair& ABenutzer);
    bool DialogOffen() const;

    // Window size and position.
    bool FensterGroesseEinstellen();
    void FensterGroesseZuruecksetzen();
    bool GrosseButtonsSchalten(bool AGroesseGeaendert);
    void FormPositionieren(bool AForce);
    bool GrosseLeistenSichtbar() const;

    // Options.
    void Optionen_Laden();
    // Replaces and stores the options; false (and the options as they were) when storing failed.
    bool Optionen_Uebernehmen_u_Buchen(const TQIV_Optionen_OBMDE& AOptionen);
    void FSFormStoreRestoreEnd(QObject* ASender);
    void FSFormStoreStoreStart(QObject* ASender);
    // The warehouse of the options becomes current, with its single branch as booking branch.
    void LagerAnwenden();
    TZAMFormStore* FormStore();
    void EventHandlingPruefen();
    // Urgent sales-floor requests: the check interval from the options; nothing in the second
    // instance, which works the requests off.
    void PrioTimerEinstellenUndStarten();
    void tiUmlagHLPrioTimer();
    // The postponement after a "no": the interval doubles within the option's bounds (seconds).
    static int UmlagHLPrio_Aufschub(int AIntervallMs, quint32 AMinSek, quint32 AMaxSek);
    // Starts the second instance and waits for it; tests put a fake in its place.
    using TKindStarter = std::function<bool(const QString& AProgramm, const QStringList& AArgumente,
                                            const QProcessEnvironment& AUmgebung, QString& AFehler)>;
    static TKindStarter& UmlagHLPrio_KindStarter();
    TZAMFormStore* FSFormStore = nullptr;
    QStringList strlvconfig;

    // The option pages on pnlConfig and the screen's handlers of them.
    TQIV_OptionenSeiten* OptionenSeiten() const { return FOptionenSeiten.get(); }
    QString FEdtUmlagHLPrioTimerInterval_LastText; // the check-interval text last seen
    void DoBtnSpalteUpClick(QListWidget* AListe);
    void DoBtnSpalteDownClick(QListWidget* AListe);
    void DoBtnSpalteAlleClick(QListWidget* AListe);
    void DoBtnSpalteUmkehrenClick(QListWidget* AListe);
    void chbKuBeHerkunftClick();
    void cmbGroesseChange();
    // Leaving the check-interval or the deletion-days field.
    void edtUmlagHLPrioTimerIntervalExit();

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
    QToolButton* btnBild = nullptr;
    QLabel* pnlZielanzeige = nullptr;
    QWidget* pnlDetailanzeige = nullptr;
    std::array<QLabel*, 12> FDetailZellen{};
    QLabel* pnlKommissionierbehaelter = nullptr;
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
    QWidget* pnlMeEinSHMeEinWerte = nullptr;
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

private:
    void UmlagHLPrio_Fragen(const TIntTrioList& AGruende);
    void UmlagHLPrio_LagerplatzFragen();
    void UmlagHLPrio_Starten();
    void UmlagHLPrio_TimerWeiter();
    // The second instance: works the urgent requests off.
    void UmlagHLPrio_Ausfuehren();

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
    void btnJaNeinClick();
    void btnFrageButtonsUntereinanderClick();
    void btnOkCancelClick();
    void btnEingabeAuswahlClick();
    void btnAuswahlOkCancelClick();
    void btnmEingabeAuswahlClick(int AIndex);
    void btnAnmeldenClick();
    void btnAnmeldungAbbrechenClick();
    void btnHilfeClick();
    void btnHilfeObenClick();
    void btnHilfeUntenClick();
    void lblBildClick();
    void btnArtNrHandEinWeiterClick();
    void btnArtNrHandEinZurueckClick();
    void btnMeEinSHPlusOrMinusClick();
    void btnMeEinSHBlaetternClick();
    void btnMeKorrSHWeiterClick();
    void btnMeKorrSHZurueckClick();
    void btnMeKorrSHNullClick();

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
    void DialogPanelsErstellen();
    void OptionenSeitenErstellen();
    void FrageOderMeldungAn(bool AFrage, const QString& AText, int AFontSize, const QString& ACaptionJa,
                            const QString& ACaptionNein, const QString& ACaptionOK, const QString& ACaptionAbbrechen,
                            bool AMitOK, bool AMitAbbrechen, const QString& ACaption, bool AFussTipLeeren,
                            bool AZurueckEnabled, TQIV_IgnoreScanType AIgnoreScan,
                            TQIV_Sicherheitsabfrage_callback ACallback, bool AIgnoreBusy);
    void ClickBtnJaNein(const QString& ACaption, TZAM_TriState_Enum AAntwort);
    // The common closing of a dialog panel: the state's panel back, numeric actions as the state
    // says, header and footer texts back, the back button's own handler back.
    void DialogSchliessen(QWidget* APanel, bool ATexteZurueck);
    void DialogOeffnen(QWidget* APanel);
    void TexteMerkenUndLeeren(bool AFussLeeren);
    void ZurueckBinden(THandler AHandler);
    // The visible and enabled states of the header and footer buttons, kept while the log-on or
    // the help view is open.
    struct TKnopfZustaende
    {
        std::array<TLogischerKnopf, lkAnzahl> Knoepfe;
        bool BuchenFussVisible = false;
        bool BuchenFussEnabled = true;
        bool HilfeObenEnabled = true;
        bool HilfeUntenEnabled = true;
    };
    void KnopfZustaendeMerken();
    void KnopfZustaendeWiederherstellen();
    // "Weiter" (also Enter and F14) and "Abbrechen" (also F15) of the quantity correction.
    void ClickBtnMeKorrSH_WeiterOderZurueck(bool AWeiter);
    void AnmeldungSchliessen();
    void AnmeldungAbbrechen(); // "Abbrechen", the back button and F15
    void BenutzerAnmeldungErgebnis(bool AErfolg);
    bool Benutzer_anmelden(QString& AFehler);
    QList<QAbstractButton*> GrosseKnoepfe(bool AFuss) const;
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
    // Before the state archive: the options state empties the pages when it is destroyed.
    std::unique_ptr<TQIV_OptionenSeiten> FOptionenSeiten;
    std::vector<TArchivEintrag> FStateArchiv;
    TAbstractState* FAktState = nullptr;
    TAbstractState* FLastState = nullptr;
    TQIV_ZPMDE_Datentraeger FDatenTraeger;
    int FZurueck_Zaehler = 0;
    TZAMWarteForm* FWartemaske = nullptr;
    int FWartemaske_Zaehler = 0;
    bool FWartemaskeUeberAktivem = false; // the screen was active when the wait window opened
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
    // Dialog panels.
    QLabel* lblSicherheitsAbfrage = nullptr;
    QPushButton *btnJa = nullptr, *btnNein = nullptr, *btnOK = nullptr, *btnAbbrechen = nullptr;
    QLabel* lblFrageButtonsUntereinander = nullptr;
    QLayout* gplFrageButtonsUntereinander = nullptr;
    QList<QPushButton*> FFrageKnoepfe;
    QLabel* lblEingabe = nullptr;
    QLineEdit* edtEingabe = nullptr;
    QPushButton *btnEingabeLinks = nullptr, *btnEingabeRechts = nullptr, *btnEingabeAuswahl = nullptr;
    QPushButton *btnEingabeOK = nullptr, *btnEingabeAbbrechen = nullptr, *btnAuswahlAbbrechen = nullptr;
    TZAM_BtnMenu* btnmEingabeAuswahl = nullptr;
    QLineEdit *edtBenutzer = nullptr, *edtPasswort = nullptr;
    QLabel* lblBild = nullptr;
    // A row of the size-quantity grid: size name, planned quantity, minus, actual quantity, plus.
    struct TMeEinSHZeile
    {
        QLabel* Groesse = nullptr;
        QLabel* Soll = nullptr;
        QPushButton* Minus = nullptr;
        QLabel* Ist = nullptr;
        QPushButton* Plus = nullptr;
    };
    void ClickbtnArtNrHandEin_Weiter();
    void ClickBtnArtNrHandEin_Zurueck();
    void ArtNrHandEinSchliessen();
    void ArtNrHandEingabeGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanDaten);
    TQIV_ArtNrHandEin_Callback FArtNrHandEinCallback;
    bool FArtNrHandEinAuchGroesse = true;
    TQIV_ArtNrEdit* edtArtikelNr = nullptr;
    QLineEdit* edtGroesse = nullptr;
    QPushButton* btnArtNrHandEinWeiter = nullptr;
    void EAN_UPC_NachFrage(TZAM_TriState_Enum AAntwort);
    void EAN_UPC_NachHandEin(bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd);
    QString FEAN_UPC_Gescannt;
    TQIV_ArtNrHandEin_Callback FEAN_UPC_ZuordnungCallBack;
    void ArtikelAuswaehlenVorbereiten();
    void ArtikelAusgewaehlt(int AIndex, bool ADirekt);
    TQIV_ArtikelAuswahl_Callback FArtikelAuswahlCallback;
    QString FArtikelAuswahlText;
    TZAM_ArtikelScanListe FArtikelAuswahlDaten;
    TQIV_ZPMDE_CaptionFusstipMerkdaten FArtikelAuswahlMerkDaten;
    int FArtikelAuswahlButtonHoeheMerk = 0;
    void MengeneingabeSHZeigen();
    void MengeneingabeSHGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanDaten);
    void MeEinSHZeileAnhaengen();
    void ClickBtnBuchenMengeneingabeSH(bool ABuchen);
    void MengeneingabeSHMaskeAufbauen();
    void MengeneingabeSHZeileFuellen(int AZeile, int AGrInd);
    void MengeneingabeSHZeileKopieren(int AVon, int ANach);
    void MengeneingabeSHZeileVisible(int AZeile, bool AVisible);
    void MeEinSHUpOrDown(bool AHoch, int AAnzahl);
    void MeEinSHBlaetternSchalten();
    void MeEinSHIstSetzen(int AZeile, int AMenge);
    void MeEinSHZelleGeklickt(QObject* AZelle);
    void MeKorrSH_AusMeEinSH_Callback(bool AErfolg, int AIstMenge, int AIndex);
    QList<TMeEinSHZeile> FMeEinSHZeilen;
    TQIV_MengeneingabeSH_Callback FMengeneingabeSHCallback;
    TInt32Trio FMengeneingabeSHProduktId;
    QString FMengeneingabeSHHerstArtNr;
    TQIV_Intv100_Sortiment_QIV_GG FMengeneingabeSHGGSort;
    TZAM_Intv100_Sortiment_Me FMengeneingabeSHSollMeSort;
    TZAM_Intv100_Sortiment_Me FMengeneingabeSHIstMeSort;
    QList<int> FMengeneingabeSHGrIndArr;
    // What the size-quantity entry replaced: its own copy, since the quantity correction it opens
    // keeps header and footer in the screen's common fields.
    TQIV_ZPMDE_CaptionFusstipMerkdaten FMengeneingabeSHMerkDaten;
    THandler FBtnBuchenOnClickMerk;
    THandler FMeEinSHZurueckMerk;
    bool FMerkBtnBuchenVisible = false;
    QLabel *lblMeEinSHSollSumme = nullptr, *lblMeEinSHIstSumme = nullptr;
    QLabel *lblMeKorrSHGroesseWert = nullptr, *lblMeKorrSHSollMeWert = nullptr;
    QLineEdit* edtMeKorrSHIstMeWert = nullptr;
    TQIV_MengenkorrekturSH_Callback FMengenkorrekturSHCallback;
    QWidget* FMengenkorrekturSHReturnToPanel = nullptr;
    int FMengenkorrekturSHIndex = -1;
    bool FMengenkorrekturSHNumpadMerk = false;
    std::array<QPushButton*, 4> FHilfeKnoepfe{};
    std::array<QAbstractButton*, 4> FHilfeZiele{};
    TQIV_Sicherheitsabfrage_callback FSicherheitsabfrageCallback;
    TQIV_FrageButtonsUntereinander_Callback FFrageButtonsCallback;
    TQIV_Eingabe_callback FEingabeCallback;
    TQIV_BenutzerAnmeldung_Callback FBenutzerAnmeldungCallback;
    TQIV_Bildanzeige_Callback FBildCallback;
    THandler FBtnZurueckOnClickMerk;
    bool FZurueckGebunden = false; // a dialog panel holds the back button
    THandler FEingabeLinksOnClick, FEingabeRechtsOnClick;
    QString FEingabeItemsCommaText;
    QList<TQIV_WPF_Recht> FBenutzerbfrageRecht;
    std::unique_ptr<TZAM_InfoMeldungListe> FInfoMeldungListe;
    std::unique_ptr<TKnopfZustaende> FMerkKnoepfe;
    bool FHilfeFuss = false;
    QAction* actScan = nullptr;
    QList<QAction*> FZiffern;
    QAction* actEnter = nullptr;
    QAction* actBackspace = nullptr;
    std::unique_ptr<TQIV_MDEEreignisFilter> FApplicationEvents;
    bool FFormShowGelaufen = false;
    bool FSchliessenErlaubt = false;
};

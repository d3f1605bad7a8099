#pragma once

#include "IZAM_RechteServer.h"
#include "TZAMForm.h"

#include <QList>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;
class QVBoxLayout;
class QWidget;
class TGpSuchDialog;
class TMandDialog;

// The terminal main menu: large buttons, each opening one modal work form after a rights check;
// log-on and log-off of the staff; the colour of the customer-order button tells of open orders.
class Tfrmmain : public TZAMForm
{
    Q_OBJECT
public:
    explicit Tfrmmain(QWidget* AParent = nullptr);
    ~Tfrmmain() override;

    bool Benutzer_anmelden();
    bool Benutzer_anmelden_mit_Recht();
    bool Benutzer_anmelden_ohne_Recht();
    void Benutzer_abmelden();
    bool Benutzer_Pruefen();
    bool Recht_Pruefen(const QList<TQIV_WPF_Recht>& ARechte, int AHigh);
    void Kundenbestellungen_Lesen();
    void FilialeAnzeigen();
    void ClickBtnOptionen();
    void MDE();
    TMandDialog* MandDialog_CiN();

    // Shows the menu; in handheld mode it hands over to the handheld screen without showing.
    void Starten();

    // Buttons by their object names, for the layout and the tests.
    QPushButton* Knopf(const QString& AName) const;
    QTimer* Timer() const { return FTimer; }
    // The colour of the menu's buttons (red 184, green 16, blue 32).
    static constexpr int CKnopfFarbe = 2101432;
    // The look of the menu's buttons: colour number, font size in pixels, bold.
    static QString KnopfStil(int AFarbe, int ASchrift, bool AFett);
    // A caption panel of the menu (grey, bold), also the header of the terminal forms it opens.
    static QLabel* Kopfpanel(const QString& AName, const QString& ACaption, QWidget* AParent);
    // The frameless look of the terminal forms: the font of height ASchriftHoehe and the outer
    // panel (pnlouter) with its column layout AInner.
    static QWidget* Aussenpanel(QWidget* AForm, int ASchriftHoehe, QVBoxLayout*& AInner);

public Q_SLOTS:
    void reject() override; // Esc is "Beenden"

protected:
    void showEvent(QShowEvent* AEvent) override;

private Q_SLOTS:
    void FormShow();
    void TimerTimer();
    void tbtnArtikelsucheClick();
    void btnDruckenClick();
    void btnOptionenClick();
    void btnlpzuzaehlenClick();
    void btnFilialnachsortierungClick();
    void btnEinlagerungClick();
    void btnWarenannahme_EinlagerungClick();
    void btnKundenbestellungenClick();
    void btnRetoureOnlineshopClick();
    void btnAusstattungFilialeClick();
    void btnEntnahmeDekoClick();
    void btnUmlagerungClick();
    void btnInventurClick();
    void btnInbetriebnahmeClick();
    void btnBenutzerAbmeldenClick();
    void rbtnAbbrClick();
    void actNachSortNacharbeitExecute();

private:
    void FormCreate();
    void LayoutErstellen();
    void AktionenErstellen();
    // A guarded menu function: the rights (and the employee) first, then the form, then the
    // refresh of the customer-order button.
    void Funktion(const char* AName, const QList<TQIV_WPF_Recht>& ARechte, bool ABenutzerPruefen, bool AAktualisieren,
                  const std::function<bool()>& AOeffnen);
    void MitarbeiterAnzeigen();

    bool FBusy = false;
    bool FBeforeShow = true;
    bool FFormShowGelaufen = false;
    TMandDialog* FMandDialog = nullptr;
    TGpSuchDialog* FdlgMitaSuche = nullptr;

    QWidget* FpnlOuter = nullptr;
    QLabel* FpnlDataHeader = nullptr;
    QLabel* FpnlDataHeaderFilialeZL = nullptr;
    QLabel* FpnlDataHeaderHerstellungVerkaufsbereitschaft = nullptr;
    QTabWidget* FpgcMain = nullptr;
    QLabel* FlblMita = nullptr;
    QTimer* FTimer = nullptr;
};

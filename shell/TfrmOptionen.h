#pragma once

#include "TIntPair.h"
#include "TQIV_VELTOB_Optionen.h"
#include "TZAMForm.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TMandDialog;

// The options of the picking terminal: warehouse, slip printer, client of the manual goods-receipt
// entry, enlarged display, walking-route filter, slip period, and the columns and display fields of
// the two task lists of the re-sort form. Modal over the main menu; "Speichern" stores through the
// data module, "Zurück" leaves without storing.
class TfrmOptionen : public TZAMForm
{
    Q_OBJECT
public:
    explicit TfrmOptionen(QWidget* AParent = nullptr);
    ~TfrmOptionen() override;

    // The column buttons of both task lists: the list concerned is the first check list beside the
    // pressed button.
    void CheckAll(QObject* ASender);
    void CheckChange(QObject* ASender);
    void ItemUp(QObject* ASender);
    void ItemDown(QObject* ASender);

public Q_SLOTS:
    void reject() override; // Esc is "Zurück"

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    // The controls of one task list's page; requested goods and customer orders have the same.
    struct TSpaltenSeite
    {
        QListWidget* lbSpalten = nullptr;
        QCheckBox* chbBild = nullptr;
        std::array<QComboBox*, 6> cmbAnzeige{}; // Rechts3 ... Rechts7, Links
    };

    void FormCreate();
    void FormShow();
    void btnWeiterClick();
    void btnZurueckClick();
    void btnMandantwechselClick();

    void LayoutErstellen();
    QWidget* SeiteAllgemeinErstellen();
    QWidget* SpaltenSeiteErstellen(const QString& AName, TSpaltenSeite& ASeite);
    void SpaltenKnopf(QObject* ASender, const char* AName, void (*AAktion)(QListWidget*));

    void Maske_Fuellen();
    void Maske_Leeren();
    void Optionen_Anzeigen(const TQIV_VELTOB_Optionen& AOptionen);
    bool Auslesen_Testen(TQIV_VELTOB_Optionen& AOptionen);
    bool Auslesen_Testen_SichtbareSpaltenAufgabenliste_hier(QListWidget* AListe,
                                                            QList<TZAM_AufgabenListe_Spalte>& ASpalten, bool AWarnen);
    bool Auslesen_Testen_AktLagerKombobox_hier(int& ALager, bool AWarnen);
    bool Auslesen_Testen_Drucker(QString& ADrucker, bool AWarnen);
    void Komponente_Fokussieren(QWidget* AKomponente);
    QListWidget* ZustaendigeSpaltenListeErmitteln(QObject* ASender);
    void ClickBtnMandantenWechsel();
    void MandantAnzeigen(const TIntPair& AMandant, const QString& AName);
    void Panels_ausrichten();

    bool FBusy = false;
    bool FBeforeShow = true;
    bool FFesterMandant = false;
    TIntPair FMand_EWA_Handeingabe;
    TMandDialog* FdlgMand = nullptr;

    QWidget* FpnlOuter = nullptr;
    QTabWidget* FpgcTabSheets = nullptr;
    QLabel* FlblAktLager = nullptr;
    QComboBox* FcmbAktLager = nullptr;
    QComboBox* FcmbDruckerWBS = nullptr;
    QWidget* FpnlMandant = nullptr;
    QLabel* FlblMandant = nullptr;
    QPushButton* FbtnMandantwechsel = nullptr;
    QCheckBox* FchbRelativeGroesse = nullptr;
    QCheckBox* FchbNurLPImLaufweg = nullptr;
    QWidget* FpnlZeitraumWBS = nullptr;
    QRadioButton* FrbUnbegrenzt = nullptr;
    QRadioButton* FrbBegrenzt = nullptr;
    QLineEdit* FedtZeitraumWBS = nullptr;
    QCheckBox* FchbKommBeh = nullptr;
    QCheckBox* FchbKubeBezahlt = nullptr;
    TSpaltenSeite FNachsort;
    TSpaltenSeite FKuBe;
};

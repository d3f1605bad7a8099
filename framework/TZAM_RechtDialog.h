#pragma once

#include "IZAM_RechteServer.h"
#include "TZAMForm.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

// The rights dialog: asks for user name and password and checks the rights of a function. Fits a
// 320 x 320 screen; it shows its own refusals.
class TZAM_RechtDialog : public TZAMForm
{
    Q_OBJECT
public:
    explicit TZAM_RechtDialog(QWidget* AParent = nullptr);
    ~TZAM_RechtDialog() override;

    // Shows the dialog modally; true when a user with the rights ARechte[0..AHigh] logged on.
    // A non-empty AText is shown as an extra line.
    bool Funktion_pruefen(const QList<TQIV_WPF_Recht>& ARechte, int AHigh, const QString& AText, int AFunktionsTyp);
    // The last log-on in the dialog had correct credentials.
    bool Anmeldung_erfolgreich() const { return FAnmeldungErfolgreich; }
    TIntPair Benutzer() const { return FBenutzer; }
    // The employee of the user; the user key itself when the user has none.
    TIntPair Mitarbeiter() const { return FMitarbeiter; }

public Q_SLOTS:
    void reject() override;

private:
    void btnAnmeldenClick();
    void FelderLeeren();

    bool FBusy = false;
    bool FAnmeldungErfolgreich = false;
    bool FErlaubt = false;
    TIntPair FBenutzer;
    TIntPair FMitarbeiter;
    QList<TQIV_WPF_Recht> FRechte;
    int FFunktionsTyp = 1;
    std::unique_ptr<IZAM_RechteServer> FServer;

    QLabel* FlblText;
    QLineEdit* FedtBenutzer;
    QLineEdit* FedtPasswort;
    QPushButton* FbtnAnmelden;
    QPushButton* FbtnAbbrechen;
};

#pragma once

#include <QDialog>
#include <QString>

// Base of the framework's and the program's forms: framework form initialisation with the
// component name, and dialogs that end only through their own buttons.
class TZAMForm : public QDialog
{
    Q_OBJECT
public:
    explicit TZAMForm(QWidget* AParent = nullptr, const QString& AKomponentenName = {});

    const QString& KomponentenName() const { return FKomponentenName; }
    // Modal result as the framework's forms answer it (mrOk, mrCancel, ...).
    int ModalResult() const { return result(); }
    void SetModalResult(int AErgebnis) { done(AErgebnis); }

protected:
    // The framework initialisation: object name, window title, fonts through the framework helpers.
    virtual void ZAMFormInit();

private:
    QString FKomponentenName;
};

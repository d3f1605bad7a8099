#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The framework's message window: fits a 320 x 320 handheld screen, Enter answers the default
// button, Esc answers "Nein" for a question and closes an information.
class TZAMMeldungDialog : public QDialog
{
    Q_OBJECT
public:
    enum TArt { maInfo, maWarnung, maFrage };

    TZAMMeldungDialog(TArt AArt, const QString& ATitel, const QString& AText, QWidget* AParent = nullptr);

    // Shows the window modally; answers mrOk, mrYes or mrNo.
    static int Zeigen(TArt AArt, const QString& ATitel, const QString& AText);

    QString Text() const;

public Q_SLOTS:
    void reject() override;

private:
    TArt FArt;
    QLabel* FText;
};

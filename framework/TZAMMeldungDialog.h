#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The framework's message window: fits a 320 x 320 handheld screen, Enter answers the default
// button, Esc answers "Nein" for a question and closes an information. It answers within its
// contract however it closes: a window closed without an answer (rejected, hidden, closed at the
// program's end) answers as Esc does.
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
    // Answers mrOk, mrYes or mrNo.
    int exec() override;
    void done(int AErgebnis) override;
    void reject() override;

private:
    // AErgebnis when it is an answer of this kind of window, else the answer of Esc.
    int Antwort(int AErgebnis) const;
    static int Antwort(TArt AArt, int AErgebnis);

    TArt FArt;
    QLabel* FText;
};

#pragma once

#include "TZAMForm.h"

class QLabel;

// The wait window: not modal, without frame, centred on its parent or the screen. It appears at
// once when shown, also while the caller keeps the event loop busy.
class TZAMWarteForm : public TZAMForm
{
    Q_OBJECT
public:
    explicit TZAMWarteForm(QWidget* AParent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& ACaption);
    QString Text() const;
    void SetText(const QString& AText);

    void setVisible(bool AVisible) override;

public Q_SLOTS:
    // Only its caller closes the wait window.
    void reject() override {}

private:
    void Zeichnen();

    QLabel* FlblCaption;
    QLabel* FlblText;
};

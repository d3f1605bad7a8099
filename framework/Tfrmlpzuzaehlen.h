#pragma once

#include "IZAM_LagerInventurServer.h"
#include "TZAMForm.h"

#include <memory>

class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// Sets the counting date of chosen storage places of a warehouse.
class Tfrmlpzuzaehlen : public TZAMForm
{
    Q_OBJECT
public:
    explicit Tfrmlpzuzaehlen(QWidget* AParent = nullptr);
    ~Tfrmlpzuzaehlen() override;

    int Lager() const { return FLager; }
    // The warehouse whose places are listed; set before the form is shown.
    void SetLager(int ALager) { FLager = ALager; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void Laden();
    void btnZaehldatumSetzenClick();

    bool FBusy = false;
    int FLager = -1;
    std::unique_ptr<IZAM_LagerInventurServer> FServer;

    QLabel* FlblLager;
    QTreeWidget* FlvPlaetze;
    QDateEdit* FdtpZaehldatum;
    QPushButton* FbtnZaehldatumSetzen;
    QPushButton* FbtnSchliessen;
};

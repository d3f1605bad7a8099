#pragma once

#include "IZAM_LagerEditServer.h"
#include "TZAMForm.h"

#include <memory>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Lets the user pick a place of a warehouse. With the storage structure the warehouse's places
// are listed under their areas; without it the shipping staging places of the staging branch (of
// the warehouse itself for -1). Containers are offered only with the container switch.
class Tfrmlagerortauswahl : public TZAMForm
{
    Q_OBJECT
public:
    explicit Tfrmlagerortauswahl(QWidget* AParent = nullptr);
    ~Tfrmlagerortauswahl() override;

    // Set before the form is shown.
    void SetBehaelter(bool ABehaelter) { FBehaelter = ABehaelter; }
    void SetLagerstruktur(bool ALagerstruktur) { FLagerstruktur = ALagerstruktur; }
    void SetVBSFiliale(int AFiliale) { FVBSFiliale = AFiliale; }
    void SetAktLager(int ALager) { FAktLager = ALager; }

    // The place chosen with OK.
    const TZAM_Lagerort_Info& Auswahl() const { return FAuswahl; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void Laden();
    void LagerstrukturLaden();
    void VBSLaden();
    void btnOKClick();

    bool FBusy = false;
    bool FBehaelter = false;
    bool FLagerstruktur = false;
    int FVBSFiliale = -1;
    int FAktLager = -1;
    std::unique_ptr<IZAM_LagerEditServer> FServer;
    TZAM_Lagerort_Info FAuswahl;

    QTreeWidget* FlvLagerorte;
    QPushButton* FbtnOK;
    QPushButton* FbtnAbbrechen;
};

#pragma once

#include "IZAM_MandListeServer.h"
#include "TZAMForm.h"

#include <memory>

class QPushButton;
class TZAM_GPListe;

// Choice of a client (Mandant) from the clients of the merchandise-management system.
class TMandDialog : public TZAMForm
{
    Q_OBJECT
public:
    explicit TMandDialog(QWidget* AParent = nullptr);
    ~TMandDialog() override;

    // Options of the callers; kept, the choice itself does not depend on them.
    bool ShowOneMand() const { return FShowOneMand; }
    void SetShowOneMand(bool AWert) { FShowOneMand = AWert; }
    bool MandIndependent() const { return FMandIndependent; }
    void SetMandIndependent(bool AWert) { FMandIndependent = AWert; }
    bool SetZAMProgrammAktMandant() const { return FSetZAMProgrammAktMandant; }
    void SetSetZAMProgrammAktMandant(bool AWert) { FSetZAMProgrammAktMandant = AWert; }

    // The client chosen last and its name; it is preselected at the next Execute.
    TIntPair Mandant() const { return FMandant; }
    QString MandantName() const { return FMandantName; }
    void SetMandant(const TIntPair& AMandant) { FMandant = AMandant; }

    // A fixed client: the site has exactly one. Execute then takes it without showing the list
    // when ShowOneMand is off. Asks the client list on first use.
    bool FesterMandant();

    // Shows the list modally, centred on AOwner (which does not own it); true when a client was chosen.
    bool Execute(QWidget* AOwner = nullptr);

public Q_SLOTS:
    void reject() override;

private:
    void btnOKClick();

    bool FBusy = false;
    bool FShowOneMand = true;
    bool FMandIndependent = true;
    bool FSetZAMProgrammAktMandant = true;
    bool MandantenLesen();

    TIntPair FMandant;
    QString FMandantName;
    QList<TZAM_GPEintrag> FMandanten;
    bool FMandantenGelesen = false;
    std::unique_ptr<IZAM_MandListeServer> FServer;

    TZAM_GPListe* FlvMandanten;
    QPushButton* FbtnOK;
    QPushButton* FbtnAbbrechen;
};

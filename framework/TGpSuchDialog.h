#pragma once

#include "IZAM_GPListenServer.h"
#include "TZAMForm.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class TZAM_GPListe;

// Business-partner search: a part of the name or the number, a result list, OK and Abbrechen.
class TGpSuchDialog : public TZAMForm
{
    Q_OBJECT
public:
    explicit TGpSuchDialog(QWidget* AParent = nullptr);
    ~TGpSuchDialog() override;

    // The kind of partner searched (TZAM_GPArt); customers unless set.
    int GPArt() const { return FGPArt; }
    void SetGPArt(int AArt) { FGPArt = AArt; }
    // The partner chosen last; preset before Execute it is offered as the choice.
    TIntPair GepNr() const { return FGepNr; }
    void SetGepNr(const TIntPair& AGepNr) { FGepNr = AGepNr; }

    // Shows the dialog modally, centred on AOwner (which does not own it). AAlleZeigen lists every
    // partner of the kind at once. True when a partner was chosen.
    bool Execute(QWidget* AOwner, bool AAlleZeigen);

public Q_SLOTS:
    void reject() override;

private:
    void btnSuchenClick();
    void btnOKClick();
    void Suchen(const QString& AText, const TIntPair& AAuswahl);
    void KnoepfeSchalten();

    bool FBusy = false;
    int FGPArt = gpaKunde;
    TIntPair FGepNr;
    std::unique_ptr<IZAM_GPListenServer> FServer;

    QLineEdit* FedtSuche;
    QPushButton* FbtnSuchen;
    TZAM_GPListe* FlvErgebnis;
    QLabel* FlblStatus;
    QPushButton* FbtnOK;
    QPushButton* FbtnAbbrechen;
};

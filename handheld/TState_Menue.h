#pragma once

#include "IZAM_RechteServer.h"
#include "TAbstractBTNListState.h"
#include "TZAM_Aufgaben_Suchkriterien.h"
#include "TZAM_Workflow_Modus.h"
#include "TZPMDEModus_erw.h"

#include <QString>

// An entry of the handheld menu: its caption and the first state of the workflow.
struct TQIV_MenueEintrag
{
    TZPMDEModus_erw Modus;
    QString Caption;
    const TStateKlasse* AnfangsState; // null while the workflow is not built
};

// The rights a mode asks for at the log-on before its workflow starts.
struct TQIV_MenueRechte
{
    QList<TQIV_WPF_Recht> Rechte; // empty: the workflow starts at once
    bool Force = false;
};

// The handheld menu: one button per workflow, numbered for the digit keys, with the open-task
// counts of the re-sorting workflows. Shown after the start and after every workflow.
class TState_Menue : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Menue";
    explicit TState_Menue(TfrmMDE* AMaske);
    ~TState_Menue() override;

    static const QList<TQIV_MenueEintrag>& Menuetabelle();
    static TQIV_MenueRechte Rechte(TZPMDEModus_erw AModus);

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void ButtonsSchalten_Speziell() override;
    void btnZurueckClick() override;
    void btnmButtonsClick(int AButtonIndex) override;

    // The open tasks of mode 2 (branch re-sorting), 3 (customer orders) or 4 (sales-floor
    // requests); a failure is registered and the count so far answered.
    int BestellungenVorhanden(TZPMDEModus_erw AModus);
    // The current warehouse has customer staging places.
    bool KundenVBSVorhanden();
    // The timer's refresh of the counts on the buttons of modes 2 and 3.
    void AnzahlenAktualisieren();

protected:
    // The buttons of the modes afresh, numbered from 1 in their order (the options 0), with the
    // counts of modes 2 to 4.
    void KnoepfeMalen(const QList<TZPMDEModus_erw>& AModi, int AAnzahl2, int AAnzahl3, int AAnzahl4);
    // Adds the button of AModus with its number (0 for the options) and the counts of modes 2 to 4.
    void ButtonEinfuegen(TZPMDEModus_erw AModus, int ANummer, int AAnzahl2, int AAnzahl3, int AAnzahl4);

private:
    void BenutzerAnmeldungErgebnis(bool AErfolg);
    void WorkflowStarten();
    void FrageFensterGroesseOKCallback(bool AJa);
    int ListenAnzahl(TZAM_Workflow_Nachsortierung AWorkflow, TZAM_Aufgabe_GeschaeftsvorfallSet AGeschaeftsvorfaelle);
    void KundenbestellungenZaehlen(int& AAnzahl);
};

#pragma once

#include "TAbstractBTNListState.h"
#include "TZPMDEModus_erw.h"

#include <QString>

// An entry of the handheld menu: its caption and the first state of the workflow.
struct TQIV_MenueEintrag
{
    TZPMDEModus_erw Modus;
    QString Caption;
    const TStateKlasse* AnfangsState; // null while the workflow is not built
};

// The handheld menu: one button per workflow, numbered for the digit keys.
class TState_Menue : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Menue";
    using TAbstractBTNListState::TAbstractBTNListState;

    static const QList<TQIV_MenueEintrag>& Menuetabelle();

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void ButtonsSchalten_Speziell() override;
    void btnZurueckClick() override;
    void btnmButtonsClick(int AButtonIndex) override;
    bool UseNumPad() override { return true; }
};

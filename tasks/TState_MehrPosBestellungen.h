#pragma once

#include "TAbstractBTNListState.h"

// Customer orders with several tasks: the worker picks one order, or all of them.
class TState_MehrPosBestellungen : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_MehrPosBestellungen";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Nach_Anfang() override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

private:
    void Zurueck();
};

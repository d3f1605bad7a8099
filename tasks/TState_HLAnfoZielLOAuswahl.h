#pragma once

#include "TAbstractBTNListState.h"
#include "TIntTrio.h"

#include <QHash>

// The target place of the hand-store relocation: all, or one of the warehouse's wormholes that
// the chosen reason's tasks go to. Passed over when there is only one target.
class TState_HLAnfoZielLOAuswahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_HLAnfoZielLOAuswahl";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

private:
    // The chosen reason's tasks per target place, and how many were loaded.
    QHash<TIntTrio, int> FAnzahlProZiel;
    int FAnzahlZeilen = 0;
};

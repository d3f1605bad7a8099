#pragma once

#include "TAbstractBTNListState.h"
#include "TZAM_Lagerbewegung_Modus.h"

#include <QList>

// The menu of the manual movements: one button per movement, numbered in table order, each
// opening the first state of its chain with the mode in the data carrier.
class TState_ManuelleLagerbewegung : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_ManuelleLagerbewegung";
    using TAbstractBTNListState::TAbstractBTNListState;

    struct TEintrag
    {
        TZAM_Lagerbewegung_Modus Modus;
        const TStateKlasse* AnfangsState;
    };
    static const QList<TEintrag>& Tabelle();

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override { return QStringLiteral("Manuelle Lagerbewegung"); }
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;
};

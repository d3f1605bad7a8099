#pragma once

#include "TAbstractBTNListState.h"
#include "TIntTrio.h"

#include <QString>

// The first filter of the hand-store relocation: one button per replenishment reason with open
// tasks, in priority order. Old finished hand-store tasks are deleted on the way in. A pressed
// reason is locked for this handheld until the state is entered again.
class TState_HLAnfoGrund : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_HLAnfoGrund";
    using TAbstractBTNListState::TAbstractBTNListState;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

    // The designation of a reason; empty when the reason file lacks it.
    static QString GrundBezeichnung(const TIntTrio& AGrundId);
    // Deletes the finished hand-store tasks (statuses 5 to 7) whose task date lies the option's
    // days or more back; the number deleted.
    int FertigeAufgabenLoeschen();

private:
    void GruendeFuerAbsortierungErmittelnUndAnzeigen();
    QString GetKennung(const QString& AGrundText) const;

    QString FGesperrteKennung;
};

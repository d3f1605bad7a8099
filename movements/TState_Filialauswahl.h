#pragma once

#include "TAbstractBTNListState.h"

// The branch an article is booked for: one button per branch of the current warehouse (in the
// issue modes first "Automatisch", which splits the pieces by branch stock at booking time). A
// warehouse of one branch takes it without showing the state, and so does a stock receipt when
// the options name a receipt branch of the warehouse. The choice goes to the goods receipt's
// branch or to the manual movements' FFilZuordQuelle; the choice and the back button return to
// the state named in the data carrier's Filialauswahl.UrsprungsState.
class TState_Filialauswahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Filialauswahl";
    // The tag of "Automatisch".
    static constexpr int CFilialeAutomatisch = 10000;
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

    // "&" + number + " - " + name; an "&" of the name is shown, not taken as accelerator.
    static QString KnopfCaption(int ANummer, const QString& AName);

private:
    bool FuerWareneingang() const;
    // Goods go into the branch chosen here (goods receipt, stock receipt), else out of it.
    bool Hineinbuchen() const;
    bool MitAutomatisch() const;
    // The chosen branch goes to the caller's field.
    void FilialeUebernehmen(int AFilNr);
    void ZurueckZumUrsprung();
};

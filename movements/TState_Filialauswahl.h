#pragma once

#include "TAbstractBTNListState.h"

// The branch an article is booked for: one button per branch of the current warehouse. A
// warehouse of one branch takes it without showing the state. The choice (or the back button)
// returns to the state named in the data carrier's Filialauswahl.UrsprungsState.
class TState_Filialauswahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Filialauswahl";
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
    // The chosen branch goes to the caller's field.
    void FilialeUebernehmen(int AFilNr);
    void ZurueckZumUrsprung();
};

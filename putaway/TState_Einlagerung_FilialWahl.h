#pragma once

#include "TAbstractBTNListState.h"

// The target branch of branch-exchange goods, and the choice between putting away article by
// article and putting the whole document on one place.
class TState_Einlagerung_FilialWahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Einlagerung_FilialWahl";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Filialauswahl"); }
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnBtnMenuSuchenClick() override;
    void btnZurueckClick() override;

    // The font size of the branch buttons by the longest caption.
    static int Schriftgroesse(int ALaengsteCaption);

private:
    void EntscheidungKlassischeEinlagerungVsGesamtEinlagerung();
};

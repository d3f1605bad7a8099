#pragma once

#include "TAbstractBTNListState.h"

// Customer orders: the worker narrows the tasks down to one origin (and booking branch).
class TState_BelegHerkunft : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_BelegHerkunft";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void Nach_Anfang() override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

    // The chosen origin's name, "Alle Herkünfte" without one.
    static QString HerkunftName(QChar AHerkunft);

private:
    void KnoepfeMalen();
    void ZurFiliale();
};

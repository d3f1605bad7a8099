#pragma once

#include "TAbstractBTNListState.h"

#include <QDate>

// Customer orders: the worker narrows the tasks down by their task date.
class TState_AufgabenDatum : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_AufgabenDatum";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

private:
    void KnoepfeMalen();
    void EigeneAuswahl();
    void EigeneAuswahlUebernehmen(const QString& ADatum, const QString& AVergleich);
    void BereichSetzen(const QDate& AVon, const QDate& ABis);
    void Weiter();
};

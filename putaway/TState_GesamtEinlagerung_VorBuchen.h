#pragma once

#include "TAbstractMultipurposePanelState.h"

#include <QString>

// Confirms and books the whole putaway of the document onto the one place.
class TState_GesamtEinlagerung_VorBuchen : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_GesamtEinlagerung_VorBuchen";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;

    // Tests (ABuchen false) or books every grouped row onto the place; false with the service's
    // messages joined by "; ".
    bool BuchenOTesten(bool ABuchen, QString& AMeldungen);
};

#pragma once

#include "TAbstractBTNListState.h"
#include "TZAM_TriState.h"

// The start of a WE-Plus receipt: the user's scan records of an interrupted receipt are resumed
// into the cache or deleted; without records the order entry follows at once. Every start
// releases the orders of the receipt before and empties what it received.
class TQIV_State_WEPlus_ScanSatzSuche : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_ScanSatzSuche";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override { return QStringLiteral("Wareneingang PLUS"); }
    QString FussTip(bool& ALang) override;
    void btnZurueckClick() override;

private:
    void Frage_ScanSaetzteWeiterbearbeien_Callback(TZAM_TriState_Enum AAntwort);
    void Frage_ScanSaetzteWirklichLoeschen_Callback(TZAM_TriState_Enum AAntwort);
    void Meldung_ScanSaetzteEingelesen_Callback();
    void Meldung_ScanSaetzteGeloescht_Callback();
};

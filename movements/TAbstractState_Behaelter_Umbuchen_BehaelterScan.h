#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TIntPair.h"
#include "TZAM_Lagerort_Info.h"

#include <QString>

// Container rebooking, first step: the container to move. A step change of processing takes only
// a full container standing on processing; a plain rebooking no container in processing.
class TAbstractState_Behaelter_Umbuchen_BehaelterScan : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TAbstractState_Behaelter_Umbuchen_BehaelterScan";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override;
    QString Caption_Get() override { return CaptionFuer(IstWechsel()); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // A step change of processing rather than a plain rebooking.
    virtual bool IstWechsel() const = 0;

    static QString CaptionFuer(bool AWechsel);
    // The place is the warehouse's special place of the constant (its first two key numbers).
    static bool IstPlatz(const TIntTrio& AOrt, const TIntPair& APlatz) { return PairAusTrio(AOrt) == APlatz; }

private:
    void Scan(const QString& AText);
    // Empty when the container may be moved; AAuf: the place it stands on.
    QString BehaelterTest(const TZAM_Lagerort_Info& ABehaelter, TZAM_Lagerort_Info& AAuf);
};

#pragma once

#include "TAbstractDetailState.h"

// The hand-store target: the worker scans the row's target place and the pick is booked.
class TState_AnPlatzScan : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_AnPlatzScan";
    using TAbstractDetailState::TAbstractDetailState;

    // Keeps the entered quantity: this step follows the quantity.
    void StateAnfangVariablenClear() override {}
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ScanUeberspringen() override;
    int ZuFaerbendesPanel() override { return 28; }
};

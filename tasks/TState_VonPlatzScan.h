#pragma once

#include "TAbstractDetailState.h"

// The source of the row: the worker scans its place or container; the place is locked and its
// stock read again, since another worker may have taken goods from it.
class TState_VonPlatzScan : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_VonPlatzScan";
    using TAbstractDetailState::TAbstractDetailState;
    ~TState_VonPlatzScan() override;

    // The outcome of the source check.
    enum TErgebnis
    {
        veOk,
        veVerringert, // less stock than the row wants: the row takes what is there
        veWeg         // no stock left
    };

    void Vor_Anfang(bool& AWeiter) override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ScanUeberspringen() override;
    void ButtonsSchalten_Speziell() override;
    int ZuFaerbendesPanel() override;
    void btnBehaelterInfoClick() override;
    void btnBehaelterWechselClick() override;
    void btnWBSDruckClick() override;

    // Locks the source and reads its stock; false (with the foot tip) when it cannot be locked.
    bool VonLPSperren_Und_Pruefen(TErgebnis& AErgebnis);
    // Gives the source place this handheld locked back.
    void VonLPEntsperren();

    TIntTrio FGesperrterVonLP;

private:
    void Pruefen_Und_Weiter();
    bool FGesperrterIstBehaelter = false;
};

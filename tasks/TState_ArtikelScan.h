#pragma once

#include "TAbstractDetailState.h"
#include "TInt32Trio.h"

// The article of the row: scanned, typed or chosen, it must be the row's article and size. The
// worker may also report it missing (the rest of the place is booked out) or take it elsewhere.
class TState_ArtikelScan : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_ArtikelScan";
    using TAbstractDetailState::TAbstractDetailState;

    void Nach_Anfang() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ScanUeberspringen() override;
    void ArtNrHandEin_An() override;
    void BtnArtNichtGefundenClick() override;
    void BtnLPSkippenClick() override;
    void ButtonsSchalten_Speziell() override;
    int ZuFaerbendesPanel() override;
    void btnBehaelterInfoClick() override;
    void btnBehaelterWechselClick() override;
    void btnWBSDruckClick() override;

    // The highlight priority of a column in the article step: article number first.
    static int ArtikelPrioritaet(int ASpalte);

private:
    void ArtikelGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten);
    void Vergleichen(const TInt32Trio& AProduktId, int AGrInd);
};

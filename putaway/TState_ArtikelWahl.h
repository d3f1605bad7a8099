#pragma once

#include "TAbstractVRListState.h"

// The articles of the document of the chosen kind, grouped by article and customer-order
// document (and process combination for processing).
class TState_ArtikelWahl : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_ArtikelWahl";
    using TAbstractVRListState::TAbstractVRListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void KeyEnter() override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void btnZurueckClick() override;

    // Rows of the list (the previous-places and target states go back here with two or more).
    int Zeilen() const;

private:
    void VRListeAuslesen_u_Weiter(int AZeile);
};

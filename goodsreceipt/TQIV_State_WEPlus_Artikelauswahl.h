#pragma once

#include "TAbstractVRListState.h"

// The articles a quick search of the WE-Plus order entry found: the one chosen goes on to the
// order determination with every size.
class TQIV_State_WEPlus_Artikelauswahl : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_Artikelauswahl";
    using TAbstractVRListState::TAbstractVRListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Artikelauswahl"); }
    QString FussTip(bool& ALang) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;
    void ArtikelbildAnz_An() override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void vtVRListHeaderClick(int ACol) override;

private:
    void VRListe_CIN();
    void VRListe_ArtikelHinzu(const TInt32Trio& AProduktId);
    void DoArtikelbildAnz_An();
    // The product of the first selected row; empty, with the footer's warning, without one.
    TInt32Trio GewaehlterArtikel();
};

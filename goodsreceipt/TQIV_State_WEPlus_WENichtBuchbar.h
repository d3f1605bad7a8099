#pragma once

#include "TAbstractVRListState.h"
#include "TIntTrio.h"
#include "TZAM_TriState.h"

// The lines of a WE-Plus receipt that could not be posted, under one sum row: posted again or
// deleted one by one (the scan record and its lines of the cache).
class TQIV_State_WEPlus_WENichtBuchbar : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_WENichtBuchbar";
    // Posts the receipt's captured lines under the wait window (an empty cache counts as
    // posted). Posted: the cache is emptied and the receipt ends with the search for records;
    // false when lines were refused (they stay, FehlerInfos names them).
    static bool WareneingangBuchen(TAbstractState* AState);
    using TAbstractVRListState::TAbstractVRListState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Nicht buchare Artikel"); }
    QString FussTip(bool& ALang) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;
    void ZeileLoeschenClick() override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void vtVRListHeaderClick(int ACol) override;

private:
    void VRListe_CIN();
    void VRListe_AlleFehlerHinzu();
    void VRListe_FehlerGruppieren();
    void Frage_DatenZuZeileLoeschen_Callback(TZAM_TriState_Enum AAntwort);
    void MarkierteZeile_Und_DatenLoeschen();
    bool DatenAusScanfileUndCacheLoeschen(const TIntTrio& AScanIdent);
    void Summieren();
    void Meldung_ErgebnisProblemWareneingang();
    void Meldung_ErgebnisAnzeigeFehler(const TVTVRKnoten& ANode);
};

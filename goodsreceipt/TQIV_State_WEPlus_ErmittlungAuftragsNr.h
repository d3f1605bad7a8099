#pragma once

#include "TAbstractDoppelVRListState.h"
#include "TIntPairList.h"
#include "TIntTrioList.h"
#include "TQIV_Dispo_Info.h"

#include <memory>
#include <optional>

// The order determination of a WE-Plus receipt: the worker scans delivered pieces; the lower list
// shows the open orders and dispositions without order that can take all of them, and the one
// clicked (or the only one left) is locked and received.
class TQIV_State_WEPlus_ErmittlungAuftragsNr : public TAbstractDoppelVRListState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_ErmittlungAuftragsNr";
    explicit TQIV_State_WEPlus_ErmittlungAuftragsNr(TfrmMDE* AMaske);
    ~TQIV_State_WEPlus_ErmittlungAuftragsNr() override;

    // Activates the determination; with a defined product it starts with that article (size -1:
    // every size).
    static void Aktivieren(TfrmMDE* AMaske, const TInt32Trio& AProduktId, int AGrInd);

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Ermittlung Auftragsnummer"); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;
    void ArtikelbildAnz_An() override;
    void vtVRListObenColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void vtVRListUntenColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;

    // One scanned piece; only when AOk.
    void Gescannt_Artikel(bool AOk, const TInt32Trio& AProduktId, int AGrInd);

private:
    void AuftragOderDispoAusgewaehlt();
    void VRListeOben_ArtikelHinzu(const TInt32Trio& AProduktId, int AGrInd);
    // The first row of the product in that size (compared as a signed byte), or in any size.
    int VRListeOben_ZeileSuchen(const TInt32Trio& AProduktId, std::optional<int> AGrInd) const;
    bool VRListeUnten_AuftragHinzu(const TInt32Trio& AProduktId, int AGrInd);
    // The candidates that can take the rows of the article list (only the row ANurZeile when it is
    // not -1): the orders and dispositions whose open pieces reach each row's count.
    void Kandidaten_Eingrenzen(TIntPairList& AAuftraege, TIntTrioList& ADispos, int ANurZeile);
    // The rows of the candidates' open dispositions: read anew, or those of the list kept.
    void VRListeUnten_Fuellen(const TIntPairList& AAuftraege, const TIntTrioList& ADispos, bool ANeuLesen);
    void VRListeUnten_DispoHinzu(const TQIV_DispoWE_Info& AD);
    void GruppierteAuftragsliste_Get();
    void GroupMethodMinLTM(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int, int ASpalte);
    void GroupMethodMaxLTM(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int, int ASpalte);
    void LTM_Aus_LTMMinUMax(const TVRList&, int, TVRList& AZiel, int AZielZeile, int, int ASpalte);
    void VRListen_CIN();
    void DoArtikelbildAnz_An(const TVTVRKnoten& ANode);
    // What this state had chosen and locked is released and forgotten.
    void AuswahlEntsperren();
    void Tip_Standard();

    // The order list's dates in texts: "dd.MM.yy" in a range, "dd.MM." beside a disposition.
    const QString FShortFormatSettings;
    const QString FVeryShortFormatSettings;
    std::unique_ptr<TVRList> FGrupperteAuftragsliste;
    TIntPair FEindeutigeAuftrNr;
    TQIV_Dispo_Info FEindeutigeDIOhneAuftr;
    TQIV_Dispo_Info FEinzelneDispo; // the single disposition without order of the last narrowing
};

#pragma once

#include "TAbstractVRListState.h"
#include "TInt32Trio.h"

// The putaway's first step: the incoming documents of the warehouse (the goods slips of its
// branches, its notices and external-number documents, and in goods-receipt modes 2 and 4 the
// articles lying on its goods-receipt place). The worker taps or scans one.
class TState_EingangsBelegWahl : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_EingangsBelegWahl";
    using TAbstractVRListState::TAbstractVRListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Einlagerung"); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void KeyEnter() override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void btnVRListAktualisierenClick() override;
    void btnZurueckClick() override;

    // Goods-receipt modes 2 and 4: articles on the goods-receipt place may be chosen.
    static bool ArtikelWaehlbar();

private:
    void Laden();
    void ZeileAuslesen_U_Weiter();
    void BelegScan(const QString& AText);
    // An article scanned or newly assigned: put away from the goods-receipt place when it lies there.
    void ArtikelVomWEPlatz(const TInt32Trio& AProduktId);
    // The slip's content flags from the loaded movements.
    void WBSInhaltMerken();
};

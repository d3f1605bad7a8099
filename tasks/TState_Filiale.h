#pragma once

#include "TAbstractBTNListState.h"
#include "TZAM_BtnMenuItem.h"

#include <QString>

// The first filter of branch re-sorting and customer orders: one button per branch (and breakdown
// category when the processing order splits them) with its open tasks. A pressed branch is
// locked for this handheld (other handhelds see who works it) until the state is entered again.
class TState_Filiale : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Filiale";
    using TAbstractBTNListState::TAbstractBTNListState;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;
    void btnBtnMenuSuchenClick() override;

    // The lock key of a business case (or, with split buttons, of a breakdown category).
    QString GetKennung(int AGeschaeftsvorfall, int AKategorie, bool AGesondert) const;
    // The left caption of a branch button before the holder line, the accelerator included.
    static QString KnopfCaption(int ANummer, const QString& AName, const QString& AKategorieText, bool AGesondert,
                                int ARechtsLaenge, bool AMitKuerzel);

private:
    // Builds the buttons afresh (the branch filter included).
    void FilialenFuerAbsortierungErmitteln_NeueLogik();
    void KnopfHinzu(int AFiliale, int AKategorie, int AAnzahl);
    void SchriftgroesseEinstellen();
    bool Gesondert() const;

    // The branch lock this handheld took with its last button, released on entering again.
    int FGesperrteFiliale = -1;
    QString FGesperrteKennung;
};

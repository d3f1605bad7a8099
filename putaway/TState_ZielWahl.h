#pragma once

#include "TAbstractBTNListState.h"

// The kind of goods of the document to handle: one button per kind with goods, with its pieces.
class TState_ZielWahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_ZielWahl";
    using TAbstractBTNListState::TAbstractBTNListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override { return QStringLiteral("Ware bearbeiten für ..."); }
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

    // Loads the document's movements of the kind set and sums them per kind; false when none
    // were loaded.
    bool Ziele_Ermitteln(int AArtenSet);
    // Sums the loaded movements per kind and the branch-exchange pieces per target branch.
    void ZieleUndFilialenErmitteln();

    int FVersandAnz = 0;
    int FFAFuerKubeAnz = 0;
    int FEinlagerungAnz = 0;
    int FBearbeitungAnz = 0;
    int FBewLadenPersoAuswahl = 30;
};

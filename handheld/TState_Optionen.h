#pragma once

#include "TAbstractState.h"
#include "TQIV_Optionen_OBMDE.h"

class QWidget;
class TQIV_OptionenSeiten;

// The handheld options: the pages on pnlConfig show the screen's options; F5 stores what the
// pages hold, back leaves without storing. The screen forces this state while no warehouse is set.
class TState_Optionen : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TState_Optionen";
    using TAbstractState::TAbstractState;
    ~TState_Optionen() override;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QWidget* ActivePanel() override;
    QString FussTip(bool& ALang) override;
    void btnZurueckClick() override;
    void btnBuchenClick() override;
    void cmbGroesseChange() override;

private:
    TQIV_OptionenSeiten& Seiten() const;
    void Maske_Vorbereiten();
    void Optionen_2_Maske(const TQIV_Optionen_OBMDE& AOptionen);
    // The pages read back into AOptionen; false with the page and its warning when a check fails.
    bool Optionen_Auslesen(TQIV_Optionen_OBMDE& AOptionen);
    // Shows the page of AControl with a long warning footer; answers false.
    bool Warnung(QWidget* AControl, const QString& AText);
};

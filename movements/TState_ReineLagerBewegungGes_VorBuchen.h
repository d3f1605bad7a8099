#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TIntTrioList.h"

#include <QString>

class TVRList;

// Whole bin, last step: books the source's whole content onto the target with the disk button,
// the loose goods and every container standing on it in one booking, whole or not at all.
class TState_ReineLagerBewegungGes_VorBuchen : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_ReineLagerBewegungGes_VorBuchen";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;

    // Moves the rows standing for containers (no product) out of the content list into ABehaelter.
    static void ListeAufteilen(TVRList& AListe, TIntTrioList& ABehaelter);

private:
    void Buchen();
    // What is left on the source after a booking that did not move everything; AGrund: the
    // reasons of a refused booking, shown in the footer afterwards (empty: the booking was stored).
    void RestbestandAnzeigen(const QString& AGrund);
};

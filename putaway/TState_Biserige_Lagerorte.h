#pragma once

#include "TAbstractVRListState.h"
#include "TIntTrio.h"

// The places where the article lies already; routes customer goods to their staging place,
// one-way container, picking container or the warehouse's shipping staging place. A scanned
// admissible place opens the target list.
class TState_Biserige_Lagerorte : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_Biserige_Lagerorte";
    using TAbstractVRListState::TAbstractVRListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // A scan of a place as this state takes it (also from the routing states): an admissible
    // place opens the target list with the scan; false, with the footer's warning, otherwise.
    bool LagerortScan(const QString& AText);

private:
    // Where the goods must go; false when the state is shown.
    bool Routing();
    // Back mode: the staging place or container of the position loses its assignment when empty.
    void Zuordnungen_Leerer_Ziele_Loeschen();
    void Zurueck();
};

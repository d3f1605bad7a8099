#pragma once

#include "IZAM_WegeOptEditServer.h"
#include "TAbstractBTNListState.h"

#include <QHash>
#include <QList>
#include <memory>

class TZAM_LaufwegVerbotDict;

// The walking route the pick list is ordered by: one button per route template of the warehouse.
// Owns the run's prohibition dictionary (the places a worker skipped per article).
class TState_Laufwege : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_Laufwege";
    explicit TState_Laufwege(TfrmMDE* AMaske);
    ~TState_Laufwege() override;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

private:
    // The templates of the warehouse, read once per warehouse.
    const QList<TZAM_Laufweg>& Laufwege(int ALager);

    std::unique_ptr<TZAM_LaufwegVerbotDict> FLaufwegVerbotDict;
    QHash<int, QList<TZAM_Laufweg>> FLaufwegeCache;
};

#pragma once

#include "TAbstractBTNListState.h"
#include "TIntTrioList.h"
#include "TQIV_AufgabenZaehlung.h"

#include <QStringList>
#include <memory>

// Customer orders: the worker chooses orders by their number of tasks (one, several, those that
// fit a trolley, those complete in the warehouse). Owns the order lists of the data carrier.
class TState_AufgPosAnzahl : public TAbstractBTNListState
{
public:
    static constexpr const char* CKlassenName = "TState_AufgPosAnzahl";
    explicit TState_AufgPosAnzahl(TfrmMDE* AMaske);
    ~TState_AufgPosAnzahl() override;

    void Vor_Anfang(bool& AWeiter) override;
    void Nach_Anfang() override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnmButtonsClick(int AButtonIndex) override;
    void btnZurueckClick() override;

private:
    void KnoepfeMalen();
    // The trolley's tasks are given back once its run is over.
    void WagenAufgabenEntsperren();
    void Zurueck();

    std::unique_ptr<TQIV_IntTrio_Int_List> FEinPosBestList;
    std::unique_ptr<TIntTrioList> FMehrPosBestList;
    std::unique_ptr<TQIV_BelegInfo_4_Kennung_U_Text_Dict> FMehrPosBestDict;
    std::unique_ptr<TQIV_Kennung_Text_Datum_List> FMehrPosBestKeyList;
    std::unique_ptr<TIntTrioList> FKomplettImLagerList;
    std::unique_ptr<TIntTrioList> FWagenBestSammelList;
    std::unique_ptr<QStringList> FWagenProblemList;
};

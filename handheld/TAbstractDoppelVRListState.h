#pragma once

#include "TAbstractState.h"

#include <memory>

// A state on the two lists.
class TAbstractDoppelVRListState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractDoppelVRListState";
    explicit TAbstractDoppelVRListState(TfrmMDE* AMaske);
    ~TAbstractDoppelVRListState() override;

    QWidget* ActivePanel() override;
    virtual void NummernBlockEingabe_2_Liste(TVTVRList* AListe, int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                             const TVTVRKnoten& ANode);
    virtual void NummernBlockEingabeOben_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                 const TVTVRKnoten& ANode);
    virtual void NummernBlockEingabeUnten_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                                  const TVTVRKnoten& ANode);
    void KeyBackSpace_2_Liste(TVTVRList* AListe, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode);
    void TVTVRList_GroesseAnpassen(TVTVRList* AListe, int AFontSize);
    void TVTVRListOben_GroesseAnpassen(int AFontSize);
    void TVTVRListUnten_GroesseAnpassen(int AFontSize);

protected:
    std::unique_ptr<TVRList> FVRListeOben;
    std::unique_ptr<TVRList> FVRListeUnten;
};

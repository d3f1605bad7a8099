#pragma once

#include "TAbstractState.h"

#include <memory>

// A state on the single list.
class TAbstractVRListState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractVRListState";
    explicit TAbstractVRListState(TfrmMDE* AMaske);
    ~TAbstractVRListState() override;

    QWidget* ActivePanel() override;
    // Numeric entry into the value column of a node: the first digit replaces the value, the
    // following ones append; a digit that would take it above 99999 is ignored with the warning.
    virtual void NummernBlockEingabe_2_Liste(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                             const TVTVRKnoten& ANode);
    int NummernBlockEingabe_2_Liste_NeuerWert(int AZiffer, int AWertSpalte, int AEditiertSpalte,
                                              const TVTVRKnoten& ANode);
    void KeyBackSpace_2_Liste(int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode);
    void TVTVRList_GroesseAnpassen(int AFontSize);
    // Sorts the list by a column and shows it fully expanded; the sort is remembered.
    void Sortieren(int ACol, bool AAbsteigend);
    // A header click: by that column ascending, or descending when it is sorted so already.
    void SpalteUmsortieren(int ACol) { Sortieren(ACol, ACol == FSortSpalte && !FSortAbsteigend); }

protected:
    std::unique_ptr<TVRList> FVRListe;

private:
    int FSortSpalte = -1;
    bool FSortAbsteigend = false;
};

#pragma once

#include "TAbstractState.h"
#include "TZAM_TriState.h"

// The common base of the WE-Plus states that fix what is received and capture it: whether the
// goods come sorted by article or unsorted.
class TQIV_State_WEPlus_AbstractState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_AbstractState";
    using TAbstractState::TAbstractState;

    // A defined answer sets WEPlus.Sortimentsweise (yes: sorted by article).
    virtual void Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort, bool AAntwortDurchUser);
    // The answers of the start message: after goods were captured, and for the first piece (or a
    // continuation of one article, which has no OK button).
    virtual void Meldung_ArtikelScannen_Callback(TZAM_TriState_Enum AAntwort) {}
    virtual void Meldung_ArtikelScannen_ErsterArtikel_Callback(TZAM_TriState_Enum AAntwort) {}
    // Labels of the current article not yet printed; then the answer of the option, or the
    // question when the option asks.
    void SicherheitsAbfrage_Sortimentsweise();
    // The start message of a capture state: what is received, and once goods are captured the OK
    // button that leads to posting. A scan closes it and is processed.
    void Meldung_ArtikelScannen();
    // The header of a capture state: the order(s), the disposition without order, or the article
    // a continuation captures.
    QString ArtikelScannen_Caption();

protected:
    // The piece-wise continuation of one sorted article.
    virtual bool IstWeiterarbeit() const { return false; }
};

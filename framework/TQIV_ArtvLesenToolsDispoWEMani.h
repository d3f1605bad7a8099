#pragma once

#include "TIntPairList.h"
#include "TIntTrioList.h"
#include "TQIV_DispoWE_Info.h"

#include <memory>

class IZAM_DispoServer;

// The goods-receipt disposition manager: the open dispositions of an order or of one disposition,
// read through IZAM_DispoServer. A disposition is open while it is not closed and one of its
// positions still has pieces open (planned - received, never below 0, per size).
//
// AAuftrFiliale filters the positions by their order branch. ANurOffenePositionen true leaves out
// positions with nothing open; false keeps every position of an open disposition (with what is
// open of it, possibly nothing). The 0 passed before the branch filters nothing. The answers
// replace ADispos; true when it is not empty. An unknown order or disposition answers false.
class TQIV_ArtvLesenToolsDispoWEMani
{
public:
    TQIV_ArtvLesenToolsDispoWEMani();
    ~TQIV_ArtvLesenToolsDispoWEMani();

    bool OffeneDispos_4_AuftragsNr(const TIntPair& AAuftragsNr, int ANull, qint16 AAuftrFiliale,
                                   bool ANurOffenePositionen, QList<TQIV_DispoWE_Info>& ADispos);
    bool OffeneDispos_4_VorgId(const TIntTrio& AVorgId, int ANull, qint16 AAuftrFiliale, bool ANurOffenePositionen,
                               QList<TQIV_DispoWE_Info>& ADispos);
    // The answers of the two above for every order, then every disposition, each asked for every
    // order branch in turn, appended in that order; read at once. A defined product leaves out the
    // dispositions of other products. True when something was appended.
    bool OffeneDispos_4_Schluessel(const TIntPairList& AAuftragsNrN, const TIntTrioList& AVorgIds,
                                   const QList<int>& AAuftrFilialen, bool ANurOffenePositionen,
                                   const TInt32Trio& AProduktId, QList<TQIV_DispoWE_Info>& ADispos);
    // The order branch of the disposition's position for the target branch; -1 when none.
    qint16 AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale);
    // The orders (ascending) and the dispositions without order (ascending) that are open for the
    // product in a size (-1 or 100: any size) for positions of the order branch; both replaced.
    void Offene_4_Produkt(const TInt32Trio& AProduktId, int AGrIdx, qint16 AAuftrFiliale, TIntPairList& AAuftragsNrN,
                          TIntTrioList& AOhneAuftrag);

    // The order of the house's own order number: the text trimmed must equal a stored one exactly;
    // anything else gives an undefined key.
    TIntPair AuftragsNr_4_EigeneAuftragsNr(const QString& AText);

private:
    IZAM_DispoServer& Server();
    std::unique_ptr<IZAM_DispoServer> FServer;
};

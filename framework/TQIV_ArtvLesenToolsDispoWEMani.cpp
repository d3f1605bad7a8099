#include "TQIV_ArtvLesenToolsDispoWEMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DispoServer.h"

TQIV_ArtvLesenToolsDispoWEMani::TQIV_ArtvLesenToolsDispoWEMani() = default;
TQIV_ArtvLesenToolsDispoWEMani::~TQIV_ArtvLesenToolsDispoWEMani() = default;

bool TQIV_ArtvLesenToolsDispoWEMani::OffeneDispos_4_AuftragsNr(const TIntPair&, int, qint16, bool,
                                                               QList<TQIV_DispoWE_Info>& ADispos)
{
    ADispos.clear();
    return false;
}

bool TQIV_ArtvLesenToolsDispoWEMani::OffeneDispos_4_VorgId(const TIntTrio&, int, qint16, bool,
                                                           QList<TQIV_DispoWE_Info>& ADispos)
{
    ADispos.clear();
    return false;
}

qint16 TQIV_ArtvLesenToolsDispoWEMani::AuftrFiliale_4_IdUndAnFil(const TIntTrio&, qint16)
{
    return -1;
}

void TQIV_ArtvLesenToolsDispoWEMani::Offene_4_Produkt(const TInt32Trio&, int, qint16, TIntPairList& AAuftragsNrN,
                                                      TIntTrioList& AOhneAuftrag)
{
    AAuftragsNrN.clear();
    AOhneAuftrag.clear();
}

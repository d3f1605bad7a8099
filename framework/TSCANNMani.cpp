#include "TSCANNMani.h"

#include "IZAM_ScannServer.h"
#include "TVRList.h"

TSCANNMani::TSCANNMani() : FListe(std::make_unique<TVRList>()) {}
TSCANNMani::~TSCANNMani() = default;

TIntTrio TSCANNMani::BuchenSingle(int, const TScanCode&, const TIntPair&, qint16)
{
    return {};
}

void TSCANNMani::SelectAndAdd(const TSCANSelectRec&, int) {}

bool TSCANNMani::WEPlusExists(const TIntPair&)
{
    return false;
}

void TSCANNMani::WEPLusLoeschen(const TIntPair&) {}

TVRList& TSCANNMani::Liste()
{
    return *FListe;
}

bool TSCANNMani::ListeAuswahl(TSCANSelectRec& AAuswahl) const
{
    AAuswahl = FAuswahl;
    return FHatAuswahl;
}

#include "TQIV_ArtLesSimple.h"

#include "IZAM_ArtikelServer.h"

TQIV_ArtLesSimple::TQIV_ArtLesSimple() = default;
TQIV_ArtLesSimple::~TQIV_ArtLesSimple() = default;

void TQIV_ArtLesSimple::Einstellungen_Setzen(const TQIV_ArtLesEinstellungen& AEinstellungen)
{
    FEinstellungen = AEinstellungen;
}

bool TQIV_ArtLesSimple::Positionieren(const TInt32Trio&)
{
    FGefunden = false;
    return false;
}

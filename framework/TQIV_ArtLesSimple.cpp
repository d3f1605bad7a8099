#include "TQIV_ArtLesSimple.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"

TQIV_ArtLesSimple::TQIV_ArtLesSimple() = default;
TQIV_ArtLesSimple::~TQIV_ArtLesSimple() = default;

IZAM_ArtikelServer& TQIV_ArtLesSimple::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>();
    return *FServer;
}

void TQIV_ArtLesSimple::Einstellungen_Setzen(const TQIV_ArtLesEinstellungen& AEinstellungen)
{
    FEinstellungen = AEinstellungen;
}

bool TQIV_ArtLesSimple::Positionieren(const TInt32Trio& AProduktId)
{
    // A failed read leaves the reader on nothing as well.
    FGefunden = false;
    FEtikettenAnzahl = 0;
    FEtikettenLayout.clear();
    TZAM_ArtikelWEDaten daten;
    if (!AProduktId.Defined() || !Server().WEDaten_Lesen(AProduktId, daten))
        return false;
    FGefunden = true;
    if (FEinstellungen.MitEtiketten) {
        FEtikettenAnzahl = daten.EtikettenAnzahl;
        FEtikettenLayout = daten.EtikettenLayout;
    }
    return true;
}

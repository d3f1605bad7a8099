#include "TRVRTab.h"

#include "Glob_WWSServerFactoryClass.h"

void TRVRTab::Laden(int ATabellenArt)
{
    FKreise = Glob_WWSServerFactoryClass().Create<IZAM_NummernkreisServer>()->Kreise(ATabellenArt);
}

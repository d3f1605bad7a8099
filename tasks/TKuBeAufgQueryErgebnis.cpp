#include "TKuBeAufgQueryErgebnis.h"

#include "TZAM_Hausregel.h"

void TKuBeAufgQueryErgebnis::Clear()
{
    TZAM_Hausregel::OhneBusy(
        "TKuBeAufgQueryErgebnis.Clear", [&] { *this = TKuBeAufgQueryErgebnis(); }, false);
}

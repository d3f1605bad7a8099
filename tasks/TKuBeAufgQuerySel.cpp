#include "TKuBeAufgQuerySel.h"

#include "TZAM_Hausregel.h"

void TKuBeAufgQuerySel::Clear()
{
    TZAM_Hausregel::OhneBusy(
        "TKuBeAufgQuerySel.Clear",
        [&] {
            AufgabeArt = 0;
            Anlagedatum.ClearEmpty();
            Bearbeitungsdatum.ClearEmpty();
            GV = 0;
            Status = 0;
            FilNrVon.clear();
        },
        false);
}

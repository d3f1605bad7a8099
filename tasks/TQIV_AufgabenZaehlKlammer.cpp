#include "TQIV_AufgabenZaehlKlammer.h"

#include "TDM_Torvik.h"
#include "ZAMAufgabenCodes.h"

namespace {
bool GleicherZeitraum(const TQIV_VonBisDatum& A, const TQIV_VonBisDatum& B)
{
    return A.Von == B.Von && A.Bis == B.Bis;
}

// The rows of AVorrat hold those of ASel: the same selection, and its business cases unrestricted
// or among AVorrat's.
bool Enthaelt(const TKuBeAufgQuerySel& AVorrat, const TKuBeAufgQuerySel& ASel)
{
    return AVorrat.AufgabeArt == ASel.AufgabeArt && AVorrat.Status == ASel.Status &&
           AVorrat.FilNrVon == ASel.FilNrVon && GleicherZeitraum(AVorrat.Anlagedatum, ASel.Anlagedatum) &&
           GleicherZeitraum(AVorrat.Bearbeitungsdatum, ASel.Bearbeitungsdatum) &&
           (AVorrat.GV == 0 || (ASel.GV != 0 && (ASel.GV & ~AVorrat.GV) == 0));
}
} // namespace

TQIV_AufgabenZaehlKlammer::TQIV_AufgabenZaehlKlammer(TDM_Torvik& ADM) : FDM(ADM), FAeussere(ADM.AufgabenZaehlKlammer())
{
    FDM.AufgabenZaehlKlammer_Setzen(this);
}

TQIV_AufgabenZaehlKlammer::~TQIV_AufgabenZaehlKlammer()
{
    FDM.AufgabenZaehlKlammer_Setzen(FAeussere);
}

TQIV_AufgabenZaehlKlammer::TZeilen TQIV_AufgabenZaehlKlammer::Zeilen(const TKuBeAufgQuerySel& ASel,
                                                                     const std::function<TZeilen()>& ALesen)
{
    for (const TVorrat& v : FVorraete) {
        if (!Enthaelt(v.Sel, ASel))
            continue;
        if (v.Sel.GV == ASel.GV)
            return v.Zeilen;
        TZeilen zeilen;
        for (const TKuBeAufgQueryErgebnis& e : v.Zeilen) {
            const int gv = Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(e.AufgabenGV);
            if (gv >= 0 && (ASel.GV & ZAMSetBit(gv)))
                zeilen << e;
        }
        return zeilen;
    }
    FVorraete << TVorrat{ASel, ALesen()};
    return FVorraete.last().Zeilen;
}

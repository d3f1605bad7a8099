#include "TQIV_Dispo_Info.h"

#include <algorithm>

TQIV_Dispo_Info TQIV_Dispo_Info::Aus_DispoWE_Info(const TQIV_DispoWE_Info& AInfo, int AIndex)
{
    TQIV_Dispo_Info d;
    d.ProduktID = AInfo.ProduktID;
    d.Vorgang = AInfo.Vorgang;
    d.VorgangTyp = AInfo.VorgangTyp;
    d.Preis = AInfo.Preis;
    d.Nummern = AInfo.Nummern;
    d.Menge.VorgTyp = AInfo.BewTyp;
    d.Menge.AuftrNr = AInfo.AuftragsNr;
    if (AIndex >= 0 && AIndex < AInfo.Filialen.size())
        d.Menge.FilialeMenge = AInfo.Filialen.at(AIndex);
    return d;
}

void TQIV_Dispo_Info_List::Sortieren()
{
    std::stable_sort(begin(), end(), [](const TQIV_Dispo_Info& A, const TQIV_Dispo_Info& B) {
        return A.Menge.ZielTyp > B.Menge.ZielTyp;
    });
}

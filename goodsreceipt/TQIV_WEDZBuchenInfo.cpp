#include "TQIV_WEDZBuchenInfo.h"

#include <algorithm>
#include <tuple>

void TQIV_WEDZBuchenInfo_List::Sortieren()
{
    // QString's order is that of the UTF-16 code units: ordinal.
    auto schluessel = [](const TQIV_WEDZBuchenInfo& i) {
        return std::tie(i.LagerplatzId, i.ProduktId, i.DispoId, i.LieferscheinNr, i.Filiale, i.ExtVerw);
    };
    std::stable_sort(begin(), end(), [&](const TQIV_WEDZBuchenInfo& a, const TQIV_WEDZBuchenInfo& b) {
        return schluessel(a) < schluessel(b);
    });
}

void TQIV_DispoDaten_List::Sortieren()
{
    // Smaller ranks first: 0 customer-order share in the warehouse, 1 share outside, 2 ordinary
    // outside, 3 ordinary in the warehouse.
    auto rang = [](const TQIV_DispoDaten_Rec& d) {
        return d.EnthaeltKuBe ? (d.FilIstImLager ? 0 : 1) : (d.FilIstImLager ? 3 : 2);
    };
    std::stable_sort(begin(), end(), [&](const TQIV_DispoDaten_Rec& a, const TQIV_DispoDaten_Rec& b) {
        return std::pair(rang(a), a.LTMDiff) < std::pair(rang(b), b.LTMDiff);
    });
}

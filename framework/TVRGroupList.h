#pragma once

#include "TVRList.h"

#include <functional>
#include <vector>

// What fills a cell of a group row from the group's source rows. Callers pass these numbers.
enum TVRGroupFunktion : int {
    gfSumme = 0,       // integer or double column; null counts as 0
    gfAnzahl = 1,      // number of source rows; integer column
    gfErsterWert = 2,  // the first source row's cell in sorted order
    gfMinimum = 3,     // smallest non-null cell in the column's sort order
    gfMaximum = 4,     // largest non-null cell
    gfLetzterWert = 5, // the last source row's cell
    gfMethode = 6      // a group method, called once per source row
};

// Called while a group row is built: (source list, source row, target list, target row, target
// level, column). The source row indexes the list given to CreateGroupedVRList; the target row is
// the group row; the level is the index of the group in the TVRGroupList.
using TVRGroupMethode = std::function<void(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel,
                                           int AZielZeile, int AZielEbene, int ASpalte)>;

// Binds a method to its object, for gfMethode entries.
template <class T>
TVRGroupMethode VRGroupMethode(T* AObjekt, void (T::*AMethode)(const TVRList&, int, TVRList&, int, int, int))
{
    return [AObjekt, AMethode](const TVRList& q, int qz, TVRList& z, int zz, int e, int s) {
        (AObjekt->*AMethode)(q, qz, z, zz, e, s);
    };
}

struct TVRGroupFunktionEintrag
{
    int Column = 0;
    TVRGroupFunktion Funktion = gfErsterWert;
    TVRGroupMethode Methode; // gfMethode only
};

// One grouping level: the rows are sorted by Spalten; each run of equal values there is one group.
struct TVRGroup
{
    TVRSortList Spalten;
    std::vector<TVRGroupFunktionEintrag> Funktionen;

    void SpalteAdd(int ACol, TVRSortRichtung ADirection = srAufsteigend) { Spalten.push_back({ACol, ADirection}); }
    void FunktionAdd(int ACol, TVRGroupFunktion AFunktion, TVRGroupMethode AMethode = {})
    {
        Funktionen.push_back({ACol, AFunktion, std::move(AMethode)});
    }
};

// The levels of a grouping. Level i+1 groups the source rows of each group of level i.
class TVRGroupList
{
public:
    TVRGroup& GroupAdd();
    int Count() const { return int(FGroups.size()); }
    const TVRGroup& Group(int AIndex) const;
    TVRGroup& Group(int AIndex);
    void Clear() { FGroups.clear(); }

private:
    std::vector<TVRGroup> FGroups;
};

#pragma once

#include "TVRItem.h"

#include <QList>
#include <QString>

// A column of the storage-information lists (place content, article over places): 1..20.
// 0 stands for none (and is the lists' group column, never chosen).
using TSucheListeColErw = int;
inline constexpr TSucheListeColErw CSucheListeCol_Keine = 0;
inline constexpr TSucheListeColErw CSucheListeCol_Letzte = 20;

struct TSucheListeColInfo
{
    QString Caption;
    TVRValueType Typ = vrtString;
    int Breite = 60;
    bool Verwendbar = true; // may be chosen for display
    QString Kuerzel;        // stored form of the column in option lists
};

// The framework's catalogue of the search-list columns 1..20; raises for any other number.
const TSucheListeColInfo& CQIV_SucheListeCols(TSucheListeColErw ASpalte);
// The columns a place list can show, and the 14 of the article list, each in display order.
const QList<TSucheListeColErw>& CSucheListeColLO();
const QList<TSucheListeColErw>& CSucheListeColArt();
// The empty code stands for CSucheListeCol_Keine; raises for a number outside 0..20.
QString CZAM_SucheListeCols_2_Kuerzel(TSucheListeColErw ASpalte);
// CSucheListeCol_Keine for an unknown code.
TSucheListeColErw Kuerzel2SucheListeCols(const QString& AKuerzel);

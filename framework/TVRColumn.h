#pragma once

#include "TVRItem.h"

#include <QString>
#include <Qt>
#include <functional>

// Sort order of cells: negative, 0 or positive like TVRItem::Vergleichen.
using TVRVergleich = std::function<int(const TVRItem& A, const TVRItem& B)>;

// A column of a VR list: caption and value type, the rest are display settings.
struct TVRColumn
{
    QString Caption;
    TVRValueType ValueType = vrtString;
    int Width = 80;
    bool Visible = true;
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int Nachkommastellen = -1; // doubles: -1 for the shortest exact form
    QString Anzeigeformat;     // "%n": numbers as German number text with two decimals
    bool Sortierbar = true;
    TVRVergleich Vergleich;    // empty: TVRItem::Vergleichen
};

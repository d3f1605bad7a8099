#pragma once

#include "TIntPair.h"
#include "TIntTrio.h"

#include <QString>

// Reads a scanned text as an incoming document of the putaway: a goods-receipt notice (18
// characters: its 17-digit key; or 24 characters ending in "00": the key and, in characters 18 to
// 21, the notice's branch) or a goods slip (22 characters whose characters 14 to 21 are "11111111"
// or "12000000": the first 13 are the slip's key). False for anything else, an unreadable key
// included; the outs are then empty (keys null, branch -1), as they are for the kind not read.
bool Barcode_Auf_EinlagerungsBeleg(const QString& AText, TIntTrio& AWEAvisId, qint16& AWEAvisFiliale, TIntPair& AWBSId);

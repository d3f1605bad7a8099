#pragma once

#include "TIntTrio.h"

#include <QList>
#include <QString>

// The key of a delivery: the scan records that make it up, by their identifiers.
struct TZAM_LieferungKey
{
    QList<TIntTrio> ScanIdents;
};

void LieferungKeyClear(TZAM_LieferungKey& AKey);
// Text form: the identifiers in display form ("1-0-17"), in order, separated by ";" with nothing
// before, between or after them; the empty key is the empty text. Example: "1-0-17;1-0-18".
QString LieferungKeyToStr(const TZAM_LieferungKey& AKey);
// Reads the text form. The identifiers read up to the first part that is no identifier make the
// key; ARest is the text from that part on (with the separator before it), empty when the whole
// text was read. Never raises.
void StrToLieferungKey(const QString& AText, TZAM_LieferungKey& AKey, QString& ARest);

#pragma once

#include "IZAM_Server.h"

#include <QList>
#include <QString>

// One number range of a table kind: its number (the decimal prefix of the keys it hands out), its
// kind byte and the record type it serves.
struct TZAM_Nummernkreis
{
    int Nummer = 0;
    quint8 Art = 0;
    int SatzTyp = 0;

    bool operator==(const TZAM_Nummernkreis&) const = default;
};

// The framework's number ranges (zam_nummernkreis) and the record types its objects know
// (zam_objekt_satztyp).
class IZAM_NummernkreisServer : public IZAM_Server
{
public:
    // The ranges of the table kind in their stored order (then by number).
    virtual QList<TZAM_Nummernkreis> Kreise(int ATabellenArt) = 0;
    // True when the object (exact name) knows the record type.
    virtual bool ObjektSatzTypExist(const QString& AObjekt, int ASatzTyp) = 0;
    // The next serial of the range (created when missing), above AMindestens. Counts in the
    // caller's booking bracket: devices that count at once wait for each other, and a cancelled
    // bracket hands the serial out again.
    virtual int NaechsteNummer(int ATabellenArt, int ANummer, int AMindestens) = 0;
};

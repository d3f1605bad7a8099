#pragma once

#include <QString>
#include <QtGlobal>

class TVRList;
struct TZAM_Lagerort_Info;

// Books the article rows of AListe as relocations from AVonLagerort to AAnLagerort, the last row
// first (the data module's Umlagerung_MitBewegungen_Buchen with the places' branch and warehouse
// assignments and each row's branch; the area rules are tested once before). The columns name
// quantity, size index, product (TInt32Trio) and branch of a row. A booked row, and one with
// nothing to book (no pieces, or none left in the warehouse for a wormhole), is removed. A
// refused row makes the answer false and adds its reasons to AMeldung ("; " between them); with
// AStopBeiFehler it stays in the list with every row not yet tried and the loop ends, otherwise
// it is removed and the loop goes on. AWenigerVersch tells that a row moved fewer pieces than it
// asked for. Each row is a booking of its own: what was booked stays booked when a later row is
// refused. True when every row was booked or had nothing to book. Failures the data module
// cannot turn into a refusal raise to the caller's handler.
bool Umlagerung_Buchen_Do(QString& AMeldung, bool& AWenigerVersch, qint16& AFilZuordAn, bool AStopBeiFehler,
                          bool ALVPBNachVonFilFiltern, const TZAM_Lagerort_Info& AAnLagerort,
                          const TZAM_Lagerort_Info& AVonLagerort, int AColMenge, int AColGrIdx, int AColProdId,
                          int AColFilNr, TVRList& AListe, qint32& ALagZuordVon, qint32& ALagZuordAn,
                          qint16& AFilZuordVon);

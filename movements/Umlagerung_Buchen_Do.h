#pragma once

#include "TZAM_Lagerort_Info.h"

#include <QString>

class TVRList;

// Books the article rows of AListe as relocations from AVon to AAn (the data module's relocation
// with correction movements), the last row first. The columns name each row's quantity, size
// index, product and branch; the branch and warehouse assignments of both places are handed on.
// Booked rows and rows with nothing to book leave the list; a failed row stays and ends the loop
// with AStopBeiFehler, otherwise it leaves too and the loop goes on. AMeldung collects the
// reasons ("; "), AWenigerUmgelagert tells that a quantity was shortened. True when every row was
// booked or had nothing to book; false at once when the two places may not exchange goods.
bool Umlagerung_Buchen_Do(QString& AMeldung, bool& AWenigerUmgelagert, qint16& AFilZuordAn, bool AStopBeiFehler,
                          bool ALVPBNachVonFilFiltern, const TZAM_Lagerort_Info& AAn, const TZAM_Lagerort_Info& AVon,
                          int AColMenge, int AColGrIdx, int AColProdukt, int AColFiliale, TVRList* AListe,
                          qint32& ALagZuordVon, qint32& ALagZuordAn, qint16& AFilZuordVon);

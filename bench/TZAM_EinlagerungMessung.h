#pragma once

#include "TIntPair.h"

#include <QList>

class TZAM_Datenbank;
class TZAM_TestUmgebung;

// What the handheld putaway waits for on the large site built with four branches (901 to 904 of
// warehouse 9; the large site must exist): the document list of the warehouse, a slip scanned
// until the kinds menu is on the screen, the previous places of an article lying on 200 places
// and the collective putaway of a ten-size article onto two places. The fixture (in _Daten.cpp)
// adds 2,000 incoming documents with 50 to 493 movements each: 100 written by the document store,
// the others copies of them.
class TZAM_EinlagerungMessung
{
public:
    static constexpr int CFilialen = 4;

    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);

private:
    // The warehouse's goods-receipt place, the 2,000 documents with their stock (answers the
    // slips' list numbers) and the article on 200 places.
    static QList<TIntPair> Anlegen(TZAM_Datenbank& ADb);
    // ALaeufe slips of one ten-size article each, four pieces a size, for the collective putaway;
    // answers their list numbers.
    static QList<TIntPair> EinlagerungsWBS(TZAM_Datenbank& ADb, int ALaeufe);
};

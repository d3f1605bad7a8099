#pragma once

#include "TInt32Trio.h"
#include "TIntTrio.h"

#include <QMap>
#include <QString>

class TZAM_Datenbank;

// A small warehouse for the stock tests. Warehouse 1 has the branches 10 and 11 (in that order),
// warehouse 2 the branch 20; branch 30 has no warehouse (the wormhole's). Places of warehouse 1:
// P1 and P2 (ordinary), Wurmloch (area 3, standing for 30), Geblockt (area 5), the container C on
// P2 and C2 on C (delivery branch 11).
class TZAM_TestLager
{
public:
    static inline const TIntTrio P1{1, 1, 1};
    static inline const TIntTrio P2{1, 1, 2};
    static inline const TIntTrio Wurmloch{1, 3, 1};
    static inline const TIntTrio Geblockt{1, 5, 1};
    static inline const TIntTrio C{1, 9, 1};
    static inline const TIntTrio C2{1, 9, 2};

    static void Anlegen(TZAM_Datenbank& ADb);
    // For pick lists: P3, an ordinary place off every route, and the hall of warehouse 1.
    static inline const TIntTrio P3{1, 1, 3};
    static TIntTrio Halle();
    static void PickOrte(TZAM_Datenbank& ADb);
    // Stores a stock row and the branch's BF beside it (outside a bracket: commits at once).
    static void Bestand(TZAM_Datenbank& ADb, const TIntTrio& AOrt, const TInt32Trio& AProdukt, int AGrInd, int ATyp,
                        int AMenge, int AFiliale);
    // Every row of place stock ("B lo prod size type") and branch stock ("F prod branch type size")
    // with its quantity, to compare what a booking changed.
    static QMap<QString, qint64> Stand(TZAM_Datenbank& ADb);
    static QMap<QString, qint64> Differenz(const QMap<QString, qint64>& AVorher, const QMap<QString, qint64>& ANachher);
    static QString B(const TIntTrio& AOrt, const TInt32Trio& AProdukt, int AGrInd, int ATyp);
    static QString F(const TInt32Trio& AProdukt, int AFiliale, int ATyp, int AGrInd);
};

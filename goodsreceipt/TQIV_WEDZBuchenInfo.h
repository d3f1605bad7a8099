#pragma once

#include "TIntTrio.h"
#include "TInt32Trio.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QList>
#include <QMap>
#include <QString>

// One goods-receipt line to post: a scan record with what groups it.
struct TQIV_WEDZBuchenInfo
{
    TIntTrio LagerplatzId; // storage place or container
    TInt32Trio ProduktId;
    TIntTrio DispoId; // empty: goods without disposition
    QString LieferscheinNr;
    TZAM_PersArt_ExtVerweis ExtVerw;
    TIntTrio BuchIdent; // the scan record
    qint16 Filiale = -1; // target branch
};

// Sorted by place, product, disposition, delivery note (ordinal), branch and reference.
class TQIV_WEDZBuchenInfo_List : public QList<TQIV_WEDZBuchenInfo>
{
public:
    void Sortieren();
};

// A quantity to book: disposition (empty: without one), branch, size, pieces.
struct TQIV_WeDaten_Rec
{
    TIntTrio VorgId;
    qint16 FilNr = -1;
    int GrInd0 = 0;
    int Menge = 0;
};
using TQIV_WeDaten_List = QList<TQIV_WeDaten_Rec>;

// A disposition that can still take pieces of one size at one branch; Menge shrinks while
// counted pieces are assigned.
struct TQIV_DispoDaten_Rec
{
    TIntTrio VorgId;
    qint16 FilNr = -1;
    bool FilIstImLager = false;
    double LTMDiff = 0; // days between the disposition's date and today
    int Menge = 0;
    bool EnthaeltKuBe = false; // the customer-order share
};

// Customer-order shares first, of them the warehouse's branches first, of the rest the outside
// branches first; then the nearer date.
class TQIV_DispoDaten_List : public QList<TQIV_DispoDaten_Rec>
{
public:
    void Sortieren();
};

// The candidates per size index.
using TQIV_DispoDaten_Dict = QMap<int, TQIV_DispoDaten_List>;

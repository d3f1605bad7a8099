#pragma once

#include "TIntPair.h"
#include "TIntTrio.h"
#include "TInt32Trio.h"
#include "TZAM_Intv100_Sortiment_MeMitFilUndVerweis.h"

#include <QDateTime>
#include <QList>

// The movement kind of a disposition: the order lines of this kind are planned deliveries.
inline constexpr quint8 CZAM_BewArt_Dispo = 45;

// The price record of a disposition, carried unchanged: the purchase price, the day it was
// disposed and the earliest and latest delivery dates.
struct TQIV_DispoPreis
{
    qint64 PreisCent = 0;
    QDateTime DispoDatum;
    QDateTime LieferFrueh;
    QDateTime LieferSpaet;

    bool operator==(const TQIV_DispoPreis&) const = default;
};

// The numbers record of a disposition, carried unchanged: the supplier's own order number.
struct TQIV_DispoNummern
{
    QString LieferantenNr;

    bool operator==(const TQIV_DispoNummern&) const = default;
};

// An open disposition as the disposition manager delivers it: one per-branch vector per position
// of an order branch asked for (target branch, order branch, open pieces per size, reference).
struct TQIV_DispoWE_Info
{
    TInt32Trio ProduktID;
    TIntTrio Vorgang;
    quint8 VorgangTyp = 0; // the movement kind (CZAM_BewArt_Dispo)
    TQIV_DispoPreis Preis;
    TQIV_DispoNummern Nummern;
    int BewTyp = 0; // the movement type
    TIntPair AuftragsNr; // empty for a disposition without order
    QDateTime Datum1;
    QDateTime Datum2;
    QList<TZAM_Intv100_Sortiment_MeMitFilUndVerweis> Filialen;
};

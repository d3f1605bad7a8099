#pragma once

#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntTrio.h"

#include <QDateTime>
#include <QList>

// Reservation of goods for one owner (a personalised stock) moving with a booking: -1 for the
// place the goods leave, +1 for the place they reach.
struct TZAM_LVPB_Daten
{
    TIntTrio LagerortId;
    quint8 VerweisArt = 0; // TZAM_PersArt_ExtVerweis kind: 1 customer order, 3 external order
    TIntTrio VerweisId;
    int VerweisNummer = 0;
    int Menge = 0;
    int Vorzeichen = 0;
    int Filiale = -1; // the branch the pieces are reserved for
    bool operator==(const TZAM_LVPB_Daten&) const = default;
};
inline void LVPB_Daten_Init(TZAM_LVPB_Daten& AD)
{
    AD = TZAM_LVPB_Daten();
}
using TZAM_LVPB_Daten_Array = QList<TZAM_LVPB_Daten>;

// Whether a plain relocation moves reservations, and on which side.
enum TQIV_MitLVPB : quint8
{
    mlpUnbekannt,
    mlpNein,
    mlpJaVonLO,
    mlpJaAnLO,
    mlpJaBeideLO
};

// A stock movement: an empty place on one side means the goods leave or enter the warehouse there.
struct TZAM_Lager_BEW
{
    TInt32Trio ProduktId;
    quint8 GrInd = 0;
    TIntTrio VonLagerortId;
    TIntTrio AnLagerortId;
    qint32 Menge = 0;
    QDateTime Buchungszeit;
    TIntPair Mitarbeiter;
    quint8 VerweisTyp = 0;
    TIntTrio VerweisId;
    quint8 VerweisBewTyp = 0;
    bool Flag = false;
    TZAM_LVPB_Daten_Array LVPB;
};
inline void Lager_Bew_Init(TZAM_Lager_BEW& AB)
{
    AB = TZAM_Lager_BEW();
}

// Relocation kinds.
inline constexpr quint8 CZAM_Umlagerung_Normal = 1;
inline constexpr quint8 CZAM_Umlagerung_InsWurmloch = 5;
inline constexpr quint8 CZAM_Umlagerung_AusWurmloch = 6;
inline constexpr quint8 CZAM_Umlagerung_InGeblockt = 7;
inline constexpr quint8 CZAM_Umlagerung_AusGeblockt = 8;

// Correction kinds: how the owning branches' stock (BF) changes with a movement.
inline constexpr quint8 CZAM_Korrektur_Keine = 0;
inline constexpr quint8 CZAM_Korrektur_Filialtransfer = 2; // free stock from-branch -> to-branch
inline constexpr quint8 CZAM_Korrektur_InGeblockt = 3;     // a branch's free stock -> blocked goods
inline constexpr quint8 CZAM_Korrektur_AusGeblockt = 4;    // blocked goods -> free stock
// The pieces picked into the pseudo container of a branch that keeps no warehouse management
// leave the warehouse: off the source, from the from-branch's stock into the to-branch's.
inline constexpr quint8 CZAM_Korrektur_PseudoBehaelter = 21;
// A task's shortfall booked out of the place and the owning branch's stock, the task fulfilled
// with it (54 for movement type 24); 62 books a shortfall out without fulfilling.
inline constexpr quint8 CZAM_Korrektur_FehlmengeErfuellt = 51;
inline constexpr quint8 CZAM_Korrektur_FehlmengeErfuellt24 = 54;
inline constexpr quint8 CZAM_Korrektur_InventurMinus = 62;
inline constexpr quint8 CZAM_Korrektur_InventurPlus = 66;
// Ours, for goods slips: goods leave the warehouse from the from-branch's free stock into the
// to-branch's transport stock; receiving them moves the to-branch's transport stock to its free
// stock (onto a place, or without one when a slip is accepted at once).
inline constexpr quint8 CZAM_Korrektur_AufTransport = 70;
inline constexpr quint8 CZAM_Korrektur_AusTransport = 71;
// Ours: the to-branch's transport stock written off as missing, when the rest of a slip's plan is
// closed without the goods (no place on either side).
inline constexpr quint8 CZAM_Korrektur_TransportFehlmenge = 72;

// The change of owner that accompanies a movement.
struct TZAM_Lager_BNE_Korrektur
{
    TInt32Trio ProduktId;
    quint8 GrInd = 0;
    qint32 Menge = 0;
    qint16 VonFiliale = -1;
    qint16 AnFiliale = -1;
    quint8 KorrekturArt = CZAM_Korrektur_Keine;
    // Set by the task steps after the correction kind: the order lines and their movement type.
    TIntTrio BNEPVon;
    TIntTrio BNEPAn;
    quint8 BewegungsTyp = 0;
};
inline void Lager_BNE_Korrektur_Init(TZAM_Lager_BNE_Korrektur& AK)
{
    AK = TZAM_Lager_BNE_Korrektur();
}

struct TQIV_MengeUFiliale
{
    qint32 Menge = 0;
    qint16 Filiale = -1;
    bool operator==(const TQIV_MengeUFiliale&) const = default;
};
using TQIV_MengeUFilialeArr = QList<TQIV_MengeUFiliale>;

// A personalised-stock record of a container's content.
struct TZAM_LVPB_Satz_Info
{
    TIntTrio LagerortId;
    TInt32Trio ProduktId;
    quint8 GrInd = 0;
    quint8 VerweisArt = 0;
    TIntTrio VerweisId;
    int VerweisNummer = 0;
    int Menge = 0;
    int Filiale = -1;
};
using TZAM_LVPB_Satz_Info_List = QList<TZAM_LVPB_Satz_Info>;

// A container's assignment. "No branch" is -1: branch 0 is a real assignment.
struct TZAM_Lager_Gitterwagen_Zuordnungsdaten
{
    qint16 Filiale = -1;
    qint32 Lager = -1;
    bool WBSGedruckt = false;
    TIntPair WBSListenNr;
    bool AufTransport = false;
    bool Einweg = false; // a single-use container
    bool operator==(const TZAM_Lager_Gitterwagen_Zuordnungsdaten&) const = default;
};
inline void Gitterwagen_Zuordnungsdaten_Init(TZAM_Lager_Gitterwagen_Zuordnungsdaten& AD)
{
    AD = TZAM_Lager_Gitterwagen_Zuordnungsdaten();
}

#pragma once

#include "TQIV_DispoWE_Info.h"

#include <QList>
#include <QString>

// A disposition id or reference id that names something: defined and not the placeholder.
inline bool zam_IdEcht(const TIntTrio& AId)
{
    return !AId.IsNull() && AId != CMaxIntTrio;
}

// Target kinds of a disposition; a higher value is preferred.
enum TQIV_ZPMDE_Ziel : quint8 {
    bmzUnbekannt = 0,
    bmzEinlagerung = 1,          // plain goods for a branch of the current warehouse: put away here
    bmzFAOhneKube = 2,           // plain goods for another branch: supply it
    bmzFAFuerBearbeitung = 3,    // customer-order goods processed in another branch: supply it
    bmzBearbeitung = 4,          // customer-order goods processed in the current warehouse
    bmzBearbeitungNurWarten = 5, // goods for a team-sport-plus delivery branch that only wait
    bmzFAFuerKube = 6,           // customer-order goods delivered from another branch: supply it
    bmzVersand = 7               // customer-order goods delivered from the current warehouse: ship
};

struct TQIV_Dispo_Menge
{
    int VorgTyp = 0; // the movement type
    TZAM_Intv100_Sortiment_MeMitFilUndVerweis FilialeMenge;
    QString BelegNummer;
    TIntPair AuftrNr;
    qint16 PersoZielFil = -1;
    TQIV_ZPMDE_Ziel ZielTyp = bmzUnbekannt;
    TIntTrio VerfKombiId;

    bool operator==(const TQIV_Dispo_Menge&) const = default;
};

struct TQIV_Dispo_Info
{
    TInt32Trio ProduktID;
    TIntTrio Vorgang;
    quint8 VorgangTyp = 0;
    bool Ueberbelieferung = false;
    TQIV_DispoPreis Preis;
    TQIV_DispoNummern Nummern;
    TQIV_Dispo_Menge Menge;

    void Clear() { *this = TQIV_Dispo_Info(); }
    // Entry AIndex of an open disposition; AIndex below 0 takes no per-branch vector.
    static TQIV_Dispo_Info Aus_DispoWE_Info(const TQIV_DispoWE_Info& AInfo, int AIndex);

    bool operator==(const TQIV_Dispo_Info&) const = default;
};

// Dispositions sorted by target kind, highest first; equal kinds keep their order.
class TQIV_Dispo_Info_List : public QList<TQIV_Dispo_Info>
{
public:
    void Sortieren();
};

// A scan identifier with an error text, as posting reports it.
struct TQIV_InttrioString_Rec
{
    TIntTrio IntTrio;
    QString Text;
};
using TQIV_InttrioString_List = QList<TQIV_InttrioString_Rec>;

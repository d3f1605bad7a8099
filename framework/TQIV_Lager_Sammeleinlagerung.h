#pragma once

#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntQuad.h"
#include "TIntTrio.h"
#include "TQIV_PersoAuswahl.h"
#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QList>
#include <QString>

// One target of a collective putaway: a place, or a container (which stands on the place), with
// the pieces per size put there.
struct TQIV_Lager_Bew_Sortiment
{
    TIntTrio Lagerort;
    TIntTrio Behaelter;
    TZAM_Intv100_Sortiment_Me Menge;

    // The container when there is one, else the place.
    TIntTrio Ziel() const { return Behaelter.Defined() ? Behaelter : Lagerort; }
};
using TQIV_Lager_Bew_Sortiment_Array = QList<TQIV_Lager_Bew_Sortiment>;

// The putaway of one product of an incoming document (or of a source place) onto targets.
// The document's movements are named by the document key and the movement byte; without
// document key the goods come from the source place. From- and to-branch are those of the
// movements (-1 none). Goods of kinds 2, 3 and 4 keep their reference; with a reference the
// movements of that reference are taken. Excess entries are pieces counted beyond the plan.
// AufFehlmengeWarten: the plan left over stays open; otherwise it is closed as missing.
struct TQIV_Lager_Sammeleinlagerung
{
    TInt32Trio ProduktId;
    TIntTrio BelegId;
    int BewByte = 0;
    TIntTrio VonLagerort;
    qint16 VonFiliale = -1;
    qint16 AnFiliale = -1;
    qint32 Lager = -1;
    TIntPair Mitarbeiter;
    TQIV_Lager_Bew_Sortiment_Array Lagerorte;
    TQIV_Lager_Bew_Sortiment_Array Mehrmengen;
    TQIV_PersoAuswahl PersoAuswahl = paUnbekannt;
    qint16 PersoFiliale = -1;
    TZAM_PersArt_ExtVerweis Verweis;
    TIntTrio VerfKombiId;
    bool AufFehlmengeWarten = false;
};
using TQIV_Lager_Sammeleinlagerung_List = QList<TQIV_Lager_Sammeleinlagerung>;

// Empties the record: no product, document or place, branches and warehouse -1.
inline void Lager_Sammeleinlagerung_Init(TQIV_Lager_Sammeleinlagerung& ARec)
{
    ARec = TQIV_Lager_Sammeleinlagerung();
}

// The places of one reference (kind letter and key with position) in a putaway list.
struct TQIV_Lager_Bew_Sortimente_MitExtVerweis
{
    QString VerwKennung;
    TIntQuad VerwIdent;
    TQIV_Lager_Bew_Sortiment_Array Sortimente;
};

#pragma once

#include "IZAM_Server.h"
#include "TIntPairList.h"
#include "TIntTrioList.h"
#include "TQIV_DispoWE_Info.h"

#include <QList>

// One stored row of a disposition's positions: one size of a position (target branch, order
// branch, reference), its planned and its received pieces.
struct TZAM_DispoPosZeile
{
    qint16 ZielFiliale = -1;
    qint16 AuftrFiliale = -1;
    TZAM_PersArt_ExtVerweis Verweis;
    int Groesse = 0;
    int Geplant = 0;
    int Erhalten = 0;
};

// A disposition as stored: its head (every field of the open-disposition record but the branch
// vectors) and the rows of its positions.
struct TZAM_DispoSatz
{
    TQIV_DispoWE_Info Kopf;
    QList<TZAM_DispoPosZeile> Zeilen;
    bool Geschlossen = false;
};

// The order key (empty without order) and the id of a disposition.
struct TZAM_DispoSchluessel
{
    TIntPair AuftragsNr;
    TIntTrio Id;
};

// The dispositions (order lines of kind CZAM_BewArt_Dispo) and their positions. A disposition is
// open while it is not closed and one of its rows has fewer pieces received than planned.
class IZAM_DispoServer : public IZAM_Server
{
public:
    // The open dispositions of any of the orders or ids that have positions of one of the order
    // branches (and are of the product when it is defined), with the rows of those positions; in
    // a few statements, each disposition once, by id within the orders and within the ids.
    virtual QList<TZAM_DispoSatz> Offene_4_Schluessel(const TIntPairList& AAuftragsNrN, const TIntTrioList& AVorgIds,
                                                      const QList<int>& AAuftrFilialen,
                                                      const TInt32Trio& AProduktId) = 0;
    // The order branch of the disposition's first position for the target branch; -1 when none.
    virtual qint16 AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale) = 0;
    // The dispositions of the product, not closed, with a row of the order branch that has pieces
    // open in a size from AVonGr to ABisGr; each once, in no particular order.
    virtual QList<TZAM_DispoSchluessel> Offene_4_Produkt(const TInt32Trio& AProduktId, int AVonGr, int ABisGr,
                                                         qint16 AAuftrFiliale) = 0;
    // A disposition with every row of its positions (by target branch, reference, size), closed
    // or not; false when no disposition has the id.
    virtual bool Lesen(const TIntTrio& AVorgId, TZAM_DispoSatz& ASatz) = 0;
    // The order whose own order number (zam_bestellung.eigene_nr) is exactly the text; an undefined
    // key when none is.
    virtual TIntPair AuftragsNr_4_EigeneAuftragsNr(const QString& AEigeneNr) = 0;
    // The product's dispositions that are not closed, ascending by id, each as Lesen gives it; in
    // one statement.
    virtual QList<TZAM_DispoSatz> NichtGeschlossene_4_Produkt(const TInt32Trio& AProduktId) = 0;
};

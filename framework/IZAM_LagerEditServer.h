#pragma once

#include "IZAM_FilialTabelle.h"
#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TZAM_Lager_BEW.h"
#include "TZAM_Lagerort_Info.h"

#include <QList>
#include <QString>
#include <memory>

class TVRList;

// A warehouse group: the warehouse number, its name and its branches in the group's order.
struct TZAM_Lagergruppe
{
    int Nummer = 0;
    QString Name;
    QList<int> Filialen;
};

// The storage structure: warehouse groups, places and containers.
class IZAM_LagerEditServer : public IZAM_Server
{
public:
    // Every warehouse group in the server's order (the group "OhneLager" included).
    virtual QList<TZAM_Lagergruppe> Lagergruppen() = 0;
    // False when no group has that number.
    virtual bool Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe) = 0;
    // The branch table.
    virtual IZAM_FilialTabelle& Filialstamm() = 0;

    // Place information; false (and AInfo empty) for an unknown key.
    virtual bool LagerortInfo_Lesen(const TIntTrio& ALagerort, TZAM_Lagerort_Info& AInfo,
                                    const TQIV_Lagerort_Info_Optionen& AOptionen) = 0;
    // The display name of a place; empty for an unknown key.
    virtual QString LagerortName(const TIntTrio& ALagerort) = 0;
    // Whether the place (or the container, through what it stands on) belongs to the warehouse.
    virtual bool Lagerort_InLager(const TIntTrio& ALagerort, int ALager) = 0;
    // True when AId is an ordinary storage place (kind 0); its record in APlatz.
    virtual bool Lagerplatz_Lesen(const TIntTrio& AId, TZAM_Lagerplatz& APlatz, int AOptionen) = 0;
    // True when the place is a known container; its record in ABehaelter.
    virtual bool Behaelter_Lesen(const TZAM_Lagerort_Info& AInfo, TZAM_Behaelter& ABehaelter) = 0;
    virtual bool BehaelterTyp_Lesen(const TIntPair& ATypId, TZAM_BehaelterTyp& ATyp) = 0;
    // The places of a warehouse in an area, by name.
    virtual QList<TZAM_Lagerort_Info> Lagerorte_4_Bereich(int ALager, TZAM_Lager_Ausgezeichnete_Bereiche ABereich) = 0;
    // The warehouse has a place of the processing-preparation area.
    virtual bool BearbVorbereitung_Vorhanden(int ALager) = 0;
    // The wormholes of a warehouse with the branch each stands for.
    virtual TZAM_LagerVorr_Array Wurmloecher_Lesen(int ALager) = 0;
    virtual bool Lager_4_Behaelter(int& ALager, const TIntTrio& ABehaelter) = 0;
    // The warehouse recorded for the branch; 0 or below: none.
    virtual int Lager_4_Filiale(int AFiliale) = 0;
    // The organisation of the place's structure element of kind AArt (kind 8: the branch the place
    // serves); a container without an element of that kind answers for what it stands on. Empty
    // when none.
    virtual TOrgeIdKompl Strukturelement_Orge(const TIntTrio& ALagerort, int AArt) = 0;

    // Splits AMenge over the warehouse's branches by their branch stock of the types in the set
    // (a bit set), in the group's branch order, each as far as its stock goes. ARest 1: the split
    // must cover the whole quantity, else false and AArr empty; 0: what the branches hold.
    virtual bool Menge_NachFilialen_Verteilen(TQIV_MengeUFilialeArr& AArr, const TInt32Trio& AProduktId, int AGrInd,
                                              int AMenge, int ALager, qint64 ABestandsarten, int ARest) = 0;

    // Locks of places and containers: rows of the common lock table. Sperren answers true when
    // the lock is taken or is already this program's; Gesperrt only for another program's lock.
    virtual bool Behaelter_Gesperrt(const TIntTrio& ABehaelter) = 0;
    virtual bool Behaelter_Sperren(const TIntTrio& ABehaelter) = 0;
    virtual void Behaelter_Entsperren(const TIntTrio& ABehaelter) = 0;
    virtual bool Lagerort_Gesperrt(const TIntTrio& ALagerort) = 0;
    virtual bool Lagerort_Sperren(const TIntTrio& ALagerort) = 0;
    virtual void Lagerort_Entsperren(const TIntTrio& ALagerort) = 0;

    // The shipping staging places of a warehouse: for a branch (AFiliale, ALagerEigene -1) or the
    // warehouse's own (AFiliale -1, ALagerEigene the warehouse). The result is VBSListe() with the
    // key column (key as display text) and the name column.
    virtual void VBSListe_Laden(int ALager, int AFiliale, int ALagerEigene) = 0;
    virtual TVRList& VBSListe() = 0;
    virtual int VBSListe_SpalteId() const = 0;
    virtual int VBSListe_SpalteName() const = 0;
};

#pragma once

#include "TIntTrio.h"
#include "TQIV_Behaelter_Status.h"
#include "TZAM_Lagervorrichtung.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QString>
#include <memory>

class IZAM_BelegEditServer;
class IZAM_LagerEditServer;
class IZAM_LVLZServer;
struct TZAM_Behaelter;

// The place-assignment manager: a place, usually a container, assigned to a customer-order
// document (reference kind 1, the document key, number 0) with a process combination, an order
// type and a container status. Every call reads or writes the assignments afresh (another
// device may assign a container meanwhile).
class TLVLZMani
{
public:
    TLVLZMani();
    ~TLVLZMani();

    // The assignment of the place; false (outs emptied) when it has none.
    bool ExtVerweis_u_VerfKombiId_4_Lagerort(TZAM_PersArt_ExtVerweis& AVerweis, TIntTrio& AVerfKombiId,
                                             int& AAuftragsTyp, int& AStatus, const TIntTrio& ALagerort);
    // Removes the place's assignment; nothing when it has none.
    void Lagerort_Verweis_Loeschen(const TIntTrio& ALagerort);
    // The container status of the place's assignment; bhsUnbekannt when it has none.
    TQIV_Behaelter_Status Lagerort_Status_Ermitteln(const TIntTrio& ALagerort);
    // Marks the assigned container finished (bhsFertig), keeping its document and combination;
    // false, writing nothing, when it has no assignment.
    bool Behaelter_Fertig_Setzten(const TIntTrio& ABehaelter);
    // The document whose goods the place holds: its formatted number, the process combination's
    // name, the order type and the document date as text ("dd.MM.yyyy"); false (texts empty)
    // when none.
    bool BelegDaten_4_Lagerort(QString& ABelegNr, QString& AVerfKombiText, int& AAuftragsTyp, QString& ADatumText,
                               const TIntTrio& ALagerort);
    // Assigns the place to the document (kind 1, number 0) with the process combination, order
    // type and container status, replacing an earlier assignment. False, writing nothing, for a
    // null place or document key.
    bool Behaelter_ZuordnenZu_Beleg(const TIntTrio& ALagerort, const TIntTrio& ABelegId, const TIntTrio& AVerfKombiId,
                                    int AAuftragsTyp, int AStatus);

    // The container with the status that is assigned to the document of the position reference
    // (kind 1, order id and position number) and the process combination: its record and key.
    // False (both emptied) when the reference names no document or no such container exists.
    // Raises module-not-available without the document module.
    bool Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(TZAM_Behaelter& ABehaelter, TIntTrio& ABehaelterId,
                                                     TQIV_Behaelter_Status AStatus, const TIntTrio& AVerfKombiId,
                                                     const TZAM_PersArt_ExtVerweis& AVerweis);
    // Assigns the container to the customer-order document ABelegId (kind 1, the document key,
    // number 0) with the process combination and order type, status bhsOffen with AOffen, else
    // bhsUnbekannt. AVerweisPruefen: the position reference AVerweis must lie in ABelegId
    // (false, writing nothing, when it does not); without it AVerweis is not read, the caller
    // took the document from it. False, writing nothing, for a null container or document and
    // for a container already assigned to another document or combination; assigning it again
    // to the same document and combination is true. Another device's assignment made meanwhile
    // is seen: of two devices only one can win a container.
    bool Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId(const TZAM_PersArt_ExtVerweis& AVerweis, bool AVerweisPruefen,
                                                        const TIntTrio& ABehaelter, const TIntTrio& ABelegId,
                                                        const TIntTrio& AVerfKombiId, int AAuftragsTyp, bool AOffen);

    // Customer staging places (area 4) of a warehouse, assigned to a customer-order document (kind
    // 1, the document key, number 0, no combination, status 0); free and route order as the
    // service says (IZAM_LVLZServer).

    // The customer staging place of the order of the position reference AVerweis (kind 1, order id
    // and position number) in warehouse ALager: the one assigned to its document already
    // (AErsterArtikel false), else the first free one in route order, assigned now with the order
    // type AAuftragsTyp (AErsterArtikel true); a place another device took meanwhile is passed
    // over. ABelegId := the document (null when the reference names none). False, with the place
    // emptied and AErsterArtikel false, without document or free place. Raises
    // module-not-available without the document module.
    bool KundenVBS_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, int ALager, int AAuftragsTyp,
                                TZAM_Lagervorrichtung& AKundenVBS, TIntTrio& ABelegId, bool& AErsterArtikel);
    // Whether the warehouse has a free customer staging place.
    bool KundenVBS_FreieVorhanden(int ALager);
    // Assigns the customer staging place to the document ABelegId with the order type. False,
    // writing nothing, for a null place or document, a defined AVerweis that is no position of
    // ABelegId, and a place that is no free customer staging place; the place assigned to ABelegId
    // already is true (stock or not) and takes the order type.
    bool KundenVBS_ZuordnenZu_KubeBelegId(const TZAM_PersArt_ExtVerweis& AVerweis, int AAuftragsTyp,
                                          const TIntTrio& ABelegId, const TIntTrio& ALagerort);
    // Whether every ordered piece of the customer-order document AKubeBelegId lies on the place as
    // personalised stock of its position (kind 1, the position's reference), counting what stands
    // on the place; ABelegId := AKubeBelegId then, else null. False for a document without
    // positions.
    bool Bestand_Komplett_Auf_KundenVBS(TIntTrio& ABelegId, const TIntTrio& AKubeBelegId, const TIntTrio& ALagerort);

private:
    IZAM_LVLZServer& Server();
    IZAM_BelegEditServer& BelegServer();
    IZAM_LagerEditServer& LagerServer();
    // The document of a position reference of kind 1; null when it names none.
    TIntTrio BelegId_4_Verweis(const TZAM_PersArt_ExtVerweis& AVerweis);

    std::unique_ptr<IZAM_LVLZServer> FServer;
    std::unique_ptr<IZAM_BelegEditServer> FBelegServer;
    std::unique_ptr<IZAM_LagerEditServer> FLagerServer;
};

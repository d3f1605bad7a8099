#pragma once

#include "IZAM_Server.h"
#include "TZAM_Lagervorrichtung.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>
#include <QList>

// What a place (usually a container) is assigned to: a reference with a process combination,
// an order type and a container status; one assignment per place.
struct TZAM_LVLZ_Zuordnung
{
    TZAM_PersArt_ExtVerweis Verweis;
    TIntTrio VerfKombiId;
    int AuftragsTyp = 0;
    int Status = 0;
};

// The document whose goods an assigned place holds.
struct TZAM_LVLZ_BelegDaten
{
    QString BelegNr; // the formatted document number
    QString VerfKombiName;
    int AuftragsTyp = 0;
    QDateTime Datum; // the document's date
};

// The place assignments (the framework's LVLZ file).
class IZAM_LVLZServer : public IZAM_Server
{
public:
    // The place's assignment; false when it has none.
    virtual bool Zuordnung_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_Zuordnung& AZuordnung) = 0;
    // Assigns the place, replacing what it was assigned to. Raises for an unknown place.
    virtual void Zuordnung_Schreiben(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung) = 0;
    // Removes the place's assignment; nothing when it has none.
    virtual void Zuordnung_Loeschen(const TIntTrio& ALagerort) = 0;
    // The customer-order document (kind 1, the document key) the place is assigned to; false when
    // the place is assigned to none or the document is unknown.
    virtual bool BelegDaten_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_BelegDaten& ADaten) = 0;
    // The container (a place of kind 3) assigned to the reference with the process combination
    // and the status; the first by key when there are several. False (key null) when none.
    virtual bool Behaelter_4_Verweis(const TZAM_PersArt_ExtVerweis& AVerweis, const TIntTrio& AVerfKombiId, int AStatus,
                                     TIntTrio& ABehaelter) = 0;
    // Assigns a place that is assigned to nothing, or takes the new order type and status when
    // it is already assigned to the same reference and process combination; false, writing
    // nothing, when it is assigned to another reference or combination. One guarded statement:
    // of two devices assigning the place at once to different references one succeeds. Raises
    // for an unknown place.
    virtual bool Zuordnung_Anlegen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung) = 0;

    // Customer staging places: places (kind 0) of area 4, never the warehouse's default
    // customer-order place. Free is such a place not blocked in the master data, assigned to
    // nothing and holding no stock, neither itself nor in what stands on it. Route order: the
    // position on the warehouse's first walking route (stored order, then key; a place twice: its
    // first position), places off that route after, by name.

    // The customer staging place of the warehouse assigned to the customer-order document (kind 1,
    // the document key, number 0), the first in route order; false (record emptied) when none.
    virtual bool KundenVBS_4_Beleg(int ALager, const TIntTrio& ABelegId, TZAM_Lagervorrichtung& AKundenVBS) = 0;
    // The free customer staging places of the warehouse in route order; at most AHoechstens, all
    // for 0 or below.
    virtual QList<TZAM_Lagervorrichtung> KundenVBS_Freie(int ALager, int AHoechstens) = 0;
    // Assigns a customer staging place when it is free; without ANurFrei also when it is assigned
    // to the same reference and combination already (then it takes the new order type and status,
    // stock or not). False, writing nothing, otherwise (an unknown place too). One guarded
    // statement: of two devices assigning a free place at once one succeeds.
    virtual bool KundenVBS_Zuordnen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung,
                                    bool ANurFrei) = 0;
    // The pieces of the customer-order document that are missing on the place (with what stands on
    // it) as personalised stock of their positions: per position not cancelled and with an article,
    // its quantity of its product and size under its reference (kind 1) less what lies there, not
    // below 0, summed. -1 when the document has no such position.
    virtual int Beleg_Fehlmenge_Auf_Lagerort(const TIntTrio& ABelegId, const TIntTrio& ALagerort) = 0;
};

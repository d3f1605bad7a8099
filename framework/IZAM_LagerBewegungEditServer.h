#pragma once

#include "EZAM_Exception.h"
#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TQIV_AufgabenZeile.h"
#include "TQIV_Lager_Sammeleinlagerung.h"
#include "TZAM_AufgabenAllokation.h"
#include "TZAM_Lager_BEW.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMInfoKoords.h"

class TVRList;
class TZAM_InfoMeldungListe;

// Stock movements. Every booking call is stored whole or not at all: it opens a booking bracket
// of its own (nested inside the caller's) and books under a savepoint, so a refusal found part
// way rolls back to it and answers false with the reasons in the message list, never cancelling
// the caller's bracket. A booking refuses goods from or onto a place or container (or one that
// stands on it) whose lock another program holds. Quantities of 0 or below are refused; no stock
// goes below zero. Every booking writes one journal row per movement with the bracket's key.
// A container offered for a pick target.
struct TZAM_BehaelterFuerZiel
{
    TIntTrio Id;
    QString Name;
    bool operator==(const TZAM_BehaelterFuerZiel&) const = default;
};

// Pieces of one product for one branch, by size: a line of a stock receipt or issue.
struct TZAM_Intv100_Sortiment_MeMitProduktIdMitFil
{
    TInt32Trio ProduktId;
    qint16 Filiale = -1;
    TZAM_Intv100_Sortiment_Me Menge;
};

// Where a product's stock on a warehouse's places disagrees with its branches' stock (BF).
struct TZAM_LVLB_BF_Abweichung
{
    int Lager = 0;
    int GrInd = 0;
    qint64 Lagerbestand = 0;  // on the places and in the containers of the warehouse
    qint64 Filialbestand = 0; // of the warehouse group's branches
    bool operator==(const TZAM_LVLB_BF_Abweichung&) const = default;
};

// The modes of LagerZuAbgang_Buchen.
constexpr int CZAM_LagerZugang = 2;
constexpr int CZAM_LagerAbgang = 3;

class IZAM_LagerBewegungEditServer : public IZAM_Server
{
public:
    // A plain relocation (also into or out of the warehouse: an empty place on one side).
    virtual bool Lagerbewegung_Buchen(TZAM_Lager_BEW& ABew, bool ABuchen, TZAM_InfoMeldungListe* AMeldungen = nullptr) = 0;
    // A relocation with the change of owner it brings (relocation kinds 1, 5 to 8).
    virtual bool UmlagerBewegung_Buchen(TZAM_Lager_BEW& ABew, TZAM_Lager_BNE_Korrektur& AKorrektur, int AUmlagerungsArt,
                                        int ABuchungsFiliale, int AAktLager, bool ABuchen,
                                        TZAM_InfoMeldungListe* AMeldungen) = 0;
    // A stock correction (inventory differences 62 and 66); ABuchen false only tests.
    virtual bool Bestandskorrektur_Buchen(TZAM_Lager_BEW& ABew, TZAM_Lager_BNE_Korrektur& AKorrektur, bool ABuchen,
                                          TZAM_InfoMeldungListe* AMeldungen) = 0;

    // The collective putaway of one product (see TQIV_Lager_Sammeleinlagerung): each place entry's
    // pieces per size go from the source onto the container, else the place. The source is the
    // document's open movements of that product (ARec.BelegId, ARec.BewByte; taken in their order,
    // for kinds 2 and 4 with ARec.Verweis only those of that reference): a movement naming a place
    // is a relocation from it (owner kept), one without comes off the to-branch's transport stock
    // (correction 71). Without document the stock of ARec.VonLagerort. The movements' open
    // quantities fall; unless ARec.AufFehlmengeWarten the rest of the movements the record names is
    // closed as missing (off the transport stock for goods on none, correction 72). Excess entries
    // are a gain of the owner on their place (correction 66). Kinds 2 to 4 reserve the pieces for
    // the movements' references on the target (zam_lvpb). Refused with a message and nothing
    // stored: an unknown document or product, more than is open, a target unknown, of another
    // warehouse or locked by another program, a size outside 0 to 99, no warehouse or employee,
    // quantities not positive; and when another device took the open pieces first. ABuchen false
    // only tests.
    virtual bool Sammeleinlagerung_Buchen(TQIV_Lager_Sammeleinlagerung& ARec, TZAM_InfoMeldungListe& AMeldungen,
                                          bool ABuchen) = 0;

    // Stock lists in the search-list columns (ZAMSucheListeSpalten.h; 0 the group column, 1..20):
    // 1 warehouse, 2 branch (the container's delivery branch, else the place's), 3/4 place name and
    // key, 5/6 container name and key, 7/8 product and article number, 9 size name, 10 quantity,
    // 11 to 13 description, maker and colour, 20 size index; one row per place or container,
    // product and size. False when the stock cannot be read (the list is then empty).
    // The stock of a place with the containers standing on it, at any depth.
    virtual bool Bestandsliste_4_Lagerort(const TIntTrio& ALagerort, TVRList& AListe) = 0;
    // The stock of a product on the places and in the containers of a warehouse; a container's
    // goods name the container in 5/6 and the place it stands on in 3/4. AJeLagerort: one row per
    // place or container with the sum of all sizes (size columns of the smallest size).
    virtual bool Bestandsliste_4_Produkt(const TInt32Trio& AProduktId, int ALager, TVRList& AListe,
                                         bool AJeLagerort = false) = 0;

    // A place's branch: kind 0 a container's delivery branch, 2 the ordinary assignment, 3 a
    // wormhole's branch; -1 when none.
    virtual int FilialZuordnung_Lesen(const TIntTrio& ALagerort, int AArt) = 0;
    // A place's warehouse assignment (kind 2); -1 when none.
    virtual int LagerZuordnung_Lesen(const TIntTrio& ALagerort, int AArt) = 0;
    // The reservations on the source that a relocation of AMenge takes along (oldest first),
    // with the matching entries for the target. AFilialFilter -1: every branch.
    virtual void LVPBDaten_Ermitteln(const TInt32Trio& AProduktId, int AGrInd, TZAM_LVPB_Daten_Array& ADaten, int AArt,
                                     int AMenge, const TIntTrio& AAnLagerort, const TIntTrio& AVonLagerort,
                                     const TZAM_PersArt_ExtVerweis& AExtVerweis, int AVonFiliale,
                                     int AFilialFilter) = 0;
    // The branch stock (BF) of a product size in a branch, of one stock type (the framework's
    // number: type 1 is the file's free stock " "); 0 when the branch holds no record.
    virtual int Filialbestand(const TInt32Trio& AProduktId, int AFiliale, int ABestandsart, int AGrInd) = 0;
    // The stock of a product size on a place (free stock and blocked goods).
    virtual int Lagerplatzbestand(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& ALagerort) = 0;
    virtual void LVPBSaetze_4_Behaelter(const TIntTrio& ABehaelter, TZAM_LVPB_Satz_Info_List& AListe, int AFiliale,
                                        int AArt) = 0;

    // Containers.
    virtual bool Behaelter_Zuordnung_Lesen(const TIntTrio& ABehaelter, TZAM_Lager_Gitterwagen_Zuordnungsdaten& ADaten) = 0;
    virtual bool Behaelter_Zuordnung_Loeschen(const TIntTrio& ABehaelter, bool ABuchen) = 0;
    // The place the container stands on; false when it stands on none.
    virtual bool Lagerort_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& ALagerort) = 0;
    // The outermost container (or the container itself) holding ABehaelter.
    virtual bool Vater_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& AVater) = 0;
    // Whether the container holds pieces reserved for another branch than its assignment's.
    virtual bool Behaelter_HatFremdeArtikel(const TIntTrio& ABehaelter, int AArt, qint64 AMenge) = 0;
    // Pieces lie in the container or in a container inside it.
    bool Behaelter_HatWare(const TIntTrio& ABehaelter) { return Lagerort_HatBestand(ABehaelter); }
    // Stock lies on the place (or in the container) or in a container standing on it, at any depth.
    virtual bool Lagerort_HatBestand(const TIntTrio& ALagerort) = 0;
    // Assigns the container to a branch (AFiliale, with its warehouse) or, with AFiliale -1, to
    // the warehouse ALager alone; false for an unknown container.
    virtual bool Behaelter_Zuordnen(const TIntTrio& ABehaelter, int AFiliale, int ALager) = 0;
    // The containers of ALager a pick for a target may go into: those assigned to the branch
    // AFiliale (below 1: to the warehouse itself) and those assigned to nobody; none on transport
    // or with its goods slip printed. In name order.
    virtual QList<TZAM_BehaelterFuerZiel> Behaelter_4_Ziel(int ALager, int AFiliale) = 0;
    virtual void Cache_Leeren() = 0;

    // A stock receipt (CZAM_LagerZugang: each line's pieces onto AAn, a gain (correction 66) of
    // the line's branch in BF) or issue (CZAM_LagerAbgang: off AVon, a loss (correction 62) of the
    // branch). One journal row per size. Refused with the reason and nothing stored: less stock
    // on the source or less free stock of the branch than the quantity, a branch outside the
    // warehouse group of ALager, a place of another warehouse, a quantity below 0 or none at all,
    // an issue of pieces reserved on the place (zam_lvpb). A mode other than 2 or 3 raises.
    // ABuchen false only tests.
    virtual bool LagerZuAbgang_Buchen(int AModus, const TIntTrio& AVon, const TIntTrio& AAn,
                                      const QList<TZAM_Intv100_Sortiment_MeMitProduktIdMitFil>& AMengen, int ALager,
                                      const TIntPair& AMitarbeiter, TZAM_InfoMeldungListe& AMeldungen, bool ABuchen)
    {
        NichtImplementiert("LagerZuAbgang_Buchen");
    }
    // The content of a place in the stock-list layout (Bestandsliste_4_Lagerort's columns;
    // 10 quantity, 20 size index, 7 product, 2 branch): one row per product and size of its
    // loose goods and branch and one row per container standing on it (its key in column 6, no
    // product, quantity 0). Column 2: the branch of reserved pieces, else the container's or place's
    // assignment, else the warehouse's only branch, else -1. False for an unknown place.
    virtual bool Lagerortinhalt_Lesen(const TIntTrio& ALagerort, TVRList& AListe)
    {
        NichtImplementiert("Lagerortinhalt_Lesen");
    }
    // Whether the container may be put onto the target: not onto itself or anything standing on
    // it, not into another warehouse, neither locked by another program, a target container
    // neither on transport nor with its slip printed. The reasons go to AMeldungen.
    virtual bool Behaelter_Zuordnung_Pruefen(const TIntTrio& ABehaelter, const TIntTrio& AZiel,
                                             TZAM_InfoMeldungListe& AMeldungen)
    {
        NichtImplementiert("Behaelter_Zuordnung_Pruefen");
    }
    // Moves the container with everything in and on it onto the target (after the test above);
    // whether it moved. The journal gets a row per product and size it carries (relocation kind 9).
    // ABuchen false only tests; ASchluessel is kept for callers (empty).
    virtual bool Behaelter_Umsetzen(const TIntTrio& ABehaelter, const TIntTrio& AZiel,
                                    TZAM_InfoMeldungListe& AMeldungen, bool ABuchen, const QString& ASchluessel)
    {
        NichtImplementiert("Behaelter_Umsetzen");
    }
    // Assigns the place (or container) to the branch (kind 0 and 2 of FilialZuordnung_Lesen); -1
    // removes it. Raises for an unknown place or a branch outside the place's warehouse.
    virtual void Lagerort_FilialeZuordnen(int AFiliale, const TIntTrio& ALagerort)
    {
        NichtImplementiert("Lagerort_FilialeZuordnen");
    }

    // Per warehouse with branches and per size: the product's stock on the warehouse's places and
    // containers against the sum of its branches' stock of the types goods keep on places (free
    // and blocked); the sizes where they differ, by warehouse and size.
    virtual QList<TZAM_LVLB_BF_Abweichung> LVLB_BF_Abweichungen(const TInt32Trio& AProduktId)
    {
        NichtImplementiert("LVLB_BF_Abweichungen");
    }

    // Allocation of stock to tasks for a pick list. A run begins with Allokation_Zuruecksetzen;
    // within it no piece is allocated twice. Free stock that no personalised entry holds, on
    // ordinary places of ALager, in containers on them and on the hall, none of them locked (also
    // by another program) nor prohibited for the article; at most ATask.Rest pieces. Route places
    // first in route order (position = route index from 1), then, unless ANurLaufweg, other places
    // (CZAM_LaufwegPos_AusserhalbLaufweg), the hall last (CZAM_LaufwegPos_Halle); by name within
    // a position.
    virtual void Allokation_Zuruecksetzen() = 0;
    // A hint before the tasks of a run: their article sizes' stock may be read at once.
    virtual void Allokation_Vorbereiten(const QList<QPair<TInt32Trio, int>>& AArtikel, int ALager) {}
    virtual QList<TZAM_AllokationsEintrag> Aufgabe_Allokieren(const TZAM_AufgabenAllokation& AAufgabe, int ALager,
                                                             bool ANurLaufweg,
                                                             const TZAM_LaufwegVerbotDict* AVerbote) = 0;

    // The booking of a task (re-sorting and customer orders): the physical movement, the
    // shortfall and the order-line correction, each when its switch is set, and the task's
    // fulfilment. ADruckAufgabeBenoetigt asks for a print task; AAufgabeGeloescht tells whether
    // the task went with it.
    virtual bool Aufgabe_Buchen(TZAM_Lager_BEW& ALagerbewegung_physisch, TQIV_AufgabenZeile& AAufgabenzeile,
                                TZAM_Lager_BEW& ALagerbewegung_Fehlmenge,
                                TZAM_Aufgabe_Erfuellen_Daten& AErfuellungsdaten_Fehlmenge,
                                bool AMitAufgaben_Erfuellung_Fehl, TZAM_Lager_BNE_Korrektur& ALagerBNE_physisch,
                                TZAM_Lager_BNE_Korrektur& ALagerBNE_Korrektur, bool AMitFehlmenge,
                                bool AMitLagerbewegung_physisch, bool AMitBNEKorrektur, bool AAufgabe_Nicht_Loeschen,
                                bool ADruckAufgabeBenoetigt, TZAM_InfoMeldungListe* AMeldungen,
                                bool& AAufgabeGeloescht) = 0;

private:
    [[noreturn]] static void NichtImplementiert(const char* AName)
    {
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, {},
                             QStringLiteral("IZAM_LagerBewegungEditServer.") + QLatin1String(AName));
    }
};

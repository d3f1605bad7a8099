#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntTrio.h"

#include <QString>

class TVRList;
class TZAM_InfoMeldungListe;

// Columns of the prepared print list (ListDruckListe).
enum TZAM_ListDruckSpalte : int
{
    cldProdukt = 0,    // TInt32Trio: the product
    cldGroesse = 1,    // integer: its size index
    cldMenge = 2,      // integer: the pieces
    cldLagerort = 3,   // TIntTrio: the place or container the pieces lie on
    cldArtNr = 4,      // integer: the article number (0 without article record)
    cldQuelle = 5,     // TIntTrio: the place the list was prepared for (container or staging place)
    cldVonFiliale = 6, // integer: the slip's from-branch
    cldAnFiliale = 7,  // integer: the slip's to-branch
    cldVerweis = 8,    // integer: pieces of it reserved for another branch than the to-branch
    cldWBS = 11,       // TIntPair: the slip number, once printed
    cldAnzahl = 12
};

// The fixed arguments of the slip print: the list is booked onto transport and printed.
inline constexpr int CZAM_ListDruck_WBS = 2;
inline constexpr int CZAM_ListDruck_WBSOptionen = 31;
// Lock kind of the products of a print list (common lock table; key the product's text form).
inline const QString CZAM_Sperre_ListDruckProdukt = QStringLiteral("LISTDRUCK_PRODUKT");

// The list-print service: goods slips of containers and staging places. A list is prepared for a
// place, its products are locked while it prints, and the print books the pieces onto transport
// for the to-branch, stores the slip and hands back the print job for the document module.
class IZAM_ListDruckEditServer : public IZAM_Server
{
public:
    // Locks the product for this program (visible to every device). AKonsistenzTest: the product
    // must pass the consistency test before it is booked. False when another program holds it.
    virtual bool Produkt_Sperren(const TInt32Trio& AProdukt, bool& AKonsistenzTest) = 0;
    virtual void Produkt_Entsperren(const TInt32Trio& AProdukt) = 0;

    // Whether lists are prepared place by place (true) rather than collected over many places.
    virtual bool KannProLagerortVorbereiten() = 0;
    // The list of the place for the target branch, booked from the booking branch: every piece in
    // or on the place (a container's inner containers included), whatever its reservations name.
    // True when the list is ready; AEtwasZuTun when it holds pieces.
    virtual bool WBS_Vorbereiten(const TIntTrio& ALagerort, int AZielFiliale, int ABuchungsFiliale,
                                 bool& AEtwasZuTun) = 0;
    // The same by place for a warehouse (from-branch: the warehouse's first branch), locking every
    // product: AFremdProdukt names a product with pieces reserved for another branch (printing goes
    // on), AGesperrtProdukt one another program holds (nothing stays locked; false).
    virtual bool WBS_VorbereitenNachLagerort(const TIntTrio& ALagerort, int AFiliale, int ALager,
                                             TInt32Trio& AFremdProdukt, TInt32Trio& AGesperrtProdukt) = 0;
    // The prepared list (columns TZAM_ListDruckSpalte).
    virtual TVRList& ListDruckListe() = 0;

    // Books the prepared list onto transport and stores its slip, inside the caller's bracket:
    // the pieces leave their places and the warehouse (correction 70), the container is on
    // transport with its slip; answers the slip number, the branches and the print-job text
    // (ABoutName; empty when nothing was printed). A refusal answers false with its reasons in
    // AMeldungen and stores nothing.
    virtual bool WBS_Drucken(int AArt, int AOptionen, TIntPair& AListenNr, qint16& AVonFiliale, qint16& AAnFiliale,
                             QString& ABoutName, QString& ABoulName, TZAM_InfoMeldungListe& AMeldungen) = 0;
};

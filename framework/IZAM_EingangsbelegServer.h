#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The kinds of incoming document; the movements name theirs (zam_bne.eingang_art).
enum TZAM_Eingangsbeleg_Art : int
{
    ebaWBS = 1,        // a goods slip between branches, named by its list number
    ebaWEAvis = 2,     // a goods-receipt notice
    ebaFremdnummer = 3 // a document of an external number
};

// The head of an incoming document. A slip has a from- and a to-branch; a notice and an
// external-number document have the receiving branch in AnFiliale (-1 none).
struct TZAM_Eingangsbeleg
{
    TZAM_Eingangsbeleg_Art Art = ebaWBS;
    TIntPair WBSId;
    TIntTrio WEAvisId;
    QString Fremdnummer;
    qint16 VonFiliale = -1;
    qint16 AnFiliale = -1;
    int Lager = -1;        // the receiving warehouse; -1 when created: the to-branch's
    QDateTime Datum;       // invalid when created: now
    bool VonLager = false; // read: the from-branch belongs to a warehouse
};

// One movement of an incoming document: pieces of one size of a product. Written: product,
// size, quantity, branches (-1: the document's), movement byte, reference with the
// customer-order document of its position (kind 1; found from the reference when null) and,
// for a notice, the place its pieces lie on (null: the warehouse's default goods-receipt place).
// Read in addition: the key of its order line, the open quantity in Menge (planned less put
// away less written off), what was put away, the document's date and the article's texts.
struct TZAM_Eingangsbewegung
{
    TIntTrio BelegId; // the order line of the document and product
    TInt32Trio ProduktId;
    int GrIdx = 0;
    int Menge = 0;
    int Erhalten = 0;
    qint16 VonFiliale = -1;
    qint16 AnFiliale = -1;
    int BewByte = 0;
    TZAM_PersArt_ExtVerweis Verweis;
    TIntTrio KubeBeleg;
    QString KubeBelegNr; // the customer order's number, for kind 3 the external order's number
    TIntTrio Lagerort;
    QString LagerortName;
    QDateTime Datum;
    int ArtNr = 0; // 0 without article record
    QString Bezeichnung, Farbe, Hersteller, HerstellerArtNr, GroesseName;
};

// An incoming document as the document lists show it: its open pieces, in how many sizes and
// articles, and the product with its article when it is the only one (for a place: a product).
struct TZAM_Eingangsbeleg_Produkt
{
    TZAM_Eingangsbeleg Beleg;
    TInt32Trio ProduktId;
    int ArtNr = 0;
    QString Bezeichnung;
    int Offen = 0;
    int Groessen = 0; // sizes with open pieces, summed over the articles
    int Artikel = 1;  // articles with open pieces
};

// The incoming documents of a warehouse: goods slips from branches, goods-receipt notices and
// external-number documents, with their movements as order lines of kind 70. Every write runs
// in a booking bracket of its own (nested in the caller's); every failure raises.
class IZAM_EingangsbelegServer : public IZAM_Server
{
public:
    // A slip with its movements. ATransportbestand: the pieces become transport stock (type 40)
    // of their to-branch.
    virtual void WBS_Anlegen(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen,
                             bool ATransportbestand) = 0;
    // A notice with its movements. ABestandBuchen: the pieces lie on their places as free stock
    // of the receiving branch (place stock and branch stock).
    virtual void WEAvis_Anlegen(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen,
                                bool ABestandBuchen) = 0;
    virtual void Fremdbeleg_Anlegen(const TZAM_Eingangsbeleg& ABeleg,
                                    const QList<TZAM_Eingangsbewegung>& ABewegungen) = 0;

    // The slips incoming to the branch with open movements: the to-branch belongs to the slip's
    // warehouse and the from-branch does not. With a product only that product's movements.
    // One entry per slip, by slip.
    virtual QList<TZAM_Eingangsbeleg_Produkt> WBS_4_Filiale(qint16 AFiliale, const TInt32Trio& AProdukt) = 0;
    // The notices and then the external-number documents of the warehouse with open movements.
    virtual QList<TZAM_Eingangsbeleg_Produkt> Belege_4_Lager(int ALager, const TInt32Trio& AProdukt) = 0;
    // The products lying on the place (place stock), one entry each (document fields empty).
    virtual QList<TZAM_Eingangsbeleg_Produkt> Produkte_4_Lagerort(const TIntTrio& ALagerort,
                                                                  const TInt32Trio& AProdukt) = 0;

    // The open movements of a document, by order line, size and position. A notice's for the
    // receiving branch AFiliale.
    virtual QList<TZAM_Eingangsbewegung> Bewegungen_4_WBS(const TIntPair& AWBS) = 0;
    virtual QList<TZAM_Eingangsbewegung> Bewegungen_4_WEAvis(const TIntTrio& AWEAvis, qint16 AFiliale) = 0;
    virtual QList<TZAM_Eingangsbewegung> Bewegungen_4_Fremdnummer(const QString& AFremdnummer) = 0;
};

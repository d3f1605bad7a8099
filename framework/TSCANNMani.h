#pragma once

#include "TIntPair.h"
#include "TIntTrio.h"
#include "TInt32Trio.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDate>
#include <QString>
#include <memory>

class IZAM_ScannServer;
class TVRList;

// Scan-record types.
inline constexpr int CSCAN_Typ_Zaehlliste = 1;
inline constexpr int CSCAN_Typ_WEPlus = 2;

// One scanned goods-receipt line.
struct TScanCode
{
    QString AuftragsNr; // the order key as text
    QString LieferscheinNr;
    TInt32Trio ProduktId;
    int GrIdx = 0;
    int Menge = 0;
    TIntTrio Lagerort;
    TIntTrio DispoId;
    TZAM_PersArt_ExtVerweis ExtVerweis;
    TIntPair MitaGepNr; // the user number
    QDate Datum1;
    QDate Datum2;
    quint8 Kennzeichen = 0;

    void Clear() { *this = TScanCode(); }
};

// Which records the manager's list holds: records of a type and user (NurOffene 1: open records
// only), or the one record of an identifier, whatever its type.
struct TSCANSelectRec
{
    int Typ = 0;
    TIntPair MitaGepNr;
    int NurOffene = 0; // the third criterion
    TIntTrio Ident;

    void Clear() { *this = TSCANSelectRec(); }
    // The selection of one record by its identifier.
    static TSCANSelectRec Construct(const TIntTrio& AIdent, bool, bool)
    {
        TSCANSelectRec s;
        s.Ident = AIdent;
        return s;
    }
    bool operator==(const TSCANSelectRec&) const = default;
};

// The columns of the manager's list, in this order.
enum TSCANListeSpalte : int {
    cslProdukt = 0,     // TInt32Trio
    cslGrIdx = 1,       // integer
    cslDispoId = 2,     // TIntTrio
    cslAnFiliale = 3,   // integer: the storage branch given to BuchenSingle
    cslExtKuerzel = 4,  // text: the reference kind's letter
    cslExtId = 5,       // TIntTrio
    cslExtNummer = 6,   // integer
    cslMenge = 7,       // integer
    cslLagerort = 8,    // TIntTrio
    cslScanIdent = 9,   // TIntTrio
    cslAuftragsNr = 10, // text
    cslLieferschein = 11, // text
    cslAnzahl = 12
};

// The scan manager: scan records that outlive the program until they are posted.
class TSCANNMani
{
public:
    TSCANNMani();
    ~TSCANNMani();

    // Stores the record; answers its identifier, never empty. Refuses (common exception, nothing
    // stored) a negative quantity, an unknown product, a size outside 0 to 99 and a record
    // without user number. Empties the manager's list.
    // The identifier is (1, 0, serial key of the stored record): unique across devices.
    TIntTrio BuchenSingle(int ATyp, const TScanCode& ARec, const TIntPair& ALieferant, qint16 ALagerFiliale);
    // The list becomes the rows of the selection (it replaces what the list held).
    void SelectAndAdd(const TSCANSelectRec& AAuswahl, int ANull);
    // The user's open records of the type exist.
    bool WEPlusExists(const TIntPair& AMitaGepNr);
    // Deletes the user's open WE-Plus records; empties the manager's list.
    void WEPLusLoeschen(const TIntPair& AMitaGepNr);

    TVRList& Liste();
    // The selection the list holds; false when it holds none (empty, or emptied since).
    bool ListeAuswahl(TSCANSelectRec& AAuswahl) const;

    // A record's identifier is (1, 0, key of its row). Every device writes into the one table,
    // whose serial never hands a key out twice, so identifiers are unique across devices; the 1
    // keeps the identifier defined. Raises for a key that has no identifier.
    static TIntTrio Ident_4_Id(qint64 AId);
    // The key of an identifier; 0 for an identifier of another form: it names no record.
    static qint64 Id_4_Ident(const TIntTrio& AIdent);

private:
    IZAM_ScannServer& Server();
    void ListeLeeren();
    std::unique_ptr<IZAM_ScannServer> FServer;
    std::unique_ptr<TVRList> FListe;
    TSCANSelectRec FAuswahl;
    bool FHatAuswahl = false;
};

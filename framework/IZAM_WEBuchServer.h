#pragma once

#include "IZAM_Server.h"
#include "TInfoKoord.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntTrio.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Intv100_Sortiment_Me.h"

#include <QList>
#include <QString>

// Why the goods-receipt posting refuses an item (group "LAGER"; texts in the catalogue).
inline const TInfoKoord CZAM_Info_WEBuch_KeineScansaetze{"LAGER", 1301};
inline const TInfoKoord CZAM_Info_WEBuch_SchluesselUngueltig{"LAGER", 1302};
inline const TInfoKoord CZAM_Info_WEBuch_ScansatzUnbekannt{"LAGER", 1303};
inline const TInfoKoord CZAM_Info_WEBuch_ScansatzGebucht{"LAGER", 1304};
inline const TInfoKoord CZAM_Info_WEBuch_ScansatzFremdesProdukt{"LAGER", 1305};
inline const TInfoKoord CZAM_Info_WEBuch_GroesseUngueltig{"LAGER", 1306};
inline const TInfoKoord CZAM_Info_WEBuch_ArtikelUnbekannt{"LAGER", 1307};
inline const TInfoKoord CZAM_Info_WEBuch_ArtikelGesperrt{"LAGER", 1308};
inline const TInfoKoord CZAM_Info_WEBuch_GroesseUnbekannt{"LAGER", 1309};
inline const TInfoKoord CZAM_Info_WEBuch_LagerortUnbekannt{"LAGER", 1310};
inline const TInfoKoord CZAM_Info_WEBuch_LagerortGesperrt{"LAGER", 1311};
inline const TInfoKoord CZAM_Info_WEBuch_LagerortFremdGesperrt{"LAGER", 1312};
inline const TInfoKoord CZAM_Info_WEBuch_DispoUnbekannt{"LAGER", 1313};
inline const TInfoKoord CZAM_Info_WEBuch_DispoGeschlossen{"LAGER", 1314};
inline const TInfoKoord CZAM_Info_WEBuch_KeinePosition{"LAGER", 1315};
inline const TInfoKoord CZAM_Info_WEBuch_KeinePositionVerweis{"LAGER", 1316};
inline const TInfoKoord CZAM_Info_WEBuch_KeinLagerplatz{"LAGER", 1317};

// What one item of the goods receipt posts: the open scan records of the product, in mode 1 all
// onto APlatz, in mode 2 each onto its own place.
struct TZAM_WEBuchAuftrag
{
    TInt32Trio ProduktId;
    QList<TIntTrio> ScanIdents; // the scan records' identifiers (TSCANNMani::Ident_4_Id)
    int Modus = 1;
    TIntTrio Lagerplatz;
    TIntPair Mitarbeiter; // who posts (the document's employee and the journal's worker)
    int Terminal = 0;     // the terminal's number
};

struct TZAM_WEBuchErgebnis
{
    bool Gebucht = false;
    TZAM_InfoMeldungListe Meldungen; // the reason of a refusal
    TZAM_Intv100_Sortiment_Me Menge; // booked pieces per size
    QString BelegNr;                 // the goods-receipt document
};

// The goods-receipt posting of scan records: stock, branch stock, personalised stock, the
// dispositions' received quantities, the journal and the goods-receipt document.
class IZAM_WEBuchServer : public IZAM_Server
{
public:
    // Posts the item whole or not at all, in a bracket of its own nested in the caller's: a
    // refusal answers false with its reason and leaves the caller's bracket alone; a database
    // error raises and abandons the brackets.
    virtual bool Buchen(const TZAM_WEBuchAuftrag& AAuftrag, TZAM_WEBuchErgebnis& AErgebnis) = 0;
    // Deletes those of the records that are still open; answers how many.
    virtual int OffeneLoeschen(const QList<TIntTrio>& AScanIdents) = 0;
};

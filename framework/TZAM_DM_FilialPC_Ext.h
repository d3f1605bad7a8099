#pragma once

#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TVRList.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMBewegungslisteSpalten.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <memory>

class IZAM_EingangsbelegServer;
class IZAM_LagerEditServer;
class TQIV_EXBI_Mani;
class TQIV_WerkstattMani;
struct TZAM_Eingangsbewegung;

// The goods-slip list of the putaway: the incoming documents of a branch or warehouse, one row
// each, and the articles lying on the warehouse's default goods-receipt place.
enum TZAM_WBSListeSpalte : int
{
    cwlHerkunft = 0,    // text: WBS_Herkunft_Text of the origin
    cwlFremdnummer = 1, // text: an external-number document's number
    cwlProdukt = 2,     // TInt32Trio: the article on the goods-receipt place (origin 3)
    cwlDatum = 3,       // date-time of the document
    cwlBelegNr = 4,     // text: the document's key or number
    cwlVonFiliale = 5,  // integer: a slip's from-branch ("Von Fil")
    cwlAnFiliale = 6,   // integer: a slip's to-branch, else the receiving branch; -1 none
    cwlOffen = 7,       // integer: open pieces
    cwlArtNr = 8,       // text: the formatted article number when the row has one article
    cwlBezeichnung = 9, // text: its description
    cwlWEAvisId = 10,   // TIntTrio: the notice
    cwlLager = 11,      // integer: the receiving warehouse
    cwlWBSId = 12,      // TIntPair: the slip's list number
    cwlArtikel = 13,    // integer: articles with open pieces
    cwlGroessen = 14,   // integer: article sizes with open pieces
    cwlAnzahl = 15
};

// Origins of the goods-slip list's rows (column 0 shows their names).
inline constexpr int CZAM_WBSHerkunft_WBS = 0;      // a slip from a branch
inline constexpr int CZAM_WBSHerkunft_WBSLager = 1; // a slip from a branch that belongs to a warehouse
inline constexpr int CZAM_WBSHerkunft_WEAvis = 2;   // a goods-receipt notice
inline constexpr int CZAM_WBSHerkunft_WEPlatz = 3;  // an article on the goods-receipt place
inline constexpr int CZAM_WBSHerkunft_Fremdnr = 4;  // an external-number document
// Kinds of WBSListe_laden.
inline constexpr int CZAM_WBSListe_Filiale = 3; // the slips incoming to a branch
inline constexpr int CZAM_WBSListe_Lager = 4;   // a warehouse's notices, external numbers, goods-receipt place

// The branch-PC extension of the data module: the branch (and warehouse) whose lists it loads.
// The movement list has the 41 columns of ZAMBewegungslisteSpalten.h, the goods-slip list the
// 15 above. The current warehouse is the one set (SetLager), else the data module's
// (SetStandardLager), else the branch's. Loaders raise EZAM_Exception when a read fails.
class TZAM_DM_FilialPC_Ext
{
public:
    TZAM_DM_FilialPC_Ext();
    ~TZAM_DM_FilialPC_Ext();

    TVRList& Bewegungsliste() { return *FBewegungsliste; }
    qint16 Filiale() const { return FFiliale; }
    int Lager() const { return FLager; }
    void SetFiliale(qint16 AFiliale) { FFiliale = AFiliale; }
    void SetLager(int ALager) { FLager = ALager; }
    int StandardLager() const { return FStandardLager; }
    void SetStandardLager(int ALager) { FStandardLager = ALager; }
    // The current warehouse (-1 none) and its branches in group order.
    int AktLager();
    QList<int> AktLagerFilialen();

    TVRList& WBSListe() { return *FWBSListe; }
    // Kind 3: the slips incoming to branch AFilialeOderLager; kind 4: the notices and external-
    // number documents of warehouse AFilialeOderLager with open movements and, when WEMode_Param
    // is 2 or 4, one row per article on its default goods-receipt place. AErsetzen empties the
    // list first (after the reads: a failed read leaves it as it was). With a product only its
    // documents and movements count. True when rows were added; another kind raises.
    bool WBSListe_laden(int AArt, int AFilialeOderLager, bool AErsetzen,
                        const TInt32Trio& AProduktFilter = TInt32Trio());
    // The origin of a name in column 0; -1 for an unknown one.
    static int WBS_Herkunft_4_String(const QString& AText);
    static QString WBS_Herkunft_Text(int AHerkunft);

    // The movement list becomes the document's open movements of the kinds in the set (kind k =
    // bit k, 30 all): each movement classified (column 27, its target branch in column 28), the
    // part of a customer-order position to be processed split off as a row of kind 4. A
    // notice's movements of the receiving branch AFiliale, none when that branch does not belong
    // to the current warehouse. True when the list holds rows.
    bool Bewegungs_Liste_laden(const TIntPair& AWBS, int APersoAuswahlSet);
    bool Bewegungs_Liste_laden(const TIntTrio& AWEAvis, qint16 AFiliale, int APersoAuswahlSet);
    bool Bewegungs_Liste_laden(const QString& AFremdnummer, int APersoAuswahlSet);

    // The branch the customer-order document of a reference of kind 1 is delivered from: the
    // position's own delivery branch when it names one, else the document's; -1 when none.
    qint16 Zielfiliale_4_KubeExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis);

private:
    IZAM_EingangsbelegServer& Eingang();
    IZAM_LagerEditServer& LagerEdit();
    TQIV_EXBI_Mani& EXBI();
    TQIV_WerkstattMani& Werkstatt();
    void Bewegungen_Eintragen(const QList<TZAM_Eingangsbewegung>& ABewegungen, int APersoAuswahlSet);

    std::unique_ptr<TVRList> FBewegungsliste;
    std::unique_ptr<TVRList> FWBSListe;
    qint16 FFiliale = -1;
    int FLager = -1;
    int FStandardLager = -1;
    std::unique_ptr<IZAM_EingangsbelegServer> FEingang;
    std::unique_ptr<IZAM_LagerEditServer> FLagerEdit;
    std::unique_ptr<TQIV_EXBI_Mani> FEXBI;
    std::unique_ptr<TQIV_WerkstattMani> FWerkstatt;
};

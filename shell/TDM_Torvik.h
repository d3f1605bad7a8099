#pragma once

#include "IZAM_AufgabenEditServer.h"
#include "IZAM_FGSystems.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_GPListenServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_LagerInventurServer.h"
#include "IZAM_MandListeServer.h"
#include "IZAM_RechteServer.h"
#include "TArtNumSuchDialog.h"
#include "TEinzeletikettenMani.h"
#include "TInfoKoord.h"
#include "TIntPairList.h"
#include "TQIV_AufgabenZaehlung.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TQIV_Behaelter_Status.h"
#include "TQIV_Dispo_Info.h"
#include "TQIV_VELTOB_Optionen.h"
#include "TQIV_WEDZBuchenInfo.h"
#include "TQIV_WEPlus_DatenCache.h"
#include "TVRGroupList.h"
#include "TZAM_Auslieferung.h"
#include "TZAM_Intv100_IndErw.h"
#include "TZAM_TriState.h"
#include "TZAM_Workflow_Modus.h"
#include "ZAMAnzeigeFelder.h"
#include "ZAMBewegungslisteSpalten.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

class QAbstractItemView;
class TBelimani;
class TLVLZMani;
struct TZAM_ArtikelInformationen;
class TQIV_ArtLesSimple;
class TQIV_ArtvLesenToolsDispoWEMani;
class TQIV_WerkstattMani;
class TSCANNMani;
class TGrpLiefavisWE_Dlg;
class TQIV_VorgangDWSP_Iterator;
class TZAM_AuftrFilListe;
class TZAM_LieferungMani;
class QWidget;
class TQIV_ArtvLesenTools;
class TfrmArtNrGrPopup;
class TQIV_SimpleBestandsLeser;
class TZAM_ArtBarcodeMani;
class TZAM_DM_FilialPC_Ext;
class TZAMFormStore;
class TZAMWarteForm;
class TZAM_InfoMeldungListe;
class IZAM_AuftragsDateien;
class IZAM_BelegEditServer;
class IZAM_ListDruckEditServer;
class IZAM_GrundServer;
class IZAM_WegeOptEditServer;
class IZAM_AbarbEditServer;
class TQIV_AufgabenZaehlKlammer;
class TQIV_EXBI_Mani;
class TSimplePriceReader;
class TVRList;
class TZAM_GrundCache;
struct TGrndSatz;

// How a task booking runs: the task's kind, and whether it is fulfilled without moving goods.
struct TQIV_NachsortBuchenUndWeiter_SteuerungsRec
{
    int AufgabenArt = 0;
    bool NurErfuellung = false;
};

// What the user file knows of a user.
struct TGepData
{
    TIntPair GepNr;
    QString Name;
};

// The central data module: one instance for the program run (DM_Torvik). It keeps the run-time
// context, the terminal options and every framework service the workflows need, each created
// on first use and released when the module is destroyed.
class TDM_Torvik : public QObject
{
    Q_OBJECT
public:
    explicit TDM_Torvik(const QStringList& AArgumente, QObject* AParent = nullptr);
    ~TDM_Torvik() override;

    // Context.
    bool FMDEModus = false;
    bool FUmlagHLPrioModus = false;
    int FAktLager = 0;
    qint16 FAktBewFiliale = -1;
    TIntPair FMitarbeiter;
    TIntPair FBenutzer;
    TQIV_VELTOB_Optionen FOptionen;
    TZAM_AnzeigeFelder FAnzeigeFelder;

    void SetAktLager(int ALager);
    // A chosen warehouse (above 0) becomes current; its single branch becomes the booking branch,
    // otherwise (several branches, or an unknown group) there is none.
    void AktLagerMitBuchungsfiliale_Setzen(int ALager);
    void SetAktFiliale(qint16 AFiliale);
    void LaegerHolen(QList<int>& ALaeger);
    void AktLagerFilialen_Aus_AktLager();
    const QList<int>& GetAktLagerFilialen() const { return FAktLagerFilialen; }
    bool LagerExistiert_Und_IstEinFilialLager(int ALager);
    bool FilialeBenachbartZuLager(int AFiliale);
    bool FilialeIstRezeVudazPlusFiliale(int AFiliale);
    bool AktLagerIstRezeVudazPlusLager();
    // The warehouse has processing-preparation places; asked once per warehouse (shipping/).
    bool BearbVorbereitungVorhanden(int ALager);
    int OrgeID2Filiale(const TOrgeIdKompl& AOrgeId);
    bool GetMandFuerEWA();
    void UserDataByUserId(TGepData& AUserData, const TIntPair& ABenutzer);
    int Manuell_Scroll_Weite_Get(QAbstractItemView* AListe);
    void PlayHintSound(const QString& AName = {});
    void Wartemaske_Zeigen(QWidget* ASender, const QString& AZusatzCaption, const QString& AMeldung);
    void Wartemaske_Verstecken(QWidget* ASender);

    // Terminal options.
    void Optionen_laden();
    void Optionen_laden_FallerSTD();
    // Takes the options and stores them for this terminal; false (registered) when the store
    // failed, and then nothing changed.
    bool Optionen_Uebernehmen_u_Buchen(const TQIV_VELTOB_Optionen& AOptionen);
    void Optionen_2_StringList();
    void Stringlist_2_Optionen();
    static QString NachSortAnzInfo_2_String(const TQIV_AnzeigeInfosNachsortfrm& AInfo);
    static void String_2_NachSortAnzInfo(const QString& AText, TQIV_AnzeigeInfosNachsortfrm& AInfo);
    static QString Spalten_2_String(const QList<TZAM_AufgabenListe_Spalte>& ASpalten);
    static QList<TZAM_AufgabenListe_Spalte> String_2_Spalten(const QString& AText);
    QStringList& strlvconfig() { return Fstrlvconfig; }

    // Services, created on first use; nil after a registered failure.
    IZAM_LagerEditServer* LagerEditServer_GoC();
    IZAM_LagerBewegungEditServer* LagerBewegungEditServer_GoC();
    IZAM_AufgabenEditServer* AufgabenEditServer_Temp_GoC();
    IZAM_GPListenServer* GPListenServer_GoC();
    IZAM_LagerInventurServer* LagerInventurServer_GoC();
    IZAM_MandListeServer* MandListeServer_GoC();
    IZAM_RechteServer* Rechteserver_GoC();
    IZAM_FilialTabelle* FilialTabelle_GoC();
    IZAM_FGSystems* FGSystems_GoC();
    TZAMFormStore* FormStore_CIN();
    // The framework's article tools, created on first use; nil after a registered failure.
    TQIV_ArtvLesenTools* ArtvLesenTools_GoC();
    // Created on first use for the current booking branch.
    TZAM_DM_FilialPC_Ext* DMExtFilPC_GoC();
    TZAM_ArtBarcodeMani* ArtBarCodeMani_GoC();
    TQIV_SimpleBestandsLeser* BestandsLeser_GoC();

    // Terminal auxiliary forms (forms/TDM_Torvik_ArtNrGrPopup.cpp).
    // The article-number entry, created on first use with this module's check installed.
    TfrmArtNrGrPopup* ArtNrGrPopup_GoC();
    // Checks a typed article and till size and shows a refusal (kind 0).
    bool ArtNrGrPopup_onPruefen(const TInt32Trio& AProdukt, int AKassenGroesse, TZAM_Intv100_IndErw& AGrInd,
                                bool AAuchGroesse);
    // The check alone: size index 255; an empty product is refused (AMeldung: 1001 of ARTV); without
    // size accepted; with size the index of the till size, refused (1002 of BABZMSKV) when the
    // article lacks it.
    bool ArtNrGrPopup_onPruefen_Do(const TInt32Trio& AProdukt, int AKassenGroesse, bool AAuchGroesse,
                                   TZAM_Intv100_IndErw& AGrInd, TInfoKoord& AMeldung);

    // Goods receipt (goodsreceipt/TDM_Torvik_Wareneingang.cpp).
    // The long size name of an article size; empty on failure.
    QString Langgroesse_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd);
    // The manufacturer article number of a product; empty on failure.
    QString HerstArtNr_Besorgen(const TInt32Trio& AProdukt_Id);
    // The article information of a size (AGrInd 0 for the article alone); false (AInfo empty) when
    // the product has no article or the article module is missing.
    bool ArtikelInformationen_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd, TZAM_ArtikelInformationen& AInfo);

    // The goods-receipt members, created on first use and released with the module; nil after a
    // registered failure. An article reader needs the article module.
    TSCANNMani* ScannMani_GoC();
    TQIV_ArtvLesenToolsDispoWEMani* DispoWEMani_GoC();
    TQIV_WerkstattMani* WerkstattMani_GoC();
    TLVLZMani* LVLZMani_GoC();
    TEinzeletikettenMani* EinzelEtikMani_GoC();
    TQIV_ArtLesSimple* ArtLesSimple_GoC();
    void ArtLesSimple_RAN();
    TQIV_ArtLesSimple* ArtLesSimpleEinlagerungWEAV_GoC();
    void ArtLesSimpleEinlagerungWEAV_RAN();
    // The global document manager, taken on first use and given back with the module.
    TBelimani* BeliMani_GoC();

    // The goods-receipt cache (goodsreceipt/TDM_Torvik_DatenCache.cpp). References are passed in
    // placeholder form (ExtVerw_4_WEPlus_umbiegen).
    void Daten_2_DatenCache(const TInt32Trio& AProdukt_Id, int AGrIdx, const TIntTrio& ADispoId, qint16 ADispoAnFil,
                            qint16 ADispoAuftrFil, const TZAM_PersArt_ExtVerweis& ADispoExtVerw,
                            const QString& ALieferscheinNr, const TIntTrio& AVerfKombiId, int AMenge,
                            const TIntTrio& ALagerort, const TIntTrio& AScanIdent, TQIV_WEPlus_DatenCache& ADatenCache);
    int Menge_im_DatenCache(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id, int AGrIdx,
                            qint16 AAnFilNr, const TIntTrio& ADispoId, const TZAM_PersArt_ExtVerweis& ADispoExtVerw,
                            const TIntTrio& AVerfKombiId);
    int Gesamtmenge_im_DatenCache(const TQIV_WEPlus_DatenCache& ADatenCache,
                                  const TZAM_PersArt_ExtVerweis& ADispoExtVerw);
    // An empty identifier removes nothing.
    void Delete_from_DatenCache(const TIntTrio& AScanIdent, TQIV_WEPlus_DatenCache& ADatenCache);
    // The reference itself when defined, else the placeholder (kind 1, CMaxIntTrio, 9999).
    static TZAM_PersArt_ExtVerweis ExtVerw_4_WEPlus_umbiegen(const TZAM_PersArt_ExtVerweis& AExtVerw);

    // Scan records (goodsreceipt/TDM_Torvik_Scansaetze.cpp).
    // The new record's identifier; empty when nothing was written (no user number, a refusal).
    TIntTrio Daten_2_ScanSatz(const TIntPair& AAuftrNr, const QString& ALiefScheinNr, const TInt32Trio& AProdukt_Id,
                              int AGrIdx, const TIntTrio& ADispoId, int AMenge, const TZAM_PersArt_ExtVerweis& AExtVerweis,
                              qint16 ALagFilNr, const TIntTrio& ALagerort);
    void Scansaetze_Lesen(int& AAnz);
    // Rebuilds the cache from the user's open WE-Plus records; false when it did not read every
    // record (a reference that disagrees with its container's assignment, a failure).
    bool Scansaetze_2_DatenCache(TQIV_WEPlus_DatenCache& ADatenCache, QString& AAuftragsnummerStr,
                                 QString& ALieferscheinnummer, TIntTrio& ALagerplatzID, QString& ALagerplatzBez);
    bool Scansaetze_4_WEPLus_Vorhanden();
    void Scansaetze_4_WEPLus_Loeschen();
    void MitaGepNr_4_WEPLus(TIntPair& AMitaGepNr);
    void MitaGepNr_4_WEPLus_Setzen();
    void MitaGepNr_4_WEPLus_Reset();

    // Dispositions (goodsreceipt/TDM_Torvik_Dispos.cpp).
    bool OffeneDispos_4_AuftragsNrN_Und_VorgIds(const TIntPairList& AAuftragsNrN, const TIntTrioList& AVorgIds,
                                                QList<TQIV_DispoWE_Info>& ADispos);
    // One order (when defined) or one disposition, asked for each branch of AFilialen; appends.
    bool OffeneDispos_4_AuftragsNr_Oder_VorgId(const TIntPair& AAuftragsNr, const TIntTrio& AVorgId, bool AFlag,
                                               const QList<int>& AFilialen, QList<TQIV_DispoWE_Info>& ADispos);
    bool Dispos_4_AuftragsNrN(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id, int AGrIdx,
                              const TIntPairList& AAuftragsNrn, const TIntTrioList& ADIOhneAuftr,
                              QList<TQIV_Dispo_Info>& ADispos);
    bool Dispos_4_AuftragsNrN(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id, int AGrIdx,
                              const TIntPairList& AAuftragsNrn, const TIntTrio& ADIOhneAuftr,
                              QList<TQIV_Dispo_Info>& ADispos);
    void Dispo_NachVerfkombi_Aufteilen(const TQIV_Dispo_Info& ADispoInfo, TQIV_Dispo_Info_List& AAufgeteilteDIInfos);
    TQIV_Dispo_Info Dispo_NachPrio_Waehlen(bool ABearbDirektInEW, const QList<TQIV_Dispo_Info>& ADispos,
                                           const TZAM_Intv100_Sortiment_Me& AMaxSortiment, bool AForceAllePruefen,
                                           TQIV_Dispo_Info_List& AGepruefteDispos);
    void PassendeDispos_Waehlen(bool ABearbDirektInEW, const TQIV_Dispo_Info_List& ADispos,
                                const TQIV_Dispo_Info& AGewaehlteDispo, QList<TQIV_Dispo_Info>& APassendeDispos);
    static qint16 ZielFilAusZielTyp_4_WEPlus(const TQIV_Dispo_Menge& ADispoMenge);
    bool ZielfilialeEchtBenachbartZuTSPlusLagerFiliale(int AZielFilNr, int ALagerFilNr);
    // The order branch of the disposition's position for the target branch; -1 when none.
    qint16 AuftrFil_4_IdUndAnFil(const TIntTrio& ADispoId, qint16 AAnFiliale);
    bool WEFR_Und_EinlagerunsVersandhilfe_Get();

    // Labels and place checks (goodsreceipt/TDM_Torvik_Etiketten.cpp).
    TIntTrio EtikDruckDispoId_4_WEPlus(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                       int AGrIdx, const TIntPairList& AAuftragsNrn, const TIntTrio& ADIOhneAuftr);
    bool Etiketten_4_Artikel_gewollt(const TInt32Trio& AProdukt_Id);
    QString Etiketten_Layout_4_Artikel(const TInt32Trio& AProdukt_Id);
    void Artikeletikett_Drucken(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr);
    void Artikeletikett_Sammeln(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr);
    void Artikeletikett_Sammeln_Begin();
    void Artikeletikett_Sammeln_End();
    bool Artikeletikett_Gesammelt();
    bool LOOK_4_Einlagerung_beiWEPlus(const TIntTrio& ALagerOrtId, TZAM_Lagerort_Info& ALagerortInfo);
    bool LOOK_4_Einlagerung_beiWEPlus(const TZAM_Lagerort_Info& ALagerortInfo);
    bool LOOK_4_Bearbeitung(const TZAM_Lagerort_Info& ALagerortInfo, int AFilNr, QString& AFehler);

    // Goods-receipt posting (goodsreceipt/TDM_Torvik_WEBuchen.cpp, _WEVerteilen.cpp). The count
    // list: one row per counted line with the given columns (product, supplier key, size index,
    // quantity, branch).
    bool WE_Buchen(QString& AFehler, TQIV_InttrioString_List& AFehlerInfos, const TVRList* AZaehlliste,
                   int AColProdId, int AColHerstId, int AColGrInd, int AColMenge, int AColFilNr,
                   const QString& AEtikettenDruck, const TIntTrio& ALagerplatzID);
    bool WEPlus_AusScansaetzen_Buchen(TQIV_WEPlus_DatenCache& ADatenCache, TQIV_InttrioString_List& AFehlerInfos,
                                      QString& AFehler);
    // The stored label setting of this terminal; false without the stored record.
    bool WEmitMDE_Konfig(QString& AEtikDruck);
    void WEGruppierteListe_Create(std::unique_ptr<TVRList>& AZiel, const TVRList& AZaehlliste, int AColProdId,
                                  int AColHerstId, int AColFilNr);
    TZAM_LieferungMani* LieferungMani_GoC();
    TQIV_VorgangDWSP_Iterator* VorgangDWSP_Iterator_GoC();
    // The global order-branch list, taken on first use and given back with the module.
    TZAM_AuftrFilListe* AuftrFilListe_GoC();
    // Steps of the posting. The candidates per size of the product's open dispositions at the
    // branches AFilialen; the counted rows (size, quantity columns) spread over them.
    QList<qint16> FilialenErmitteln(const TIntPair& ALieferant, qint16 AFiliale);
    void OffeneDisposErmitteln(const TInt32Trio& AProdukt_Id, const QList<qint16>& AFilialen,
                               TQIV_DispoDaten_Dict& ADispos);
    void ZuBuchendeWEsErmitteln(const TVRList& AZeilen, int AColGrInd, int AColMenge, qint16 AFiliale,
                                TQIV_DispoDaten_Dict& ADispos, TQIV_WeDaten_List& AWEs);

    // Stock movements, places and containers (movements/TDM_Torvik_Bewegung.cpp,
    // _Umlagerung.cpp, _Lagerort.cpp, _Behaelter.cpp).
    // The stock of a product size on a place; 0 on failure.
    int Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd);
    // The same; AFehler tells a failed read from an empty place.
    int Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd, bool& AFehler);
    int BestandSuchen(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& ALagerort);
    // The free branch stock of the warehouse group's branches; 0 for an unknown group or on failure.
    int Realbestand(int ALager, const TInt32Trio& AProduktId, int AGrInd);
    // The branch's free stock (BF type " ") of the size; 0 without record or on failure.
    int Realbestand4Filiale(qint16 AFiliale, const TInt32Trio& AProduktId, int AGrInd);
    // (name, key) of every wormhole of the current warehouse; true when there is one.
    bool AlleWurmloecherErmitteln(bool ASorted, TQIV_StringInttrio_List& AListe);
    // A plain relocation with worker FBenutzer; true when booked.
    bool UmlagerungBuchen(const TInt32Trio& AProduktId, int AMenge, int AGrInd, const TIntTrio& AVonLagerort,
                          const TIntTrio& AAnLagerort, quint8 AVerweisTyp, const TIntTrio& AVerweisId,
                          quint8 AVerweisBewTyp, TQIV_MitLVPB AMitLVPB, quint8 ALVPBVerweisArt,
                          const TIntTrio& ALVPBVerweisId, TZAM_InfoMeldungListe* AMeldungen = nullptr);
    // The area rules: false with the reason when the two places may not exchange goods.
    bool Umlagerung_MitBewegungen_Lagerorte_Testen(const TZAM_Lagerort_Info& AVonInfo,
                                                   const TZAM_Lagerort_Info& AAnInfo, QString& AMeldung);
    // A relocation with the change of owner that wormholes and blocked goods bring. ALagerFilNr
    // 10000 splits blocked goods over the branches that own them. AGebuchteMenge: the pieces
    // moved (less than asked when the stock was short).
    bool Umlagerung_MitBewegungen_Buchen(bool& AWenigerVersch, const TZAM_Lagerort_Info& AVonInfo,
                                         const TZAM_Lagerort_Info& AAnInfo, const TInt32Trio& AProduktId, int AGrInd,
                                         int AMenge, qint16 AVonFilZuord, qint16 AAnFilZuord, int AVonLagerZuord,
                                         int AAnLagerZuord, int ALagerFilNr, bool ALVPBNachVonFilFiltern,
                                         bool AStopBeiFehler, TZAM_InfoMeldungListe* AMeldungen,
                                         bool& ANichtsZuBuchen, QString& AMeldung, int* AGebuchteMenge = nullptr);
    // An inventory gain (AZugang) or loss; true when the correction was booked.
    bool Bestandsdifferenz_buchen(const TInt32Trio& AProduktId, int AGrInd, int AMenge, qint16 AFiliale,
                                  const TIntTrio& ALagerort, bool AZugang, TZAM_InfoMeldungListe* AMeldungen);

    // Grouped movement lists (movements/TDM_Torvik_Bewegungsliste.cpp) over the branch-PC
    // extension's movement list. The target is replaced.
    void GruppierteBewegungsliste_Get(std::unique_ptr<TVRList>& AZiel, const TZAM_Anzeige_Spalten_Array& ASpalten,
                                      bool AGroupBelNrAnders);
    void GruppierteBewegungsliste_NachExtVerweis_Get(std::unique_ptr<TVRList>& AZiel);
    // Splits every row without process combination into one row per combination.
    void Bewegungliste_MitVerfkombi_Anreichern(TVRList& AListe);
    void Bewegung_NachVerfkombi_Aufteilen(TQIV_WEPlus_DatenCache& ADatenCache, TVRList& AListe, int AZeile);
    bool Bewegungsliste_Enthält_MehrereBelOderVerfkombis();
    void GroupMethodAlle(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int AZielEbene,
                         int ASpalte);
    void GroupMethodGrIndizesAlle(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile,
                                  int AZielEbene, int ASpalte);
    void GroupMethodTextGesamt(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile,
                               int AZielEbene, int ASpalte);

    // A scanned 22-character barcode as a place or container.
    bool Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                                       const TQIV_Umsetzen_Optionen& AOptionen);
    bool Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ALagerort, QString& AName,
                                       TZAM_Lagerort_Kennung& AKennung, bool& AGesperrt,
                                       TZAM_Lager_Ausgezeichnete_Bereiche& ABereich,
                                       const TQIV_Umsetzen_Optionen& AOptionen);
    // A barcode naming a container (kind 3): its key and name.
    bool Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ABehaelter, QString& AName);
    // Whether a container may carry a delivery to the branch; ASperren also locks it.
    bool Behaelter_pruefen(const TIntTrio& ABehaelter, qint16 AFiliale, int ALager, bool ANurZugeordnete, bool ASperren,
                           bool& AWurdeGesperrt, QString& AMeldung);
    // The container with the status assigned to the document of a position reference and the
    // process combination (movements/TDM_Torvik_Behaelterzuordnung.cpp); AVaterText: the name
    // of the outermost container holding it, empty when it stands in none.
    bool Behaelter_Exists_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AExtVerweis, const TIntTrio& AVerfKombiId,
                                       TQIV_Behaelter_Status AStatus, TZAM_Behaelter& ABehaelter, QString& AVaterText);
    // Assigns the container, open, to the document of the position reference (returned in
    // ABelegId) and the combination; false when it belongs to another document or combination.
    bool Behaelter_ZuordnenZu_ExtVerweis(const TIntTrio& ABehaelter, const TZAM_PersArt_ExtVerweis& AExtVerweis,
                                         const TIntTrio& AVerfKombiId, qint16 APersoZielFil, TIntTrio& ABelegId);
    // The only shipping staging place of the current warehouse for a branch, or its own.
    bool Eindeutige_VBS_FuerFiliale_Ermitteln(qint16 AZielFiliale, TIntTrio& ALagerort, QString& AName);
    bool Eindeutige_Versandbereistellung_DesLagers_Ermitteln(TIntTrio& ALagerort, QString& AName);
    // The place-selection dialog; false when cancelled.
    bool Lagerort_waehlen(bool ALagerstruktur, bool ABehaelter, qint16 AVBSFiliale, TZAM_Lagerort_Info& AInfo);
    void LagerortInfo(const TIntTrio& ALagerort);
    void Behaelterinfo(const TIntTrio& ABehaelter);

    // Shipping and order documents (shipping/TDM_Torvik_Reservierung.cpp).
    // The reservation document of the customer-order document AEBSId when the framework
    // parameter "RESBELDR" is set; on the printer named (empty: the site's document printer).
    void Reservierung_ausEBS_Drucken(const TIntTrio& AEBSId, const QString& ADrucker);

    // Goods slips (shipping/TDM_Torvik_Warenbegleitschein.cpp). Failures are registered under
    // "TDM_Torvik." and the name and answer false.
    IZAM_ListDruckEditServer* ListDruckEditServer_GoC();
    // True when the printer is known, or any other name goes to a default printer; "PDF" and a
    // machine without printers print into files.
    bool TestWBSDruckMoeglich(const QString& ADrucker);
    bool WarenbegleitscheinVorbereiten(bool& AEtwasZuTun, const TIntTrio& ALagerort, int AZielFiliale);
    bool WarenbegleitscheinDrucken(QString& AFehler, QString& ABoutName, QString& ABoulName, qint16& AVonFiliale,
                                   qint16& AAnFiliale, TIntPair& AListenNr, const QString& ADrucker,
                                   const TIntTrio& ALagerort, bool AInBuchung);
    bool WarenbegleitscheinDrucken(QString& AFehler, const QString& ADrucker, const TIntTrio& ALagerort);
    bool WarenbegleitscheinFuerLagerorteDrucken(QString& AFehler, QString& ABoutName, QString& ABoulName,
                                                qint16& AVonFiliale, qint16& AAnFiliale, TIntPair& AListenNr,
                                                const TIntTrio& ALagerort, int AZielFil, const QString& ADrucker,
                                                bool AOhneWarteMaske, bool AInBuchung);
    bool WarenbegleitscheinFuerLagerorteDrucken(QString& AFehler, const TIntTrio& ALagerort, int AZielFil,
                                                const QString& ADrucker);
    bool VersPapFuerWBSErstellen(int AVonFiliale, int AAnFiliale, const TIntPair& AListenNr);

    // Tasks (tasks/TDM_Torvik_Aufgaben.cpp: loading and reasons; _AufgabenZaehlen.cpp: the
    // counters; _Auftraege.cpp: order locks and order quantities; _AufgabeBuchen.cpp).
    // The shared task service: whoever loads last owns its list.
    IZAM_AufgabenEditServer* AufgabenEditServer_GoC();
    // A list view with the 84 task-list columns, sortable.
    TVRList* Aufgabenliste_Get();
    IZAM_WegeOptEditServer* WegeOptEditServer_GoC();
    // Processing orders of the warehouses (the re-sorting branch chooser).
    IZAM_AbarbEditServer* AbarbEditServer_GoC();
    IZAM_AuftragsDateien* AuftragsDateien_GoC();
    TQIV_EXBI_Mani* EXBIMani_GoC();
    // Nil when the document module is not available.
    IZAM_BelegEditServer* BelegEditServer_GoC();
    TSimplePriceReader* SimplePriceReader_GoC();
    TZAM_GrundCache* HLAnfoGrundCache_GoC();
    // The framework parameter "GDBCONFIG": 1 reads the task files one by one.
    int GDBConfig();

    // Loads and removes every row whose task the sorted whitelist lacks.
    bool Aufgabenliste_Laden_MitWhitelist(IZAM_AufgabenEditServer* AServer, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                          const TIntTrioList& AWhitelist, bool ALadenSubaufgaben,
                                          bool ALadenErfuellungen, bool ALadenZusatzDaten, bool ANurAnzahlLaden,
                                          bool AGroesseLaden);
    bool Aufgabenliste_Laden_MitWhitelist(IZAM_AufgabenEditServer* AServer, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                          const TIntTrioList& AWhitelist, const TQIVAufgabenlisteLaden_Options& AOptionen);
    bool Aufgaben_fuerUmlagHLPrio_laden(TIntTrio& AGrundId, TIntTrio& ALaufwegId);
    bool FA_Aufgaben_Laden(TIntTrio& AAufgabenId, qint16& AZielFiliale, TIntTrio& AVorgangsKey, QChar& AVorgangsTyp,
                           const TInt32Trio& AProduktId, int AGrInd);
    bool RezeVudaz_Aufgaben_Laden(TIntTrio& AAufgabenId, qint16& AZielFiliale, TIntTrio& AVorgangsKey,
                                  QChar& AVorgangsTyp, TIntTrio& AAuftragsKey, const TInt32Trio& AProduktId, int AGrInd);
    // True when no open task remains (never after a failed load).
    bool Aufgaben_Fertig(qint16 AZielFiliale, const TIntTrio& ABelegId, bool ARezeVudaz);

    // Reasons of replenishment requests.
    bool HLAnfoGrundSatzErmitteln(const TIntTrio& AGrundId, bool ANeuLadenWennFehlt, TGrndSatz& ASatz);
    bool HLAnfoGrund_NurAufgabe_Ermitteln(const TIntTrio& AGrundId);
    int HLAnfoGrund_PrioReihenfolge_Ermitteln(const TIntTrio& AGrundId);
    // APrioSignalFilter: 0 every reason, 1 those without, 2 those with priority signal.
    bool AlleHLAnfoGrundIdsErmitteln(TQIV_HLAnfoGrundId_Sortierung ASortierung, int APrioSignalFilter,
                                     TIntTrioList& AIds);

    // Counting.
    void AufgabenFuerFilErmitteln(TZAM_Int_Int_Array& AAnzahlen, const TVRList& AListe,
                                  TZAM_AufgliederungLager_Set ASeparat);
    void AufgabenFuerFilErmitteln(TZAM_Int_Int_Array& AAnzahlen, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                  TZAM_AufgliederungLager_Set ASeparat);
    void AufgabenFuerSpalteErmitteln(const TVRList& AListe, int ASpalte, QHash<TIntTrio, int>& AAnzahlen);
    void BelegHerkuenfteErmitteln(TQIV_Herkunft_Anzahl_Dict& AHerkuenfte, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                  const TIntTrioList& AWhitelist, bool AMitWhitelist);
    void PositionsAnzahlenErmitteln(TQIV_IntTrio_Int_List& AEinzel, TIntTrioList& AMehrPos,
                                    TQIV_BelegInfo_4_Kennung_U_Text_Dict& ABelege, TQIV_Kennung_Text_Datum_List& AKeys,
                                    TIntTrioList& AKomplett, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                    const TIntTrioList& AWhitelist, bool AMitWhitelist, bool AKomplettErmitteln);
    void KomplettImLagerBestListErmitteln(bool ANurBezahlte, TIntTrioList& AKomplett);
    // The count bracket open now (TQIV_AufgabenZaehlKlammer opens and closes it), or nullptr.
    TQIV_AufgabenZaehlKlammer* AufgabenZaehlKlammer() const { return FAufgabenZaehlKlammer; }
    void AufgabenZaehlKlammer_Setzen(TQIV_AufgabenZaehlKlammer* AKlammer) { FAufgabenZaehlKlammer = AKlammer; }
    // Mode 0 counts per branch, 1 origins, 2 order positions.
    void AufgabenOHerkuenfteOPosAnzErmitteln(TZAM_Int_Int_Array& AAnzahlen, TQIV_Herkunft_Anzahl_Dict& AHerkuenfte,
                                             int AModus, TZAM_AufgliederungLager_Set ASeparat,
                                             bool AKomplettErmitteln, bool AMitWhitelist,
                                             const TIntTrioList& AWhitelist,
                                             const TZAM_Aufgaben_Suchkriterien& AKriterien, TIntTrioList& AKomplett,
                                             TQIV_Kennung_Text_Datum_List& AKeys,
                                             TQIV_BelegInfo_4_Kennung_U_Text_Dict& ABelege, TIntTrioList& AMehrPos,
                                             TQIV_IntTrio_Int_List& AEinzel);

    // Orders and dispositions: locks under "Zephran_Auftrag" and "Zephran_Dispo".
    bool Auftrag_Sperren(const TIntPair& AAuftrag);
    void Auftrag_Entsperren(const TIntPair& AAuftrag);
    bool Auftraege_Sperren(const QList<TIntPair>& AAuftraege, const TIntTrio& ADispoOhneAuftrag, QString& AMeldung);
    void Auftraege_Entsperren(const QList<TIntPair>& AAuftraege, const TIntTrio& ADispoOhneAuftrag);
    bool Dispo_Sperren(const TIntTrio& ADispoId);
    void Dispo_Entsperren(const TIntTrio& ADispoId);
    // Quantities of a reference: reserved branch stock, order-line positions; -1 on failure.
    int MengeAusBFP(const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale, int ABestandsart);
    int MengeAusBFP(const TZAM_PersArt_ExtVerweis& AVerweis, int AZielFiliale, int AQuellFiliale, int ABewTyp);
    int MengeAusBNEP(const TIntTrio& ADispoId, int AZielFiliale, int AQuellFiliale, int ABewTyp,
                     const TZAM_PersArt_ExtVerweis& AVerweis);
    // For every branch of the current warehouse in order: the orders and the dispositions
    // without order open for the product and size (-1: any size); true when either is not empty.
    bool AuftragsNrN_4_ProduktId(const TInt32Trio& AProduktId, int AGrIdx, TIntPairList& AAuftragsNrN,
                                 TIntTrioList& ADIOhneAuftr);

    // Order numbers from typed text (goodsreceipt/TDM_Torvik_AuftragsNr.cpp): the text split at
    // ",", else at ".", else at blanks; each part an order with open dispositions for the current
    // warehouse's branches, added once. ATypedAnzahl: the parts of the last split tried; true
    // when every part named an order.
    bool VELTAuftragsNrN_Aus_AuftragsnrStr(const QString& AText, TIntPairList& AAuftragsNrN, int& ATypedAnzahl);
    // One part: "ABS" + number, an order key "45-1001", the house's own order number, or a
    // number range's prefix + serial; true when it named an order with open dispositions.
    bool VELTAuftragsNrAusString(const QString& ATeil, TIntPairList& AAuftragsNrN);
    bool VELTAuftragsNrAusPosNumString(const QString& ATeil, TIntPairList& AAuftragsNrN);
    // The quick article search of the WE-Plus order entry.
    TArtNumSuchDialog ArtNumSuchDialog;
    // An external order's pieces already in the target branch; -1 on failure.
    int AFInZielFil_4_VEBE(int& AAnzVerweise, int& AOffenMenge24, qint16 AFiliale, int APosNr,
                           const TIntTrio& AAuftragsKey, bool& ANeuLaden);

    // A task booking: relocation tasks (kind 8) move and fulfil as one booking; every other kind
    // goes to the movement service.
    bool LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen(
        const TQIV_NachsortBuchenUndWeiter_SteuerungsRec& ASteuerung, TZAM_Lager_BEW& ALagerbewegung_physisch,
        TQIV_AufgabenZeile& AAufgabenzeile, TZAM_Lager_BEW& ALagerbewegung_Fehlmenge,
        TZAM_Aufgabe_Erfuellen_Daten& AErfuellungsdaten_Fehlmenge, bool AMitAufgaben_Erfuellung_Fehl,
        TZAM_Lager_BNE_Korrektur& ALagerBNE_physisch, TZAM_Lager_BNE_Korrektur& ALagerBNE_Korrektur,
        bool AMitFehlmenge, bool AMitLagerbewegung_physisch, bool AMitBNEKorrektur, bool AAufgabe_Nicht_Loeschen,
        bool ADruckAufgabeBenoetigt, TZAM_InfoMeldungListe* AMeldungen, bool& AAufgabeGeloescht);

private:
    // Posting: the lines of a count list (false after a record that could not be written; AArtikel
    // the product of that row), one group through the goods-receipt dialog, its labels.
    bool ScanSaetzeBuchen_und_BuchInfoListFuellen(const TVRList& AGruppiert, int AColProdId, int AColHerstId,
                                                  int AColGrInd, int AColMenge, int AColFilNr,
                                                  TQIV_WEDZBuchenInfo_List& AZeilen, TInt32Trio& AArtikel);
    bool WE_Buchen_DO(int AModus, const TQIV_WEDZBuchenInfo_List& AGruppe, QString& AFehler,
                      TQIV_InttrioString_List& AFehlerInfos, bool AEtikettenDrucken, const TIntTrio& ALagerplatz,
                      QList<TEinzelEtikettInfo>& AEtiketten);
    void EtikettenDruck(const TGrpLiefavisWE_Dlg& ADialog, qint16 AFiliale, QList<TEinzelEtikettInfo>& AEtiketten);
    void Etiketten_Nach_Buchung_Drucken(const QList<TEinzelEtikettInfo>& AEtiketten);
    int Realbestand_Lesen(int ALager, const TInt32Trio& AProduktId, int AGrInd);
    int Realbestand4Filiale_Lesen(int AFiliale, const TInt32Trio& AProduktId, int AGrInd);
    QString GroessenText(const TInt32Trio& AProduktId, int AGrInd);
    bool Umsetzen_Durchfuehren(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                               const TQIV_Umsetzen_Optionen& AOptionen);
    bool Eindeutige_VBS(int AFiliale, int ALagerEigene, TIntTrio& ALagerort, QString& AName);

    QList<TGrndSatz>* HLAnfoGrundList_CiN_UndFuellen();
    template <class I> I* Dienst_GoC(std::unique_ptr<I>& AFeld, const char* AName);
    void KandidatenPruefen_Und_Umpacken(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                        int AGrIdx, const QList<TQIV_DispoWE_Info>& AAntwort,
                                        QList<TQIV_Dispo_Info>& ADispos);
    void Auslieferung_4_PosId(const TZAM_PersArt_ExtVerweis& AVerweis, QString& ABelegNr,
                              TZAM_Auslieferung& AAuslieferung, qint16& AAbwFiliale, int& ABearbFiliale);
    TQIV_ZPMDE_Ziel ZielTypErmitteln(const TQIV_Dispo_Info& ADispo, int ABearbFiliale, bool ABearbDirektInEW);
    bool EtikDruckDispoId_4_WEPlus_Do(const TQIV_WEPlus_DatenCache_Value& AWert, TIntTrio& ADispoId) const;
    TEinzelEtikettInfo EtikettInfo(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                   const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr) const;
    // One group over the columns; the movement list's functions per column.
    TVRGroupList Bewegungsgruppierung(const TZAM_Anzeige_Spalten_Array& ASpalten, bool AGroupBelNrAnders,
                                      bool AMitMethoden);
    void ZuordnungPruefen(const TZAM_PersArt_ExtVerweis& AVerweis, const TIntTrio& ALagerort, TIntTrio& AVerfKombiId);
    void Scansaetze_4_WEPLus_LVLZ_Loeschen(TSCANNMani& AMani);
    TQIV_ArtLesSimple* ArtikelLeser_GoC(std::unique_ptr<TQIV_ArtLesSimple>& AFeld, const char* AName);
    template <class T> T* Werkzeug_GoC(std::unique_ptr<T>& AFeld, const char* AName);

    QList<int> FAktLagerFilialen;
    TZAM_TriState FAktLagerIstRezeVudazPlusLager;
    TZAM_TriState FMandFuerEWA;
    QHash<int, bool> FFilIstTSPlusFilDict;
    QHash<int, bool> FBearbVorbDa4LagernrDict;
    QStringList Fstrlvconfig;
    // The wormholes of the current warehouse, read on first demand.
    TZAM_LagerVorr_Array FWurmlochArr;

    std::unique_ptr<IZAM_LagerEditServer> FLagerEditServer;
    std::unique_ptr<IZAM_LagerBewegungEditServer> FLagerBewegungEditServer;
    std::unique_ptr<IZAM_AufgabenEditServer> FAufgabenEditServer_Temp;
    std::unique_ptr<IZAM_AufgabenEditServer> FAufgabenEditServer;
    std::unique_ptr<TVRList> FAufgabenliste;
    std::unique_ptr<IZAM_WegeOptEditServer> FWegeOptEditServer;
    std::unique_ptr<IZAM_AbarbEditServer> FAbarbEditServer;
    std::unique_ptr<IZAM_AuftragsDateien> FAuftragsDateien;
    std::unique_ptr<TQIV_EXBI_Mani> FEXBIMani;
    std::unique_ptr<IZAM_BelegEditServer> FBelegEditServer;
    std::unique_ptr<IZAM_ListDruckEditServer> FListDruckEditServer;
    std::unique_ptr<TSimplePriceReader> FSimplePriceReader;
    std::unique_ptr<TZAM_GrundCache> FHLAnfoGrundCache;
    TQIV_AufgabenZaehlKlammer* FAufgabenZaehlKlammer = nullptr;
    // The reasons of group "HAG" in file order, read on first use.
    std::unique_ptr<QList<TGrndSatz>> FHLAnfoGrundList;
    std::unique_ptr<IZAM_GPListenServer> FGPListenServer;
    std::unique_ptr<IZAM_LagerInventurServer> FLagerInventurServer;
    std::unique_ptr<IZAM_MandListeServer> FMandListeServer;
    std::unique_ptr<IZAM_RechteServer> FRechteserver;
    std::unique_ptr<TQIV_ArtvLesenTools> FArtvLesenTools;
    std::unique_ptr<TZAM_DM_FilialPC_Ext> FDMExtFilPC;
    std::unique_ptr<TZAM_ArtBarcodeMani> FArtBarCodeMani;
    std::unique_ptr<TQIV_SimpleBestandsLeser> FBestandsLeser;
    IZAM_FilialTabelle* FFilialTabelle = nullptr;
    IZAM_FGSystems* FFGSystems = nullptr;
    TZAMFormStore* FFormStore = nullptr;
    std::unique_ptr<TfrmArtNrGrPopup> FArtNrGrPopup;
    std::unique_ptr<TZAM_LieferungMani> FLieferungMani;
    TZAM_AuftrFilListe* FAuftrFilListe = nullptr;
    std::unique_ptr<TSCANNMani> FScannMani;
    std::unique_ptr<TQIV_ArtvLesenToolsDispoWEMani> FDispoWEMani;
    std::unique_ptr<TQIV_WerkstattMani> FWerkstattMani;
    std::unique_ptr<TLVLZMani> FLVLZMani;
    std::unique_ptr<TEinzeletikettenMani> FEinzelEtikMani;
    std::unique_ptr<TQIV_ArtLesSimple> FArtLesSimple;
    std::unique_ptr<TQIV_ArtLesSimple> FArtLesSimpleEinlagerungWEAV;
    TIntPair FMitaGepNr_4_WEPLus;
    bool FMitaGepNr_4_WEPLus_Gelesen = false;
    QHash<QString, QList<TEinzelEtikettInfo>> FEinzelEtikettInfo_Dict;
    QStringList FEinzelEtikettLayouts; // the layouts of the collection in the order they came
    TZAM_TriState FWEFR_Und_EinlagerunsVersandhilfe;
    TBelimani* FBeliMani = nullptr;
    TZAMWarteForm* FWartemaske = nullptr;
};

// The data module of the program run; null before it is created and after it is destroyed.
extern TDM_Torvik* DM_Torvik;

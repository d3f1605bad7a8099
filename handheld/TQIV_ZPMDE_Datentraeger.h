#pragma once

#include "TInt32Trio.h"
#include "TIntPairList.h"
#include "TIntTrio.h"
#include "TIntTrioList.h"
#include "TQIV_AufgabenZaehlung.h"
#include "TQIV_Dispo_Info.h"
#include "TQIV_Lager_Sammeleinlagerung.h"
#include "TQIV_WEPlus_DatenCache.h"
#include "TVTVRListModel.h"
#include "TZAM_Aufgaben_Suchkriterien.h"
#include "TZAM_Intv100_Sortiment_MeMitProduktId.h"
#include "TZAM_Lagerbewegung_Modus.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class TVRList;
struct TQIV_InttrioString_Rec;
class TZAM_LaufwegVerbotDict;
struct TStateKlasse;

// Which orders of the customer-order workflow the task list shows.
enum TQIV_ZPMDE_PosAnzahl
{
    bpaUnbekannt,
    bpaAlle,
    bpaEine,
    bpaMehrere,
    bpaWagen,
    bpaImLager
};

// Where the picking-container chooser returns to and goes on with.
struct TQIV_ZPMDE_States
{
    const TStateKlasse* ZurueckState = nullptr;
    const TStateKlasse* WeiterState = nullptr;
    bool ScanAnWeiter = false; // WeiterState receives the chosen container as a scan
};

// The picking container of a run: a container or a staging place; the largest three-part key
// stands for no container (the pieces leave without goods slip).
struct TQIV_ZPMDE_Nachsort_KomBeh
{
    TIntTrio Kommissionierbehaelter;
    QString KomBehBez;
    int KomBehVonLag = -1;
    qint16 KomBehAnFil = -1; // -1: the target is a warehouse
    int KomBehAnLag = -1;    // -1: the target is a branch
    bool KomBehBehaelter = false;
    bool KomBehSelbstGesperrt = false;
};

// The article a branch choice interrupted: processed with the chosen branch on return.
struct TQIV_ZPMDE_Manuell_Merkdaten
{
    TInt32Trio Produkt_Id;
    quint8 GrInd0 = 255; // 255: none
};

// The data a handheld workflow carries from state to state: one section per workflow. Lists that
// a state owns are only referred to here (the state creates and frees them).
struct TQIV_ZPMDE_Datentraeger
{
    // The task workflows (re-sorting, customer orders, hand store).
    struct
    {
        qint16 FilNummer = -1; // 0: the warehouse itself
        int LagNummer = -1;    // the warehouse when FilNummer is 0, else 0
        TIntTrio LaufwegID;
        TQIV_ZPMDE_Nachsort_KomBeh KommBeh;
        TQIV_ZPMDE_States KommBehWahlStates;
        int IstMenge = 0;
        TZAM_AufgliederungLager_Set TypenGesondert = 0;
        int TypAusKnopf = 0; // business case of the pressed branch button
        TZAM_Aufgabe_GeschaeftsvorfallSet TypenGewaehlt = 0; // 0: the workflow's default
        TZAM_LaufwegVerbotDict* LaufwegVerbotDict = nullptr; // owned by TState_Laufwege
        TVRList* AufgabenVRListe_Verweis = nullptr;          // the task service's list view
        qint16 FilNummerFilter = -1;
        bool FehlmengeAusbuchen = false;
    } Nachsort;

    // Customer orders.
    struct
    {
        // The tasks of the orders complete in the warehouse (sorted), the whitelist of the
        // customer-order workflow; created by the menu, which fills it with its count.
        std::unique_ptr<TIntTrioList> ZulaessigeAufgabenIds;
        struct
        {
            QChar Herkunft;
            qint16 BuchFilNr = -1;
        } HerkunftBuchFilPair;
        QDate AufgabenDatumVon, AufgabenDatumBis; // null: open
        TQIV_ZPMDE_PosAnzahl PosAnzahl = bpaUnbekannt;
        TIntTrio BelegId;
        QString ExBIBelegId;
        // Owned by TState_AufgPosAnzahl.
        TQIV_IntTrio_Int_List* EinPosBestList = nullptr;
        TIntTrioList* MehrPosBestList = nullptr;
        TQIV_BelegInfo_4_Kennung_U_Text_Dict* MehrPosBestDict = nullptr;
        TQIV_Kennung_Text_Datum_List* MehrPosBestKeyList = nullptr;
        TIntTrioList* KomplettImLagerList = nullptr;
        TIntTrioList* WagenBestSammelList = nullptr;
        QStringList* WagenProblemList = nullptr;
        bool AutoPosAnzNachMehrPos = false;
        bool AufgabeGebucht = false;
    } Kundenbestellung;

    // Relocation to the hand store.
    struct
    {
        TIntTrio HLAnfoGrundId;
        TIntTrio ZielLagerortId; // null: every target
        // The place near the picking trolley the worker scanned before the urgent requests ran,
        // or the source whose stock shrank under him.
        QString MerkLagerortBez;
    } UmlagerungHandlager;

    struct
    {
        bool ZuordnenVerboten = false;
    } KommBehWahl;

    struct
    {
        TIntTrio QuellId; // the container parcel shipping starts with
    } Paketversand;

    struct
    {
        const TStateKlasse* ReturnToState = nullptr;
    } LagerInfo;

    // The handheld goods receipt.
    struct
    {
        qint16 FilNr = -1; // the branch of the next article; 0 after the branch choice was left
        TInt32Trio Produkt_Id; // the article waiting for its branch
        quint8 GrInd0 = 255;   // its size; 255: none
        TIntTrio LagerplatzID;
        TVTVRKnoten AktuelleZeile; // the row to select again
        // The scan records of the last posting that were not posted, with their reasons; owned by
        // TState_Wareneingang.
        QList<TQIV_InttrioString_Rec>* FehlerInfos = nullptr;
    } Wareneingang;

    // The WE-Plus receipt: what is received (orders or one disposition without order), the cache
    // of the captured lines and what posting left. Owned here; the states empty and refill it.
    struct TWEPlus
    {
        TQIV_WEPlus_DatenCache DatenCache;
        QString AuftragsnummerStr; // as typed, or as restored from the scan records
        TIntPairList VELTAuftragsNrN;
        TQIV_Dispo_Info DispoOhneAuftrNr; // Vorgang: the disposition; Preis: its dates
        QList<TInt32Trio> ProduktIDsAusArtNumSuch;
        QString Lieferscheinnummer;
        bool Sortimentsweise = false;
        bool Teilsortimente = false;
        bool EtikettenSchonGedruckt = false;
        TIntTrio LOEinlagerungId;
        QString LOEinlagerungBez;
        TZAM_Intv100_Sortiment_MeMitProduktId GesamtSort_MitProdId;
        QList<TQIV_Dispo_Info> GesamtSort_Dispos;
        TQIV_InttrioString_List FehlerInfos;
        const TStateKlasse* ReturnToState = nullptr; // none: the order entry
    } WEPlus;

    // The putaway of an incoming document (a goods slip, a goods-receipt notice or an external
    // number) or of goods lying on the goods-receipt place.
    struct
    {
        TIntPair WBSID;
        bool WBSEnthaeltPerso = false;
        bool WBSEnthaeltNichtPerso = false;
        TIntTrio WEAVID;
        qint16 WEAVFilNr = -1;
        QString Fremdnummer;
        TQIV_Lager_Sammeleinlagerung EinlagerungsInfo;
        TIntTrio Gesamt_An_Lagerplatz;
        TVRList* Gesamt_VRListe = nullptr; // owned by TState_GesamtEinlagerung_LagerortScan
        TQIV_PersoAuswahl Personalisiert = paUnbekannt;
        qint16 PersoZielFiliale = -1;
        TQIV_PersoAuswahl PersoAuswahlForce = paUnbekannt;
        TIntTrio EinBelegId;
        TZAM_PersArt_ExtVerweis EinExtVerweis;
        TIntTrio EinVerfKombiId;
        qint16 AnFilialeAusKlick = -1;
        TQIV_ZPMDE_Ziel Ziel = bmzUnbekannt;
        QMap<int, int> ZielFilialenAlle; // target branch -> pieces of branch exchange
        qint16 ZielFilialeGewaehlt = -1;
        bool KundenVBSAlsAnLPOK = false;
        bool BehaelterAlsAnLPOK = false;
        // The movement list holds the document's movements of the default kinds, loaded just
        // before the target choice opens (which then does not load them again).
        bool BewegungenGeladen = false;
    } Einlagerung;

    // The putaway-and-shipping help.
    struct
    {
        bool AusVersandhilfe = false;
    } Versandhilfe;

    // The manual movements: the mode, the places the whole-bin and container chains carry from
    // state to state, and the branches and warehouses they are assigned to (-1: none; a branch of
    // 0 after the branch choice was left).
    struct
    {
        TZAM_Lagerbewegung_Modus Modus = CZAM_LB_Modus_Keiner;
        TZAM_Lagerort_Info FBehaelter;
        TZAM_Lagerort_Info FQuelle;
        TZAM_Lagerort_Info FZiel;
        qint16 FFilZuordBuchen = -1;
        qint16 FFilZuordQuelle = -1; // the branch chosen, or the whole bin's source assignment
        qint16 FFilZuordZiel = -1;
        qint32 FLagZuordQuelle = -1;
        qint32 FLagZuordZiel = -1;
        TQIV_ZPMDE_Manuell_Merkdaten FMerkDaten;
        QString ExternGescannt; // a scan handed over from another state
    } Manuell;

    // The branch choice: where it returns to.
    struct
    {
        const TStateKlasse* UrsprungsState = nullptr;
    } Filialauswahl;

    // Empties every section: keys empty, texts empty, lists freed, branch numbers -1 (the states
    // owning lists are gone by then).
    void Clear() { *this = TQIV_ZPMDE_Datentraeger(); }
    // Frees what the sections own (the screen's destroy).
    void Finalisieren() { Clear(); }
};

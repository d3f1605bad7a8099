#pragma once

#include "ZAMAufgabenlisteSpalten.h"
#include "ZAMShortCut.h"
#include "ZAMSucheListeSpalten.h"

#include <QChar>
#include <QList>
#include <QSize>
#include <QString>

// The values are the stored numbers of the options; never renumber them.
enum TQIV_FensterGroesse_Erw : int
{
    fgrUnbekannt = 0,
    fgr320x320 = 1,
    fgr320x533 = 2,
    fgr480x800 = 3,
    fgrIndividuell = 4,
};

enum TQIV_WEPVorgehensweise : int
{
    wpvUnbekannt = 0,
    wpvFragen = 1,
    wpvGeordnet = 2,
    wpvUnsortiert = 3
};

enum TQIV_WEPWeiterarbeit : int
{
    wpwUnbekannt = 0,
    wpwFragen = 1,
    wpwTeilsortimente = 2,
    wpwEinzelartikel = 3
};

enum TQIV_WEPArtikelOhneDispo : int
{
    aodUnbekannt = 0,
    aodFragen = 1,
    aodImmerEinlagern = 2,
    aodNieAnnehmen = 3
};

enum TQIV_WEPEtikettendruck : int
{
    wpeUnbekannt = 0,
    wpeAllgemein = 1,
    wpeStandard = 2,
    wpeImmer = 3,
    wpeNie = 4
};
// The general label choice cannot refer to itself: only wpeStandard to wpeNie.
using TQIV_WEPEtikettendruck_OhneAllg = TQIV_WEPEtikettendruck;

enum TQIV_HinweisZeigen_Erw : int
{
    hizUnbekannt = 0,
    hizNein = 1,
    hiz1Sekunde = 2,
    hiz2Sekunden = 3,
    hiz3Sekunden = 4,
    hiz5Sekunden = 5,
    hiz10Sekunden = 6,
    hiz15Sekunden = 7,
    hiz20Sekunden = 8,
    hiz30Sekunden = 9,
    hizJa = 10,
};

// One detail position of the re-sort task display: a column and the one shown alternatively.
struct TQIV_AnzeigeInfoMDE_Detail
{
    TZAM_AufgabenListe_Spalte Normal = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Alternativ = CZAM_AufgabenListe_Spalte_Keine;

    bool operator==(const TQIV_AnzeigeInfoMDE_Detail&) const = default;
};

struct TQIV_AnzeigeInfo_MDE
{
    TQIV_AnzeigeInfoMDE_Detail LinksOben;
    TQIV_AnzeigeInfoMDE_Detail RechtsOben;
    TQIV_AnzeigeInfoMDE_Detail LinksMitte;
    TQIV_AnzeigeInfoMDE_Detail RechtsMitte;
    TQIV_AnzeigeInfoMDE_Detail LinksUnten;
    TQIV_AnzeigeInfoMDE_Detail RechtsUnten;

    bool operator==(const TQIV_AnzeigeInfo_MDE&) const = default;
};

// The handheld's options per terminal. The member initialisers are the built-in defaults.
struct TQIV_Optionen_OBMDE
{
    struct TAllgemein
    {
        int AktLager = -1; // not above 0: none
        QString DruckerWBS;
        QString DruckerWBSAuto;
        bool operator==(const TAllgemein&) const = default;
    } Allgemein;

    struct TFenster
    {
        TQIV_FensterGroesse_Erw FensterGroesse = fgr320x320;
        int FensterBreite = 0;
        int FensterHoehe = 0;
        int RandOben = 0;
        int RandUnten = 0;
        bool AutomPositionsKorrektur = false;
        bool operator==(const TFenster&) const = default;
    } Fenster;

    struct TScanner
    {
        TZAM_ShortCut Praefix = CZAM_ShortCut_F11;
        bool WMCharAuswerten = false;
        bool MessageDebugAusgabe = false;
        bool operator==(const TScanner&) const = default;
    } Scanner;

    struct TWEPlus
    {
        TQIV_WEPVorgehensweise GeordnetUnsortiert = wpvFragen;
        TQIV_WEPWeiterarbeit WeiterberarbGeordnet = wpwFragen;
        TQIV_WEPArtikelOhneDispo ArtikelOhneDispo = aodImmerEinlagern;
        bool MeEingSHVorbelegen = true;
        bool TeilsortVorbelegen = true;
        TQIV_WEPEtikettendruck_OhneAllg EtikDruckAllg = wpeStandard;
        TQIV_WEPEtikettendruck EtikDruckVersand = wpeNie;
        TQIV_WEPEtikettendruck EtikDruckAbholung = wpeAllgemein;
        TQIV_WEPEtikettendruck EtikDruckBearb = wpeAllgemein;
        TQIV_WEPEtikettendruck EtikDruckFA = wpeAllgemein;
        TQIV_WEPEtikettendruck EtikDruckEinlag = wpeAllgemein;
        bool BearbDirektInEW = false;
        bool operator==(const TWEPlus&) const = default;
    } WEPlus;

    struct TNachsort
    {
        QList<TZAM_AufgabenListe_Spalte> ListeSpalten; // display order
        qint16 ListeFontSize = 11;
        TZAM_AufgabenListe_Spalte Sortierung = 11;
        TQIV_AnzeigeInfo_MDE DetailAnzeige{
            {26, CZAM_AufgabenListe_Spalte_Keine}, {30, CZAM_AufgabenListe_Spalte_Keine},
            {11, CZAM_AufgabenListe_Spalte_Keine}, {22, CZAM_AufgabenListe_Spalte_Keine},
            {20, CZAM_AufgabenListe_Spalte_Keine}, {18, CZAM_AufgabenListe_Spalte_Keine}};
        bool SofortvollzugOhneWBS = false; // the parameter "ZPSVOWBS", never stored here
        bool operator==(const TNachsort&) const = default;
    } Nachsort;

    struct TNachsortKube
    {
        bool NurWennBezahlt = true;
        bool NurWennKomplettImLag = true;
        bool HerkunftWaehlen = false;
        bool BuchFilWaehlen = false;
        bool PosAnzahlWaehlen = false;
        bool DatumFiltern = false;
        int WagenAnz = 0; // articles per picking trolley
        bool EinPosFuerWagen = false;
        bool operator==(const TNachsortKube&) const = default;
    } NachsortKube;

    struct TUmlagHL
    {
        int FertigeLoeschenTage = 3;     // 0: never
        quint32 PrioTimerIntervall = 10; // seconds; 0: no check
        quint32 PrioAufschiebenMin = 20;
        quint32 PrioAufschiebenMax = 100;
        bool operator==(const TUmlagHL&) const = default;
    } UmlagHL;

    struct TLagerinfo
    {
        QList<TSucheListeColErw> ListeSpaltenLO;
        qint16 ListeFontSizeLO = 11;
        QList<TSucheListeColErw> ListeSpaltenArt;
        qint16 ListeFontSizeArt = 11;
        TSucheListeColErw SortierungArt = 9;
        bool operator==(const TLagerinfo&) const = default;
    } Lagerinfo;

    struct TBelegdruck
    {
        QString DruckerARE; // or "*** nicht drucken ***"
        bool VPDrucken = false;
        bool RuecksendeVPDrucken = false;
        QString DruckerRetScheine;
        TQIV_HinweisZeigen_Erw HinweisZeigen = hizJa;
        bool operator==(const TBelegdruck&) const = default;
    } Belegdruck;

    struct TWeitereDrucker
    {
        QString ResBelDrucker;
        bool operator==(const TWeitereDrucker&) const = default;
    } WeitereDrucker;

    struct TNachsortAllg
    {
        bool KommBehErlaubt = true;
        bool KommBehErlaubtVersand = false;
        QChar Paketversand = u'N'; // 'J', 'N' or 'F' (ask)
        bool NurLOImLaufweg = false;
        bool operator==(const TNachsortAllg&) const = default;
    } NachsortAllg;

    struct TVersandhilfe
    {
        bool ImmerAufKubeVBS = false;
        bool operator==(const TVersandhilfe&) const = default;
    } Versandhilfe;

    struct TEinlagerung
    {
        bool ArtScanWBS = false;
        bool ArtScanWBSKube = false;
        bool LPScanZeileHalten = false;
        bool HerstStattVeltArtNr = false;
        QChar WBSGesEinlagerung = u'N'; // 'J', 'N' or 'F'
        bool operator==(const TEinlagerung&) const = default;
    } Einlagerung;

    struct TManuLagerBew
    {
        int LagerZugFil = 0; // 0: none
        bool operator==(const TManuLagerBew&) const = default;
    } ManuLagerBew;

    struct TBearbeitung
    {
        QString DruckerLZV;
        bool operator==(const TBearbeitung&) const = default;
    } Bearbeitung;

    bool operator==(const TQIV_Optionen_OBMDE&) const = default;

    // The built-in default record: used whole when nothing is stored, field by field for missing keys.
    static const TQIV_Optionen_OBMDE& Standard();

    // The column lists used when none is stored.
    static QList<TZAM_AufgabenListe_Spalte> Optionen_StdSpalten();
    static QList<TSucheListeColErw> Optionen_StdSpalten_LagerinfoLO();
    static QList<TSucheListeColErw> Optionen_StdSpalten_LagerinfoArt();
};

// The window size of a preset: fgrUnbekannt 0 x 0, the three fixed sizes, fgrIndividuell the
// group's width and height. Without a preset: the group's own.
QSize FensterGroesse_2_Groesse(TQIV_FensterGroesse_Erw AGroesse, const TQIV_Optionen_OBMDE::TFenster& AFenster);
QSize FensterGroesse_2_Groesse(const TQIV_Optionen_OBMDE::TFenster& AFenster);
// The first preset (fgrUnbekannt to fgrIndividuell) of that size, else fgrIndividuell.
TQIV_FensterGroesse_Erw Groesse_2_FensterGroesse(const QSize& AGroesse, const TQIV_Optionen_OBMDE::TFenster& AFenster);

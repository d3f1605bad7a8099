#pragma once

#include "TIntTrio.h"

#include <QList>
#include <QPair>
#include <QString>

// Kinds of a place (zam_lagerort.art).
using TZAM_Lagerort_Kennung = quint8;
inline constexpr TZAM_Lagerort_Kennung CZAM_Lagerort_Lagerplatz = 0;
inline constexpr TZAM_Lagerort_Kennung CZAM_Lagerort_Halle = 1;
inline constexpr TZAM_Lagerort_Kennung CZAM_Lagerort_Behaelter = 3;
// The display text of a place's kind ("Lagerplatz", "Halle", "Behälter").
QString CZAM_Lagerort_Kennung_String(TZAM_Lagerort_Kennung AKennung);

// Areas of a place (zam_lagerort.bereich); every other value is ordinary storage.
using TZAM_Lager_Ausgezeichnete_Bereiche = quint8;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_Lager = 0;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_Wareneingang = 1;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_Versandbereitstellung = 2;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_Wurmloch = 3;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_KundenVBS = 4;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_GeblockteWare = 5;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_Bearbeitung = 6;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_BearbVorbereitung = 7;
inline constexpr TZAM_Lager_Ausgezeichnete_Bereiche CZAM_Bereich_BearbStart = 8;
// The display name of an area ("Lager" for every value without a name of its own).
QString CZAM_Lager_Ausgezeichnete_Bereiche_2_String(TZAM_Lager_Ausgezeichnete_Bereiche ABereich);

using TZAM_Lagerort_Art = quint8; // the place class (zam_lagerort.klasse)
// Every container reads as class 2, whatever its row stores.
inline constexpr TZAM_Lagerort_Art CZAM_LagerortArt_Behaelter = 2;

// What a place is, as the storage structure reports it.
struct TZAM_Lagerort_Info
{
    TIntTrio LagerortId;
    TZAM_Lagerort_Kennung Kennung = CZAM_Lagerort_Lagerplatz;
    QString Name;
    QString Kurz;
    // Blocked in the master data, or its place or container lock held by another program (an own
    // lock never counts).
    bool Gesperrt = false;
    TZAM_Lager_Ausgezeichnete_Bereiche Bereich = CZAM_Bereich_Lager;
    TZAM_Lagerort_Art Art = 0;
    int Lager = 0; // the warehouse the place belongs to

    // The short label when it is not empty, else the name.
    QString AnzeigeName() const { return Kurz.isEmpty() ? Name : Kurz; }
    bool operator==(const TZAM_Lagerort_Info&) const = default;
};
inline void Lagerort_Info_Init(TZAM_Lagerort_Info& AInfo)
{
    AInfo = TZAM_Lagerort_Info();
}

// How place information is read. Defaults() fills the area and the locked flag for every kind of
// place. EtikKuerzel: the short label is the label's short text (the name when it has none).
// KeineGecachtenInfos: the service reads the database, not what it kept. MitBereichFuerLagerplaetze:
// ordinary storage places report their area too (without it, and without Defaults, only special
// places do).
struct TQIV_Lagerort_Info_Optionen
{
    bool MitBereich = false;
    bool MitGesperrt = false;
    bool EtikKuerzel = false;
    bool KeineGecachtenInfos = false;
    bool MitBereichFuerLagerplaetze = false;

    static TQIV_Lagerort_Info_Optionen Defaults()
    {
        TQIV_Lagerort_Info_Optionen o;
        o.MitBereich = true;
        o.MitGesperrt = true;
        return o;
    }
};

// Turning a barcode into a place (in this order).
struct TQIV_Umsetzen_Optionen
{
    bool Stumm = false;             // no messages to the user
    bool FilialeMussPassen = false; // the place must belong to the current warehouse
    bool EtikKuerzel = false;
    bool KeineGecachtenInfos = false;
    bool MitBereichFuerLagerplaetze = false;
};

// A kind of container; a one-way container is used for one delivery only.
struct TZAM_BehaelterTyp
{
    TIntPair Id;
    QString Name;
    bool Einweg = false;
    bool operator==(const TZAM_BehaelterTyp&) const = default;
};

// A container as the master data hold it: where it stands, its type and its assignment.
struct TZAM_Behaelter
{
    TIntTrio Id;
    QString Name;
    int Lager = 0;
    TIntTrio Auf; // what it stands on; null: nothing
    TIntPair TypId;
    qint16 Filiale = -1;
    int ZuordLager = -1;
    bool operator==(const TZAM_Behaelter&) const = default;
};

// A storage place as the master data hold it.
struct TZAM_Lagerplatz
{
    TIntTrio Id;
    int Lager = 0;
    QString Name;
    TZAM_Lager_Ausgezeichnete_Bereiche Bereich = CZAM_Bereich_Lager;
    bool Gesperrt = false;
};

// A place of a warehouse's stock: its key and name (the wormholes of a warehouse).
struct TZAM_LagerVorr
{
    TIntTrio Id;
    QString Name;
    int Filiale = -1; // a wormhole's branch
};
using TZAM_LagerVorr_Array = QList<TZAM_LagerVorr>;
using TQIV_StringInttrio_List = QList<QPair<QString, TIntTrio>>;

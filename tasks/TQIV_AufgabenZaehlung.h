#pragma once

#include "TIntTrio.h"
#include "TIntTrioList.h"
#include "TOrgeIdKompl.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// What the task counters produce.

// Per branch 0 .. highest branch: five counts (categories 0..3, 4 the total).
using TZAM_Int_Int_Array = QList<QList<int>>;
inline constexpr int CZAM_Zaehlung_Elemente = 5;
inline constexpr int CZAM_Zaehlung_Summe = 4;
// Entries 0 .. AMaxFiliale, all counts 0.
inline TZAM_Int_Int_Array FilialAnzahlen_Anlegen(int AMaxFiliale)
{
    return TZAM_Int_Int_Array(AMaxFiliale + 1, QList<int>(CZAM_Zaehlung_Elemente, 0));
}
// Counts a task in the entry of its target branch (0 for the warehouse's own, target = source):
// in its category's element when that is 0 to 3, else in element 0, and in the total. A target
// outside the entries is not counted; the protocol names the task.
void AufgabeFuerFilZaehlen(TZAM_Int_Int_Array& AAnzahlen, const QString& AAufgabe, int AQuelle, int AZiel,
                           int AKategorie);

// Origin mark -> (booking branch, task count) in first-seen order.
using TQIV_Herkunft_Anzahl_Liste = QList<QPair<TOrgeIdKompl, int>>;
using TQIV_Herkunft_Anzahl_Dict = QHash<QChar, TQIV_Herkunft_Anzahl_Liste>;

// (task, quantity) of single-position orders.
using TQIV_IntTrio_Int_List = QList<QPair<TIntTrio, int>>;

// An order by reference kind and number text (and its date in the key list).
struct TQIV_Kennung_Text_Datum_Rec
{
    quint8 Kennung = 0;
    QString Text;
    QDate Datum;
    bool operator==(const TQIV_Kennung_Text_Datum_Rec&) const = default;
};
// The Bob Jenkins one-at-a-time hash of kind, text and date as Latin-1 text.
size_t qHash(const TQIV_Kennung_Text_Datum_Rec& AKey, size_t ASeed = 0);
using TQIV_Kennung_Text_Datum_List = QList<TQIV_Kennung_Text_Datum_Rec>;

// What the tasks seen so far cover of one order.
struct TQIV_Beleg_Info
{
    QString FBelegNr;
    QDate FDatum;
    int FAufgAnzIst = 0;
    int FArtikelAnzSoll = 0;
    int FArtikelAnzIst = 0;
    int FAFInZielFil = 0;
    TIntTrioList FAufgabenIds;
};
using TQIV_BelegInfo_4_Kennung_U_Text_Dict = QHash<TQIV_Kennung_Text_Datum_Rec, TQIV_Beleg_Info>;

enum TQIV_HLAnfoGrundId_Sortierung { agsUnbekannt, agsKeine, agsGrundId, agsPrioReihenfolge };

// Bits 0..7: breakdown categories counted separately.
using TZAM_AufgliederungLager_Set = quint8;

#pragma once

#include "TQIV_Optionen_OBMDE.h"

#include <QStringList>
#include <functional>

// The stored form of the handheld options: the key/value lines of the screen's form store.
class TQIV_OptionenSpeicher
{
public:
    // What reading and writing need from the screen and the data module. An empty function is
    // skipped; the two printer functions then ask TQIV_WWSDrucker.
    struct TKontext
    {
        std::function<QList<int>()> LaegerHolen;
        std::function<QString(int ATyp)> DruckerNachTyp; // of the printer configuration
        std::function<QString()> SystemDrucker;          // the machine's current printer
        std::function<void(TZAM_ShortCut)> PraefixSetzen;
        std::function<void()> LagerAnwenden; // only called when AktLager is above 0
    };

    // The restore: every key in its order, a missing key giving the default. A stored "Praefix",
    // "RandOben", "RandUnten" or "KuBeWagenAnz" that is no number raises the conversion error at
    // that key; AOptionen then keeps its values from there on and the warehouse is not applied.
    static void Lesen(const QStringList& AListe, TQIV_Optionen_OBMDE& AOptionen, const TKontext& AKontext);
    // Replaces AListe by the 63 keys, then applies the warehouse.
    static void Schreiben(QStringList& AListe, const TQIV_Optionen_OBMDE& AOptionen, const TKontext& AKontext);

    // Column lists: short codes joined by "#&". Reading drops unknown codes, and task-list columns
    // 70 to 78 as well. A column without code registers and gives the empty text.
    static QString SpaltenArray_2_String_Aufgabenliste(const QList<TZAM_AufgabenListe_Spalte>& ASpalten);
    static QString SpaltenArray_2_String_Lagerinfo(const QList<TSucheListeColErw>& ASpalten);
    static QList<TZAM_AufgabenListe_Spalte> String_2_SpaltenArray_Aufgabenliste(const QString& AText);
    static QList<TSucheListeColErw> String_2_SpaltenArray_Lagerinfo(const QString& AText);
    static QList<int> String_2_SpaltenArray_AufgabenlisteOderLagerinfo(const QString& AText, bool AAufgabenliste);

    // The six detail positions as twelve short codes in comma text, normal before alternative.
    // Another number of codes registers and gives the default display.
    static QString Details_2_String(const TQIV_AnzeigeInfo_MDE& ADetails);
    static TQIV_AnzeigeInfo_MDE String_2_Details(const QString& AText);

    // Single-value codes. Reading an unknown code gives the default (of the field, where the
    // caller names it); writing a value outside the enumeration raises the parameter error.
    static QString FensterGroesse_Type_2_Kuerzel(TQIV_FensterGroesse_Erw AWert);
    static TQIV_FensterGroesse_Erw FensterGroesse_Kuerzel_2_Type(const QString& AKuerzel);
    static QString HinweisZeigen_Type_2_Kuerzel(TQIV_HinweisZeigen_Erw AWert);
    static TQIV_HinweisZeigen_Erw HinweisZeigen_Kuerzel_2_Type(const QString& AKuerzel);
    static QString WEPVorgehensweise_Type_2_Kuerzel(TQIV_WEPVorgehensweise AWert);
    static TQIV_WEPVorgehensweise WEPVorgehensweise_Kuerzel_2_Type(const QString& AKuerzel);
    static QString WEPWeiterarbeit_Type_2_Kuerzel(TQIV_WEPWeiterarbeit AWert);
    static TQIV_WEPWeiterarbeit WEPWeiterarbeit_Kuerzel_2_Type(const QString& AKuerzel);
    static QString WEPArtikelOhneDispo_Type_2_Kuerzel(TQIV_WEPArtikelOhneDispo AWert);
    static TQIV_WEPArtikelOhneDispo WEPArtikelOhneDispo_Kuerzel_2_Type(const QString& AKuerzel);
    static QString WEPEtikettendruck_Type_2_Kuerzel(TQIV_WEPEtikettendruck AWert);
    static TQIV_WEPEtikettendruck WEPEtikettendruck_Kuerzel_2_Type(const QString& AKuerzel,
                                                                   TQIV_WEPEtikettendruck ADefault);
};

#pragma once

#include <QString>

// The stored codes of a task's kind, business case and status, and the breakdown categories the
// warehouse counts business cases by. The task files keep the codes; the sets of the search
// criteria keep the numbers.

inline constexpr int CZAM_Aufgabe_Art_Max = 8;
inline constexpr int CZAM_Aufgabe_Geschaeftsvorfall_Max = 8;
inline constexpr int CZAM_Aufgabe_Status_Max = 10;
inline constexpr int CZAM_Aufgabe_AufgliederungLager_Max = 7;
// "Unknown" of the extended enumerations.
inline constexpr int CZAM_Aufgabe_Unbekannt = -1;

inline constexpr int CZAM_Aufgabe_Art_Standard = 1;       // re-sorting and customer orders
inline constexpr int CZAM_Aufgabe_Art_Handlager = 8;      // relocation to the hand store
inline constexpr int CZAM_Aufgabe_GV_Kundenbestellung = 3;
inline constexpr int CZAM_Aufgabe_GV_KundenbestellungVersand = 4;
inline constexpr int CZAM_Aufgabe_GV_Handlager = 8;
inline constexpr int CZAM_Aufgabe_Status_Offen = 2;
inline constexpr int CZAM_Aufgabe_Status_InArbeit = 3;
inline constexpr int CZAM_Aufgabe_Status_Teilerfuellt = 4;
inline constexpr int CZAM_Aufgabe_Status_Erledigt = 5;
inline constexpr int CZAM_Aufgabe_Status_Geloescht = 10;
inline constexpr int CZAM_Aufgabe_AufgliederungLager_Alle = 4; // a button for every business case

// Kind 0..8 to its code; empty outside.
QString CZAM_Aufgabe_Art_2_Kuerzel(int AArt);
int Kuerzel_2_TZAM_Aufgabe_Art_Erw(const QString& AKuerzel);
QString CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(int AGV);
QString CZAM_Aufgabe_Geschaeftsvorfall_2_String(int AGV);
int Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(const QString& AKuerzel);
// Status 0..10 to its character; a blank outside.
QChar CZAM_Aufgabe_Status_2_Char(int AStatus);
QString CZAM_Aufgabe_Status_2_String(int AStatus);
int Char_2_TZAM_Aufgabe_Status_Erw(QChar AZeichen);

// Business case to breakdown category and back (the category's representative case; 0 for the
// category of all cases and for the standard category).
int CZAM_Aufgabe_Geschaeftsvorfall_2_AufgliederungLager(int AGV);
int CZAM_Aufgabe_AufgliederungLager_2_Geschaeftsvorfall(int AKategorie);
// A category's code is the code of its representative business case ("ALLE" for category 4).
QString CZAM_Aufgabe_AufgliederungLager_2_Kuerzel(int AKategorie);
QString CZAM_Aufgabe_AufgliederungLager_2_KurzText(int AKategorie);
int Kuerzel_2_TZAM_Aufgabe_AufgliederungLager_Erw(const QString& AKuerzel);

// The movement type of an order line's transaction type (a character code); 0 for none.
int CZAM_ArtBewTyp4BNEWert(int AVorgangsTyp);

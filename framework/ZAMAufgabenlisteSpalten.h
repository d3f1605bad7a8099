#pragma once

#include "TVRItem.h"

#include <QList>
#include <QString>

// A column of the task list: its value is the column number 0..83; 84 stands for none.
using TZAM_AufgabenListe_Spalte = int;
inline constexpr int CZAM_AufgabenListe_SpaltenAnzahl = 84;
inline constexpr TZAM_AufgabenListe_Spalte CZAM_AufgabenListe_Spalte_Keine = 84;

struct TZAM_AufgabenlisteSpalteInfo
{
    QString Caption;
    TVRValueType Typ = vrtString;
    int Breite = 60;
    QString Kuerzel;     // stored form of the column in option lists
    bool Verwendbar = true; // may be chosen for display
};

// The framework's catalogue of the task-list columns, indexed by column number.
const TZAM_AufgabenlisteSpalteInfo& CZAM_Aufgabenliste_Spalten(TZAM_AufgabenListe_Spalte ASpalte);
// The empty code stands for CZAM_AufgabenListe_Spalte_Keine.
QString CZAM_AufgabenListe_Spalte_2_Kuerzel(TZAM_AufgabenListe_Spalte ASpalte);
// The column of a short code; CZAM_AufgabenListe_Spalte_Keine for an unknown code.
TZAM_AufgabenListe_Spalte Kuerzel2AufgabenListe_Spalte(const QString& AKuerzel);
// The columns a user may choose for display: the usable ones without 70 to 78.
QList<TZAM_AufgabenListe_Spalte> ZAMAufgabenliste_AuswaehlbareSpalten();

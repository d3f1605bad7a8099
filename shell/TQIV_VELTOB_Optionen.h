#pragma once

#include "TIntPair.h"
#include "ZAMAufgabenlisteSpalten.h"

#include <QList>
#include <QString>

// The framework's standard size of the terminal forms (100 %).
inline constexpr int CZAM_FilPC_Gross_Klein_StdGross = 100;

// Which task-list columns the detail fields of the terminal re-sort form show.
struct TQIV_AnzeigeInfosNachsortfrm
{
    TZAM_AufgabenListe_Spalte Rechts3 = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Rechts4 = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Rechts5 = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Rechts6 = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Rechts7 = CZAM_AufgabenListe_Spalte_Keine;
    TZAM_AufgabenListe_Spalte Links = CZAM_AufgabenListe_Spalte_Keine;

    bool operator==(const TQIV_AnzeigeInfosNachsortfrm&) const = default;
};

// The options of a picking terminal, stored per terminal.
struct TQIV_VELTOB_Optionen
{
    QList<TZAM_AufgabenListe_Spalte> SichtbareSpalten_Nachsort;
    bool MitBild_Nachsort = false;
    TQIV_AnzeigeInfosNachsortfrm Anzeige_Nachsort;
    bool KommissionierbehaelterBenutzern = true;
    bool KubeAufgabenNurWennBezahlt = true;
    QList<TZAM_AufgabenListe_Spalte> SichtbareSpalten_KuBe;
    bool MitBild_Kube = false;
    TQIV_AnzeigeInfosNachsortfrm Anzeige_KuBe;
    TIntPair EWAHandEingabeMandant;
    int RelativeGroesse = CZAM_FilPC_Gross_Klein_StdGross;
    QString DruckerWBS;
    bool NurLPImLaufweg = false;
    int AktLager = -1;
    int ZeitFuerWBS = 0;

    bool operator==(const TQIV_VELTOB_Optionen&) const = default;
};

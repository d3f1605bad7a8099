#pragma once

#include "TZAM_Aufgaben_Suchkriterien.h"
#include "TZAM_Workflow_Modus.h"

#include <QDate>
#include <QList>

// What a workflow filters its tasks by; turned into the task service's criteria by
// Aufgaben_Suchkriterien_Get.
struct TQIV_Aufgaben_Suchkriterien_Options
{
    TZAM_Workflow_Nachsortierung Modus = CZAM_Filialnachsortierung;
    qint32 FilNr = -1; // target branch; 0 or less: none
    TZAM_Aufgabe_GeschaeftsvorfallSet GeschaeftsvorSet =
        CZAM_Aufgabe_Geschaeftsvorfall_Alle; // 0: the workflow's default
    TZAM_Aufgabe_StatusSet Status = CZAM_Aufgabe_Status_Standard;
    TZAM_TriState_Enum KubeNurBezahlte = tsUndefined;
    QChar Herkunft; // null: none
    qint16 BuchFilNr = -1;
    QByteArray BNEVorgTypSet;
    QDate AufgabenDatumVon, AufgabenDatumBis; // null: open
    QList<TIntTrio> ZusatzIds;
    TIntTrio LagerortAnId;
};

void Aufgaben_Suchkriterien_Options_Init(TQIV_Aufgaben_Suchkriterien_Options& AOptionen,
                                         TZAM_Workflow_Nachsortierung AModus);
// Clears the criteria and fills them from the options, the current warehouse and the terminal
// options of the data module. A failure is registered and leaves the criteria as far as filled.
void Aufgaben_Suchkriterien_Get(const TQIV_Aufgaben_Suchkriterien_Options& AOptionen,
                                TZAM_Aufgaben_Suchkriterien& AKriterien);

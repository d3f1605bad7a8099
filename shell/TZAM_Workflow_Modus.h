#pragma once

// The workflow a terminal form runs; it is given one value when it is opened.
enum TZAM_Workflow_Modus : int
{
    CZAM_Filialnachsortierung = 0,             // branch re-sorting
    CZAM_Kundenbestellung = 1,                 // customer orders
    CZAM_Umlagerung_Handlager = 2,             // hand-store relocation
    CZAM_Retourenabwicklung = 3,               // returns
    CZAM_Herstellung_Verkaufsbereitschaft = 4, // working off a goods-receipt notice
    CZAM_Dekoware = 5,                         // decoration goods
    CZAM_Ausstattung_Filiale = 6               // branch equipment
};

// The task workflows: CZAM_Filialnachsortierung to CZAM_Umlagerung_Handlager.
using TZAM_Workflow_Nachsortierung = TZAM_Workflow_Modus;

constexpr bool IstWorkflowNachsortierung(int AModus)
{
    return AModus >= CZAM_Filialnachsortierung && AModus <= CZAM_Umlagerung_Handlager;
}

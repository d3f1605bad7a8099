#pragma once

#include <QString>

// The data a handheld workflow carries from state to state: one section per workflow, each
// declared by the workflow that owns it.
struct TQIV_ZPMDE_Datentraeger
{
    // Relocation to the hand store: the place near the picking trolley the worker scanned
    // before the urgent requests ran.
    struct
    {
        QString MerkLagerortBez;
    } UmlagerungHandlager;

    // Empties every section: keys empty, texts empty, lists freed, branch numbers -1.
    void Clear() { *this = TQIV_ZPMDE_Datentraeger(); }
    // Frees what the sections own (the screen's destroy).
    void Finalisieren() { Clear(); }
};

#pragma once

#include "TIntTrioList.h"

#include <QString>
#include <memory>

// The data a handheld workflow carries from state to state: one section per workflow, each
// declared by the workflow that owns it.
struct TQIV_ZPMDE_Datentraeger
{
    // Customer orders.
    struct
    {
        // The tasks of the orders complete in the warehouse (sorted), the whitelist of the
        // customer-order workflow; created by the menu, which fills it with its count.
        std::unique_ptr<TIntTrioList> ZulaessigeAufgabenIds;
    } Kundenbestellung;

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

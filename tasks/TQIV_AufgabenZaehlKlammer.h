#pragma once

#include "TKuBeAufgQueryErgebnis.h"
#include "TKuBeAufgQuerySel.h"

#include <QList>
#include <functional>

class TDM_Torvik;

// Counts made one after the other for the same picture (the menu's customer-order count: the
// orders complete in the warehouse, then the tasks of each customer-order business case) read the
// customer-order statement once. While a bracket is open on the data module, a count whose
// selection is that of an earlier count of the bracket, or narrower in its business cases only,
// takes the earlier rows, filtered; the bracket forgets them when it closes. Brackets nest: an
// inner one serves its own counts.
class TQIV_AufgabenZaehlKlammer
{
public:
    explicit TQIV_AufgabenZaehlKlammer(TDM_Torvik& ADM);
    ~TQIV_AufgabenZaehlKlammer();
    TQIV_AufgabenZaehlKlammer(const TQIV_AufgabenZaehlKlammer&) = delete;
    TQIV_AufgabenZaehlKlammer& operator=(const TQIV_AufgabenZaehlKlammer&) = delete;

    using TZeilen = QList<TKuBeAufgQueryErgebnis>;
    // The statement's rows for the selection: kept ones when they hold them, otherwise ALesen's,
    // which are kept.
    TZeilen Zeilen(const TKuBeAufgQuerySel& ASel, const std::function<TZeilen()>& ALesen);

private:
    struct TVorrat
    {
        TKuBeAufgQuerySel Sel;
        TZeilen Zeilen;
    };

    TDM_Torvik& FDM;
    TQIV_AufgabenZaehlKlammer* FAeussere;
    QList<TVorrat> FVorraete;
};

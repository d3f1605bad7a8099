#pragma once

#include "TQIV_Aufgaben_Suchkriterien_Options.h"

#include <functional>

class TfrmMDE;

// What the filter states of the task workflows have chosen so far, as task options.
namespace TQIV_NachsortFilter {

// How far the customer-order filters go into the options.
enum TStufe
{
    fsFiliale,  // branch and business cases
    fsHerkunft, // and origin with booking branch
    fsDatum     // and the date range
};

// The complete orders' whitelist applies: customer orders of the warehouse itself with the option.
bool WhitelistAktiv(TfrmMDE& AMaske);
// The task options of the handheld's mode: branch and business cases as chosen; customer orders add
// the paid-only option, from fsHerkunft origin and booking branch, from fsDatum the date range.
TQIV_Aufgaben_Suchkriterien_Options Optionen(TfrmMDE& AMaske, TStufe AStufe);
// The transaction types of customer orders for a branch (with the processing-order type when
// AMitBearbeitung): none when the warehouse itself is chosen.
QByteArray VorgangsTypen(TfrmMDE& AMaske, bool AMitBearbeitung);

// Paints a customer-order filter state (AName "Class.StateAnfangMaskeMalen"): its buttons cleared,
// AMalen under the wait text; in another mode "<AName>: ungültiger Programmmodus" is raised.
void KundenfilterMalen(TfrmMDE& AMaske, const char* AName, const QString& AWarteText,
                       const std::function<void()>& AMalen);

} // namespace TQIV_NachsortFilter

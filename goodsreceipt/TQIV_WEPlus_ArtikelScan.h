#pragma once

#include "TInt32Trio.h"
#include "TZAM_UmgesetztUArtikelScanDaten.h"

#include <QString>
#include <functional>

class TAbstractState;

// A scan in the states that fix the orders of a WE-Plus receipt: an article goes to the state's
// article handler, directly or through the article choice or the assignment of a new code.
class TQIV_WEPlus_ArtikelScan
{
public:
    using TArtikel = std::function<void(bool AOk, const TInt32Trio& AProduktId, int AGrInd)>;
    using TSonst = std::function<void(const QString& AText)>;

    // The warning and the footer are reset first. A code the conversion did not resolve opens the
    // article choice (whose choice comes back here), an EAN or UPC not yet assigned the
    // assignment panel; any other code goes to ASonst, without it it is "Unbekannter Barcode!".
    // AName registers failures of the calls back.
    static void Verteilen(TAbstractState* AState, const char* AName, const QString& AText,
                          TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel,
                          const TSonst& ASonst = {});
    // A state's scan handler: Verteilen guarded by the state's busy flag.
    static void Gescannt(TAbstractState* AState, bool& ABusy, const char* AName, const QString& AText,
                         TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel,
                         const TSonst& ASonst = {});
};

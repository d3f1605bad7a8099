#pragma once

#include "IZAM_Druck.h"
#include "TIntPair.h"
#include "TIntTrio.h"

#include <QList>
#include <QString>

// The document printing module: goods slips from the print jobs the list-print service hands back.
class TdmBeli
{
public:
    // Prints every slip the job texts name (one job text a line; AJob2 likewise) on the printer,
    // ACopies extra copies. The slip page: "Warenbegleitschein", the slip number as Code 128 bars
    // of its 13-character barcode text with the text beneath, from- and to-branch with names,
    // date, the place, one line per article and size (article number, description, size name,
    // quantity) and the total. Raises the print module's refusals; answers the jobs printed.
    static QList<TZAM_DruckErgebnis> WBSDrucken(const QString& AJob, const QString& AJob2, int ACopies,
                                                const QString& ADrucker);
    // The print-job text of a slip and back: "WBS;" list number ";" place key, ";" between parts.
    static QString Druckjob_Text(const TIntPair& AListenNr, const TIntTrio& ALagerort);
    static bool Druckjob_Lesen(const QString& AText, TIntPair& AListenNr, TIntTrio& ALagerort);
    // The barcode text of a slip: the list number as 5 + 8 digits.
    static QString WBSBarcode(const TIntPair& AListenNr);
};

#pragma once

#include "IZAM_Druck.h"
#include "TInfoKoord.h"
#include "TIntTrio.h"

#include <QString>

struct TZAM_ReservierungsDaten;

// A document that is not there (insert: its key). Nothing is printed.
inline const TInfoKoord CZAM_Info_Druck_BelegFehlt{"DRUCK", 1004};

// The kind of every reservation document; its print files are named after it and the number.
inline const QString CZAM_Druckart_Reservierung = QStringLiteral("GPBELKPF");

// The reservation document of a customer-order document: number, date, customer, delivery
// branch and the positions (article number, manufacturer's article number, long size name,
// quantity), one copy on A4. The data come from the document module.
class TZAM_ReservierungDruck
{
public:
    // Prints the document on the printer (empty: the site's document printer, else its standard
    // printer). Raises CZAM_Info_Druck_BelegFehlt for an unknown document, module-not-available
    // without the document module, and the print module's refusals; nothing is printed then.
    static TZAM_DruckErgebnis Drucken(const TIntTrio& ABelegId, const QString& ADrucker);
    // The kind handed to the print module: "GPBELKPF-" and the document number, every character
    // that does not belong in a file name replaced by "_"; "GPBELKPF" alone without a number.
    static QString Druckart(const QString& ABelegNr);
    // The page as rich text.
    static QString Html(const TZAM_ReservierungsDaten& ADaten);
};

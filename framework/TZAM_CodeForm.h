#pragma once

#include <QString>

// The text forms of article codes. A GTIN has the EAN form (8 or 13 digits) or the UPC form
// (12 digits), each with a valid check digit. Our article number has 1 to 7 digits and our label
// barcode 10 (the article number in 7 digits and the till size in 3), so neither can be taken for
// an EAN or a UPC.
class TZAM_CodeForm
{
public:
    static constexpr int CArtNrMax = 9999999;

    static bool IstEAN(const QString& AText);
    static bool IstUPC(const QString& AText);
    // The check digit of the GTIN body (the digits before the check digit); -1 when the body holds
    // anything but digits.
    static int Pruefziffer(const QString& ARumpf);
    // The body completed with its check digit.
    static QString MitPruefziffer(const QString& ARumpf);

    // The article number a text gives (1 to 7 digits, leading zeros allowed, blanks around it
    // ignored); 0 when it has another form.
    static int ArtNr_Lesen(const QString& AText);
    // The fixed display form of our article number: at least 6 digits, leading zeros ("004711").
    static QString ArtNr_Text(int AArtNr);
    // Our label barcode of an article size; empty when the number or the till size is out of range.
    static QString Etikett(int AArtNr, int AKassenGroesse);
};

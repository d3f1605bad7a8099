#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// What one article label shows; an empty text is left out.
struct TZAM_EtikettDaten
{
    QString ArtNr; // formatted article number
    QString Groesse;
    QString HerstellerArtNr;
    QString Filiale;
    QString Dispo;
    QString Code; // the label barcode (Code 128, its text below)

    bool operator==(const TZAM_EtikettDaten&) const = default;
};

// Draws an article label onto a page of the label's size: article number and size in the first
// line, the manufacturer's number in the second, branch and disposition in the third, the
// barcode in the lower half. Font sizes follow the label's height.
class TZAM_Etikett
{
public:
    static void Zeichnen(QPainter& APainter, const QRectF& ASeite, double AEinheitenJeMm, const TZAM_EtikettDaten& A);
};

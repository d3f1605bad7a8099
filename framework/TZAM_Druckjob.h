#pragma once

#include "IZAM_Druck.h"

// A print job of the print module (IZAM_Druck), for print code that draws with a QPainter:
//
//     TZAM_Druckjob job(drucker, QStringLiteral("Etikett"), QSizeF(60, 40));
//     QPainter& p = job.Painter();   // page 1
//     ...
//     job.NeueSeite();               // page 2
//     job.Abschliessen();            // printed and recorded
//
// Leaving the scope without Abschliessen (an exception) prints nothing.
class TZAM_Druckjob
{
public:
    TZAM_Druckjob(const QString& ADrucker, const QString& AArt, const QSizeF& ASeiteMm = {});
    ~TZAM_Druckjob();
    TZAM_Druckjob(const TZAM_Druckjob&) = delete;
    TZAM_Druckjob& operator=(const TZAM_Druckjob&) = delete;

    QPainter& Painter() { return FAuftrag->Painter(); }
    void NeueSeite() { FAuftrag->NeueSeite(); }
    QPagedPaintDevice& Geraet() { return FAuftrag->Geraet(); }
    QRectF Seite() const { return FAuftrag->Seite(); }
    double EinheitenJeMm() const { return FAuftrag->EinheitenJeMm(); }
    // A rectangle given in millimetres from the page's top-left corner, in device units.
    QRectF Mm(double ALinks, double AOben, double ABreite, double AHoehe) const;
    TZAM_DruckErgebnis Abschliessen();

private:
    std::unique_ptr<IZAM_DruckAuftrag> FAuftrag;
};

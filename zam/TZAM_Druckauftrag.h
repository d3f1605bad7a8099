#pragma once

#include "IZAM_Druck.h"
#include "TZAM_DruckZiel.h"

#include <QPainter>
#include <memory>

class QPrinter;
class TZAM_Datenbank;

// A job of the print module on a QPrinter: a system printer, or the PDF file that
// TZAM_DruckDatei created for it.
class TZAM_Druckauftrag : public IZAM_DruckAuftrag
{
public:
    // ADrucker is the name asked for (it is recorded); AZiel says where the job goes, APdfDatei
    // is the file of a PDF job.
    TZAM_Druckauftrag(TZAM_Datenbank& ADb, const QString& ADrucker, const QString& AArt, const QSizeF& ASeiteMm,
                      const TZAM_DruckZiel& AZiel, const QString& APdfDatei);
    ~TZAM_Druckauftrag() override;

    QPainter& Painter() override;
    void NeueSeite() override;
    QPagedPaintDevice& Geraet() override;
    QRectF Seite() const override;
    double EinheitenJeMm() const override;
    TZAM_DruckErgebnis Abschliessen() override;
    void Abbrechen() override;

private:
    class TGeraet;
    void Offen(const char* AMethode) const;

    TZAM_Datenbank& FDb;
    QString FDrucker;
    QString FArt;
    QString FDatei;
    std::unique_ptr<TGeraet> FGeraet;
    QPainter FPainter;
    bool FBeendet = false;
};

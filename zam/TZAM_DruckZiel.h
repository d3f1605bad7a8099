#pragma once

#include <QString>
#include <QStringList>

// Where a print job for a printer name goes, decided from the machine's printers alone.
struct TZAM_DruckZiel
{
    enum TArt
    {
        dzPDF,     // a PDF file in the output folder
        dzDrucker, // the system printer Name
        dzKeiner,  // an unknown printer and no default: nothing can be printed
    };
    TArt Art = dzKeiner;
    QString Name;

    // "PDF" (any letter case) or a machine without printers: PDF. A printer the machine knows
    // (letter case ignored; its own spelling is taken): that printer. Otherwise the default printer.
    static TZAM_DruckZiel Bestimmen(const QString& ADrucker, const QStringList& AVorhanden, const QString& AStandard);
    // The same with the machine's printers (QPrinterInfo).
    static TZAM_DruckZiel Bestimmen(const QString& ADrucker);
};

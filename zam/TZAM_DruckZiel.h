#pragma once

#include <QString>
#include <QStringList>
#include <functional>

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
    // The same with the machine's printers (QPrinterInfo, or what SystemDruckerErsetzen set).
    static TZAM_DruckZiel Bestimmen(const QString& ADrucker);

    // The machine's printers: their names and the default (empty: none).
    struct TSystemDrucker
    {
        QStringList Namen;
        QString Standard;
    };
    static TSystemDrucker SystemDrucker();
    // Replaces the machine's printers (tests); an empty function restores QPrinterInfo.
    static void SystemDruckerErsetzen(std::function<TSystemDrucker()> AQuelle);
};

#pragma once

#include <QString>

class QComboBox;

// The site's printer configuration as forms use it: printers by type and the printer choices.
class TQIV_WWSDrucker
{
public:
    // The configured printer of the type; empty when none.
    static QString GetPrinterByTyp(int ATyp);
    // Whether the printer configuration knows the name (letter case ignored).
    static bool IstKonfiguriert(const QString& AName);
    // An alternative printer counts when it is named, differs from the printer and the printer
    // configuration knows it.
    static bool AltDruckerDefiniert(const QString& AAltDrucker, const QString& ADrucker);
    // The machine's default printer; empty when it has none.
    static QString SystemStandardDrucker();
    // The configured printers, then (with AMitSystemDruckern) the machine's printers; each name once.
    static void ComboboxFuellenInclWindowsDruckerNamen(QComboBox* ACombo, bool AMitSystemDruckern);
    // Selects the entry of the name; a name not in the list is appended and selected, so that saving
    // the choice does not lose a printer that this machine lacks. An empty name selects nothing.
    static void ComboboxEinstellen(QComboBox* ACombo, const QString& AName);
    // The selected printer's name; empty when nothing is selected.
    static QString ComboboxGetSelected(const QComboBox* ACombo);
};

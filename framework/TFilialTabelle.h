#pragma once

#include "IZAM_LagerEditServer.h"

#include <QList>

class QComboBox;

// The warehouses as the forms offer them: every warehouse group but "OhneLager", which holds the
// branches without warehouse.
class TFilialTabelle
{
public:
    static QList<TZAM_Lagergruppe> Laeger(IZAM_LagerEditServer& AServer);
    // One entry per warehouse ("number name"), value the warehouse number.
    static void Lager_Combo_fuellen(QComboBox* ACombo, IZAM_LagerEditServer& AServer);
    // Selects the warehouse; a list of exactly one warehouse selects that one whenever ALager is
    // not in it (its choice is hidden then, and could not be corrected), any other list nothing.
    static void Lager_Combo_einstellen(QComboBox* ACombo, int ALager);
    // The selected warehouse, -1 when none.
    static int Lager_Combo_auslesen(const QComboBox* ACombo);
};

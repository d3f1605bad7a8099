#pragma once

#include <QStringList>

class QWidget;

// The handheld screen as text for the script runner's dump: size, active state and panel, header,
// the menu buttons and list rows on screen (rows with their colour kind), multipurpose rows, logical
// buttons and footer. Texts as far as they are on screen; object names only with AMitNamen.
class TQIV_MDEBildschirmText
{
public:
    // Registers the dump once per program run.
    static void Registrieren();
    static bool Zeilen(QWidget* AFenster, QStringList& AZeilen, bool AMitNamen);
};

#pragma once

#include "TEinzeletikettenMani.h"

#include <QList>
#include <QString>

// How the label printer prints: each label Kopien times (at least once); with NurPruefen the
// labels are laid out and checked, nothing is printed.
struct TQIV_EtikDruck_Settings
{
    int Kopien = 1;
    bool NurPruefen = false;

    void Init() { *this = TQIV_EtikDruck_Settings(); }
};

// Prints article labels, each in the layout of its article (zam_artikel.etiketten_layout), one
// print job per layout in the order the layouts first come. Every layout is checked before the
// first job starts, so an unknown layout or an article that cannot be read prints nothing and
// raises (LAGER 1015, or the read error). A failing printer raises the print module's message.
class TQIV_EtikDrucker
{
public:
    // An empty printer name is the label printer (type 9, else the standard printer). True when
    // labels were printed (checked, with NurPruefen); false when no label has a piece to print.
    bool Execute(const QString& ADrucker, const QList<TEinzelEtikettInfo>& AEtiketten,
                 const TQIV_EtikDruck_Settings& ASettings);
};

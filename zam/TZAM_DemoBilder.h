#pragma once

#include "TInt32Trio.h"

#include <QList>

class TZAM_Datenbank;

// Pictures of some demo articles, painted at creation so the demo needs no image files.
class TZAM_DemoBilder
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
    // The articles that get a picture; the other articles of the demo tasks stay without.
    static QList<TInt32Trio> Produkte();
};

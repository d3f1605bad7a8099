#pragma once

#include "TInt32Trio.h"

#include <QList>
#include <QString>

// The quick article search: the products whose article number, manufacturer article number or
// description contain a text, letter case ignored, by article number and at most CHoechstens.
class TArtNumSuchDialog
{
public:
    static constexpr int CHoechstens = 200;

    // Replaces AProdukte by the hits; true when there is one. An empty text finds nothing.
    bool Execute_Text(const QString& AText, QList<TInt32Trio>& AProdukte);
};

#pragma once

#include "TIntQuad.h"

#include <QString>
#include <QVariant>

class TZAM_Datenbank;

// A customer-order position named as a reference names it: the order id and number of its
// state row (zam_atpb), whose link and number name the position (zam_atpk). A position without
// state row is found by its own key.
class TZAM_KundenPosition
{
public:
    // A column of the position (a column name of zam_atpk, never user input); ADefault for an
    // unknown position.
    static QVariant Spalte(TZAM_Datenbank& ADb, const TIntQuad& APosition, const QString& ASpalte,
                           const QVariant& ADefault);
};

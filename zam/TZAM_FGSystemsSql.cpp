#include "TZAM_FGSystemsSql.h"

#include "TZAM_Datenbank.h"

bool TZAM_FGSystemsSql::AreStoresAdjacent(int AFiliale1, int AFiliale2)
{
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_filiale_nachbar WHERE (filiale1 = ? AND filiale2 = ?) "
                                     "OR (filiale1 = ? AND filiale2 = ?) LIMIT 1"),
                      {AFiliale1, AFiliale2, AFiliale2, AFiliale1})
                .IsEmpty();
}

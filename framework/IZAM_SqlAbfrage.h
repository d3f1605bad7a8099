#pragma once

#include "IZAM_Server.h"
#include "TQIV_DBConnectorTyp_erw.h"

#include <QList>
#include <QString>
#include <QVariantList>

// Runs a read statement that a query builder of the program composed (TQIV_DB_Query). Only
// SELECT statements are accepted.
class IZAM_SqlAbfrage : public IZAM_Server
{
public:
    // The engine of the database the statements run on.
    virtual TQIV_DBConnectorTyp_erw ConnectorTyp() = 0;
    // Every row of the statement, its values in the order of the select list; a NULL is an
    // invalid QVariant.
    virtual QList<QVariantList> Abfragen(const QString& ASelect) = 0;
};

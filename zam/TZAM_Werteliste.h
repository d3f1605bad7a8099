#pragma once

#include <QString>
#include <QStringList>

// A list of AZeilen rows of ASpalten integer parameters as a table: "(VALUES (?, ?), ...)",
// every parameter cast so that PostgreSQL knows its type; the columns are column1, column2, ...
inline QString zam_Werteliste(qsizetype AZeilen, int ASpalten)
{
    QStringList spalten;
    for (int s = 0; s < ASpalten; ++s)
        spalten << QStringLiteral("CAST(? AS INTEGER)");
    const QString zeile = QLatin1Char('(') + spalten.join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList zeilen;
    for (qsizetype i = 0; i < AZeilen; ++i)
        zeilen << zeile;
    return QStringLiteral("(VALUES ") + zeilen.join(QStringLiteral(", ")) + QLatin1Char(')');
}

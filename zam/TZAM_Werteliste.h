#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class TZAM_Datenbank;

// "?, ?, ?": AAnzahl parameters, as for an IN list.
inline QString zam_Platzhalter(qsizetype AAnzahl)
{
    QStringList p;
    for (qsizetype i = 0; i < AAnzahl; ++i)
        p << QStringLiteral("?");
    return p.join(QStringLiteral(", "));
}

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

// Writes the rows AZeilen (each as many values as ASpalten names) into ATabelle with as few
// statements as a parameter limit of 999 allows, in the order given; ANachsatz follows
// each statement's VALUES (an ON CONFLICT clause, say).
void zam_ZeilenEinfuegen(TZAM_Datenbank& ADb, const QString& ATabelle, const QStringList& ASpalten,
                         const QList<QVariantList>& AZeilen, const QString& ANachsatz = {});

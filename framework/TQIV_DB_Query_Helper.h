#pragma once

#include "TDatenFeld.h"
#include "TQIV_DBConnectorTyp_erw.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The text pieces query builders compose their statements from. Aliases and column names must be
// plain SQL identifiers (refused otherwise), so a statement holds nothing but the builder's
// constants, column names and numbers.
class TQIV_DB_Query_Helper
{
public:
    // The SQL table of a framework file path: its parts joined by "_", in lower case
    // ("ZAM/AUKO" gives "zam_auko").
    static QString SQL_TableName_4_FilePath(const QString& APfad);

    // Appends the field's columns, qualified by AAlias, to the select list of AStatement and notes
    // the field, so that the query hands it the row's values of those columns. The second form
    // names the columns explicitly (computed columns of a subselect); there must be one per
    // column of the field.
    void Selection_Add_Feld(const QString& AAlias, TDatenFeld& AFeld, QString& AStatement);
    void Selection_Add_Feld(const QString& AAlias, TDatenFeld& AFeld, const QStringList& ASpalten, QString& AStatement);

    // "a.x1 = b.y1 and a.x2 = b.y2 ...": every column of AFeldA under AAliasA equals the column of
    // the same part of AFeldB under AAliasB. Both fields must have the same number of columns.
    static QString EqualsJoinOnStatement(const QString& AAliasA, const TDatenFeld& AFeldA, const QString& AAliasB,
                                         const TDatenFeld& AFeldB);
    // The three columns of ATrio under AAliasA equal A1, A2 and A3 under AAliasB, in that order.
    static QString EqualsJoinOnStatementTrioAnd3Ints(const QString& AAliasA, const TIntTrioDatenFeld& ATrio,
                                                     const QString& AAliasB, const TIntegerDatenFeld& A1,
                                                     const TIntegerDatenFeld& A2, const TIntegerDatenFeld& A3);
    // ABisher and ANeu joined by " AND " (ANeu alone while ABisher is empty).
    static QString Command_Add_With_And(const QString& ABisher, const QString& ANeu);
    // The text of a point in time as the engine stores it (TZAM_Datenbank::ZeitpunktText):
    // SQLite "yyyy-MM-ddTHH:mm:ss.zzz", PostgreSQL "yyyy-MM-dd HH:mm:ss.zzz". Raises for an
    // invalid time or an unknown engine.
    static QString SQL_Convert_DateTime_2_SQLDateString(const QDateTime& AZeit, TQIV_DBConnectorTyp_erw ATyp);

    // "alias.column"; raises unless both are identifiers.
    static QString Qualifiziert(const QString& AAlias, const QString& ASpalte);

protected:
    struct TAuswahl
    {
        TDatenFeld* Feld;
        int Spalten;
    };
    // The fields of the select list in its order; emptied before a statement is built.
    QList<TAuswahl> FAuswahl;
};

#include "TQIV_DB_Query_Helper.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QRegularExpression>

namespace {

[[noreturn]] void Illegal(const QString& AText, const char* AMethode)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, AText,
                         QStringLiteral("TQIV_DB_Query_Helper.") + QLatin1String(AMethode));
}

void AuswahlAnhaengen(const QStringList& ASpalten, QString& AStatement)
{
    // The first column follows the keyword, every other one a comma.
    static const QRegularExpression GAnfang(QStringLiteral("\\b(SELECT|DISTINCT)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    AStatement += (GAnfang.match(AStatement).hasMatch() ? QStringLiteral(" ") : QStringLiteral(", ")) +
                  ASpalten.join(QStringLiteral(", "));
}

} // namespace

QString TQIV_DB_Query_Helper::SQL_TableName_4_FilePath(const QString& APfad)
{
    const QStringList teile = APfad.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts);
    const QString name = teile.join(QLatin1Char('_')).toLower();
    if (!TDatenFeld::IstBezeichner(name))
        Illegal(QStringLiteral("Dateipfad ") + APfad, "SQL_TableName_4_FilePath");
    return name;
}

QString TQIV_DB_Query_Helper::Qualifiziert(const QString& AAlias, const QString& ASpalte)
{
    if (!TDatenFeld::IstBezeichner(AAlias) || !TDatenFeld::IstBezeichner(ASpalte))
        Illegal(AAlias + QLatin1Char('.') + ASpalte, "Qualifiziert");
    return AAlias + QLatin1Char('.') + ASpalte;
}

void TQIV_DB_Query_Helper::Selection_Add_Feld(const QString& AAlias, TDatenFeld& AFeld, QString& AStatement)
{
    Selection_Add_Feld(AAlias, AFeld, AFeld.Spalten(), AStatement);
}

void TQIV_DB_Query_Helper::Selection_Add_Feld(const QString& AAlias, TDatenFeld& AFeld, const QStringList& ASpalten,
                                              QString& AStatement)
{
    if (ASpalten.size() != AFeld.SpaltenAnzahl())
        Illegal(ASpalten.join(QLatin1Char(',')) + QStringLiteral(" für ") + AFeld.Spalten().join(QLatin1Char(',')),
                "Selection_Add_Feld");
    QStringList spalten;
    for (const QString& s : ASpalten)
        spalten << Qualifiziert(AAlias, s);
    AuswahlAnhaengen(spalten, AStatement);
    FAuswahl.append({&AFeld, AFeld.SpaltenAnzahl()});
}

QString TQIV_DB_Query_Helper::EqualsJoinOnStatement(const QString& AAliasA, const TDatenFeld& AFeldA,
                                                    const QString& AAliasB, const TDatenFeld& AFeldB)
{
    if (AFeldA.SpaltenAnzahl() != AFeldB.SpaltenAnzahl())
        Illegal(AFeldA.Spalten().join(QLatin1Char(',')) + QStringLiteral(" = ") +
                    AFeldB.Spalten().join(QLatin1Char(',')),
                "EqualsJoinOnStatement");
    QStringList teile;
    for (int i = 0; i < AFeldA.SpaltenAnzahl(); ++i)
        teile << Qualifiziert(AAliasA, AFeldA.Spalte(i)) + QStringLiteral(" = ") +
                     Qualifiziert(AAliasB, AFeldB.Spalte(i));
    return teile.join(QStringLiteral(" and "));
}

QString TQIV_DB_Query_Helper::EqualsJoinOnStatementTrioAnd3Ints(const QString& AAliasA, const TIntTrioDatenFeld& ATrio,
                                                                const QString& AAliasB, const TIntegerDatenFeld& A1,
                                                                const TIntegerDatenFeld& A2,
                                                                const TIntegerDatenFeld& A3)
{
    const TIntegerDatenFeld* b[] = {&A1, &A2, &A3};
    QStringList teile;
    for (int i = 0; i < 3; ++i)
        teile << Qualifiziert(AAliasA, ATrio.Spalte(i)) + QStringLiteral(" = ") + Qualifiziert(AAliasB, b[i]->Spalte());
    return teile.join(QStringLiteral(" and "));
}

QString TQIV_DB_Query_Helper::Command_Add_With_And(const QString& ABisher, const QString& ANeu)
{
    if (ANeu.isEmpty())
        return ABisher;
    return ABisher.isEmpty() ? ANeu : ABisher + QStringLiteral(" AND ") + ANeu;
}

QString TQIV_DB_Query_Helper::SQL_Convert_DateTime_2_SQLDateString(const QDateTime& AZeit, TQIV_DBConnectorTyp_erw ATyp)
{
    if (!AZeit.isValid())
        Illegal(QStringLiteral("Zeitpunkt ungültig"), "SQL_Convert_DateTime_2_SQLDateString");
    switch (ATyp) {
    case dbctSQLite:
        return AZeit.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    case dbctPostgreSQL:
        return AZeit.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    default:
        Illegal(QStringLiteral("Datenbanktyp ") + QString::number(int(ATyp)), "SQL_Convert_DateTime_2_SQLDateString");
    }
}

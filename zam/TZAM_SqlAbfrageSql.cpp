#include "TZAM_SqlAbfrageSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

#include <QRegularExpression>

TQIV_DBConnectorTyp_erw TZAM_SqlAbfrageSql::ConnectorTyp()
{
    return FDb.IstSQLite() ? dbctSQLite : dbctPostgreSQL;
}

QList<QVariantList> TZAM_SqlAbfrageSql::Abfragen(const QString& ASelect)
{
    // One read statement; nothing that could write or chain a second statement.
    static const QRegularExpression GSelect(QStringLiteral("^\\s*SELECT\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!GSelect.match(ASelect).hasMatch() || ASelect.contains(QLatin1Char(';')))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, ASelect.left(60),
                             QStringLiteral("TZAM_SqlAbfrageSql.Abfragen"));
    return FDb.Lesen(ASelect).Zeilen();
}

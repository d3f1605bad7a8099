#include "TZAM_Werteliste.h"

#include "TZAM_Datenbank.h"

#include <algorithm>

void zam_ZeilenEinfuegen(TZAM_Datenbank& ADb, const QString& ATabelle, const QStringList& ASpalten,
                         const QList<QVariantList>& AZeilen, const QString& ANachsatz)
{
    // SQLite takes at most 32766 parameters in one statement, PostgreSQL 65535.
    const qsizetype jeAnweisung = std::max<qsizetype>(1, 30000 / std::max<qsizetype>(1, ASpalten.size()));
    const QString zeile = QLatin1Char('(') + zam_Platzhalter(ASpalten.size()) + QLatin1Char(')');
    for (qsizetype ab = 0; ab < AZeilen.size(); ab += jeAnweisung) {
        const qsizetype n = std::min(jeAnweisung, AZeilen.size() - ab);
        QStringList zeilen;
        QVariantList werte;
        for (qsizetype i = ab; i < ab + n; ++i) {
            zeilen << zeile;
            werte += AZeilen.at(i);
        }
        ADb.Schreiben(
            QStringLiteral("INSERT INTO %1 (%2) VALUES %3 %4")
                .arg(ATabelle, ASpalten.join(QStringLiteral(", ")), zeilen.join(QStringLiteral(", ")), ANachsatz)
                .trimmed(),
            werte);
    }
}

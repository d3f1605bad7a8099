#include "TZAM_Werteliste.h"

#include "TZAM_Datenbank.h"

#include <algorithm>

void zam_ZeilenEinfuegen(TZAM_Datenbank& ADb, const QString& ATabelle, const QStringList& ASpalten,
                         const QList<QVariantList>& AZeilen, const QString& ANachsatz)
{
    // At most 999 parameters a statement, the least SQLite was ever built with; its driver also
    // looks each parameter up by position, which costs the square of their number.
    const qsizetype jeAnweisung = std::max<qsizetype>(1, 999 / std::max<qsizetype>(1, ASpalten.size()));
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

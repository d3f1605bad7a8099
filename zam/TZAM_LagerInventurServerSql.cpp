#include "TZAM_LagerInventurServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_SchreibklammerSql.h"

namespace {
constexpr int CProAnweisung = 100; // places per UPDATE, well below every engine's limit of bound values
}

bool TZAM_LagerInventurServerSql::LagerortInBetrieb(const TIntTrio& ALagerort)
{
    return FDb.LesenWert(QStringLiteral("SELECT in_betrieb FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                         {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3}, 0)
               .toInt() != 0;
}

QList<TZAM_Zaehlplatz> TZAM_LagerInventurServerSql::Zaehlplaetze(int ALager)
{
    QList<TZAM_Zaehlplatz> ergebnis;
    const TZAM_Zeilen z = FDb.Lesen(FDb.Sql(QStringLiteral("SELECT id1, id2, id3, name, zaehldatum FROM zam_lagerort "
                                                           "WHERE lager = ? ORDER BY name {BINAER}, id1, id2, id3")),
                                    {ALager});
    for (const QVariantList& zeile : z.Zeilen()) {
        TZAM_Zaehlplatz p;
        p.LagerortId = TIntTrio(zeile.at(0).toInt(), zeile.at(1).toInt(), zeile.at(2).toInt());
        p.Name = zeile.at(3).toString();
        // SQLite answers the ISO text, PostgreSQL a date.
        p.Zaehldatum = zeile.at(4).isNull() ? QDate() : zeile.at(4).toDate();
        ergebnis.append(p);
    }
    return ergebnis;
}

void TZAM_LagerInventurServerSql::ZaehldatumSetzen(const QList<TIntTrio>& ALagerorte, const QDate& ADatum)
{
    if (ALagerorte.isEmpty())
        return;
    const QVariant datum = ADatum.isValid() ? QVariant(ADatum) : QVariant();
    TZAM_SchreibklammerSql::Ausfuehren(FDb, QStringLiteral("TZAM_LagerInventurServerSql.ZaehldatumSetzen"), [&] {
        for (qsizetype von = 0; von < ALagerorte.size(); von += CProAnweisung) {
            QStringList oder;
            QVariantList werte = {datum};
            for (qsizetype i = von; i < qMin(von + CProAnweisung, ALagerorte.size()); ++i) {
                const TIntTrio& lo = ALagerorte.at(i);
                oder << QStringLiteral("(id1 = ? AND id2 = ? AND id3 = ?)");
                werte << lo.Id1 << lo.Id2 << lo.Id3;
            }
            FDb.Schreiben(QStringLiteral("UPDATE zam_lagerort SET zaehldatum = ? WHERE ") +
                              oder.join(QStringLiteral(" OR ")),
                          werte);
        }
    });
}

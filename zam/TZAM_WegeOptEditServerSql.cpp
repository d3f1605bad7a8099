#include "TZAM_WegeOptEditServerSql.h"

#include "TZAM_Datenbank.h"

QList<TZAM_Laufweg> TZAM_WegeOptEditServerSql::Laufwege_4_Lager(int ALager)
{
    // Service order: the stored order, equal orders by id.
    const TZAM_Zeilen zeilen = FDb.Lesen(QStringLiteral("SELECT id1, id2, id3, lager, name FROM zam_laufweg "
                                                        "WHERE lager = ? ORDER BY reihenfolge, id1, id2, id3"),
                                         {ALager});
    QList<TZAM_Laufweg> ergebnis;
    for (const QVariantList& z : zeilen.Zeilen())
        ergebnis.append(
            {TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt()), z.at(3).toInt(), z.at(4).toString()});
    return ergebnis;
}

QList<TIntTrio> TZAM_WegeOptEditServerSql::Laufweg_Lagerorte(const TIntTrio& ALaufweg)
{
    const TZAM_Zeilen zeilen =
        FDb.Lesen(QStringLiteral("SELECT lo_id1, lo_id2, lo_id3 FROM zam_laufweg_platz WHERE laufweg_id1 = ? AND "
                                 "laufweg_id2 = ? AND laufweg_id3 = ? ORDER BY pos"),
                  {ALaufweg.Id1, ALaufweg.Id2, ALaufweg.Id3});
    QList<TIntTrio> ergebnis;
    ergebnis.reserve(zeilen.Anzahl());
    for (const QVariantList& z : zeilen.Zeilen())
        ergebnis.append(TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt()));
    return ergebnis;
}

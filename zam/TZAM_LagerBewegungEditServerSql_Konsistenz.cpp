// Whether a product's place stock and its branches' stock (BF) agree, per warehouse and size.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TZAM_Datenbank.h"
#include "ZAMBestandsarten.h"

QList<TZAM_LVLB_BF_Abweichung> TZAM_LagerBewegungEditServerSql::LVLB_BF_Abweichungen(const TInt32Trio& AProduktId)
{
    // Goods on places are free stock or, in the blocked-goods area, blocked goods (the bookings'
    // rule); a warehouse without branches keeps no branch stock and is not compared.
    const QVariantList p = {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, CZAM_ArtBestTyp_Frei,
                            CZAM_ArtBestTyp_Geblockt};
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT lager, groesse, SUM(platz), SUM(bf) FROM ("
                       "SELECT o.lager AS lager, b.groesse AS groesse, b.menge AS platz, 0 AS bf FROM zam_bestand b "
                       "JOIN zam_lagerort o ON o.id1 = b.lo_id1 AND o.id2 = b.lo_id2 AND o.id3 = b.lo_id3 "
                       "WHERE b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? AND b.bestandsart IN (?, ?) "
                       "UNION ALL SELECT g.lager, f.groesse, 0, f.menge FROM zam_bf f JOIN zam_lagergruppe_filiale g "
                       "ON g.filiale = f.filiale WHERE f.prod_id1 = ? AND f.prod_id2 = ? AND f.prod_id3 = ? "
                       "AND f.bestandsart IN (?, ?)) x "
                       "WHERE lager IN (SELECT lager FROM zam_lagergruppe_filiale) GROUP BY lager, groesse "
                       "HAVING SUM(platz) <> SUM(bf) ORDER BY lager, groesse"),
        p + p);
    QList<TZAM_LVLB_BF_Abweichung> ergebnis;
    for (const QVariantList& r : z.Zeilen())
        ergebnis.append({r.at(0).toInt(), r.at(1).toInt(), r.at(2).toLongLong(), r.at(3).toLongLong()});
    return ergebnis;
}

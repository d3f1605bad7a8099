#include "TZAM_BestandServerSql.h"

#include "EZAM_Exception.h"
#include "TIntTrio.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

namespace {
constexpr int CHoechsteArt = 62;
}

TZAM_Intv100_Sortiment_Me TZAM_BestandServerSql::LagerBestand(const TInt32Trio& AProduktId, int ALager,
                                                              qint64 ABestandsarten)
{
    TZAM_Intv100_Sortiment_Me bestand;
    QVariantList werte = {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, ALager};
    QStringList marken;
    for (int art = 0; art <= CHoechsteArt; ++art)
        if (ABestandsarten & (qint64(1) << art)) {
            werte << art;
            marken << QStringLiteral("?");
        }
    if (marken.isEmpty())
        return bestand;
    // The product's rows by its index, each place by its key: the warehouse's places and containers
    // alike, as every row of zam_lagerort names its warehouse.
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT b.groesse, SUM(b.menge) FROM zam_bestand b JOIN zam_lagerort l "
                                 "ON l.id1 = b.lo_id1 AND l.id2 = b.lo_id2 AND l.id3 = b.lo_id3 "
                                 "WHERE b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? AND l.lager = ? "
                                 "AND b.bestandsart IN (%1) GROUP BY b.groesse")
                      .arg(marken.join(QStringLiteral(", "))),
                  werte);
    for (const QVariantList& r : z.Zeilen()) {
        const int groesse = r.at(0).toInt();
        if (zam_Intv100_IstGroesse(groesse))
            bestand.Me[groesse] = int(r.at(1).toLongLong());
    }
    bestand.MinMax_Bestimmen();
    return bestand;
}

void TZAM_BestandServerSql::Zubuchen(TZAM_Datenbank& ADb, const TIntTrio& ALagerort, const TInt32Trio& AProduktId,
                                     int AGroessenIndex, int ABestandsart, int AMenge)
{
    const QVariantList schluessel = {ALagerort.Id1,  ALagerort.Id2,  ALagerort.Id3,  AProduktId.Id1,
                                     AProduktId.Id2, AProduktId.Id3, AGroessenIndex, ABestandsart};
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bestand (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                 "groesse, bestandsart, menge) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0) "
                                 "ON CONFLICT DO NOTHING"),
                  schluessel);
    if (!ADb.MengeAendern(QStringLiteral("zam_bestand"), QStringLiteral("menge"),
                          QStringLiteral("lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? AND prod_id1 = ? AND prod_id2 = ? "
                                         "AND prod_id3 = ? AND groesse = ? AND bestandsart = ?"),
                          schluessel, AMenge))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Bestand %1 zu klein für %2").arg(AProduktId.ToText()).arg(AMenge),
                             QStringLiteral("TZAM_BestandServerSql.Zubuchen"));
}

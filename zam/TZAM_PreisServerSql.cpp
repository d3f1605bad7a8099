#include "TZAM_PreisServerSql.h"

#include "TZAM_Datenbank.h"

qint64 TZAM_PreisServerSql::VKPreisCent(const TInt32Trio& AProdukt, int AFiliale, int AGrInd, const QDate& ADatum)
{
    if (!ADatum.isValid())
        return 0;
    return FDb
        .LesenWert(QStringLiteral("SELECT preis_cent FROM zam_vkpreis WHERE prod_id1 = ? AND prod_id2 = ? AND "
                                  "prod_id3 = ? AND filiale = ? AND groesse = ? AND ab <= ? ORDER BY ab DESC LIMIT 1"),
                   {AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AFiliale, AGrInd, ADatum}, 0)
        .toLongLong();
}

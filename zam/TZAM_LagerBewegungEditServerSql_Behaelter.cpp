// Containers as the pick steps use them: their goods, their assignment and those a target takes.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"

bool TZAM_LagerBewegungEditServerSql::Lagerort_HatBestand(const TIntTrio& ALagerort)
{
    return !FDb.Lesen(QStringLiteral("WITH RECURSIVE innen (id1, id2, id3) AS (SELECT CAST(? AS INTEGER), "
                                     "CAST(? AS INTEGER), CAST(? AS INTEGER) UNION "
                                     "SELECT o.id1, o.id2, o.id3 FROM zam_lagerort o JOIN innen i ON "
                                     "o.auf_id1 = i.id1 AND o.auf_id2 = i.id2 AND o.auf_id3 = i.id3) "
                                     "SELECT 1 FROM zam_bestand b JOIN innen i ON b.lo_id1 = i.id1 AND "
                                     "b.lo_id2 = i.id2 AND b.lo_id3 = i.id3 WHERE b.menge > 0 LIMIT 1"),
                      {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3})
                .IsEmpty();
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Zuordnen(const TIntTrio& ABehaelter, int AFiliale, int ALager)
{
    const QVariantList id{ABehaelter.Id1, ABehaelter.Id2, ABehaelter.Id3};
    if (FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ? AND art = ?"),
                  id + QVariantList{int(CZAM_Lagerort_Behaelter)})
            .IsEmpty())
        return false;
    const QVariantList werte = QVariantList{AFiliale < 0 ? -1 : AFiliale, ALager} + id;
    if (FDb.Schreiben(QStringLiteral("UPDATE zam_behaelter SET filiale = ?, lager = ? WHERE id1 = ? AND id2 = ? "
                                     "AND id3 = ?"),
                      werte) == 0)
        FDb.Schreiben(
            QStringLiteral("INSERT INTO zam_behaelter (filiale, lager, id1, id2, id3) VALUES (?, ?, ?, ?, ?)"), werte);
    return true;
}

QList<TZAM_BehaelterFuerZiel> TZAM_LagerBewegungEditServerSql::Behaelter_4_Ziel(int ALager, int AFiliale)
{
    // A warehouse target is a container of the warehouse without branch.
    const QString ziel = AFiliale >= 1 ? QStringLiteral("COALESCE(b.filiale, -1) = ?")
                                       : QStringLiteral("COALESCE(b.filiale, -1) = -1 AND COALESCE(b.lager, -1) = ?");
    // A container standing on a storage place (itself or the container it stands in) is stock, not
    // a container to fill: the container check refuses it, so it is not offered.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT o.id1, o.id2, o.id3, o.name FROM zam_lagerort o LEFT JOIN zam_behaelter b ON "
                       "b.id1 = o.id1 AND b.id2 = o.id2 AND b.id3 = o.id3 LEFT JOIN zam_lagerort a1 ON "
                       "a1.id1 = o.auf_id1 AND a1.id2 = o.auf_id2 AND a1.id3 = o.auf_id3 LEFT JOIN zam_lagerort a2 ON "
                       "a2.id1 = a1.auf_id1 AND a2.id2 = a1.auf_id2 AND a2.id3 = a1.auf_id3 WHERE o.lager = ? AND "
                       "o.art = ? AND COALESCE(a1.art, -1) <> 0 AND COALESCE(a2.art, -1) <> 0 AND "
                       "COALESCE(b.auf_transport, 0) = 0 AND COALESCE(b.wbs_gedruckt, 0) = 0 AND ((") +
            ziel +
            QStringLiteral(") OR (COALESCE(b.filiale, -1) = -1 AND COALESCE(b.lager, -1) = -1)) "
                           "ORDER BY o.name, o.id1, o.id2, o.id3"),
        {ALager, int(CZAM_Lagerort_Behaelter), AFiliale >= 1 ? AFiliale : ALager});
    QList<TZAM_BehaelterFuerZiel> ergebnis;
    for (const QVariantList& r : z.Zeilen())
        ergebnis.append({TIntTrio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()), r.at(3).toString()});
    return ergebnis;
}

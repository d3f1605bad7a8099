// Containers and their types as the master data hold them.
#include "TZAM_Datenbank.h"
#include "TZAM_LagerEditServerSql.h"

bool TZAM_LagerEditServerSql::Behaelter_Lesen(const TZAM_Lagerort_Info& AInfo, TZAM_Behaelter& ABehaelter)
{
    ABehaelter = TZAM_Behaelter();
    const TIntTrio& id = AInfo.LagerortId;
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT o.name, o.lager, o.auf_id1, o.auf_id2, o.auf_id3, b.typ_id1, b.typ_id2, b.filiale, "
                       "b.lager FROM zam_lagerort o JOIN zam_behaelter b ON b.id1 = o.id1 AND b.id2 = o.id2 AND "
                       "b.id3 = o.id3 WHERE o.id1 = ? AND o.id2 = ? AND o.id3 = ? AND o.art = ?"),
        {id.Id1, id.Id2, id.Id3, int(CZAM_Lagerort_Behaelter)});
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    ABehaelter.Id = id;
    ABehaelter.Name = r.at(0).toString();
    ABehaelter.Lager = r.at(1).toInt();
    if (!r.at(2).isNull())
        ABehaelter.Auf = TIntTrio(r.at(2).toInt(), r.at(3).toInt(), r.at(4).toInt());
    ABehaelter.TypId = TIntPair(r.at(5).toInt(), r.at(6).toInt());
    ABehaelter.Filiale = qint16(r.at(7).toInt());
    ABehaelter.ZuordLager = r.at(8).toInt();
    return true;
}

bool TZAM_LagerEditServerSql::BehaelterTyp_Lesen(const TIntPair& ATypId, TZAM_BehaelterTyp& ATyp)
{
    ATyp = TZAM_BehaelterTyp();
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT name, einweg FROM zam_behaelter_typ WHERE id1 = ? AND id2 = ?"),
                  {ATypId.Id1, ATypId.Id2});
    if (z.IsEmpty())
        return false;
    ATyp.Id = ATypId;
    ATyp.Name = z.Wert(0, 0).toString();
    ATyp.Einweg = z.Wert(0, 1).toInt() != 0;
    return true;
}

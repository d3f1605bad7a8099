#include "TZAM_KundenPosition.h"

#include "TZAM_Datenbank.h"

QVariant TZAM_KundenPosition::Spalte(TZAM_Datenbank& ADb, const TIntQuad& APosition, const QString& ASpalte,
                                     const QVariant& ADefault)
{
    if (APosition.IsNull())
        return ADefault;
    const QVariantList schluessel = {APosition.Id1, APosition.Id2, APosition.Id3, APosition.Id4};
    const TZAM_Zeilen zustand =
        ADb.Lesen(QStringLiteral("SELECT k.") + ASpalte +
                      QStringLiteral(" FROM zam_atpb b JOIN zam_atpk k ON k.pos_id1 = b.pos_id1 AND "
                                     "k.pos_id2 = b.pos_id2 AND k.pos_id3 = b.pos_id3 AND k.pos_id4 = b.auftrag_nr "
                                     "WHERE b.auftrag_id1 = ? AND b.auftrag_id2 = ? AND b.auftrag_id3 = ? AND "
                                     "b.auftrag_nr = ?"),
                  schluessel);
    if (!zustand.IsEmpty())
        return zustand.Wert(0, 0);
    return ADb.LesenWert(QStringLiteral("SELECT k.") + ASpalte +
                             QStringLiteral(" FROM zam_atpk k WHERE k.pos_id1 = ? AND k.pos_id2 = ? AND "
                                            "k.pos_id3 = ? AND k.pos_id4 = ? AND NOT EXISTS (SELECT 1 FROM zam_atpb b "
                                            "WHERE b.pos_id1 = k.pos_id1 AND b.pos_id2 = k.pos_id2 AND "
                                            "b.pos_id3 = k.pos_id3 AND b.auftrag_nr = k.pos_id4)"),
                         schluessel, ADefault);
}

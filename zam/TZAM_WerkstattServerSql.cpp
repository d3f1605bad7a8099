#include "TZAM_WerkstattServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_KundenPosition.h"

TQIV_IntTrioSortimentDictionary TZAM_WerkstattServerSql::VerfahrenKombinationen(const TIntTrio& AVerweisId,
                                                                                int AVerweisNr)
{
    TQIV_IntTrioSortimentDictionary kombis;
    const TZAM_Zeilen zeilen =
        FDb.Lesen(QStringLiteral("SELECT vk_id1, vk_id2, vk_id3, groesse, menge FROM zam_verfkombi_pos "
                                 "WHERE auftrag_id1 = ? AND auftrag_id2 = ? AND auftrag_id3 = ? AND auftrag_nr = ?"),
                  {AVerweisId.Id1, AVerweisId.Id2, AVerweisId.Id3, AVerweisNr});
    for (const QVariantList& z : zeilen.Zeilen()) {
        // A combination without pieces is still one of the position's.
        kombis[TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt())].Me[z.at(3).toInt()] = z.at(4).toInt();
    }
    for (auto& [kombi, menge] : kombis)
        menge.MinMax_Bestimmen();
    return kombis;
}

int TZAM_WerkstattServerSql::BearbeitungsFiliale(const TIntTrio& AVerweisId, int AVerweisNr)
{
    return TZAM_KundenPosition::Spalte(FDb, QuadAusTrio(AVerweisId, AVerweisNr), QStringLiteral("bearb_filiale"), 0)
        .toInt();
}

bool TZAM_WerkstattServerSql::VerfKombi_Bezeichnung(const TIntTrio& AVerfKombiId, QString& AName)
{
    AName.clear();
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT name FROM zam_verfkombi WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                  {AVerfKombiId.Id1, AVerfKombiId.Id2, AVerfKombiId.Id3});
    if (z.IsEmpty())
        return false;
    AName = z.Wert(0, 0).toString();
    return true;
}

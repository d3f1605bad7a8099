#include "TZAM_WerkstattServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_KundenPosition.h"
#include "TZAM_Werteliste.h"

namespace {
constexpr int CPositionenJeAbfrage = 100;
}

QHash<TIntQuad, TQIV_IntTrioSortimentDictionary> TZAM_WerkstattServerSql::VerfahrenKombinationen(
    const QList<TIntQuad>& APositionen)
{
    QHash<TIntQuad, TQIV_IntTrioSortimentDictionary> kombis;
    for (qsizetype i = 0; i < APositionen.size(); i += CPositionenJeAbfrage) {
        const QList<TIntQuad> teil = APositionen.mid(i, CPositionenJeAbfrage);
        QVariantList werte;
        for (const TIntQuad& p : teil)
            werte << p.Id1 << p.Id2 << p.Id3 << p.Id4;
        const TZAM_Zeilen zeilen = FDb.Lesen(
            QStringLiteral("SELECT auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, vk_id1, vk_id2, vk_id3, groesse, "
                           "menge FROM zam_verfkombi_pos WHERE (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr) "
                           "IN (SELECT * FROM ") +
                zam_Werteliste(teil.size(), 4) + QStringLiteral(" p)"),
            werte);
        // A combination without pieces is still one of the position's.
        for (const QVariantList& z : zeilen.Zeilen())
            kombis[QuadAusTrio(Trio(z, 0), z.at(3).toInt())][Trio(z, 4)].Me[z.at(7).toInt()] = z.at(8).toInt();
    }
    for (TQIV_IntTrioSortimentDictionary& position : kombis)
        for (auto& [kombi, menge] : position)
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

#include "TZAM_AuftragsDateienSql.h"

#include "TZAM_Datenbank.h"

namespace {
// The condition on a position's stored reference and its values.
const QString CBnepVerweis =
    QStringLiteral("ext_kennung = ? AND ext_id1 = ? AND ext_id2 = ? AND ext_id3 = ? AND ext_nummer = ?");

QVariantList Verweis(const TZAM_PersArt_ExtVerweis& V)
{
    return {int(V.Kennung), V.Id.Id1, V.Id.Id2, V.Id.Id3, V.Nummer};
}
} // namespace

bool TZAM_AuftragsDateienSql::BNE_Datum(const TIntTrio& AVorgang, QDateTime& ADatum)
{
    ADatum = QDateTime();
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT CAST(datum AS TEXT) FROM zam_bne "
                                                   "WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                                    {AVorgang.Id1, AVorgang.Id2, AVorgang.Id3});
    if (z.IsEmpty())
        return false;
    ADatum = TZAM_Datenbank::ZeitpunktLesen(z.Wert(0, 0));
    return true;
}

bool TZAM_AuftragsDateienSql::BNEP_ExtVerweis(const TIntTrio& AVorgang, qint16 AZielFiliale, int AMenge,
                                              TZAM_PersArt_ExtVerweis& AVerweis)
{
    AVerweis.Clear();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.auftrag_id1, "
                       "p.auftrag_id2, p.auftrag_id3, p.auftrag_nr, "
                       "(SELECT COUNT(*) FROM zam_exbi e WHERE e.kennung = p.kennung AND e.auftrag_id1 = p.auftrag_id1 "
                       "AND e.auftrag_id2 = p.auftrag_id2 AND e.auftrag_id3 = p.auftrag_id3 "
                       "AND e.auftrag_nr = p.auftrag_nr) "
                       "FROM zam_bnep p WHERE p.bne_id1 = ? AND p.bne_id2 = ? AND p.bne_id3 = ? "
                       "AND p.ziel_filiale = ? AND p.menge = ? ORDER BY p.id LIMIT 1"),
        {AVorgang.Id1, AVorgang.Id2, AVorgang.Id3, int(AZielFiliale), AMenge});
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    if (const int kennung = r.at(0).toInt(); kennung != 0) {
        AVerweis = TZAM_PersArt_ExtVerweis::Construct(
            quint8(kennung), TIntTrio(r.at(1).toInt(), r.at(2).toInt(), r.at(3).toInt()), r.at(4).toInt());
        return true;
    }
    const TIntTrio auftrag(r.at(5).toInt(), r.at(6).toInt(), r.at(7).toInt());
    if (auftrag.IsNull())
        return false;
    AVerweis = TZAM_PersArt_ExtVerweis::Construct(r.at(9).toInt() > 0 ? CZAM_PersArtExt_EXBI : CZAM_PersArtExt_KuBe,
                                                  auftrag, r.at(8).toInt());
    return true;
}

int TZAM_AuftragsDateienSql::BFP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale,
                                       const QString& ABestandsartCode)
{
    QString sql = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bfp WHERE verweis_art = ? AND "
                                 "verweis_id1 = ? AND verweis_id2 = ? AND verweis_id3 = ? AND verweis_nummer = ?");
    QVariantList werte = {CZAM_PersArtExtKennung_2_Kuerzel(AVerweis.Kennung), AVerweis.Id.Id1, AVerweis.Id.Id2,
                          AVerweis.Id.Id3, AVerweis.Nummer};
    if (AFiliale > 0) {
        sql += QStringLiteral(" AND filiale = ?");
        werte << AFiliale;
    }
    // The code of free stock is one blank: only an empty code means "every type".
    if (!ABestandsartCode.isEmpty()) {
        sql += QStringLiteral(" AND bestandsart = ?");
        werte << ABestandsartCode;
    }
    return FDb.LesenWert(sql, werte, 0).toInt();
}

int TZAM_AuftragsDateienSql::BNEP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AZielFiliale, int AQuellFiliale,
                                        int ABewTyp)
{
    QString sql = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bnep WHERE ") + CBnepVerweis;
    QVariantList werte = Verweis(AVerweis);
    const std::pair<const char*, int> filter[] = {{" AND ziel_filiale = ?", AZielFiliale},
                                                  {" AND quell_filiale = ?", AQuellFiliale},
                                                  {" AND bewtyp = ?", ABewTyp}};
    for (const auto& [bedingung, wert] : filter)
        if (wert > 0) {
            sql += QLatin1String(bedingung);
            werte << wert;
        }
    return FDb.LesenWert(sql, werte, 0).toInt();
}

int TZAM_AuftragsDateienSql::BNEP_Menge(const TIntTrio& AVorgang, int AZielFiliale, int AQuellFiliale, int ABewTyp,
                                        const TZAM_PersArt_ExtVerweis& AVerweis)
{
    return FDb
        .LesenWert(QStringLiteral("SELECT menge FROM zam_bnep WHERE bne_id1 = ? AND bne_id2 = ? AND bne_id3 = ? AND "
                                  "ziel_filiale = ? AND quell_filiale = ? AND bewtyp = ? AND ") +
                       CBnepVerweis + QStringLiteral(" ORDER BY id LIMIT 1"),
                   QVariantList{AVorgang.Id1, AVorgang.Id2, AVorgang.Id3, AZielFiliale, AQuellFiliale, ABewTyp} +
                       Verweis(AVerweis),
                   0)
        .toInt();
}

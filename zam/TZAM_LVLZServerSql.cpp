#include "TZAM_LVLZServerSql.h"

#include "TZAM_Datenbank.h"

namespace {
QVariantList Schluessel(const TIntTrio& ALagerort)
{
    return {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3};
}
} // namespace

bool TZAM_LVLZServerSql::Zuordnung_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_Zuordnung& AZuordnung)
{
    AZuordnung = TZAM_LVLZ_Zuordnung();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, vk_id1, vk_id2, "
                       "vk_id3, auftragstyp, status FROM zam_lvlz WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ?"),
        Schluessel(ALagerort));
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    AZuordnung.Verweis = TZAM_PersArt_ExtVerweis::Construct(
        quint8(r.at(0).toInt()), TIntTrio(r.at(1).toInt(), r.at(2).toInt(), r.at(3).toInt()), r.at(4).toInt());
    AZuordnung.VerfKombiId = TIntTrio(r.at(5).toInt(), r.at(6).toInt(), r.at(7).toInt());
    AZuordnung.AuftragsTyp = r.at(8).toInt();
    AZuordnung.Status = r.at(9).toInt();
    return true;
}

void TZAM_LVLZServerSql::Zuordnung_Schreiben(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung)
{
    const TZAM_PersArt_ExtVerweis& v = AZuordnung.Verweis;
    const TIntTrio& k = AZuordnung.VerfKombiId;
    FDb.Schreiben(
        QStringLiteral("INSERT INTO zam_lvlz (lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, verweis_id2, "
                       "verweis_id3, verweis_nummer, vk_id1, vk_id2, vk_id3, auftragstyp, status) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (lo_id1, lo_id2, lo_id3) DO UPDATE "
                       "SET verweis_art = excluded.verweis_art, verweis_id1 = excluded.verweis_id1, "
                       "verweis_id2 = excluded.verweis_id2, verweis_id3 = excluded.verweis_id3, "
                       "verweis_nummer = excluded.verweis_nummer, vk_id1 = excluded.vk_id1, vk_id2 = excluded.vk_id2, "
                       "vk_id3 = excluded.vk_id3, auftragstyp = excluded.auftragstyp, status = excluded.status"),
        Schluessel(ALagerort) + QVariantList{int(v.Kennung), v.Id.Id1, v.Id.Id2, v.Id.Id3, v.Nummer, k.Id1, k.Id2,
                                             k.Id3, AZuordnung.AuftragsTyp, AZuordnung.Status});
}

void TZAM_LVLZServerSql::Zuordnung_Loeschen(const TIntTrio& ALagerort)
{
    FDb.Schreiben(QStringLiteral("DELETE FROM zam_lvlz WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ?"),
                  Schluessel(ALagerort));
}

bool TZAM_LVLZServerSql::BelegDaten_Lesen(const TIntTrio& ALagerort, TZAM_LVLZ_BelegDaten& ADaten)
{
    ADaten = TZAM_LVLZ_BelegDaten();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT a.belegnr, v.name, l.auftragstyp, CAST(a.datum AS TEXT) FROM zam_lvlz l "
                       "JOIN zam_atk a ON a.id1 = l.verweis_id1 AND a.id2 = l.verweis_id2 "
                       "LEFT JOIN zam_verfkombi v ON v.id1 = l.vk_id1 AND v.id2 = l.vk_id2 AND v.id3 = l.vk_id3 "
                       "WHERE l.lo_id1 = ? AND l.lo_id2 = ? AND l.lo_id3 = ? AND l.verweis_art = ? AND "
                       "l.verweis_id3 = 0"),
        Schluessel(ALagerort) + QVariantList{int(CZAM_PersArtExt_KuBe)});
    if (z.IsEmpty())
        return false;
    ADaten.BelegNr = z.Wert(0, 0).toString();
    ADaten.VerfKombiName = z.Wert(0, 1).toString();
    ADaten.AuftragsTyp = z.Wert(0, 2).toInt();
    ADaten.Datum = TZAM_Datenbank::ZeitpunktLesen(z.Wert(0, 3));
    return true;
}

#include "TZAM_LVLZServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"

const QString TZAM_LVLZServerSql::CSpalten =
    QStringLiteral("(lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, "
                   "vk_id1, vk_id2, vk_id3, auftragstyp, status)");

const QString TZAM_LVLZServerSql::CGleicherVerweis =
    QStringLiteral("zam_lvlz.verweis_art = excluded.verweis_art AND zam_lvlz.verweis_id1 = excluded.verweis_id1 AND "
                   "zam_lvlz.verweis_id2 = excluded.verweis_id2 AND zam_lvlz.verweis_id3 = excluded.verweis_id3 AND "
                   "zam_lvlz.verweis_nummer = excluded.verweis_nummer AND zam_lvlz.vk_id1 = excluded.vk_id1 AND "
                   "zam_lvlz.vk_id2 = excluded.vk_id2 AND zam_lvlz.vk_id3 = excluded.vk_id3");

QVariantList TZAM_LVLZServerSql::Werte(const TZAM_LVLZ_Zuordnung& AZuordnung)
{
    const TZAM_PersArt_ExtVerweis& v = AZuordnung.Verweis;
    const TIntTrio& k = AZuordnung.VerfKombiId;
    return {int(v.Kennung),         v.Id.Id1,         v.Id.Id2, v.Id.Id3, v.Nummer, k.Id1, k.Id2, k.Id3,
            AZuordnung.AuftragsTyp, AZuordnung.Status};
}

namespace {
QVariantList Schluessel(const TIntTrio& ALagerort)
{
    return {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3};
}

const QString CEinfuegen =
    QStringLiteral("INSERT INTO zam_lvlz ") + TZAM_LVLZServerSql::CSpalten +
    QStringLiteral(" VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (lo_id1, lo_id2, "
                   "lo_id3) DO UPDATE SET ");
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
    FDb.Schreiben(
        CEinfuegen +
            QStringLiteral("verweis_art = excluded.verweis_art, verweis_id1 = excluded.verweis_id1, "
                           "verweis_id2 = excluded.verweis_id2, verweis_id3 = excluded.verweis_id3, "
                           "verweis_nummer = excluded.verweis_nummer, vk_id1 = excluded.vk_id1, "
                           "vk_id2 = excluded.vk_id2, vk_id3 = excluded.vk_id3, auftragstyp = excluded.auftragstyp, "
                           "status = excluded.status"),
        Schluessel(ALagerort) + Werte(AZuordnung));
}

bool TZAM_LVLZServerSql::Zuordnung_Anlegen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung)
{
    // The stored row is changed only when it names the same reference and combination; a row of
    // another changes nothing, and the count of changed rows tells which case it was. The
    // conflict is decided under the row's lock, so a second device sees the first one's row.
    return FDb.Schreiben(CEinfuegen +
                             QStringLiteral("auftragstyp = excluded.auftragstyp, status = excluded.status WHERE ") +
                             CGleicherVerweis,
                         Schluessel(ALagerort) + Werte(AZuordnung)) > 0;
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

bool TZAM_LVLZServerSql::Behaelter_4_Verweis(const TZAM_PersArt_ExtVerweis& AVerweis, const TIntTrio& AVerfKombiId,
                                             int AStatus, TIntTrio& ABehaelter)
{
    ABehaelter = TIntTrio();
    const TIntTrio& v = AVerweis.Id;
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT l.lo_id1, l.lo_id2, l.lo_id3 FROM zam_lvlz l JOIN zam_lagerort o ON "
                       "o.id1 = l.lo_id1 AND o.id2 = l.lo_id2 AND o.id3 = l.lo_id3 AND o.art = ? "
                       "WHERE l.verweis_art = ? AND l.verweis_id1 = ? AND l.verweis_id2 = ? AND l.verweis_id3 = ? "
                       "AND l.verweis_nummer = ? AND l.vk_id1 = ? AND l.vk_id2 = ? AND l.vk_id3 = ? "
                       "AND l.status = ? ORDER BY l.lo_id1, l.lo_id2, l.lo_id3 LIMIT 1"),
        {int(CZAM_Lagerort_Behaelter), int(AVerweis.Kennung), v.Id1, v.Id2, v.Id3, AVerweis.Nummer, AVerfKombiId.Id1,
         AVerfKombiId.Id2, AVerfKombiId.Id3, AStatus});
    if (z.IsEmpty())
        return false;
    ABehaelter = TIntTrio(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt());
    return true;
}

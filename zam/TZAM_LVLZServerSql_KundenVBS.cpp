// The customer staging places of the place assignments (see IZAM_LVLZServer).
#include "TZAM_Datenbank.h"
#include "TZAM_LVLZServerSql.h"
#include "TZAM_Lagerort_Info.h"
#include "ZAMLagerKonstanten.h"

namespace {

QVariantList Schluessel(const TIntTrio& A)
{
    return {A.Id1, A.Id2, A.Id3};
}

// A customer staging place o: a place of area 4, not the default customer-order place (bind
// KeinStandard()).
const QString CKundenVBS = QStringLiteral("o.art = %1 AND o.bereich = %2 AND NOT (o.id1 = ? AND o.id2 = ?)")
                               .arg(int(CZAM_Lagerort_Lagerplatz))
                               .arg(int(CZAM_Bereich_KundenVBS));

QVariantList KeinStandard()
{
    return {CZAM_Lagerverwaltung_DefaultKube.Id1, CZAM_Lagerverwaltung_DefaultKube.Id2};
}

// The place o's position on a walking route r (bind the route's key): its first position there.
const QString CLaufwegPos =
    QStringLiteral(" LEFT JOIN (SELECT lo_id1, lo_id2, lo_id3, MIN(pos) AS pos FROM zam_laufweg_platz WHERE "
                   "laufweg_id1 = ? AND laufweg_id2 = ? AND laufweg_id3 = ? GROUP BY lo_id1, lo_id2, lo_id3) r ON "
                   "r.lo_id1 = o.id1 AND r.lo_id2 = o.id2 AND r.lo_id3 = o.id3");
// Route order: places on the route by position, then the others by name.
const QString CLaufwegOrdnung =
    QStringLiteral(" ORDER BY CASE WHEN r.pos IS NULL THEN 1 ELSE 0 END, r.pos, o.name {BINAER}, o.id1, o.id2, o.id3");

// The places innen (root w1..w3, place id1..id3): each root and everything standing on it, at any
// depth. The roots are the rows of the statement ARoots (columns id1, id2, id3).
QString Innen(const QString& AWurzeln)
{
    return QStringLiteral("innen (w1, w2, w3, id1, id2, id3) AS (SELECT id1, id2, id3, id1, id2, id3 FROM (") +
           AWurzeln +
           QStringLiteral(") wurzel UNION SELECT i.w1, i.w2, i.w3, o.id1, o.id2, o.id3 FROM zam_lagerort o JOIN "
                          "innen i ON o.auf_id1 = i.id1 AND o.auf_id2 = i.id2 AND o.auf_id3 = i.id3)");
}

// Whether the root o holds stock, itself or in what stands on it.
const QString CHatBestand =
    QStringLiteral("EXISTS (SELECT 1 FROM innen i JOIN zam_bestand b ON b.lo_id1 = i.id1 AND b.lo_id2 = i.id2 AND "
                   "b.lo_id3 = i.id3 WHERE i.w1 = o.id1 AND i.w2 = o.id2 AND i.w3 = o.id3 AND b.menge > 0)");

TZAM_Lagervorrichtung Platz(const QVariantList& AZeile)
{
    return {Trio(AZeile, 0), AZeile.at(3).toString(), AZeile.at(4).toString()};
}

} // namespace

TIntTrio TZAM_LVLZServerSql::ErsterLaufweg(int ALager)
{
    // The order of the route service: the stored order, equal orders by key.
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT id1, id2, id3 FROM zam_laufweg WHERE lager = ? "
                                                   "ORDER BY reihenfolge, id1, id2, id3 LIMIT 1"),
                                    {ALager});
    return z.IsEmpty() ? TIntTrio() : Trio(z.Zeilen().first(), 0);
}

bool TZAM_LVLZServerSql::KundenVBS_4_Beleg(int ALager, const TIntTrio& ABelegId, TZAM_Lagervorrichtung& AKundenVBS)
{
    AKundenVBS.Clear();
    const TZAM_Zeilen z = FDb.Lesen(
        FDb.Sql(QStringLiteral("SELECT o.id1, o.id2, o.id3, o.name, o.kurz FROM zam_lvlz l JOIN zam_lagerort o ON "
                               "o.id1 = l.lo_id1 AND o.id2 = l.lo_id2 AND o.id3 = l.lo_id3") +
                CLaufwegPos + QStringLiteral(" WHERE o.lager = ? AND ") + CKundenVBS +
                QStringLiteral(" AND l.verweis_art = ? AND l.verweis_id1 = ? AND l.verweis_id2 = ? AND "
                               "l.verweis_id3 = ? AND l.verweis_nummer = 0") +
                CLaufwegOrdnung + QStringLiteral(" LIMIT 1")),
        Schluessel(ErsterLaufweg(ALager)) + QVariantList{ALager} + KeinStandard() +
            QVariantList{int(CZAM_PersArtExt_KuBe)} + Schluessel(ABelegId));
    if (z.IsEmpty())
        return false;
    AKundenVBS = Platz(z.Zeilen().first());
    return true;
}

QList<TZAM_Lagervorrichtung> TZAM_LVLZServerSql::KundenVBS_Freie(int ALager, int AHoechstens)
{
    const QString wurzeln = QStringLiteral("SELECT o.id1, o.id2, o.id3 FROM zam_lagerort o WHERE "
                                           "o.lager = CAST(? AS INTEGER) AND ") +
                            QString(CKundenVBS).replace(u'?', QStringLiteral("CAST(? AS INTEGER)"));
    QString sql = QStringLiteral("WITH RECURSIVE ") + Innen(wurzeln) +
                  QStringLiteral(" SELECT o.id1, o.id2, o.id3, o.name, o.kurz FROM zam_lagerort o") + CLaufwegPos +
                  QStringLiteral(" WHERE o.lager = ? AND o.gesperrt = 0 AND ") + CKundenVBS +
                  QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM zam_lvlz l WHERE l.lo_id1 = o.id1 AND "
                                 "l.lo_id2 = o.id2 AND l.lo_id3 = o.id3) AND NOT ") +
                  CHatBestand + CLaufwegOrdnung;
    if (AHoechstens > 0)
        sql += QStringLiteral(" LIMIT %1").arg(AHoechstens);
    const TZAM_Zeilen z =
        FDb.Lesen(FDb.Sql(sql), QVariantList{ALager} + KeinStandard() + Schluessel(ErsterLaufweg(ALager)) +
                                    QVariantList{ALager} + KeinStandard());
    QList<TZAM_Lagervorrichtung> ergebnis;
    ergebnis.reserve(z.Anzahl());
    for (const QVariantList& r : z.Zeilen())
        ergebnis.append(Platz(r));
    return ergebnis;
}

bool TZAM_LVLZServerSql::KundenVBS_Zuordnen(const TIntTrio& ALagerort, const TZAM_LVLZ_Zuordnung& AZuordnung,
                                            bool ANurFrei)
{
    // The conditions are read in the statement that writes: another device's row written
    // meanwhile makes the insert conflict, and the conflict is decided under the row's lock.
    // Stock is no refusal when the place is the same reference's already.
    const QVariantList werte = Werte(AZuordnung);
    QString werteText;
    for (qsizetype i = 0; i < werte.size(); ++i)
        werteText += QStringLiteral(", CAST(? AS INTEGER)");
    QString sql = QStringLiteral("WITH RECURSIVE ") +
                  Innen(QStringLiteral("SELECT CAST(? AS INTEGER) AS id1, CAST(? AS INTEGER) AS id2, "
                                       "CAST(? AS INTEGER) AS id3")) +
                  QStringLiteral(" INSERT INTO zam_lvlz ") + CSpalten + QStringLiteral(" SELECT o.id1, o.id2, o.id3") +
                  werteText +
                  QStringLiteral(" FROM zam_lagerort o WHERE o.id1 = ? AND o.id2 = ? AND o.id3 = ? AND "
                                 "o.gesperrt = 0 AND ") +
                  CKundenVBS + QStringLiteral(" AND (NOT ") + CHatBestand;
    QVariantList binden = Schluessel(ALagerort) + werte + Schluessel(ALagerort) + KeinStandard();
    if (ANurFrei) {
        sql += QStringLiteral(") ON CONFLICT (lo_id1, lo_id2, lo_id3) DO NOTHING");
    } else {
        sql += QStringLiteral(" OR EXISTS (SELECT 1 FROM zam_lvlz l WHERE l.lo_id1 = o.id1 AND l.lo_id2 = o.id2 AND "
                              "l.lo_id3 = o.id3 AND l.verweis_art = ? AND l.verweis_id1 = ? AND l.verweis_id2 = ? AND "
                              "l.verweis_id3 = ? AND l.verweis_nummer = ? AND l.vk_id1 = ? AND l.vk_id2 = ? AND "
                              "l.vk_id3 = ?)) ON CONFLICT (lo_id1, lo_id2, lo_id3) DO UPDATE SET "
                              "auftragstyp = excluded.auftragstyp, status = excluded.status WHERE ") +
               CGleicherVerweis;
        binden += werte.mid(0, 8);
    }
    return FDb.Schreiben(sql, binden) > 0;
}

int TZAM_LVLZServerSql::Beleg_Fehlmenge_Auf_Lagerort(const TIntTrio& ABelegId, const TIntTrio& ALagerort)
{
    if (ABelegId.IsNull() || ABelegId.Id3 != 0 || ALagerort.IsNull())
        return -1;
    // A position's reference is the order id and number of its state row, without one its own key
    // (as the document service reads them); a cancelled position ("T") is not ordered.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("WITH RECURSIVE ") +
            Innen(QStringLiteral("SELECT CAST(? AS INTEGER) AS id1, CAST(? AS INTEGER) AS id2, "
                                 "CAST(? AS INTEGER) AS id3")) +
            QStringLiteral(
                ", liegt (verweis_id1, verweis_id2, verweis_id3, verweis_nummer, prod_id1, prod_id2, prod_id3, "
                "groesse, menge) AS (SELECT v.verweis_id1, v.verweis_id2, v.verweis_id3, v.verweis_nummer, "
                "v.prod_id1, v.prod_id2, v.prod_id3, v.groesse, SUM(v.menge) FROM zam_lvpb v JOIN innen i "
                "ON v.lo_id1 = i.id1 AND v.lo_id2 = i.id2 AND v.lo_id3 = i.id3 "
                "WHERE v.verweis_art = CAST(? AS INTEGER) GROUP BY v.verweis_id1, v.verweis_id2, "
                "v.verweis_id3, v.verweis_nummer, v.prod_id1, v.prod_id2, v.prod_id3, v.groesse) "
                "SELECT k.menge, COALESCE(SUM(d.menge), 0) FROM zam_atpk k LEFT JOIN zam_atpb b ON "
                "b.pos_id1 = k.pos_id1 AND b.pos_id2 = k.pos_id2 AND b.pos_id3 = k.pos_id3 AND "
                "b.auftrag_nr = k.pos_id4 LEFT JOIN liegt d ON d.verweis_id1 = COALESCE(b.auftrag_id1, "
                "k.pos_id1) AND d.verweis_id2 = COALESCE(b.auftrag_id2, k.pos_id2) AND "
                "d.verweis_id3 = COALESCE(b.auftrag_id3, k.pos_id3) AND "
                "d.verweis_nummer = COALESCE(b.auftrag_nr, k.pos_id4) AND d.prod_id1 = k.prod_id1 AND "
                "d.prod_id2 = k.prod_id2 AND d.prod_id3 = k.prod_id3 AND d.groesse = k.groesse "
                "WHERE k.atk_id1 = ? AND k.atk_id2 = ? AND (b.zustand IS NULL OR b.zustand <> 'T') AND "
                "NOT (k.prod_id1 = 0 AND k.prod_id2 = 0 AND k.prod_id3 = 0) "
                "GROUP BY k.pos_id1, k.pos_id2, k.pos_id3, k.pos_id4, k.menge"),
        Schluessel(ALagerort) + QVariantList{int(CZAM_PersArtExt_KuBe), ABelegId.Id1, ABelegId.Id2});
    if (z.IsEmpty())
        return -1;
    int fehlt = 0;
    for (const QVariantList& r : z.Zeilen())
        fehlt += qMax(0, r.at(0).toInt() - r.at(1).toInt());
    return fehlt;
}

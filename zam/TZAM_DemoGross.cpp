#include "TZAM_DemoGross.h"

#include "TZAM_Datenbank.h"

const QString& TZAM_DemoGross::Zahlen()
{
    static const QString GZahlen =
        QStringLiteral("WITH RECURSIVE z(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM z WHERE i + 1 < ?) ");
    return GZahlen;
}

QString TZAM_DemoGross::Einsetzen(QString ASql, const QList<std::pair<const char*, int>>& AZahlen)
{
    for (const auto& [name, wert] : AZahlen)
        ASql.replace(QLatin1String(name), QString::number(wert));
    return ASql;
}

QString TZAM_DemoGross::NachTagen(const TZAM_Datenbank& ADb, const QString& ATage)
{
    return ADb.IstSQLite()
               ? QStringLiteral("strftime('%Y-%m-%dT%H:%M:%f', ?, (") + ATage + QStringLiteral(") || ' days')")
               : QStringLiteral("(CAST(? AS TIMESTAMP) + (") + ATage + QStringLiteral(") * INTERVAL '1 day')");
}

void TZAM_DemoGross::Anlegen(TZAM_Datenbank& ADb, const TUmfang& U)
{
    const QString& CZahlen = Zahlen();
    const int lager = CLager;
    ADb.TransaktionBeginnen(QStringLiteral("Großlager anlegen"));
    try {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (?, 'Großlager', ?)"),
                      {lager, lager});
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_filiale (nummer, name, lager, orge_id1, orge_id2, "
                                               "orge_ebene1, orge_ebene2) SELECT 901 + i, 'Großlager-Filiale ' || "
                                               "(901 + i), ?, 100, 901 + i, 10, 9 FROM z"),
                      {U.Filialen, lager});
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) "
                                               "SELECT ?, 901 + i, i FROM z"),
                      {U.Filialen, lager});
        // Places (9, 1 + i / 1000, 1 + i % 1000), in operation.
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, "
                                               "bereich, in_betrieb) SELECT ?, 1 + i / 1000, 1 + i % 1000, ?, 0, "
                                               "'G-' || i, 'G' || i, 0, 1 FROM z"),
                      {U.Plaetze, lager, lager});
        // Containers (19, i / 1000, 1 + i % 1000), each on a place.
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, "
                                               "bereich, in_betrieb, auf_id1, auf_id2, auf_id3) SELECT 19, i / 1000, "
                                               "1 + i % 1000, ?, 3, 'GB-' || i, 'GB' || i, 0, 1, ?, 1 + (i * 7) / 1000, "
                                               "1 + (i * 7) % 1000 FROM z"),
                      {U.Behaelter, lager, lager});
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3) SELECT 19, i / 1000, "
                                               "1 + i % 1000 FROM z"),
                      {U.Behaelter});
        // Articles (2, 500000 + i, 0) with the article numbers 5000000 + i and ten sizes each.
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_artikel (prod_id1, prod_id2, prod_id3, artnr, "
                                               "bezeichnung) SELECT 2, 500000 + i, 0, 5000000 + i, 'Artikel ' || i "
                                               "FROM z"),
                      {U.Artikel});
        ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_artikel_groesse (prod_id1, prod_id2, prod_id3, groesse, "
                                               "name, kassengroesse) SELECT 2, 500000 + i / 10, 0, 1 + i % 10, "
                                               "'' || (1 + i % 10), 1 + i % 10 FROM z"),
                      {U.Artikel * 10});
        // On each place, BestandJePlatz article sizes (distinct sizes), ten pieces each.
        ADb.Schreiben(CZahlen + QStringLiteral(", k(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM k WHERE j + 1 < ?) "
                                               "INSERT INTO zam_bestand (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, "
                                               "prod_id3, groesse, bestandsart, menge) SELECT ?, 1 + i / 1000, "
                                               "1 + i % 1000, 2, 500000 + (i + j * 211) % ?, 0, 1 + j % 10, 1, 10 "
                                               "FROM z, k"),
                      {U.Plaetze, U.BestandJePlatz, lager, U.Artikel});
        // The branches own the stock article by article.
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                     "menge) SELECT prod_id1, prod_id2, prod_id3, 901 + prod_id2 % ?, bestandsart, "
                                     "groesse, SUM(menge) FROM zam_bestand WHERE lo_id1 = ? "
                                     "GROUP BY prod_id1, prod_id2, prod_id3, bestandsart, groesse"),
                      {U.Filialen, lager});
        Aufgaben(ADb, U);
        Wareneingang(ADb, U);
        ADb.TransaktionFestschreiben();
    } catch (...) {
        ADb.TransaktionZuruecksetzen();
        throw;
    }
    // A site's server knows its tables; without statistics of the rows just written PostgreSQL
    // plans the task statement as for empty tables until its autovacuum comes round.
    if (!ADb.IstSQLite())
        ADb.Schreiben(QStringLiteral("ANALYZE"));
}

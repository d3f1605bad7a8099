// The incoming documents: the document lists and the open movements of a document.
#include "TZAM_Datenbank.h"
#include "TZAM_EingangsbelegServerSql.h"

namespace {

// What is still open of a position.
const QString COffen = QStringLiteral("(p.menge - p.erhalten - p.fehlmenge)");

// An order line of an incoming document with its positions.
const QString CZeilen = QStringLiteral("JOIN zam_bnep p ON p.bne_id1 = n.id1 AND p.bne_id2 = n.id2 AND "
                                       "p.bne_id3 = n.id3 AND p.bne_typ = n.typ ");

const QString CArtikelJoin = QStringLiteral("LEFT JOIN zam_artikel a ON a.prod_id1 = n.prod_id1 AND "
                                            "a.prod_id2 = n.prod_id2 AND a.prod_id3 = n.prod_id3 ");
const QString CProduktFilter = QStringLiteral(" AND n.prod_id1 = ? AND n.prod_id2 = ? AND n.prod_id3 = ?");

void ProduktFilter(QString& ASql, QVariantList& AWerte, const TInt32Trio& AProdukt)
{
    if (AProdukt.IsNull())
        return;
    ASql += CProduktFilter;
    AWerte << AProdukt.Id1 << AProdukt.Id2 << AProdukt.Id3;
}

TInt32Trio Produkt(const QVariantList& AZeile, int AAb)
{
    return TInt32Trio(AZeile.at(AAb).toInt(), AZeile.at(AAb + 1).toInt(), AZeile.at(AAb + 2).toInt());
}

// The open pieces of each document (s): its sums, or with a product only that product's line
// (its parameters go first).
QString Offen(const TInt32Trio& AProdukt, QVariantList& AWerte)
{
    if (AProdukt.IsNull())
        return QStringLiteral("zam_eingang_offen");
    AWerte << AProdukt.Id1 << AProdukt.Id2 << AProdukt.Id3;
    return QStringLiteral("(SELECT eingang_art AS art, eingang_id1 AS id1, eingang_id2 AS id2, eingang_id3 AS id3, "
                          "eingang_nr AS nr, offen, 1 AS artikel, offen_groessen AS groessen, prod_id1, prod_id2, "
                          "prod_id3 FROM zam_bne WHERE typ = 70 AND prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ?)");
}

// A document list: AKopf the head's key (three parts), external number, from- and to-branch,
// warehouse, date and from-warehouse flag from its table ATabelle, joined to its open pieces by
// AVerbindung. One row per document with open pieces: the head, the product (the only one when
// one article is open, with its article), open pieces, sizes and articles.
QString Belegliste(const QString& AKopf, const QString& ATabelle, const QString& AOffen, const QString& AVerbindung,
                   const QString& AWo, const QString& AOrdnung)
{
    return QStringLiteral("SELECT ") + AKopf +
           QStringLiteral(", s.prod_id1, s.prod_id2, s.prod_id3, a.artnr, a.bezeichnung, s.offen, s.groessen, "
                          "s.artikel FROM ") +
           ATabelle + QStringLiteral(" JOIN ") + AOffen + QStringLiteral(" s ON ") + AVerbindung +
           QStringLiteral(" AND s.offen > 0 LEFT JOIN zam_artikel a ON s.artikel = 1 AND a.prod_id1 = s.prod_id1 AND "
                          "a.prod_id2 = s.prod_id2 AND a.prod_id3 = s.prod_id3 WHERE ") +
           AWo + QStringLiteral(" ORDER BY ") + AOrdnung;
}

} // namespace

QList<TZAM_Eingangsbeleg_Produkt> TZAM_EingangsbelegServerSql::Belege(const QString& ASql, const QVariantList& AWerte,
                                                                      TZAM_Eingangsbeleg_Art AArt)
{
    QList<TZAM_Eingangsbeleg_Produkt> ergebnis;
    const TZAM_Zeilen zeilen = FDb.Lesen(FDb.Sql(ASql), AWerte);
    for (const QVariantList& r : zeilen.Zeilen()) {
        TZAM_Eingangsbeleg_Produkt e;
        TZAM_Eingangsbeleg& b = e.Beleg;
        b.Art = AArt;
        const TIntTrio id = Trio(r, 0);
        if (AArt == ebaWBS)
            b.WBSId = TIntPair(id.Id1, id.Id2);
        else if (AArt == ebaWEAvis)
            b.WEAvisId = id;
        b.Fremdnummer = r.at(3).toString();
        b.VonFiliale = qint16(r.at(4).toInt());
        b.AnFiliale = qint16(r.at(5).toInt());
        b.Lager = r.at(6).toInt();
        b.Datum = TZAM_Datenbank::ZeitpunktLesen(r.at(7));
        b.VonLager = r.at(8).toInt() != 0;
        e.Artikel = r.at(16).toInt();
        if (e.Artikel == 1) {
            e.ProduktId = Produkt(r, 9);
            e.ArtNr = r.at(12).toInt();
            e.Bezeichnung = r.at(13).toString();
        }
        e.Offen = r.at(14).toInt();
        e.Groessen = r.at(15).toInt();
        ergebnis << e;
    }
    return ergebnis;
}

QList<TZAM_Eingangsbeleg_Produkt> TZAM_EingangsbelegServerSql::WBS_4_Filiale(qint16 AFiliale,
                                                                             const TInt32Trio& AProdukt)
{
    // Incoming: the to-branch belongs to the slip's warehouse, the from-branch does not (goods
    // between a warehouse and its own branches never come in).
    QVariantList werte;
    const QString offen = Offen(AProdukt, werte);
    werte << int(AFiliale);
    return Belege(
        Belegliste(QStringLiteral("w.id1, w.id2, 0, '', w.von_filiale, w.an_filiale, w.lager, CAST(w.datum AS TEXT), "
                                  "CASE WHEN EXISTS (SELECT 1 FROM zam_filiale f WHERE f.nummer = w.von_filiale AND "
                                  "f.lager > 0) THEN 1 ELSE 0 END"),
                   QStringLiteral("zam_wbs w"), offen,
                   QStringLiteral("s.art = 1 AND s.id1 = w.id1 AND s.id2 = w.id2 AND s.id3 = 0 AND s.nr = ''"),
                   QStringLiteral("w.an_filiale = ? AND EXISTS (SELECT 1 FROM zam_lagergruppe_filiale g WHERE "
                                  "g.lager = w.lager AND g.filiale = w.an_filiale) AND NOT EXISTS (SELECT 1 FROM "
                                  "zam_lagergruppe_filiale g WHERE g.lager = w.lager AND g.filiale = w.von_filiale)"),
                   QStringLiteral("w.id1, w.id2")),
        werte, ebaWBS);
}

QList<TZAM_Eingangsbeleg_Produkt> TZAM_EingangsbelegServerSql::Belege_4_Lager(int ALager, const TInt32Trio& AProdukt)
{
    QVariantList werte;
    QString offen = Offen(AProdukt, werte);
    werte << ALager;
    QList<TZAM_Eingangsbeleg_Produkt> ergebnis = Belege(
        Belegliste(QStringLiteral("v.id1, v.id2, v.id3, '', -1, v.filiale, v.lager, CAST(v.datum AS TEXT), 0"),
                   QStringLiteral("zam_weav v"), offen,
                   QStringLiteral("s.art = 2 AND s.id1 = v.id1 AND s.id2 = v.id2 AND s.id3 = v.id3 AND s.nr = ''"),
                   QStringLiteral("v.lager = ?"), QStringLiteral("v.id1, v.id2, v.id3")),
        werte, ebaWEAvis);

    werte.clear();
    offen = Offen(AProdukt, werte);
    werte << ALager;
    ergebnis << Belege(
        Belegliste(QStringLiteral("0, 0, 0, f.nummer, -1, f.filiale, f.lager, CAST(f.datum AS TEXT), 0"),
                   QStringLiteral("zam_fremdbeleg f"), offen,
                   QStringLiteral("s.art = 3 AND s.id1 = 0 AND s.id2 = 0 AND s.id3 = 0 AND s.nr = f.nummer"),
                   QStringLiteral("f.lager = ?"), QStringLiteral("f.nummer {BINAER}")),
        werte, ebaFremdnummer);
    return ergebnis;
}

QList<TZAM_Eingangsbeleg_Produkt> TZAM_EingangsbelegServerSql::Produkte_4_Lagerort(const TIntTrio& ALagerort,
                                                                                   const TInt32Trio& AProdukt)
{
    QString sql = QStringLiteral("SELECT n.prod_id1, n.prod_id2, n.prod_id3, a.artnr, a.bezeichnung, SUM(n.menge), "
                                 "COUNT(DISTINCT n.groesse) FROM zam_bestand n ") +
                  CArtikelJoin + QStringLiteral("WHERE n.lo_id1 = ? AND n.lo_id2 = ? AND n.lo_id3 = ? AND n.menge > 0");
    QVariantList werte = {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3};
    ProduktFilter(sql, werte, AProdukt);
    sql += QStringLiteral(" GROUP BY n.prod_id1, n.prod_id2, n.prod_id3, a.artnr, a.bezeichnung "
                          "ORDER BY n.prod_id1, n.prod_id2, n.prod_id3");
    QList<TZAM_Eingangsbeleg_Produkt> ergebnis;
    const TZAM_Zeilen zeilen = FDb.Lesen(sql, werte);
    for (const QVariantList& r : zeilen.Zeilen()) {
        TZAM_Eingangsbeleg_Produkt e;
        e.ProduktId = Produkt(r, 0);
        e.ArtNr = r.at(3).toInt();
        e.Bezeichnung = r.at(4).toString();
        e.Offen = r.at(5).toInt();
        e.Groessen = r.at(6).toInt();
        ergebnis << e;
    }
    return ergebnis;
}

QList<TZAM_Eingangsbewegung> TZAM_EingangsbelegServerSql::Bewegungen(const QString& ABedingung,
                                                                     const QVariantList& AWerte)
{
    // The number of the order a reference names: the customer-order document's, or the
    // external order's (the first row's when several sources have that order id, as the
    // external-order service answers).
    const QString sql =
        QStringLiteral("SELECT n.id1, n.id2, n.id3, n.prod_id1, n.prod_id2, n.prod_id3, p.groesse, ") + COffen +
        QStringLiteral(
            ", p.erhalten, p.quell_filiale, p.ziel_filiale, p.bewtyp, p.ext_kennung, p.ext_id1, p.ext_id2, "
            "p.ext_id3, p.ext_nummer, p.auftrag_id1, p.auftrag_id2, p.auftrag_id3, "
            "CASE p.ext_kennung WHEN 1 THEN (SELECT k.belegnr FROM zam_atk k WHERE k.id1 = p.auftrag_id1 "
            "AND k.id2 = p.auftrag_id2) WHEN 3 THEN (SELECT x.bestellnr FROM zam_exbi x "
            "WHERE x.auftrag_id1 = p.ext_id1 AND x.auftrag_id2 = p.ext_id2 AND x.auftrag_id3 = p.ext_id3 "
            "AND x.auftrag_nr = p.ext_nummer ORDER BY x.id LIMIT 1) END, p.lo_id1, p.lo_id2, p.lo_id3, o.name, "
            "CAST(n.datum AS TEXT), a.artnr, a.bezeichnung, a.farbe, a.hersteller, a.hersteller_artnr, "
            "g.name FROM zam_bne n ") +
        CZeilen + CArtikelJoin +
        QStringLiteral("LEFT JOIN zam_artikel_groesse g ON g.prod_id1 = n.prod_id1 AND g.prod_id2 = n.prod_id2 AND "
                       "g.prod_id3 = n.prod_id3 AND g.groesse = p.groesse LEFT JOIN zam_lagerort o ON "
                       "o.id1 = p.lo_id1 AND o.id2 = p.lo_id2 AND o.id3 = p.lo_id3 WHERE n.typ = 70 AND ") +
        COffen + QStringLiteral(" > 0 AND ") + ABedingung +
        QStringLiteral(" ORDER BY n.id1, n.id2, n.id3, p.groesse, p.id");
    QList<TZAM_Eingangsbewegung> ergebnis;
    const TZAM_Zeilen zeilen = FDb.Lesen(sql, AWerte);
    for (const QVariantList& r : zeilen.Zeilen()) {
        TZAM_Eingangsbewegung m;
        m.BelegId = Trio(r, 0);
        m.ProduktId = Produkt(r, 3);
        m.GrIdx = r.at(6).toInt();
        m.Menge = r.at(7).toInt();
        m.Erhalten = r.at(8).toInt();
        m.VonFiliale = qint16(r.at(9).toInt());
        m.AnFiliale = qint16(r.at(10).toInt());
        m.BewByte = r.at(11).toInt();
        if (const int kennung = r.at(12).toInt(); kennung != 0)
            m.Verweis = TZAM_PersArt_ExtVerweis::Construct(quint8(kennung), Trio(r, 13), r.at(16).toInt());
        m.KubeBeleg = Trio(r, 17);
        m.KubeBelegNr = r.at(20).toString();
        m.Lagerort = Trio(r, 21);
        m.LagerortName = r.at(24).toString();
        m.Datum = TZAM_Datenbank::ZeitpunktLesen(r.at(25));
        m.ArtNr = r.at(26).toInt();
        m.Bezeichnung = r.at(27).toString();
        m.Farbe = r.at(28).toString();
        m.Hersteller = r.at(29).toString();
        m.HerstellerArtNr = r.at(30).toString();
        m.GroesseName = r.at(31).toString();
        ergebnis << m;
    }
    return ergebnis;
}

QList<TZAM_Eingangsbewegung> TZAM_EingangsbelegServerSql::Bewegungen_4_WBS(const TIntPair& AWBS)
{
    return Bewegungen(QStringLiteral("n.eingang_art = 1 AND n.eingang_id1 = ? AND n.eingang_id2 = ?"),
                      {AWBS.Id1, AWBS.Id2});
}

QList<TZAM_Eingangsbewegung> TZAM_EingangsbelegServerSql::Bewegungen_4_WEAvis(const TIntTrio& AWEAvis, qint16 AFiliale)
{
    return Bewegungen(QStringLiteral("n.eingang_art = 2 AND n.eingang_id1 = ? AND n.eingang_id2 = ? AND "
                                     "n.eingang_id3 = ? AND p.ziel_filiale = ?"),
                      {AWEAvis.Id1, AWEAvis.Id2, AWEAvis.Id3, int(AFiliale)});
}

QList<TZAM_Eingangsbewegung> TZAM_EingangsbelegServerSql::Bewegungen_4_Fremdnummer(const QString& AFremdnummer)
{
    return Bewegungen(QStringLiteral("n.eingang_art = 3 AND n.eingang_nr = ?"), {AFremdnummer.trimmed()});
}

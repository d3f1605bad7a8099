// The putaway measurement's fixture on the large site: incoming documents written through the
// document store (its Schreiben, in one transaction), the goods-receipt place of warehouse 9 and
// an article lying on 200 places.
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_EingangsbelegServerSql.h"
#include "TZAM_EinlagerungMessung.h"
#include "ZAMLagerKonstanten.h"

#include <QDateTime>

namespace {

constexpr int CLager = TZAM_DemoGross::CLager;
constexpr int CErsteFiliale = 901;
// The store writes the first CVorlagen documents; the others are copies of them (document d is a
// copy of d % CVorlagen), because the store writes about 700 movements a second on PostgreSQL
// (each statement prepared, executed and released on its own): 550,000 would take 13 minutes.
constexpr int CVorlagen = 100;
constexpr int CKopien = 19;
constexpr int CBelege = CVorlagen * (1 + CKopien);
constexpr int CArtikel = 2000; // the large site's articles (2, 500000 + a), ten sizes 1..10 each
constexpr int CBewByte = 1;
// A branch of warehouse 1 of the demo site: its slips are "WBS Lager".
constexpr int CLagerFiliale = 1;
// The branches 951..955 of the large site belong to no warehouse.
constexpr int CFremdeFiliale = 951;

const QString CZahlen = QStringLiteral(
    "WITH RECURSIVE z(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM z WHERE i + 1 <= CAST(? AS INTEGER)) ");

// Inside the caller's transaction; rolled back when something raises.
template <class F> void InTransaktion(TZAM_Datenbank& ADb, const QString& AWofuer, F ARumpf)
{
    ADb.TransaktionBeginnen(AWofuer);
    try {
        ARumpf();
        ADb.TransaktionFestschreiben();
    } catch (...) {
        ADb.TransaktionZuruecksetzen();
        throw;
    }
}

TZAM_Eingangsbewegung Bewegung(const TInt32Trio& AProdukt, int AGr, int AMenge)
{
    TZAM_Eingangsbewegung m;
    m.ProduktId = AProdukt;
    m.GrIdx = AGr;
    m.Menge = AMenge;
    m.BewByte = CBewByte;
    return m;
}

// A customer-order position of the large site as a movement of its product, size and pieces.
QList<TZAM_Eingangsbewegung> KundenPositionen(TZAM_Datenbank& ADb)
{
    const TZAM_Zeilen z = ADb.Lesen(
        QStringLiteral("SELECT pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, prod_id1, prod_id2, prod_id3, "
                       "groesse, menge FROM zam_atpk WHERE atk_id1 = ? ORDER BY pos_id2, pos_id4"),
        {CLager});
    QList<TZAM_Eingangsbewegung> positionen;
    for (const QVariantList& r : z.Zeilen()) {
        TZAM_Eingangsbewegung m =
            Bewegung(TInt32Trio(r.at(6).toInt(), r.at(7).toInt(), r.at(8).toInt()), r.at(9).toInt(), r.at(10).toInt());
        m.Verweis = TZAM_PersArt_ExtVerweis::Construct(
            CZAM_PersArtExt_KuBe, TIntTrio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()), r.at(3).toInt());
        m.KubeBeleg = TIntTrio(r.at(4).toInt(), r.at(5).toInt(), 0);
        positionen << m;
    }
    return positionen;
}

// Document d's number part: slip (v, 100001 + d), notice (9, 100001 + d, 1).
int Nummer(int ADokument)
{
    return 100001 + ADokument;
}

bool IstAvis(int ADokument)
{
    return ADokument % 10 == 9;
}

qint16 VonFiliale(int ADokument)
{
    return qint16(ADokument % 5 == 4 ? CLagerFiliale : CFremdeFiliale + ADokument % 5);
}

// The copies k = 1..CKopien of the template documents: document d + k * CVorlagen with the same
// branches, date and movements; their order lines follow the templates' (AErste..ALetzte) in
// blocks of the templates' count. The pieces are booked as the store books them: slips'
// transport stock of the to-branch, notices' pieces on the goods-receipt place and the receiving
// branch's free stock.
void Kopieren(TZAM_Datenbank& ADb, int AErste, int ALetzte)
{
    const int zeilen = ALetzte - AErste + 1;
    const QVariantList bereich = {CKopien, CVorlagen, Nummer(0), Nummer(CVorlagen - 1)};
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_wbs (id1, id2, von_filiale, an_filiale, lager, datum) "
                                           "SELECT w.id1, w.id2 + z.i * ?, w.von_filiale, w.an_filiale, w.lager, "
                                           "w.datum FROM zam_wbs w, z WHERE w.id2 BETWEEN ? AND ?"),
                  bereich);
    ADb.Schreiben(CZahlen +
                      QStringLiteral("INSERT INTO zam_weav (id1, id2, id3, filiale, lager, datum) "
                                     "SELECT v.id1, v.id2 + z.i * ?, v.id3, v.filiale, v.lager, v.datum "
                                     "FROM zam_weav v, z WHERE v.id1 = ") +
                      QString::number(CLager) + QStringLiteral(" AND v.id2 BETWEEN ? AND ?"),
                  bereich);
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, "
                                           "prod_id3, bewtyp, eingang_art, eingang_id1, eingang_id2, eingang_id3, "
                                           "eingang_nr, offen, offen_groessen) SELECT n.id1, n.id2 + z.i * ?, n.id3, "
                                           "n.typ, n.datum, n.prod_id1, n.prod_id2, n.prod_id3, n.bewtyp, "
                                           "n.eingang_art, n.eingang_id1, n.eingang_id2 + z.i * ?, n.eingang_id3, "
                                           "n.eingang_nr, n.offen, n.offen_groessen "
                                           "FROM zam_bne n, z WHERE n.id1 = 70 AND n.id2 BETWEEN ? AND ?"),
                  {CKopien, zeilen, CVorlagen, AErste, ALetzte});
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                           "quell_filiale, auftrag_id1, auftrag_id2, auftrag_id3, ext_kennung, "
                                           "ext_id1, ext_id2, ext_id3, ext_nummer, menge, bewtyp, groesse, lo_id1, "
                                           "lo_id2, lo_id3) SELECT p.bne_id1, p.bne_id2 + z.i * ?, p.bne_id3, "
                                           "p.bne_typ, p.ziel_filiale, p.quell_filiale, p.auftrag_id1, "
                                           "p.auftrag_id2, p.auftrag_id3, p.ext_kennung, p.ext_id1, p.ext_id2, "
                                           "p.ext_id3, p.ext_nummer, p.menge, p.bewtyp, p.groesse, p.lo_id1, "
                                           "p.lo_id2, p.lo_id3 FROM zam_bnep p, z WHERE p.bne_id1 = 70 AND "
                                           "p.bne_typ = 70 AND p.bne_id2 BETWEEN ? AND ? ORDER BY z.i, p.id"),
                  {CKopien, zeilen, AErste, ALetzte});
    TZAM_EingangsbelegServerSql::OffenFortschreiben(ADb, QStringLiteral("id1 = 70 AND id2 > ?"), {ALetzte});
    // The templates' pieces once more for every copy; only these documents book onto the
    // goods-receipt place and into the branches' transport stock.
    const TIntTrio wePlatz = TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, CLager);
    ADb.Schreiben(QStringLiteral("UPDATE zam_bestand SET menge = menge * ? WHERE lo_id1 = ? AND lo_id2 = ? AND "
                                 "lo_id3 = ?"),
                  {1 + CKopien, wePlatz.Id1, wePlatz.Id2, wePlatz.Id3});
    // Added per product, size, branch and stock type as an insert that meets the store's rows: an
    // update joined to the sums was planned on PostgreSQL as a walk over all the templates' lines
    // for each branch stock row (minutes).
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                 "menge) SELECT n.prod_id1, n.prod_id2, n.prod_id3, p.ziel_filiale, CASE "
                                 "n.eingang_art WHEN 1 THEN 40 ELSE 1 END, p.groesse, ? * SUM(p.menge) FROM zam_bne n "
                                 "JOIN zam_bnep p ON p.bne_id1 = n.id1 AND p.bne_id2 = n.id2 AND p.bne_id3 = n.id3 AND "
                                 "p.bne_typ = n.typ WHERE n.id1 = 70 AND n.id2 BETWEEN ? AND ? GROUP BY n.prod_id1, "
                                 "n.prod_id2, n.prod_id3, p.ziel_filiale, n.eingang_art, p.groesse ON CONFLICT "
                                 "(prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse) DO UPDATE SET "
                                 "menge = zam_bf.menge + excluded.menge"),
                  {CKopien, AErste, ALetzte});
}

} // namespace

// Document d (0..1999) is for branch 901 + d % 4 of warehouse 9, a copy of template d % 100
// (written by the store). Every tenth (d % 10 = 9) is a notice (9, 100001 + d, 1) whose pieces
// lie on the warehouse's goods-receipt place; the others are slips (v, 100001 + d) from v =
// branch 1 of warehouse 1 when d % 5 = 4, else from 951 + d % 5 (no warehouse), their pieces on
// transport. Template t holds k = 5 + (37 t) % 45 articles (2, 500000 + (53 t + 41 j) % 2000),
// each in its ten sizes with 1 + (t + j + g) % 4 pieces, and every second slip in addition
// 1 + t % 3 of the large site's customer-order positions: 50 to 493 movements, 275 on average.
QList<TIntPair> TZAM_EinlagerungMessung::Anlegen(TZAM_Datenbank& ADb)
{
    InTransaktion(ADb, QStringLiteral("Einlagerung: Eingangsbelege"), [&] {
        const TIntTrio wePlatz = TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, CLager);
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                                     "in_betrieb) VALUES (?, ?, ?, ?, 0, 'Großlager WE-Freigabe', 'GWEF', 1, 1)"),
                      {wePlatz.Id1, wePlatz.Id2, wePlatz.Id3, CLager});
        const QList<TZAM_Eingangsbewegung> kunden = KundenPositionen(ADb);
        const QDateTime basis(QDate::currentDate(), QTime(6, 30));
        const int erste =
            ADb.LesenWert(QStringLiteral("SELECT MAX(id2) FROM zam_bne WHERE id1 = 70"), {}, 0).toInt() + 1;
        TZAM_EingangsbelegServerSql store(ADb);
        for (int d = 0; d < CVorlagen; ++d) {
            TZAM_Eingangsbeleg b;
            b.AnFiliale = qint16(CErsteFiliale + d % CFilialen);
            b.Lager = CLager;
            b.Datum = basis.addDays(-(d % 14)).addSecs(60 * d);
            QList<TZAM_Eingangsbewegung> bewegungen;
            const int artikel = 5 + (37 * d) % 45;
            for (int j = 0; j < artikel; ++j) {
                const TInt32Trio produkt(2, 500000 + (53 * d + 41 * j) % CArtikel, 0);
                for (int g = 1; g <= 10; ++g)
                    bewegungen << Bewegung(produkt, g, 1 + (d + j + g) % 4);
            }
            if (IstAvis(d)) {
                b.Art = ebaWEAvis;
                b.WEAvisId = TIntTrio(CLager, Nummer(d), 1);
            } else {
                b.Art = ebaWBS;
                b.VonFiliale = VonFiliale(d);
                b.WBSId = TIntPair(b.VonFiliale, Nummer(d));
                if (d % 2 == 0 && !kunden.isEmpty())
                    for (int i = 0; i <= d % 3; ++i)
                        bewegungen << kunden.at((3 * (d / 2) + i) % kunden.size());
            }
            store.Schreiben(b, bewegungen, true);
        }
        const int letzte = ADb.LesenWert(QStringLiteral("SELECT MAX(id2) FROM zam_bne WHERE id1 = 70"), {}, 0).toInt();
        Kopieren(ADb, erste, letzte);

        // Article (2, 590001) in five sizes on each of 160 places and 40 containers standing on
        // places, three pieces each, owned by the first branch.
        const TInt32Trio a200(2, 590001, 0);
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_artikel (prod_id1, prod_id2, prod_id3, artnr, bezeichnung) "
                                     "VALUES (?, ?, ?, 5900001, 'Artikel an 200 Orten')"),
                      {a200.Id1, a200.Id2, a200.Id3});
        for (int g = 1; g <= 10; ++g)
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_artikel_groesse (prod_id1, prod_id2, prod_id3, groesse, "
                                         "name, kassengroesse) VALUES (?, ?, ?, ?, ?, ?)"),
                          {a200.Id1, a200.Id2, a200.Id3, g, QString::number(g), g});
        for (int i = 0; i < 200; ++i) {
            const int p = (i * 313) % 50000, c = ((i - 160) * 97) % 5000;
            const TIntTrio ort =
                i < 160 ? TIntTrio(CLager, 1 + p / 1000, 1 + p % 1000) : TIntTrio(19, c / 1000, 1 + c % 1000);
            for (int k = 0; k < 5; ++k)
                ADb.Schreiben(
                    QStringLiteral("INSERT INTO zam_bestand (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, "
                                   "prod_id3, groesse, bestandsart, menge) VALUES (?, ?, ?, ?, ?, ?, ?, 1, 3)"),
                    {ort.Id1, ort.Id2, ort.Id3, a200.Id1, a200.Id2, a200.Id3, 1 + (i + 2 * k) % 10});
        }
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                     "menge) SELECT prod_id1, prod_id2, prod_id3, ?, bestandsart, groesse, SUM(menge) "
                                     "FROM zam_bestand WHERE prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? "
                                     "GROUP BY prod_id1, prod_id2, prod_id3, bestandsart, groesse"),
                      {CErsteFiliale, a200.Id1, a200.Id2, a200.Id3});
    });
    // As the large site: PostgreSQL plans with the statistics of the rows just written.
    if (!ADb.IstSQLite())
        ADb.Schreiben(QStringLiteral("ANALYZE"));
    QList<TIntPair> wbs;
    for (int d = 0; d < CBelege; ++d)
        if (!IstAvis(d))
            wbs << TIntPair(VonFiliale(d), Nummer(d));
    return wbs;
}

// Slip (951 + n % 5, 900001 + n) to branch 901 + n % 4: article (2, 500000 + (17 n) % 2000),
// sizes 1..10, four pieces each, on transport.
QList<TIntPair> TZAM_EinlagerungMessung::EinlagerungsWBS(TZAM_Datenbank& ADb, int ALaeufe)
{
    QList<TIntPair> wbs;
    InTransaktion(ADb, QStringLiteral("Einlagerung: WBS zum Einlagern"), [&] {
        TZAM_EingangsbelegServerSql store(ADb);
        for (int n = 0; n < ALaeufe; ++n) {
            TZAM_Eingangsbeleg b;
            b.Art = ebaWBS;
            b.VonFiliale = qint16(CFremdeFiliale + n % 5);
            b.AnFiliale = qint16(CErsteFiliale + n % CFilialen);
            b.Lager = CLager;
            b.WBSId = TIntPair(b.VonFiliale, 900001 + n);
            QList<TZAM_Eingangsbewegung> bewegungen;
            const TInt32Trio produkt(2, 500000 + (17 * n) % CArtikel, 0);
            for (int g = 1; g <= 10; ++g)
                bewegungen << Bewegung(produkt, g, 4);
            store.Schreiben(b, bewegungen, true);
            wbs << b.WBSId;
        }
    });
    if (!ADb.IstSQLite())
        ADb.Schreiben(QStringLiteral("ANALYZE zam_bnep"));
    return wbs;
}

#include "TZAM_DemoEingangsbelege.h"

#include "TZAM_BestandServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_EingangsbelegServerSql.h"
#include "ZAMBestandsarten.h"
#include "ZAMLagerKonstanten.h"

#include <QDateTime>

namespace {

constexpr int CBewByte = 1;

QDateTime Zeit(int ATag, int AStunde)
{
    return QDateTime(QDate::currentDate().addDays(ATag), QTime(AStunde, 0));
}

TZAM_Eingangsbewegung Bew(qint32 AArtikel, int AGr, int AMenge, const TZAM_PersArt_ExtVerweis& AVerweis = {})
{
    TZAM_Eingangsbewegung m;
    m.ProduktId = TInt32Trio(1, AArtikel, 0);
    m.GrIdx = AGr;
    m.Menge = AMenge;
    m.BewByte = CBewByte;
    m.Verweis = AVerweis;
    return m;
}

// The single position of a demo customer order (TZAM_DemoWareneingang).
TZAM_PersArt_ExtVerweis Kunde(int ABeleg)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(1, ABeleg, 0), 1);
}

TZAM_Eingangsbeleg Kopf(TZAM_Eingangsbeleg_Art AArt, qint16 AAnFiliale, int ATag)
{
    TZAM_Eingangsbeleg b;
    b.Art = AArt;
    b.AnFiliale = AAnFiliale;
    b.Datum = Zeit(ATag, 9);
    return b;
}

TZAM_Eingangsbeleg WBS(int ANr, qint16 AAnFiliale, int ATag)
{
    TZAM_Eingangsbeleg b = Kopf(ebaWBS, AAnFiliale, ATag);
    b.WBSId = TIntPair(21, ANr);
    b.VonFiliale = 21;
    return b;
}

} // namespace

void TZAM_DemoEingangsbelege::Anlegen(TZAM_Datenbank& ADb)
{
    TZAM_EingangsbelegServerSql s(ADb);
    const qint32 heim = 100002, jacke = 100003, tasche = 100004, torwart = 100009, schuh = 100001;

    s.Schreiben(WBS(1001, 1, -1), {Bew(heim, 2, 3), Bew(heim, 3, 2), Bew(heim, 4, 2)}, true);
    s.Schreiben(
        WBS(1002, 12, -1),
        {Bew(heim, 1, 2), Bew(heim, 4, 1, Kunde(7001)), Bew(heim, 3, 1, Kunde(7002)), Bew(jacke, 3, 3, Kunde(7003))},
        true);
    // A web-shop order of its own: the tasks' orders keep their counts.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                 "bestellnr, datum, bezahlt, buch_filiale, herkunft, positionen) "
                                 "VALUES ('WEBS', 3, 240005, 0, 1, 'WEB-240005', ?, 'J', 1, 'W', 1)"),
                  {Zeit(-2, 20)});
    s.Schreiben(
        WBS(1003, 1, 0),
        {Bew(tasche, 2, 1, TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, TIntTrio(3, 240005, 0), 1))}, true);

    TZAM_Eingangsbeleg avis = Kopf(ebaWEAvis, 1, 0);
    avis.WEAvisId = TIntTrio(1, 1001, 1);
    s.Schreiben(avis, {Bew(jacke, 2, 2), Bew(jacke, 4, 1)}, true);
    TZAM_Eingangsbeleg avisSued = Kopf(ebaWEAvis, 30, 0);
    avisSued.WEAvisId = TIntTrio(1, 1002, 1);
    TZAM_Eingangsbewegung sued = Bew(torwart, 3, 2);
    sued.Lagerort = TIntTrio(3, 1, 2); // S-01-02: warehouse 2 has no goods-receipt place
    s.Schreiben(avisSued, {sued}, true);

    TZAM_Eingangsbeleg fremd = Kopf(ebaFremdnummer, 1, -3);
    fremd.Fremdnummer = QStringLiteral("FR-1001");
    s.Schreiben(fremd, {Bew(schuh, 2, 2)}, false);

    // Goods on the goods-receipt place without document, branch 1's.
    const TIntTrio wePlatz = TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, 1);
    const TInt32Trio ruder(1, 100010, 0);
    TZAM_BestandServerSql::Zubuchen(ADb, wePlatz, ruder, 0, CZAM_ArtBestTyp_Frei, 1);
    const QVariantList bf = {ruder.Id1, ruder.Id2, ruder.Id3, 1, CZAM_ArtBestTyp_Frei, 0};
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                 "menge) VALUES (?, ?, ?, ?, ?, ?, 0) ON CONFLICT DO NOTHING"),
                  bf);
    ADb.MengeAendern(QStringLiteral("zam_bf"), QStringLiteral("menge"),
                     QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND filiale = ? AND "
                                    "bestandsart = ? AND groesse = ?"),
                     bf, 1);
}

#include "TZAM_DispoServerSql.h"

#include "TZAM_Datenbank.h"

namespace {

// A row counts as open only for a size a vector can hold.
const QString COffeneZeile = QStringLiteral("%1.menge > %1.erhalten AND %1.groesse BETWEEN 0 AND 99");

// One statement per question: the heads come with every row of their positions, in the order the
// manager delivers them (id, target branch, reference, size).
const QString COffene = QStringLiteral(
    "SELECT b.id1, b.id2, b.id3, b.prod_id1, b.prod_id2, b.prod_id3, b.bewtyp, b.auftrag_kreis, b.auftrag_nr, "
    "CAST(b.datum AS TEXT), CAST(b.datum2 AS TEXT), b.preis_cent, CAST(b.dispo_datum AS TEXT), "
    "CAST(b.liefer_frueh AS TEXT), CAST(b.liefer_spaet AS TEXT), b.lieferanten_nr, p.ziel_filiale, p.auftr_filiale, "
    "p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.groesse, p.menge, p.erhalten "
    "FROM zam_bne b JOIN zam_bnep p ON p.bne_id1 = b.id1 AND p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 "
    "WHERE %1 AND b.typ = 45 AND b.geschlossen = 0 AND p.auftr_filiale = ? "
    "AND EXISTS (SELECT 1 FROM zam_bnep o WHERE o.bne_id1 = b.id1 AND o.bne_id2 = b.id2 AND o.bne_id3 = b.id3 "
    "AND %2) "
    "ORDER BY b.id1, b.id2, b.id3, p.ziel_filiale, p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, "
    "p.groesse, p.id");

TQIV_DispoWE_Info Kopf(const QVariantList& z)
{
    TQIV_DispoWE_Info k;
    k.Vorgang = Trio(z, 0);
    k.ProduktID = TInt32Trio(z.at(3).toInt(), z.at(4).toInt(), z.at(5).toInt());
    k.VorgangTyp = CZAM_BewArt_Dispo;
    k.BewTyp = z.at(6).toInt();
    k.AuftragsNr = TIntPair(z.at(7).toInt(), z.at(8).toInt());
    k.Datum1 = TZAM_Datenbank::ZeitpunktLesen(z.at(9));
    k.Datum2 = TZAM_Datenbank::ZeitpunktLesen(z.at(10));
    k.Preis.PreisCent = z.at(11).toLongLong();
    k.Preis.DispoDatum = TZAM_Datenbank::ZeitpunktLesen(z.at(12));
    k.Preis.LieferFrueh = TZAM_Datenbank::ZeitpunktLesen(z.at(13));
    k.Preis.LieferSpaet = TZAM_Datenbank::ZeitpunktLesen(z.at(14));
    k.Nummern.LieferantenNr = z.at(15).toString();
    return k;
}

TZAM_DispoPosZeile PosZeile(const QVariantList& z)
{
    TZAM_DispoPosZeile p;
    p.ZielFiliale = qint16(z.at(16).toInt());
    p.AuftrFiliale = qint16(z.at(17).toInt());
    p.Verweis = TZAM_PersArt_ExtVerweis::Construct(quint8(z.at(18).toInt()), Trio(z, 19), z.at(22).toInt());
    p.Groesse = z.at(23).toInt();
    p.Geplant = z.at(24).toInt();
    p.Erhalten = z.at(25).toInt();
    return p;
}

} // namespace

QList<TZAM_DispoSatz> TZAM_DispoServerSql::Offene(const QString& ABedingung, QVariantList AWerte, qint16 AAuftrFiliale)
{
    AWerte.append(int(AAuftrFiliale));
    const TZAM_Zeilen z = FDb.Lesen(COffene.arg(ABedingung, COffeneZeile.arg(QLatin1Char('o'))), AWerte);
    QList<TZAM_DispoSatz> l;
    for (const QVariantList& r : z.Zeilen()) {
        if (l.isEmpty() || l.last().Kopf.Vorgang != Trio(r, 0))
            l.append({Kopf(r), {}});
        l.last().Zeilen.append(PosZeile(r));
    }
    return l;
}

QList<TZAM_DispoSatz> TZAM_DispoServerSql::Offene_4_AuftragsNr(const TIntPair& AAuftragsNr, qint16 AAuftrFiliale)
{
    return Offene(QStringLiteral("b.auftrag_kreis = ? AND b.auftrag_nr = ?"), {AAuftragsNr.Id1, AAuftragsNr.Id2},
                  AAuftrFiliale);
}

QList<TZAM_DispoSatz> TZAM_DispoServerSql::Offene_4_VorgId(const TIntTrio& AVorgId, qint16 AAuftrFiliale)
{
    return Offene(QStringLiteral("b.id1 = ? AND b.id2 = ? AND b.id3 = ?"), {AVorgId.Id1, AVorgId.Id2, AVorgId.Id3},
                  AAuftrFiliale);
}

qint16 TZAM_DispoServerSql::AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale)
{
    return qint16(FDb.LesenWert(QStringLiteral("SELECT p.auftr_filiale FROM zam_bne b JOIN zam_bnep p ON "
                                               "p.bne_id1 = b.id1 AND p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 "
                                               "WHERE b.id1 = ? AND b.id2 = ? AND b.id3 = ? AND b.typ = 45 AND "
                                               "p.ziel_filiale = ? ORDER BY p.id LIMIT 1"),
                                {AVorgId.Id1, AVorgId.Id2, AVorgId.Id3, int(AAnFiliale)}, -1)
                      .toInt());
}

QList<TZAM_DispoSchluessel> TZAM_DispoServerSql::Offene_4_Produkt(const TInt32Trio& AProduktId, int AVonGr, int ABisGr,
                                                                  qint16 AAuftrFiliale)
{
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT DISTINCT b.auftrag_kreis, b.auftrag_nr, b.id1, b.id2, b.id3 FROM zam_bne b "
                                 "JOIN zam_bnep p ON p.bne_id1 = b.id1 AND p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 "
                                 "WHERE b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? AND b.typ = 45 AND "
                                 "b.geschlossen = 0 AND p.auftr_filiale = ? AND p.groesse BETWEEN ? AND ? AND ") +
                      COffeneZeile.arg(QLatin1Char('p')),
                  {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, int(AAuftrFiliale), AVonGr, ABisGr});
    QList<TZAM_DispoSchluessel> l;
    l.reserve(z.Anzahl());
    for (const QVariantList& r : z.Zeilen())
        l.append({TIntPair(r.at(0).toInt(), r.at(1).toInt()), Trio(r, 2)});
    return l;
}

bool TZAM_DispoServerSql::Lesen(const TIntTrio& AVorgId, TZAM_DispoSatz& ASatz)
{
    const QList<TZAM_DispoSatz> l =
        Saetze(QStringLiteral("b.id1 = ? AND b.id2 = ? AND b.id3 = ?"), {AVorgId.Id1, AVorgId.Id2, AVorgId.Id3});
    ASatz = l.value(0);
    return !l.isEmpty();
}

QList<TZAM_DispoSatz> TZAM_DispoServerSql::NichtGeschlossene_4_Produkt(const TInt32Trio& AProduktId)
{
    return Saetze(QStringLiteral("b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? AND b.geschlossen = 0"),
                  {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3});
}

QList<TZAM_DispoSatz> TZAM_DispoServerSql::Saetze(const QString& ABedingung, const QVariantList& AWerte)
{
    // The columns of COffene, then the closed flag and whether a position row came with the head.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral(
            "SELECT b.id1, b.id2, b.id3, b.prod_id1, b.prod_id2, b.prod_id3, b.bewtyp, b.auftrag_kreis, b.auftrag_nr, "
            "CAST(b.datum AS TEXT), CAST(b.datum2 AS TEXT), b.preis_cent, CAST(b.dispo_datum AS TEXT), "
            "CAST(b.liefer_frueh AS TEXT), CAST(b.liefer_spaet AS TEXT), b.lieferanten_nr, p.ziel_filiale, "
            "p.auftr_filiale, p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.groesse, p.menge, "
            "p.erhalten, b.geschlossen, p.id FROM zam_bne b LEFT JOIN zam_bnep p ON p.bne_id1 = b.id1 AND "
            "p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 WHERE %1 AND b.typ = 45 ORDER BY b.id1, b.id2, b.id3, "
            "p.ziel_filiale, p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.groesse, p.id")
            .arg(ABedingung),
        AWerte);
    QList<TZAM_DispoSatz> l;
    for (const QVariantList& r : z.Zeilen()) {
        if (l.isEmpty() || l.last().Kopf.Vorgang != Trio(r, 0)) {
            l.append({Kopf(r), {}});
            l.last().Geschlossen = r.at(26).toInt() != 0;
        }
        if (!r.at(27).isNull())
            l.last().Zeilen.append(PosZeile(r));
    }
    return l;
}

TIntPair TZAM_DispoServerSql::AuftragsNr_4_EigeneAuftragsNr(const QString& AEigeneNr)
{
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT auftrag_kreis, auftrag_nr FROM zam_bestellung WHERE eigene_nr = ?"), {AEigeneNr});
    return z.IsEmpty() ? TIntPair() : TIntPair(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt());
}

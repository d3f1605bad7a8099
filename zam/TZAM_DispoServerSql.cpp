#include "TZAM_DispoServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Werteliste.h"

#include <algorithm>

namespace {

// A row counts as open only for a size a vector can hold.
const QString COffeneZeile = QStringLiteral("%1.menge > %1.erhalten AND %1.groesse BETWEEN 0 AND 99");

// The heads come with every row of their positions, in the order the manager delivers them (id,
// target branch, reference, size); %1 joins the key table, %2 filters b and p.
const QString COffene = QStringLiteral(
    "SELECT b.id1, b.id2, b.id3, b.prod_id1, b.prod_id2, b.prod_id3, b.bewtyp, b.auftrag_kreis, b.auftrag_nr, "
    "CAST(b.datum AS TEXT), CAST(b.datum2 AS TEXT), b.preis_cent, CAST(b.dispo_datum AS TEXT), "
    "CAST(b.liefer_frueh AS TEXT), CAST(b.liefer_spaet AS TEXT), b.lieferanten_nr, p.ziel_filiale, p.auftr_filiale, "
    "p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.groesse, p.menge, p.erhalten "
    "FROM zam_bne b %1 JOIN zam_bnep p ON p.bne_id1 = b.id1 AND p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 "
    "WHERE %2 AND b.typ = 45 AND b.geschlossen = 0 "
    "AND EXISTS (SELECT 1 FROM zam_bnep o WHERE o.bne_id1 = b.id1 AND o.bne_id2 = b.id2 AND o.bne_id3 = b.id3 "
    "AND %3) "
    "ORDER BY b.id1, b.id2, b.id3, p.ziel_filiale, p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, "
    "p.groesse, p.id");

// Keys per statement: far below the parameter limit of 999 with the branches beside them.
constexpr qsizetype CSchluesselJeAbfrage = 200;

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

void TZAM_DispoServerSql::Offene(const QString& AJoin, const QString& AFilter, const QVariantList& AWerte,
                                 QList<TZAM_DispoSatz>& AListe)
{
    const TZAM_Zeilen z = FDb.Lesen(COffene.arg(AJoin, AFilter, COffeneZeile.arg(QLatin1Char('o'))), AWerte);
    const qsizetype anfang = AListe.size();
    for (const QVariantList& r : z.Zeilen()) {
        if (AListe.size() == anfang || AListe.last().Kopf.Vorgang != Trio(r, 0))
            AListe.append({Kopf(r), {}});
        AListe.last().Zeilen.append(PosZeile(r));
    }
}

QList<TZAM_DispoSatz> TZAM_DispoServerSql::Offene_4_Schluessel(const TIntPairList& AAuftragsNrN,
                                                               const TIntTrioList& AVorgIds,
                                                               const QList<int>& AAuftrFilialen,
                                                               const TInt32Trio& AProduktId)
{
    QList<TZAM_DispoSatz> l;
    if (AAuftrFilialen.isEmpty())
        return l;
    QString filter = QStringLiteral("p.auftr_filiale IN (%1)").arg(zam_Platzhalter(AAuftrFilialen.size()));
    QVariantList filterWerte;
    for (int f : AAuftrFilialen)
        filterWerte << f;
    if (AProduktId.Defined()) {
        filter += QStringLiteral(" AND b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ?");
        filterWerte << AProduktId.Id1 << AProduktId.Id2 << AProduktId.Id3;
    }
    // The keys as a joined table, each once, a part of them per statement.
    TIntPairList auftraege = AAuftragsNrN;
    auftraege.Sort();
    auftraege.erase(std::unique(auftraege.begin(), auftraege.end()), auftraege.end());
    TIntTrioList vorgaenge = AVorgIds;
    vorgaenge.Sort();
    vorgaenge.erase(std::unique(vorgaenge.begin(), vorgaenge.end()), vorgaenge.end());
    const auto lesen = [&](qsizetype AAnzahl, const auto& ATeil, const QString& AVergleich) {
        for (qsizetype i = 0; i < AAnzahl; i += CSchluesselJeAbfrage) {
            QVariantList werte;
            const qsizetype n = qMin(CSchluesselJeAbfrage, AAnzahl - i);
            for (qsizetype k = i; k < i + n; ++k)
                werte << ATeil(k);
            const int spalten = int(werte.size() / n);
            Offene(QStringLiteral("JOIN %1 k ON %2").arg(zam_Werteliste(n, spalten), AVergleich), filter,
                   werte + filterWerte, l);
        }
    };
    lesen(
        auftraege.size(), [&](qsizetype k) { return QVariantList{auftraege.at(k).Id1, auftraege.at(k).Id2}; },
        QStringLiteral("b.auftrag_kreis = k.column1 AND b.auftrag_nr = k.column2"));
    lesen(
        vorgaenge.size(),
        [&](qsizetype k) { return QVariantList{vorgaenge.at(k).Id1, vorgaenge.at(k).Id2, vorgaenge.at(k).Id3}; },
        QStringLiteral("b.id1 = k.column1 AND b.id2 = k.column2 AND b.id3 = k.column3"));
    return l;
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

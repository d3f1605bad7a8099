#include "TZAM_BelegEditServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_KundenPosition.h"
#include "ZAMBestandsarten.h"

namespace {
QChar Zeichen(const QVariant& AWert)
{
    const QString s = AWert.toString();
    return s.isEmpty() ? QChar() : s.at(0);
}

// A position's state row: same link and its number.
const QString CZustandJoin = QStringLiteral("b.pos_id1 = k.pos_id1 AND b.pos_id2 = k.pos_id2 AND "
                                            "b.pos_id3 = k.pos_id3 AND b.auftrag_nr = k.pos_id4");
} // namespace

TIntTrio TZAM_BelegEditServerSql::BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis)
{
    if (AVerweis.Kennung != CZAM_PersArtExt_KuBe || AVerweis.Id.IsNull())
        return {};
    // The reference names a position's state by order id and number; its position names the
    // header. Number 0 stands for any position of the order.
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT k.atk_id1, k.atk_id2 FROM zam_atpb b JOIN zam_atpk k ON ") + CZustandJoin +
                      QStringLiteral(" WHERE b.auftrag_id1 = ? AND b.auftrag_id2 = ? AND b.auftrag_id3 = ? "
                                     "AND (b.auftrag_nr = ? OR ? = 0) ORDER BY b.auftrag_nr LIMIT 1"),
                  {AVerweis.Id.Id1, AVerweis.Id.Id2, AVerweis.Id.Id3, AVerweis.Nummer, AVerweis.Nummer});
    if (!z.IsEmpty())
        return TIntTrio(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt(), 0);
    // Without position states the reference is the document id itself.
    if (AVerweis.Id.Id3 == 0 && FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_atk WHERE id1 = ? AND id2 = ?"),
                                              {AVerweis.Id.Id1, AVerweis.Id.Id2}, 0)
                                        .toInt() > 0)
        return AVerweis.Id;
    return {};
}

void TZAM_BelegEditServerSql::Leeren()
{
    FGeladen = false;
    FBelegNr.clear();
    FDatum = QDateTime();
    FAuslieferungTyp = FZahlungsart = QChar();
    FAuslieferung = TZAM_Auslieferung();
    FArtikelAnzahl = 0;
    FUnbezahltePos = false;
    FInFiliale.clear();
}

bool TZAM_BelegEditServerSql::Beleg_Laden(const TIntTrio& ABelegId, bool AKomplett)
{
    Leeren();
    if (ABelegId.IsNull() || ABelegId.Id3 != 0)
        return false;
    const QVariantList atk = {ABelegId.Id1, ABelegId.Id2};
    const TZAM_Zeilen kopf =
        FDb.Lesen(QStringLiteral("SELECT belegnr, CAST(datum AS TEXT), auslieferungtyp, zahlungsart, auslieferung_art, "
                                 "auslieferung_filiale FROM zam_atk WHERE id1 = ? AND id2 = ?"),
                  atk);
    if (kopf.IsEmpty())
        return false;
    FBelegNr = kopf.Wert(0, 0).toString();
    FDatum = TZAM_Datenbank::ZeitpunktLesen(kopf.Wert(0, 1));
    FAuslieferungTyp = Zeichen(kopf.Wert(0, 2));
    FZahlungsart = Zeichen(kopf.Wert(0, 3));
    FAuslieferung.Art = kopf.Wert(0, 4).toInt();
    FAuslieferung.Filiale = qint16(kopf.Wert(0, 5).toInt());

    const TZAM_Zeilen pos =
        FDb.Lesen(QStringLiteral("SELECT k.menge, b.zustand, b.bezahlt FROM zam_atpk k LEFT JOIN zam_atpb b ON ") +
                      CZustandJoin + QStringLiteral(" WHERE k.atk_id1 = ? AND k.atk_id2 = ?"),
                  atk);
    for (const QVariantList& p : pos.Zeilen()) {
        if (p.at(1).toString() == QLatin1String("T"))
            continue;
        FArtikelAnzahl += p.at(0).toInt();
        if (p.at(2).toString() == QLatin1String("N"))
            FUnbezahltePos = true;
    }

    if (AKomplett) {
        // What reached the branches: the reserved pieces of each position's reference.
        const TZAM_Zeilen bfp = FDb.Lesen(
            QStringLiteral("SELECT f.filiale, SUM(f.menge) FROM zam_atpk k JOIN zam_atpb b ON ") + CZustandJoin +
                QStringLiteral(" JOIN zam_bfp f ON f.verweis_art = ? AND f.verweis_id1 = b.auftrag_id1 AND "
                               "f.verweis_id2 = b.auftrag_id2 AND f.verweis_id3 = b.auftrag_id3 AND "
                               "f.verweis_nummer = b.auftrag_nr AND f.bestandsart = ? "
                               "WHERE k.atk_id1 = ? AND k.atk_id2 = ? AND b.zustand <> 'T' GROUP BY f.filiale"),
            {CZAM_PersArtExtKennung_2_Kuerzel(CZAM_PersArtExt_KuBe), CZAM_ArtBestTyp_BFWert(CZAM_ArtBestTyp_Reserviert),
             ABelegId.Id1, ABelegId.Id2});
        for (const QVariantList& f : bfp.Zeilen())
            FInFiliale.insert(f.at(0).toInt(), f.at(1).toInt());
    }
    FGeladen = true;
    return true;
}

bool TZAM_BelegEditServerSql::IstBezahlt()
{
    return FGeladen && IstBezahlt_Erw(FAuslieferungTyp, FZahlungsart, !FUnbezahltePos);
}

bool TZAM_BelegEditServerSql::Herkunft_4_Beleg(const TIntTrio& ABelegId, QChar& AHerkunft, TOrgeIdKompl& ABuchFiliale)
{
    AHerkunft = QChar();
    ABuchFiliale = TOrgeIdKompl();
    if (ABelegId.IsNull() || ABelegId.Id3 != 0)
        return false;
    // The creditor's organisation is a branch's: its complete key is the branch's.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT a.herkunftskz, a.glaeubiger_orge1, a.glaeubiger_orge2, f.orge_ebene1, f.orge_ebene2 "
                       "FROM zam_atk a LEFT JOIN zam_filiale f ON f.orge_id1 = a.glaeubiger_orge1 AND "
                       "f.orge_id2 = a.glaeubiger_orge2 WHERE a.id1 = ? AND a.id2 = ? ORDER BY f.nummer LIMIT 1"),
        {ABelegId.Id1, ABelegId.Id2});
    if (z.IsEmpty())
        return false;
    AHerkunft = Zeichen(z.Wert(0, 0));
    ABuchFiliale.OrgeId = TIntPair(z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt());
    ABuchFiliale.OrgeEbene = TIntPair(z.Wert(0, 3).toInt(), z.Wert(0, 4).toInt());
    return true;
}

bool TZAM_BelegEditServerSql::BelegId_4_Position(const TIntQuad& APosition, int, TIntTrio& ABelegId, int)
{
    // The position's reference is the order id and number of its state row.
    ABelegId = BelegId_4_ExtVerweis(
        TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TrioAusQuad(APosition), APosition.Id4));
    return !ABelegId.IsNull();
}

qint16 TZAM_BelegEditServerSql::Position_AuslieferFiliale(const TIntQuad& APosition)
{
    return qint16(TZAM_KundenPosition::Spalte(FDb, APosition, QStringLiteral("ausl_filiale"), -1).toInt());
}

bool TZAM_BelegEditServerSql::Reservierung_Lesen(const TIntTrio& ABelegId, TZAM_ReservierungsDaten& ADaten)
{
    ADaten = TZAM_ReservierungsDaten();
    if (ABelegId.IsNull() || ABelegId.Id3 != 0)
        return false;
    const QVariantList atk = {ABelegId.Id1, ABelegId.Id2};
    const TZAM_Zeilen kopf = FDb.Lesen(
        QStringLiteral("SELECT a.belegnr, CAST(a.datum AS TEXT), a.glaeubiger1, a.glaeubiger2, g.name, "
                       "a.auslieferung_filiale FROM zam_atk a LEFT JOIN zam_gp g ON g.id1 = a.glaeubiger1 AND "
                       "g.id2 = a.glaeubiger2 WHERE a.id1 = ? AND a.id2 = ?"),
        atk);
    if (kopf.IsEmpty())
        return false;
    ADaten.BelegId = ABelegId;
    ADaten.BelegNr = kopf.Wert(0, 0).toString();
    ADaten.Datum = TZAM_Datenbank::ZeitpunktLesen(kopf.Wert(0, 1));
    ADaten.Kunde = TIntPair(kopf.Wert(0, 2).toInt(), kopf.Wert(0, 3).toInt());
    ADaten.KundeName = kopf.Wert(0, 4).toString();
    ADaten.LieferFiliale = qint16(kopf.Wert(0, 5).toInt());

    // A position without state row counts as ordered; a cancelled one ("T") is left out.
    const TZAM_Zeilen pos = FDb.Lesen(
        QStringLiteral("SELECT r.artnr, r.hersteller_artnr, g.langname, k.menge FROM zam_atpk k "
                       "LEFT JOIN zam_atpb b ON ") +
            CZustandJoin +
            QStringLiteral(" LEFT JOIN zam_artikel r ON r.prod_id1 = k.prod_id1 AND r.prod_id2 = k.prod_id2 AND "
                           "r.prod_id3 = k.prod_id3 LEFT JOIN zam_artikel_groesse g ON g.prod_id1 = k.prod_id1 AND "
                           "g.prod_id2 = k.prod_id2 AND g.prod_id3 = k.prod_id3 AND g.groesse = k.groesse "
                           "WHERE k.atk_id1 = ? AND k.atk_id2 = ? AND (b.zustand IS NULL OR b.zustand <> 'T') "
                           "ORDER BY k.pos_id1, k.pos_id2, k.pos_id3, k.pos_id4"),
        atk);
    for (const QVariantList& p : pos.Zeilen())
        ADaten.Positionen.append({p.at(0).toInt(), p.at(1).toString().trimmed(), p.at(2).toString(), p.at(3).toInt()});
    return true;
}

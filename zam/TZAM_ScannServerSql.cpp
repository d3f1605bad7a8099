#include "TZAM_ScannServerSql.h"

#include "TZAM_Datenbank.h"

namespace {

const QString CSpalten = QStringLiteral(
    "id, typ, offen, auftrag_text, lieferschein, prod_id1, prod_id2, prod_id3, groesse, menge, lo_id1, lo_id2, "
    "lo_id3, dispo_id1, dispo_id2, dispo_id3, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, mita_id1, mita_id2, "
    "CAST(datum1 AS TEXT), CAST(datum2 AS TEXT), kennzeichen, lieferant_id1, lieferant_id2, lager_filiale");

TZAM_ScanSatz Satz(const QVariantList& z)
{
    TZAM_ScanSatz s;
    s.Id = z.at(0).toLongLong();
    s.Typ = z.at(1).toInt();
    s.Offen = z.at(2).toInt() != 0;
    TScanCode& c = s.Satz;
    c.AuftragsNr = z.at(3).toString();
    c.LieferscheinNr = z.at(4).toString();
    c.ProduktId = TInt32Trio(z.at(5).toInt(), z.at(6).toInt(), z.at(7).toInt());
    c.GrIdx = z.at(8).toInt();
    c.Menge = z.at(9).toInt();
    c.Lagerort = Trio(z, 10);
    c.DispoId = Trio(z, 13);
    c.ExtVerweis = TZAM_PersArt_ExtVerweis::Construct(quint8(z.at(16).toInt()), Trio(z, 17), z.at(20).toInt());
    c.MitaGepNr = TIntPair(z.at(21).toInt(), z.at(22).toInt());
    c.Datum1 = TZAM_Datenbank::ZeitpunktLesen(z.at(23)).date();
    c.Datum2 = TZAM_Datenbank::ZeitpunktLesen(z.at(24)).date();
    c.Kennzeichen = quint8(z.at(25).toInt());
    s.Lieferant = TIntPair(z.at(26).toInt(), z.at(27).toInt());
    s.LagerFiliale = qint16(z.at(28).toInt());
    return s;
}

// A day is stored as its start; no day as NULL.
QVariant Tag(const QDate& ADatum)
{
    return ADatum.isValid() ? QVariant(ADatum.startOfDay()) : QVariant();
}

} // namespace

qint64 TZAM_ScannServerSql::Einfuegen(int ATyp, const TScanCode& ASatz, const TIntPair& ALieferant,
                                      qint16 ALagerFiliale)
{
    const TInt32Trio& p = ASatz.ProduktId;
    if (FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel WHERE prod_id1 = ? AND prod_id2 = ? AND "
                                     "prod_id3 = ?"),
                      {p.Id1, p.Id2, p.Id3}, 0)
            .toInt() == 0)
        return 0;
    const TZAM_PersArt_ExtVerweis& v = ASatz.ExtVerweis;
    const TZAM_Zeilen z = FDb.SchreibenMitErgebnis(
        QStringLiteral(
            "INSERT INTO zam_scansatz (typ, offen, auftrag_text, lieferschein, prod_id1, prod_id2, prod_id3, "
            "groesse, menge, lo_id1, lo_id2, lo_id3, dispo_id1, dispo_id2, dispo_id3, ext_kennung, ext_id1, "
            "ext_id2, ext_id3, ext_nummer, mita_id1, mita_id2, datum1, datum2, kennzeichen, lieferant_id1, "
            "lieferant_id2, lager_filiale) VALUES (?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
        {ATyp,
         ASatz.AuftragsNr,
         ASatz.LieferscheinNr,
         p.Id1,
         p.Id2,
         p.Id3,
         ASatz.GrIdx,
         ASatz.Menge,
         ASatz.Lagerort.Id1,
         ASatz.Lagerort.Id2,
         ASatz.Lagerort.Id3,
         ASatz.DispoId.Id1,
         ASatz.DispoId.Id2,
         ASatz.DispoId.Id3,
         int(v.Kennung),
         v.Id.Id1,
         v.Id.Id2,
         v.Id.Id3,
         v.Nummer,
         ASatz.MitaGepNr.Id1,
         ASatz.MitaGepNr.Id2,
         Tag(ASatz.Datum1),
         Tag(ASatz.Datum2),
         int(ASatz.Kennzeichen),
         ALieferant.Id1,
         ALieferant.Id2,
         int(ALagerFiliale)});
    return z.Wert(0, 0).toLongLong();
}

bool TZAM_ScannServerSql::Lesen_4_Id(qint64 AId, TZAM_ScanSatz& ASatz)
{
    ASatz = TZAM_ScanSatz();
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT ") + CSpalten + QStringLiteral(" FROM zam_scansatz WHERE id = ?"), {AId});
    if (z.IsEmpty())
        return false;
    ASatz = Satz(z.Zeilen().first());
    return true;
}

QList<TZAM_ScanSatz> TZAM_ScannServerSql::Lesen(int ATyp, const TIntPair& AMitaGepNr, bool ANurOffene)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT ") + CSpalten +
                                        QStringLiteral(" FROM zam_scansatz WHERE mita_id1 = ? AND mita_id2 = ? AND "
                                                       "typ = ? AND offen >= ? ORDER BY id"),
                                    {AMitaGepNr.Id1, AMitaGepNr.Id2, ATyp, ANurOffene ? 1 : 0});
    QList<TZAM_ScanSatz> l;
    l.reserve(z.Anzahl());
    for (const QVariantList& r : z.Zeilen())
        l.append(Satz(r));
    return l;
}

bool TZAM_ScannServerSql::OffeneVorhanden(int ATyp, const TIntPair& AMitaGepNr)
{
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_scansatz WHERE mita_id1 = ? AND mita_id2 = ? AND typ = ? AND "
                                     "offen = 1 LIMIT 1"),
                      {AMitaGepNr.Id1, AMitaGepNr.Id2, ATyp})
                .IsEmpty();
}

int TZAM_ScannServerSql::OffeneLoeschen(int ATyp, const TIntPair& AMitaGepNr)
{
    return FDb.Schreiben(
        QStringLiteral("DELETE FROM zam_scansatz WHERE mita_id1 = ? AND mita_id2 = ? AND typ = ? AND offen = 1"),
        {AMitaGepNr.Id1, AMitaGepNr.Id2, ATyp});
}

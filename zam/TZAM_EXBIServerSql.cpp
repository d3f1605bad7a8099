#include "TZAM_EXBIServerSql.h"

#include "TZAM_Datenbank.h"
#include "ZAMUtils.h"

bool TZAM_EXBIServerSql::Info_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_EXBI_Info& AInfo)
{
    AInfo = TQIV_EXBI_Info();
    if (AVerweis.Kennung != CZAM_PersArtExt_EXBI)
        return false;
    // The reference names no source: of two sources with the same order id the first row answers.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT kennung, bestellnr, CAST(datum AS TEXT), bezahlt, buch_filiale, herkunft, positionen "
                       "FROM zam_exbi WHERE auftrag_id1 = ? AND auftrag_id2 = ? AND auftrag_id3 = ? AND auftrag_nr = ? "
                       "ORDER BY id LIMIT 1"),
        {AVerweis.Id.Id1, AVerweis.Id.Id2, AVerweis.Id.Id3, AVerweis.Nummer});
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    AInfo.Kennung = r.at(0).toString();
    AInfo.AuftragsId = AVerweis.Id;
    AInfo.AuftragsNr = AVerweis.Nummer;
    AInfo.BestellNr = r.at(1).toString();
    AInfo.Datum = TZAM_Datenbank::ZeitpunktLesen(r.at(2));
    AInfo.Bezahlt = JNToBool(r.at(3).toString());
    AInfo.BuchFiliale = r.at(4).toInt();
    const QString herkunft = r.at(5).toString();
    AInfo.Herkunft = herkunft.isEmpty() ? QChar() : herkunft.at(0);
    AInfo.Positionen = r.at(6).toInt();
    return true;
}

QList<TZAM_PersArt_ExtVerweis> TZAM_EXBIServerSql::ExtVerweise_4_BestellNr(const QString& ABestellNr)
{
    QList<TZAM_PersArt_ExtVerweis> ergebnis;
    if (ABestellNr.isEmpty())
        return ergebnis; // an order without number has no positions to collect
    const TZAM_Zeilen zeilen = FDb.Lesen(
        QStringLiteral("SELECT auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr FROM zam_exbi WHERE bestellnr = ? "
                       "ORDER BY auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, id"),
        {ABestellNr});
    for (const QVariantList& z : zeilen.Zeilen())
        ergebnis.append(TZAM_PersArt_ExtVerweis::Construct(
            CZAM_PersArtExt_EXBI, TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt()), z.at(3).toInt()));
    return ergebnis;
}

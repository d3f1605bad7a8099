// The goods-receipt posting: what an item books once its test passed.
#include "TZAM_WEBuchServerSql.h"

#include "IZAM_Buchung.h"
#include "TZAM_Bestandsplan.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_Werteliste.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QSet>

namespace {

constexpr int CDispoTyp = 45;

// Goods on a place of the blocked-goods area are blocked goods, as a relocation there books them.
int Typ(int ABereich)
{
    return ABereich == CZAM_Bereich_GeblockteWare ? CZAM_ArtBestTyp_Geblockt : CZAM_ArtBestTyp_Frei;
}

// A document number nobody else holds until the row's own number replaces it: the bracket's
// protocol key is unique across devices, the counter within this program.
QString VorlaeufigeNr(const TIntTrio& AProt)
{
    static QAtomicInteger<qint32> GZaehler;
    return QStringLiteral("T%1.%2").arg(qint64(AProt.Id2) * 1000000 + AProt.Id3).arg(++GZaehler);
}

QStringList Spalten(const char* ANamen)
{
    return QString::fromLatin1(ANamen).split(QStringLiteral(", "));
}

const QStringList CWepSpalten = Spalten("we_id, scansatz_id, prod_id1, prod_id2, prod_id3, groesse, menge, lo_id1, "
                                        "lo_id2, lo_id3, dispo_id1, dispo_id2, dispo_id3, filiale, ext_kennung, "
                                        "ext_id1, ext_id2, ext_id3, ext_nummer");
const QStringList CJournalSpalten =
    Spalten("prot_id1, prot_id2, prot_id3, zeit, mita_id1, mita_id2, prod_id1, prod_id2, prod_id3, groesse, an_id1, "
            "an_id2, an_id3, menge, umlagerungsart, korrekturart, von_filiale, an_filiale, verweis_typ, verweis_id1, "
            "verweis_id2, verweis_id3, verweis_bewtyp");

} // namespace

bool TZAM_WEBuchServerSql::Ausfuehren(const TZAM_WEBuchAuftrag& AAuftrag, const QList<TZeile>& AZeilen,
                                      TZAM_WEBuchErgebnis& AErgebnis)
{
    // The records first, locked in key order: a device that comes second finds them consumed and
    // books nothing.
    QVariantList ids;
    for (const TZeile& z : AZeilen)
        ids << z.Id;
    const TZAM_Zeilen verbraucht = FDb.SchreibenMitErgebnis(
        QStringLiteral("UPDATE zam_scansatz SET offen = 0 WHERE id IN (SELECT id FROM zam_scansatz WHERE offen = 1 "
                       "AND id IN (%1) ORDER BY id%2) RETURNING id")
            .arg(zam_Platzhalter(ids.size()), FDb.IstSQLite() ? QString() : QStringLiteral(" FOR UPDATE")),
        ids);
    if (verbraucht.Zeilen().size() != AZeilen.size()) {
        QSet<qint64> frei;
        for (const QVariantList& r : verbraucht.Zeilen())
            frei.insert(r.at(0).toLongLong());
        for (const TZeile& z : AZeilen)
            if (!frei.contains(z.Id)) {
                AErgebnis.Meldungen.Meldung_Add(CZAM_Info_WEBuch_ScansatzGebucht, {z.Ident.ToText()});
                break;
            }
        return false;
    }

    const TInt32Trio& p = AAuftrag.ProduktId;
    TZAM_Bestandsplan plan;
    QMap<qint64, int> erhalten; // position -> pieces, applied in key order
    AErgebnis.Menge.Init();
    for (const TZeile& z : AZeilen) {
        if (z.Menge == 0)
            continue;
        const int typ = Typ(z.Bereich);
        plan.Aendern(TZAM_Bestandsplan::tbBestand, {z.Ort.Id1, z.Ort.Id2, z.Ort.Id3, p.Id1, p.Id2, p.Id3, z.GrInd, typ},
                     z.Menge, {}, {});
        if (z.BFFiliale >= 0)
            plan.Aendern(TZAM_Bestandsplan::tbBF, {p.Id1, p.Id2, p.Id3, z.BFFiliale, typ, z.GrInd}, z.Menge, {}, {});
        if (z.MitVerweis) {
            const TZAM_PersArt_ExtVerweis& v = z.Verweis;
            plan.Aendern(TZAM_Bestandsplan::tbLVPB,
                         {z.Ort.Id1, z.Ort.Id2, z.Ort.Id3, p.Id1, p.Id2, p.Id3, z.GrInd, int(v.Kennung), v.Id.Id1,
                          v.Id.Id2, v.Id.Id3, v.Nummer, z.BFFiliale},
                         z.Menge, {}, {});
        }
        for (const auto& [pos, n] : z.Anteile)
            erhalten[pos] += n;
        AErgebnis.Menge.Me[z.GrInd] += z.Menge;
    }
    AErgebnis.Menge.MinMax_Bestimmen();
    // Only raising: no row can refuse.
    if (!plan.Ausfuehren(FDb, AErgebnis.Meldungen))
        return false;
    for (auto it = erhalten.cbegin(); it != erhalten.cend(); ++it)
        if (!FDb.MengeAendern(QStringLiteral("zam_bnep"), QStringLiteral("erhalten"), QStringLiteral("id = ?"),
                              {it.key()}, it.value())) {
            // The position went away since the test.
            AErgebnis.Meldungen.Meldung_Add(CZAM_Info_WEBuch_DispoUnbekannt, {QString::number(it.key()), p.ToText()});
            return false;
        }
    AErgebnis.BelegNr = Beleg(AAuftrag, AZeilen);
    return true;
}

QString TZAM_WEBuchServerSql::Beleg(const TZAM_WEBuchAuftrag& AAuftrag, const QList<TZeile>& AZeilen)
{
    const TIntTrio prot = ZAMBuchung().GetProtId();
    const QDateTime jetzt = QDateTime::currentDateTime();
    QStringList lieferscheine;
    for (const TZeile& z : AZeilen)
        if (!z.Lieferschein.isEmpty() && !lieferscheine.contains(z.Lieferschein))
            lieferscheine << z.Lieferschein;
    const TZAM_Zeilen neu = FDb.SchreibenMitErgebnis(
        QStringLiteral("INSERT INTO zam_we (belegnr, zeit, mita_id1, mita_id2, terminal, modus, lieferschein, "
                       "buchung_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
        {VorlaeufigeNr(prot), jetzt, AAuftrag.Mitarbeiter.Id1, AAuftrag.Mitarbeiter.Id2, AAuftrag.Terminal,
         AAuftrag.Modus, lieferscheine.join(QStringLiteral(", ")).left(40), qint64(prot.Id2) * 1000000 + prot.Id3});
    const qint64 id = neu.Wert(0, 0).toLongLong();
    // The number follows from the document's key, which the database hands out once.
    const QString nr = QStringLiteral("WE%1").arg(id, 10, 10, QLatin1Char('0'));
    FDb.Schreiben(QStringLiteral("UPDATE zam_we SET belegnr = ? WHERE id = ?"), {nr, id});

    const TInt32Trio& p = AAuftrag.ProduktId;
    QList<QVariantList> positionen, journal;
    for (const TZeile& z : AZeilen) {
        const TZAM_PersArt_ExtVerweis& v = z.Verweis;
        positionen << QVariantList{id,
                                   z.Id,
                                   p.Id1,
                                   p.Id2,
                                   p.Id3,
                                   z.GrInd,
                                   z.Menge,
                                   z.Ort.Id1,
                                   z.Ort.Id2,
                                   z.Ort.Id3,
                                   z.DispoId.Id1,
                                   z.DispoId.Id2,
                                   z.DispoId.Id3,
                                   z.Filiale,
                                   int(v.Kennung),
                                   v.Id.Id1,
                                   v.Id.Id2,
                                   v.Id.Id3,
                                   v.Nummer};
        if (z.Menge > 0)
            journal << Journalzeile(AAuftrag, z, prot, jetzt.toMSecsSinceEpoch());
    }
    zam_ZeilenEinfuegen(FDb, QStringLiteral("zam_wep"), CWepSpalten, positionen);
    zam_ZeilenEinfuegen(FDb, QStringLiteral("zam_bewegung"), CJournalSpalten, journal);
    return nr;
}

QVariantList TZAM_WEBuchServerSql::Journalzeile(const TZAM_WEBuchAuftrag& AAuftrag, const TZeile& AZeile,
                                                const TIntTrio& AProt, qint64 AZeit)
{
    // Goods entering the warehouse: no from-place, no correction; the to-branch is the branch whose
    // stock rose. The reference is the owner's when the line has one, else the disposition (kind 0);
    // the movement type 45 marks a line received against a disposition.
    const TInt32Trio& p = AAuftrag.ProduktId;
    const TIntTrio verweis = AZeile.MitVerweis ? AZeile.Verweis.Id : AZeile.MitDispo ? AZeile.DispoId : TIntTrio();
    return {AProt.Id1,
            AProt.Id2,
            AProt.Id3,
            AZeit,
            AAuftrag.Mitarbeiter.Id1,
            AAuftrag.Mitarbeiter.Id2,
            p.Id1,
            p.Id2,
            p.Id3,
            AZeile.GrInd,
            AZeile.Ort.Id1,
            AZeile.Ort.Id2,
            AZeile.Ort.Id3,
            AZeile.Menge,
            0,
            0,
            -1,
            AZeile.BFFiliale,
            AZeile.MitVerweis ? int(AZeile.Verweis.Kennung) : 0,
            verweis.Id1,
            verweis.Id2,
            verweis.Id3,
            AZeile.MitDispo ? CDispoTyp : 0};
}

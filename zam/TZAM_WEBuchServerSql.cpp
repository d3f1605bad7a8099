// The goods-receipt posting: the bracket of an item and its test. See TZAM_WEBuchServerSql_Buchen.cpp
// for what is booked.
#include "TZAM_WEBuchServerSql.h"

#include "TSCANNMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_GanzOderGarNicht.h"
#include "TZAM_Lagersperren.h"
#include "TZAM_Werteliste.h"

#include <algorithm>

namespace {

constexpr int COperationsArt = 136; // goods receipt
constexpr int CDispoTyp = 45;       // order lines that are dispositions
const QString CName = QStringLiteral("TZAM_WEBuchServerSql.Buchen");

// A reference or disposition counts when it is defined and not the placeholder CMaxIntTrio.
bool Echt(const TIntTrio& AId)
{
    return AId.Defined() && AId != CMaxIntTrio;
}

} // namespace

bool TZAM_WEBuchServerSql::Buchen(const TZAM_WEBuchAuftrag& AAuftrag, TZAM_WEBuchErgebnis& AErgebnis)
{
    AErgebnis = TZAM_WEBuchErgebnis();
    FFilialen.clear();
    FGroessen.clear();
    FDispoGeschlossen.clear();
    FPositionen.clear();
    // A refusal takes back this item only.
    AErgebnis.Gebucht = zam_GanzOderGarNicht(FDb, COperationsArt, CName, QStringLiteral("zam_webuchung_"), [&] {
        QList<TZeile> zeilen;
        if (Pruefen(AAuftrag, zeilen, AErgebnis.Meldungen) && Ausfuehren(AAuftrag, zeilen, AErgebnis))
            return true;
        AErgebnis.Menge.Init();
        AErgebnis.BelegNr.clear();
        return false;
    });
    return AErgebnis.Gebucht;
}

bool TZAM_WEBuchServerSql::Pruefen(const TZAM_WEBuchAuftrag& AAuftrag, QList<TZeile>& AZeilen,
                                   TZAM_InfoMeldungListe& AMeldungen)
{
    const TInt32Trio& p = AAuftrag.ProduktId;
    const QVariant gesperrt =
        FDb.LesenWert(QStringLiteral("SELECT we_gesperrt FROM zam_artikel WHERE prod_id1 = ? AND prod_id2 = ? AND "
                                     "prod_id3 = ?"),
                      {p.Id1, p.Id2, p.Id3});
    if (!gesperrt.isValid()) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ArtikelUnbekannt, {p.ToText()});
        return false;
    }
    if (gesperrt.toInt() != 0) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ArtikelGesperrt, {p.ToText()});
        return false;
    }
    if (AAuftrag.Modus == 1 && !AAuftrag.Lagerplatz.Defined()) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_KeinLagerplatz);
        return false;
    }
    if (!ZeilenLesen(AAuftrag, AZeilen, AMeldungen))
        return false;
    DisposSperren(AZeilen);

    QHash<TIntTrio, TOrt> orte;
    QHash<qint64, int> geplant; // pieces planned per position so far
    for (TZeile& z : AZeilen) {
        if (!FGroessen.contains(z.GrInd) &&
            FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_groesse WHERE prod_id1 = ? AND "
                                         "prod_id2 = ? AND prod_id3 = ? AND groesse = ?"),
                          {p.Id1, p.Id2, p.Id3, z.GrInd}, 0)
                    .toInt() == 0) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_GroesseUnbekannt, {p.ToText(), QString::number(z.GrInd)});
            return false;
        }
        FGroessen.insert(z.GrInd);
        // A line of 0 pieces books nothing; it is only consumed with its group.
        if (z.Menge == 0)
            continue;
        if (!orte.contains(z.Ort)) {
            TOrt info;
            if (!OrtPruefen(z.Ort, info, AMeldungen))
                return false;
            orte.insert(z.Ort, info);
        }
        const TOrt& ort = orte.value(z.Ort);
        z.Bereich = ort.Bereich;
        if (z.MitDispo && !DispoPruefen(AAuftrag, z, geplant, AMeldungen))
            return false;
        // Whose branch stock the pieces raise: the target branch when it belongs to the place's
        // warehouse, else the disposition's order branch, else the warehouse's first branch.
        // A warehouse without branches keeps no branch stock.
        const QList<int>& filialen = Filialen_4_Lager(ort.Lager);
        const int auftrFiliale = z.BFFiliale; // what DispoPruefen found, else -1
        if (filialen.contains(z.Filiale))
            z.BFFiliale = z.Filiale;
        else if (!filialen.contains(auftrFiliale))
            z.BFFiliale = filialen.isEmpty() ? -1 : filialen.first();
    }
    return true;
}

bool TZAM_WEBuchServerSql::ZeilenLesen(const TZAM_WEBuchAuftrag& AAuftrag, QList<TZeile>& AZeilen,
                                       TZAM_InfoMeldungListe& AMeldungen)
{
    // Each record once, in key order: the order in which they are consumed.
    QMap<qint64, TIntTrio> ids;
    for (const TIntTrio& ident : AAuftrag.ScanIdents) {
        const qint64 id = TSCANNMani::Id_4_Ident(ident);
        if (id <= 0) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ScansatzUnbekannt, {ident.ToText()});
            return false;
        }
        ids.insert(id, ident);
    }
    if (ids.isEmpty()) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_KeineScansaetze);
        return false;
    }
    QVariantList werte;
    for (qint64 id : ids.keys())
        werte << id;
    const TZAM_Zeilen gelesen = FDb.Lesen(
        QStringLiteral("SELECT id, offen, prod_id1, prod_id2, prod_id3, groesse, menge, lo_id1, lo_id2, lo_id3, "
                       "dispo_id1, dispo_id2, dispo_id3, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, "
                       "lager_filiale, lieferschein FROM zam_scansatz WHERE id IN (%1)")
            .arg(zam_Platzhalter(werte.size())),
        werte);
    QHash<qint64, QVariantList> zeilen;
    for (const QVariantList& r : gelesen.Zeilen())
        zeilen.insert(r.at(0).toLongLong(), r);

    for (auto it = ids.cbegin(); it != ids.cend(); ++it) {
        const QString text = it.value().ToText();
        if (!zeilen.contains(it.key())) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ScansatzUnbekannt, {text});
            return false;
        }
        const QVariantList& r = zeilen.value(it.key());
        const TInt32Trio produkt(r.at(2).toInt(), r.at(3).toInt(), r.at(4).toInt());
        if (r.at(1).toInt() == 0) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ScansatzGebucht, {text});
            return false;
        }
        if (produkt != AAuftrag.ProduktId) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_ScansatzFremdesProdukt, {text, AAuftrag.ProduktId.ToText()});
            return false;
        }
        TZeile z;
        z.Id = it.key();
        z.Ident = it.value();
        z.GrInd = r.at(5).toInt();
        if (!zam_Intv100_IstGroesse(z.GrInd)) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_GroesseUngueltig, {text, QString::number(z.GrInd)});
            return false;
        }
        z.Menge = r.at(6).toInt();
        z.Ort = AAuftrag.Modus == 1 ? AAuftrag.Lagerplatz : Trio(r, 7);
        z.DispoId = Trio(r, 10);
        z.MitDispo = Echt(z.DispoId);
        z.Verweis = TZAM_PersArt_ExtVerweis::Construct(quint8(r.at(13).toInt()), Trio(r, 14), r.at(17).toInt());
        z.MitVerweis = z.Verweis.Defined() && Echt(z.Verweis.Id);
        z.Filiale = r.at(18).toInt();
        z.Lieferschein = r.at(19).toString();
        AZeilen.append(z);
    }
    return true;
}

bool TZAM_WEBuchServerSql::OrtPruefen(const TIntTrio& AOrt, TOrt& AInfo, TZAM_InfoMeldungListe& AMeldungen)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT lager, bereich, gesperrt FROM zam_lagerort WHERE id1 = ? "
                                                   "AND id2 = ? AND id3 = ?"),
                                    {AOrt.Id1, AOrt.Id2, AOrt.Id3});
    if (z.IsEmpty()) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_LagerortUnbekannt, {AOrt.ToText()});
        return false;
    }
    AInfo.Lager = z.Wert(0, 0).toInt();
    AInfo.Bereich = z.Wert(0, 1).toInt();
    AInfo.Gesperrt = z.Wert(0, 2).toInt() != 0;
    if (AInfo.Gesperrt) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_LagerortGesperrt, {AOrt.ToText()});
        return false;
    }
    // Another program's lock of the place, or of anything it stands on, keeps the goods off it.
    TIntTrio id = AOrt;
    for (int tiefe = 0; tiefe < 32 && id.Defined(); ++tiefe) {
        QString halter;
        if (TZAM_Lagersperren::Fremd(id, &halter)) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_LagerortFremdGesperrt, {id.ToText(), halter});
            return false;
        }
        const TZAM_Zeilen auf = FDb.Lesen(QStringLiteral("SELECT auf_id1, auf_id2, auf_id3 FROM zam_lagerort WHERE "
                                                         "id1 = ? AND id2 = ? AND id3 = ? AND auf_id1 IS NOT NULL"),
                                          {id.Id1, id.Id2, id.Id3});
        if (auf.IsEmpty())
            break;
        id = Trio(auf.Zeilen().first(), 0);
    }
    return true;
}

void TZAM_WEBuchServerSql::DisposSperren(const QList<TZeile>& AZeilen)
{
    // SQLite's bracket holds the whole file already.
    if (FDb.IstSQLite())
        return;
    QList<TIntTrio> dispos;
    for (const TZeile& z : AZeilen)
        if (z.MitDispo && z.Menge > 0 && !dispos.contains(z.DispoId))
            dispos.append(z.DispoId);
    std::sort(dispos.begin(), dispos.end());
    for (const TIntTrio& d : dispos)
        FDb.Lesen(QStringLiteral("SELECT id FROM zam_bnep WHERE bne_id1 = ? AND bne_id2 = ? AND bne_id3 = ? "
                                 "ORDER BY id FOR UPDATE"),
                  {d.Id1, d.Id2, d.Id3});
}

bool TZAM_WEBuchServerSql::DispoPruefen(const TZAM_WEBuchAuftrag& AAuftrag, TZeile& AZeile,
                                        QHash<qint64, int>& AGeplant, TZAM_InfoMeldungListe& AMeldungen)
{
    const TIntTrio& d = AZeile.DispoId;
    const TInt32Trio& p = AAuftrag.ProduktId;
    if (!FDispoGeschlossen.contains(d)) {
        const TZAM_Zeilen kopf = FDb.Lesen(QStringLiteral("SELECT geschlossen FROM zam_bne WHERE id1 = ? AND id2 = ? "
                                                          "AND id3 = ? AND typ = ? AND prod_id1 = ? AND prod_id2 = ? "
                                                          "AND prod_id3 = ?"),
                                           {d.Id1, d.Id2, d.Id3, CDispoTyp, p.Id1, p.Id2, p.Id3});
        if (kopf.IsEmpty()) {
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_DispoUnbekannt, {d.ToText(), p.ToText()});
            return false;
        }
        FDispoGeschlossen.insert(d, kopf.Wert(0, 0).toInt() != 0);
    }
    if (FDispoGeschlossen.value(d)) {
        AMeldungen.Meldung_Add(CZAM_Info_WEBuch_DispoGeschlossen, {d.ToText()});
        return false;
    }
    // The positions of the target branch and size: with a reference the reference's; without,
    // every position of the branch, those without reference first (the customer-order shares of a
    // count list are received on the positions that carry them).
    QString sql = QStringLiteral("SELECT id, menge - erhalten, auftr_filiale FROM zam_bnep WHERE bne_id1 = ? AND "
                                 "bne_id2 = ? AND bne_id3 = ? AND ziel_filiale = ? AND groesse = ?");
    QVariantList werte{d.Id1, d.Id2, d.Id3, AZeile.Filiale, AZeile.GrInd};
    const TZAM_PersArt_ExtVerweis& v = AZeile.Verweis;
    if (AZeile.MitVerweis) {
        sql +=
            QStringLiteral(" AND ext_kennung = ? AND ext_id1 = ? AND ext_id2 = ? AND ext_id3 = ? AND ext_nummer = ?");
        werte << int(v.Kennung) << v.Id.Id1 << v.Id.Id2 << v.Id.Id3 << v.Nummer;
    }
    sql += QStringLiteral(" ORDER BY CASE WHEN ext_kennung = 0 THEN 0 ELSE 1 END, id");
    // Lines of one key read the same positions: what earlier lines take is counted in AGeplant.
    QString schluessel = sql;
    for (const QVariant& w : werte)
        schluessel += QLatin1Char('|') + w.toString();
    auto gelesen = FPositionen.find(schluessel);
    if (gelesen == FPositionen.end())
        gelesen = FPositionen.insert(schluessel, FDb.Lesen(sql, werte));
    const TZAM_Zeilen pos = *gelesen;
    if (pos.IsEmpty()) {
        if (AZeile.MitVerweis)
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_KeinePositionVerweis, {d.ToText(), QString::number(AZeile.Filiale),
                                                                           QString::number(AZeile.GrInd), v.ToText()});
        else
            AMeldungen.Meldung_Add(CZAM_Info_WEBuch_KeinePosition,
                                   {d.ToText(), QString::number(AZeile.Filiale), QString::number(AZeile.GrInd)});
        return false;
    }
    // Each position up to what is still open of it (less what earlier lines of this item take),
    // the rest on the first: received may exceed planned.
    int rest = AZeile.Menge;
    for (const QVariantList& r : pos.Zeilen()) {
        if (rest == 0)
            break;
        const qint64 id = r.at(0).toLongLong();
        const int teil = qMin(rest, qMax(r.at(1).toInt() - AGeplant.value(id), 0));
        if (teil > 0) {
            AZeile.Anteile.append({id, teil});
            AGeplant[id] += teil;
            rest -= teil;
        }
    }
    if (rest > 0) {
        const qint64 erste = pos.Wert(0, 0).toLongLong();
        if (!AZeile.Anteile.isEmpty() && AZeile.Anteile.first().first == erste)
            AZeile.Anteile.first().second += rest;
        else
            AZeile.Anteile.prepend({erste, rest});
        AGeplant[erste] += rest;
    }
    AZeile.BFFiliale = pos.Wert(0, 2).toInt(); // the order branch, should the target branch not do
    return true;
}

const QList<int>& TZAM_WEBuchServerSql::Filialen_4_Lager(int ALager)
{
    auto it = FFilialen.find(ALager);
    if (it == FFilialen.end()) {
        QList<int> filialen;
        const TZAM_Zeilen z = FDb.Lesen(
            QStringLiteral("SELECT filiale FROM zam_lagergruppe_filiale WHERE lager = ? ORDER BY reihenfolge, filiale"),
            {ALager});
        for (const QVariantList& r : z.Zeilen())
            filialen.append(r.at(0).toInt());
        it = FFilialen.insert(ALager, filialen);
    }
    return *it;
}

int TZAM_WEBuchServerSql::OffeneLoeschen(const QList<TIntTrio>& AScanIdents)
{
    QVariantList werte;
    for (const TIntTrio& ident : AScanIdents)
        if (const qint64 id = TSCANNMani::Id_4_Ident(ident); id > 0)
            werte << id;
    if (werte.isEmpty())
        return 0;
    return FDb.Schreiben(
        QStringLiteral("DELETE FROM zam_scansatz WHERE offen = 1 AND id IN (%1)").arg(zam_Platzhalter(werte.size())),
        werte);
}

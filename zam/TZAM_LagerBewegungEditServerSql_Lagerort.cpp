// The movement service's manual movements on one place: a stock receipt or issue, the move of a
// container with everything in and on it, and the branch assignment of a place.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Bestandsplan.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Korrektur.h"
#include "TZAM_Lagerort_Info.h"
#include "ZAMInfoKoords.h"

namespace {

const QString CKlasse = QStringLiteral("TZAM_LagerBewegungEditServerSql.");
// The journal's relocation kind of goods that moved with their container (their stock rows stay
// on the container).
constexpr int CUmlagerung_MitBehaelter = 9;

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

} // namespace

int TZAM_LagerBewegungEditServerSql::Einzige_Filiale(int ALager)
{
    const QList<int> filialen = Filialen_4_Lager(ALager);
    return filialen.size() == 1 ? filialen.first() : -1;
}

bool TZAM_LagerBewegungEditServerSql::LagerZuAbgang_Buchen(
    int AModus, const TIntTrio& AVon, const TIntTrio& AAn,
    const QList<TZAM_Intv100_Sortiment_MeMitProduktIdMitFil>& AMengen, int ALager, const TIntPair& AMitarbeiter,
    TZAM_InfoMeldungListe& AMeldungen, bool ABuchen)
{
    if (AModus != CZAM_LagerZugang && AModus != CZAM_LagerAbgang)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Modus = %1").arg(AModus),
                             CKlasse + QStringLiteral("LagerZuAbgang_Buchen"));
    const bool zugang = AModus == CZAM_LagerZugang;
    const TIntTrio ortId = zugang ? AAn : AVon;
    TVorratAn vorrat(*this);
    TOrt ort;
    if (!ortId.Defined() || !Ort_Lesen(ortId, ort)) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_LagerortUnbekannt, {ortId.ToText()});
        return false;
    }
    if (ort.Lager != ALager) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_FremdesLager, {ortId.ToText(), QString::number(ALager)});
        return false;
    }

    // One movement per line and size: onto the place with a gain of the line's branch, or off it
    // with a loss of the branch.
    const QList<int> filialen = Filialen_4_Lager(ALager);
    const QDateTime jetzt = QDateTime::currentDateTime();
    QList<std::pair<TZAM_Lager_BEW, TZAM_Lager_BNE_Korrektur>> schritte;
    QMap<QPair<TInt32Trio, int>, int> abgaenge;
    for (const TZAM_Intv100_Sortiment_MeMitProduktIdMitFil& zeile : AMengen) {
        if (!filialen.contains(zeile.Filiale)) {
            AMeldungen.Meldung_Add(CZAM_Info_Lagbew_FilialeFremd,
                                   {QString::number(zeile.Filiale), QString::number(ALager)});
            return false;
        }
        for (int gr = 0; gr < CZAM_Intv100_Anzahl; ++gr) {
            const int menge = zeile.Menge.Menge(gr);
            if (menge == 0)
                continue;
            if (menge < 0) {
                AMeldungen.Meldung_Add(CZAM_Info_Lagbew_MengeUngueltig, {QString::number(menge)});
                return false;
            }
            TZAM_Lager_BEW bew;
            bew.ProduktId = zeile.ProduktId;
            bew.GrInd = quint8(gr);
            (zugang ? bew.AnLagerortId : bew.VonLagerortId) = ortId;
            bew.Menge = menge;
            bew.Buchungszeit = jetzt;
            bew.Mitarbeiter = AMitarbeiter;
            schritte.append({bew, zam_Korrektur(bew, zugang ? CZAM_Korrektur_InventurPlus : CZAM_Korrektur_InventurMinus,
                                                zeile.Filiale, zeile.Filiale)});
            abgaenge[{zeile.ProduktId, gr}] += menge;
        }
    }
    if (schritte.isEmpty()) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_MengeUngueltig, {QStringLiteral("0")});
        return false;
    }

    // One plan for every line: two lines of the same article size are checked together.
    const auto planen = [&](TZAM_Bestandsplan& APlan) {
        for (const auto& [bew, k] : schritte)
            if (!Planen(bew, &k, k.VonFiliale, APlan, AMeldungen))
                return false;
        return zugang || Unreserviert_Reicht(ortId, abgaenge, AMeldungen);
    };
    if (!ABuchen) {
        TZAM_Bestandsplan plan;
        return planen(plan) && plan.Pruefen(FDb, AMeldungen);
    }
    return GanzOderGarNicht(QStringLiteral("LagerZuAbgang_Buchen"), [&] {
        TZAM_Bestandsplan plan;
        if (!planen(plan) || !plan.Ausfuehren(FDb, AMeldungen))
            return false;
        Journal(schritte);
        return true;
    });
}

bool TZAM_LagerBewegungEditServerSql::Unreserviert_Reicht(const TIntTrio& AOrt,
                                                          const QMap<QPair<TInt32Trio, int>, int>& AMengen,
                                                          TZAM_InfoMeldungListe& AMeldungen)
{
    for (auto it = AMengen.cbegin(); it != AMengen.cend(); ++it) {
        const TInt32Trio& p = it.key().first;
        const QVariantList schluessel = Werte(AOrt) + QVariantList{p.Id1, p.Id2, p.Id3, it.key().second};
        const qint64 reserviert =
            FDb.LesenWert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_lvpb WHERE lo_id1 = ? AND lo_id2 = ? "
                                         "AND lo_id3 = ? AND prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? "
                                         "AND groesse = ?"),
                          schluessel, 0)
                .toLongLong();
        if (reserviert == 0)
            continue;
        const qint64 frei = Lagerplatzbestand(p, it.key().second, AOrt) - reserviert;
        if (frei < it.value()) {
            AMeldungen.Meldung_Add(CZAM_Info_Lagbew_Reserviert,
                                   {p.ToText(), QString::number(it.key().second), AOrt.ToText(),
                                    QString::number(qMax<qint64>(frei, 0)), QString::number(it.value())});
            return false;
        }
    }
    return true;
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Zuordnung_Pruefen(const TIntTrio& ABehaelter, const TIntTrio& AZiel,
                                                                  TZAM_InfoMeldungListe& AMeldungen)
{
    TOrt beh, ziel;
    if (!ABehaelter.Defined() || !Ort_Lesen(ABehaelter, beh)) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_LagerortUnbekannt, {ABehaelter.ToText()});
        return false;
    }
    if (beh.Kennung != CZAM_Lagerort_Behaelter) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_KeinBehaelter, {ABehaelter.ToText()});
        return false;
    }
    if (!AZiel.Defined() || !Ort_Lesen(AZiel, ziel)) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_LagerortUnbekannt, {AZiel.ToText()});
        return false;
    }
    bool ok = true;
    if (ziel.Lager != beh.Lager) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_FremdesLager, {AZiel.ToText(), QString::number(beh.Lager)});
        ok = false;
    }
    // The target and everything it stands on: not the container itself (a cycle), no container on
    // transport or with its slip printed (its goods are gone on paper).
    TOrt o = ziel;
    for (int tiefe = 0; tiefe < 32; ++tiefe) {
        if (o.Id == ABehaelter) {
            AMeldungen.Meldung_Add(CZAM_Info_Lagbew_BehaelterZyklus, {ABehaelter.ToText(), AZiel.ToText()});
            ok = false;
            break;
        }
        if (o.Kennung == CZAM_Lagerort_Behaelter) {
            TZAM_Lager_Gitterwagen_Zuordnungsdaten d;
            if (Behaelter_Zuordnung_Lesen(o.Id, d)) {
                if (d.AufTransport) {
                    AMeldungen.Meldung_Add(CZAM_Info_Lagbew_BehaelterAufTransport, {o.Id.ToText()});
                    ok = false;
                }
                if (d.WBSGedruckt || d.WBSListenNr.Defined()) {
                    AMeldungen.Meldung_Add(CZAM_Info_Lagbew_BehaelterWBSGedruckt, {o.Id.ToText()});
                    ok = false;
                }
            }
        }
        const TIntTrio auf = o.Auf;
        if (!auf.Defined() || !Ort_Lesen(auf, o))
            break;
    }
    // Locks: the container with what it stands on now, the target with what it stands on.
    if (FremdGesperrt(beh, AMeldungen))
        ok = false;
    if (FremdGesperrt(ziel, AMeldungen))
        ok = false;
    return ok;
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Umsetzen(const TIntTrio& ABehaelter, const TIntTrio& AZiel,
                                                         TZAM_InfoMeldungListe& AMeldungen, bool ABuchen,
                                                         const QString& /*ASchluessel*/)
{
    if (!ABuchen)
        return Behaelter_Zuordnung_Pruefen(ABehaelter, AZiel, AMeldungen);
    return GanzOderGarNicht(QStringLiteral("Behaelter_Umsetzen"), [&] {
        if (!Behaelter_Zuordnung_Pruefen(ABehaelter, AZiel, AMeldungen))
            return false;
        TOrt beh;
        Ort_Lesen(ABehaelter, beh);
        FDb.Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = ?, auf_id2 = ?, auf_id3 = ? "
                                     "WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                      Werte(AZiel) + Werte(ABehaelter));
        // The goods stay on their containers; the journal says where they went with them.
        const TZAM_Zeilen z = FDb.Lesen(
            QStringLiteral("WITH RECURSIVE innen (id1, id2, id3) AS (SELECT CAST(? AS INTEGER), CAST(? AS INTEGER), "
                           "CAST(? AS INTEGER) UNION SELECT o.id1, o.id2, o.id3 FROM zam_lagerort o JOIN innen i ON "
                           "o.auf_id1 = i.id1 AND o.auf_id2 = i.id2 AND o.auf_id3 = i.id3) "
                           "SELECT b.prod_id1, b.prod_id2, b.prod_id3, b.groesse, SUM(b.menge) FROM zam_bestand b "
                           "JOIN innen i ON b.lo_id1 = i.id1 AND b.lo_id2 = i.id2 AND b.lo_id3 = i.id3 "
                           "WHERE b.menge > 0 GROUP BY b.prod_id1, b.prod_id2, b.prod_id3, b.groesse "
                           "ORDER BY b.prod_id1, b.prod_id2, b.prod_id3, b.groesse"),
            Werte(ABehaelter));
        QList<std::pair<TZAM_Lager_BEW, TZAM_Lager_BNE_Korrektur>> schritte;
        const QDateTime jetzt = QDateTime::currentDateTime();
        for (const QVariantList& r : z.Zeilen()) {
            TZAM_Lager_BEW bew;
            bew.ProduktId = TInt32Trio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
            bew.GrInd = quint8(r.at(3).toInt());
            bew.VonLagerortId = beh.Auf;
            bew.AnLagerortId = AZiel;
            bew.Menge = int(r.at(4).toLongLong());
            bew.Buchungszeit = jetzt;
            schritte.append({bew, TZAM_Lager_BNE_Korrektur()});
        }
        if (!schritte.isEmpty())
            Journal(schritte, CUmlagerung_MitBehaelter);
        return true;
    });
}

void TZAM_LagerBewegungEditServerSql::Lagerort_FilialeZuordnen(int AFiliale, const TIntTrio& ALagerort)
{
    const QString name = CKlasse + QStringLiteral("Lagerort_FilialeZuordnen");
    TOrt ort;
    if (!ALagerort.Defined() || !Ort_Lesen(ALagerort, ort))
        throw EZAM_Exception(CZAM_Info_Lagbew_LagerortUnbekannt, ALagerort.ToText(), name);
    const int filiale = AFiliale < 0 ? -1 : AFiliale;
    if (filiale >= 0 && !Filialen_4_Lager(ort.Lager).contains(filiale))
        throw EZAM_Exception(CZAM_Info_Lagbew_FilialeFremd, QString::number(filiale), name);
    GanzOderGarNicht(QStringLiteral("Lagerort_FilialeZuordnen"), [&] {
        FDb.Schreiben(QStringLiteral("UPDATE zam_lagerort SET filiale = ? WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                      QVariantList{filiale} + Werte(ALagerort));
        // A container's delivery branch is its assignment, with the branch's warehouse.
        if (ort.Kennung == CZAM_Lagerort_Behaelter) {
            if (filiale >= 0)
                Behaelter_Zuordnen(ALagerort, filiale, ort.Lager);
            else
                FDb.Schreiben(QStringLiteral("UPDATE zam_behaelter SET filiale = -1 WHERE id1 = ? AND id2 = ? "
                                             "AND id3 = ?"),
                              Werte(ALagerort));
        }
        return true;
    });
}

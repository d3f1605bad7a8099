// The incoming documents: creating a document with its movements and, when asked, its stock.
#include "TZAM_EingangsbelegServerSql.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_KundenPosition.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

namespace {

constexpr int COperationsArt = 138; // incoming documents created
constexpr int CTyp = 70;            // order lines of incoming documents (zam_bne.typ and its key's first part)

[[noreturn]] void Abgelehnt(const QString& AText)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, AText,
                         QStringLiteral("TZAM_EingangsbelegServerSql.Schreiben"));
}

QString Text(const TZAM_Eingangsbeleg& ABeleg)
{
    switch (ABeleg.Art) {
    case ebaWBS:
        return QStringLiteral("WBS ") + ABeleg.WBSId.ToText();
    case ebaWEAvis:
        return QStringLiteral("WE-Avis ") + ABeleg.WEAvisId.ToText();
    case ebaFremdnummer:
        return QStringLiteral("Fremdnr. ") + ABeleg.Fremdnummer;
    }
    return {};
}

} // namespace

QStringList TZAM_EingangsbelegServerSql::OffenFortschreibenSql(const QString& AWo)
{
    const QString positionen =
        QStringLiteral("FROM zam_bnep p WHERE p.bne_id1 = zam_bne.id1 AND p.bne_id2 = zam_bne.id2 AND p.bne_id3 = "
                       "zam_bne.id3 AND p.bne_typ = zam_bne.typ AND p.menge - p.erhalten - p.fehlmenge > 0");
    const QString beleg = QStringLiteral("eingang_art, eingang_id1, eingang_id2, eingang_id3, eingang_nr");
    return {QStringLiteral("UPDATE zam_bne SET offen = COALESCE((SELECT SUM(p.menge - p.erhalten - p.fehlmenge) ") +
                positionen + QStringLiteral("), 0), offen_groessen = (SELECT COUNT(DISTINCT p.groesse) ") + positionen +
                QStringLiteral(") WHERE typ = %1 AND (%2)").arg(CTyp).arg(AWo),
            // The product is the only one's when one article is open.
            QStringLiteral("INSERT INTO zam_eingang_offen (art, id1, id2, id3, nr, offen, artikel, groessen, prod_id1, "
                           "prod_id2, prod_id3) SELECT %1, SUM(offen), SUM(CASE WHEN offen > 0 THEN 1 ELSE 0 END), "
                           "SUM(offen_groessen), MIN(CASE WHEN offen > 0 THEN prod_id1 END), MIN(CASE WHEN offen > 0 "
                           "THEN prod_id2 END), MIN(CASE WHEN offen > 0 THEN prod_id3 END) FROM zam_bne WHERE typ = %2 "
                           "AND (%1) IN (SELECT %1 FROM zam_bne WHERE typ = %2 AND (%3)) GROUP BY %1 ON CONFLICT (art, "
                           "id1, id2, id3, nr) DO UPDATE SET offen = excluded.offen, artikel = excluded.artikel, "
                           "groessen = excluded.groessen, prod_id1 = excluded.prod_id1, prod_id2 = excluded.prod_id2, "
                           "prod_id3 = excluded.prod_id3")
                .arg(beleg)
                .arg(CTyp)
                .arg(AWo)};
}

void TZAM_EingangsbelegServerSql::OffenFortschreiben(TZAM_Datenbank& ADb, const QString& AWo,
                                                     const QVariantList& AWerte)
{
    for (const QString& sql : OffenFortschreibenSql(AWo))
        ADb.Schreiben(sql, AWerte);
}

void TZAM_EingangsbelegServerSql::InKlammer(const QString& AName, const std::function<void()>& ARumpf)
{
    IZAM_Buchung& buchung = ZAMBuchung();
    const int tiefe = buchung.Tiefe();
    buchung.Oeffnen(COperationsArt, AName);
    try {
        ARumpf();
        buchung.Schliessen(AName);
    } catch (...) {
        buchung.Aufgeben(tiefe);
        throw;
    }
}

void TZAM_EingangsbelegServerSql::WBS_Anlegen(const TZAM_Eingangsbeleg& ABeleg,
                                              const QList<TZAM_Eingangsbewegung>& ABewegungen, bool ATransportbestand)
{
    TZAM_Eingangsbeleg beleg = ABeleg;
    beleg.Art = ebaWBS;
    InKlammer(QStringLiteral("TZAM_EingangsbelegServerSql.WBS_Anlegen"),
              [&] { Schreiben(beleg, ABewegungen, ATransportbestand); });
}

void TZAM_EingangsbelegServerSql::WEAvis_Anlegen(const TZAM_Eingangsbeleg& ABeleg,
                                                 const QList<TZAM_Eingangsbewegung>& ABewegungen, bool ABestandBuchen)
{
    TZAM_Eingangsbeleg beleg = ABeleg;
    beleg.Art = ebaWEAvis;
    InKlammer(QStringLiteral("TZAM_EingangsbelegServerSql.WEAvis_Anlegen"),
              [&] { Schreiben(beleg, ABewegungen, ABestandBuchen); });
}

void TZAM_EingangsbelegServerSql::Fremdbeleg_Anlegen(const TZAM_Eingangsbeleg& ABeleg,
                                                     const QList<TZAM_Eingangsbewegung>& ABewegungen)
{
    TZAM_Eingangsbeleg beleg = ABeleg;
    beleg.Art = ebaFremdnummer;
    InKlammer(QStringLiteral("TZAM_EingangsbelegServerSql.Fremdbeleg_Anlegen"),
              [&] { Schreiben(beleg, ABewegungen, false); });
}

TZAM_Eingangsbeleg TZAM_EingangsbelegServerSql::Pruefen(const TZAM_Eingangsbeleg& ABeleg,
                                                        QList<TZAM_Eingangsbewegung>& ABewegungen, bool AMitBestand)
{
    TZAM_Eingangsbeleg b = ABeleg;
    QString vorhanden;
    QVariantList schluessel;
    switch (b.Art) {
    case ebaWBS:
        if (!b.WBSId.Defined())
            Abgelehnt(QStringLiteral("WBS ohne Listennummer"));
        vorhanden = QStringLiteral("SELECT COUNT(*) FROM zam_wbs WHERE id1 = ? AND id2 = ?");
        schluessel = {b.WBSId.Id1, b.WBSId.Id2};
        break;
    case ebaWEAvis:
        if (!b.WEAvisId.Defined())
            Abgelehnt(QStringLiteral("WE-Avis ohne Schlüssel"));
        vorhanden = QStringLiteral("SELECT COUNT(*) FROM zam_weav WHERE id1 = ? AND id2 = ? AND id3 = ?");
        schluessel = {b.WEAvisId.Id1, b.WEAvisId.Id2, b.WEAvisId.Id3};
        break;
    case ebaFremdnummer:
        b.Fremdnummer = b.Fremdnummer.trimmed();
        if (b.Fremdnummer.isEmpty())
            Abgelehnt(QStringLiteral("Fremdbeleg ohne Nummer"));
        vorhanden = QStringLiteral("SELECT COUNT(*) FROM zam_fremdbeleg WHERE nummer = ?");
        schluessel = {b.Fremdnummer};
        break;
    default:
        Abgelehnt(QStringLiteral("Belegart %1").arg(int(b.Art)));
    }
    if (FDb.LesenWert(vorhanden, schluessel, 0).toInt() > 0)
        Abgelehnt(Text(b) + QStringLiteral(" existiert bereits"));
    if (ABewegungen.isEmpty())
        Abgelehnt(Text(b) + QStringLiteral(" ohne Bewegungen"));
    if (b.Lager <= 0 && b.AnFiliale >= 0)
        b.Lager = FDb.LesenWert(QStringLiteral("SELECT lager FROM zam_filiale WHERE nummer = ?"), {int(b.AnFiliale)}, 0)
                      .toInt();
    if (b.Lager <= 0)
        b.Lager = -1;
    if (!b.Datum.isValid())
        b.Datum = QDateTime::currentDateTime();

    for (TZAM_Eingangsbewegung& m : ABewegungen) {
        const TInt32Trio& p = m.ProduktId;
        if (m.Menge <= 0)
            Abgelehnt(Text(b) + QStringLiteral(": Menge %1").arg(m.Menge));
        if (FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_groesse WHERE prod_id1 = ? AND "
                                         "prod_id2 = ? AND prod_id3 = ? AND groesse = ?"),
                          {p.Id1, p.Id2, p.Id3, m.GrIdx}, 0)
                .toInt() == 0)
            Abgelehnt(Text(b) + QStringLiteral(": Artikel %1 ohne Größe %2").arg(p.ToText()).arg(m.GrIdx));
        const quint8 kennung = m.Verweis.Kennung;
        if (kennung != 0 && kennung != CZAM_PersArtExt_KuBe && kennung != CZAM_PersArtExt_EXBI)
            Abgelehnt(Text(b) + QStringLiteral(": Verweisart %1").arg(kennung));
        if (kennung == 0)
            m.Verweis.Clear();
        // A customer-order position names its document through its own row.
        if (kennung == CZAM_PersArtExt_KuBe && m.KubeBeleg.IsNull()) {
            const TIntQuad position = QuadAusTrio(m.Verweis.Id, m.Verweis.Nummer);
            m.KubeBeleg = TIntTrio(TZAM_KundenPosition::Spalte(FDb, position, QStringLiteral("atk_id1"), 0).toInt(),
                                   TZAM_KundenPosition::Spalte(FDb, position, QStringLiteral("atk_id2"), 0).toInt(), 0);
        }
        if (m.VonFiliale < 0)
            m.VonFiliale = b.Art == ebaWBS ? b.VonFiliale : qint16(-1);
        if (m.AnFiliale < 0)
            m.AnFiliale = b.AnFiliale;
        if (b.Art == ebaWEAvis && m.Lagerort.IsNull() && b.Lager > 0)
            m.Lagerort = TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, b.Lager);
        if (b.Art != ebaWEAvis)
            m.Lagerort.Clear();
        if (AMitBestand)
            Bestand_Pruefen(b, m);
    }
    return b;
}

void TZAM_EingangsbelegServerSql::Bestand_Pruefen(const TZAM_Eingangsbeleg& ABeleg,
                                                  const TZAM_Eingangsbewegung& ABewegung)
{
    if (ABewegung.AnFiliale < 0)
        Abgelehnt(Text(ABeleg) + QStringLiteral(": Bestand ohne Filiale"));
    if (ABeleg.Art != ebaWEAvis)
        return;
    // The pieces on a place are owned by a branch of the place's warehouse.
    const TIntTrio& o = ABewegung.Lagerort;
    const QVariant lager = FDb.LesenWert(
        QStringLiteral("SELECT lager FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"), {o.Id1, o.Id2, o.Id3});
    if (!lager.isValid())
        Abgelehnt(Text(ABeleg) + QStringLiteral(": Lagerort %1 unbekannt").arg(o.ToText()));
    if (FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lagergruppe_filiale WHERE lager = ? AND filiale = ?"),
                      {lager.toInt(), int(ABewegung.AnFiliale)}, 0)
            .toInt() == 0)
        Abgelehnt(Text(ABeleg) + QStringLiteral(": Filiale %1 gehört nicht zum Lager %2 des Lagerorts %3")
                                     .arg(ABewegung.AnFiliale)
                                     .arg(lager.toInt())
                                     .arg(o.ToText()));
}

void TZAM_EingangsbelegServerSql::Kopf_Schreiben(const TZAM_Eingangsbeleg& ABeleg)
{
    switch (ABeleg.Art) {
    case ebaWBS:
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_wbs (id1, id2, von_filiale, an_filiale, lager, datum) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      {ABeleg.WBSId.Id1, ABeleg.WBSId.Id2, int(ABeleg.VonFiliale), int(ABeleg.AnFiliale), ABeleg.Lager,
                       ABeleg.Datum});
        break;
    case ebaWEAvis:
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_weav (id1, id2, id3, filiale, lager, datum) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      {ABeleg.WEAvisId.Id1, ABeleg.WEAvisId.Id2, ABeleg.WEAvisId.Id3, int(ABeleg.AnFiliale),
                       ABeleg.Lager, ABeleg.Datum});
        break;
    case ebaFremdnummer:
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_fremdbeleg (nummer, lager, filiale, datum) VALUES (?, ?, ?, ?)"),
                      {ABeleg.Fremdnummer, ABeleg.Lager, int(ABeleg.AnFiliale), ABeleg.Datum});
        break;
    }
}

void TZAM_EingangsbelegServerSql::BF_Zubuchen(const TInt32Trio& AProdukt, int AFiliale, int ABestandsart, int AGrIdx,
                                              int AMenge)
{
    const QVariantList schluessel = {AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AFiliale, ABestandsart, AGrIdx};
    FDb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                 "menge) VALUES (?, ?, ?, ?, ?, ?, 0) ON CONFLICT DO NOTHING"),
                  schluessel);
    FDb.MengeAendern(QStringLiteral("zam_bf"), QStringLiteral("menge"),
                     QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND filiale = ? AND "
                                    "bestandsart = ? AND groesse = ?"),
                     schluessel, AMenge);
}

void TZAM_EingangsbelegServerSql::Schreiben(const TZAM_Eingangsbeleg& ABeleg,
                                            const QList<TZAM_Eingangsbewegung>& ABewegungen, bool AMitBestand)
{
    QList<TZAM_Eingangsbewegung> bewegungen = ABewegungen;
    const TZAM_Eingangsbeleg b = Pruefen(ABeleg, bewegungen, AMitBestand);
    Kopf_Schreiben(b);

    // One order line per product, in the order the products first come; the numbers follow
    // the highest given so far (a device that meets another's number at the same moment fails
    // on the key and writes nothing).
    const TIntTrio eingang = b.Art == ebaWBS ? TrioAusPair(b.WBSId, 0) : b.Art == ebaWEAvis ? b.WEAvisId : TIntTrio();
    int naechste = FDb.LesenWert(QStringLiteral("SELECT MAX(id2) FROM zam_bne WHERE id1 = ?"), {CTyp}, 0).toInt();
    const int erste = naechste + 1;
    QHash<TInt32Trio, TIntTrio> zeilen;
    for (const TZAM_Eingangsbewegung& m : bewegungen) {
        TIntTrio id = zeilen.value(m.ProduktId);
        if (id.IsNull()) {
            id = TIntTrio(CTyp, ++naechste, 0);
            zeilen.insert(m.ProduktId, id);
            FDb.Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, "
                                         "prod_id3, bewtyp, eingang_art, eingang_id1, eingang_id2, eingang_id3, "
                                         "eingang_nr) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          {id.Id1, id.Id2, id.Id3, CTyp, b.Datum, m.ProduktId.Id1, m.ProduktId.Id2, m.ProduktId.Id3,
                           m.BewByte, int(b.Art), eingang.Id1, eingang.Id2, eingang.Id3,
                           b.Art == ebaFremdnummer ? b.Fremdnummer : QString()});
        }
        const TZAM_PersArt_ExtVerweis& v = m.Verweis;
        FDb.Schreiben(
            QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                           "quell_filiale, auftrag_id1, auftrag_id2, auftrag_id3, ext_kennung, ext_id1, "
                           "ext_id2, ext_id3, ext_nummer, menge, bewtyp, groesse, lo_id1, lo_id2, lo_id3) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {id.Id1,          id.Id2,          id.Id3,          CTyp,           int(m.AnFiliale), int(m.VonFiliale),
             m.KubeBeleg.Id1, m.KubeBeleg.Id2, m.KubeBeleg.Id3, int(v.Kennung), v.Id.Id1,         v.Id.Id2,
             v.Id.Id3,        v.Nummer,        m.Menge,         m.BewByte,      m.GrIdx,          m.Lagerort.Id1,
             m.Lagerort.Id2,  m.Lagerort.Id3});
        if (!AMitBestand)
            continue;
        if (b.Art == ebaWBS)
            BF_Zubuchen(m.ProduktId, m.AnFiliale, CZAM_ArtBestTyp_Transport, m.GrIdx, m.Menge);
        else if (b.Art == ebaWEAvis) {
            TZAM_BestandServerSql::Zubuchen(FDb, m.Lagerort, m.ProduktId, m.GrIdx, CZAM_ArtBestTyp_Frei, m.Menge);
            BF_Zubuchen(m.ProduktId, m.AnFiliale, CZAM_ArtBestTyp_Frei, m.GrIdx, m.Menge);
        }
    }
    OffenFortschreiben(FDb, QStringLiteral("id1 = ? AND id2 BETWEEN ? AND ?"), {CTyp, erste, naechste});
}

#include "TZAM_AufgabenFilterSql.h"

#include "IZAM_AufgabenEditServer.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "TZAM_Werteliste.h"
#include "ZAMAufgabenCodes.h"

#include <QDateTime>
#include <algorithm>

namespace {
// "p1 = ? AND p2 = ? AND p3 = ?" for the three columns of a key.
QString TrioGleich(const QString& APraefix)
{
    return APraefix + QStringLiteral("1 = ? AND ") + APraefix + QStringLiteral("2 = ? AND ") + APraefix +
           QStringLiteral("3 = ?");
}

QString StatusCode(int AStatus)
{
    return QString(CZAM_Aufgabe_Status_2_Char(AStatus));
}

// The stored marks of the order files.
const QString CJa = QStringLiteral("J");
const QString CNein = QStringLiteral("N");
const QString CZahlungsartRechnung = QStringLiteral("R");
const QString CAuslieferungAbholung = QStringLiteral("A");
const QString CPositionZustandT = QStringLiteral("T"); // positions in this state do not count
} // namespace

QString TZAM_AufgabenFilterSql::Von()
{
    return QStringLiteral(" FROM zam_auko a JOIN zam_auae e ON e.auf_id1 = a.id1 AND e.auf_id2 = a.id2 "
                          "AND e.auf_id3 = a.id3");
}

QString TZAM_AufgabenFilterSql::ExbiZuAufgabe()
{
    return QStringLiteral("x.auftrag_id1 = a.ext_id1 AND x.auftrag_id2 = a.ext_id2 AND x.auftrag_id3 = a.ext_id3 "
                          "AND x.auftrag_nr = a.ext_nummer");
}

QString TZAM_AufgabenFilterSql::BelegZuAufgabe()
{
    return QStringLiteral("k.id1 = a.ext_id1 AND k.id2 = a.ext_id2");
}

TZAM_AufgabenFilterSql::TZAM_AufgabenFilterSql(const TZAM_Aufgaben_Suchkriterien& K)
{
    Codes(QStringLiteral("a.art"), K.Arten, CZAM_Aufgabe_Art_Max, CZAM_Aufgabe_Art_2_Kuerzel);
    Codes(QStringLiteral("a.status"), K.Status, CZAM_Aufgabe_Status_Max, StatusCode);
    Codes(QStringLiteral("a.gv"), K.Geschaeftsvorfaelle, CZAM_Aufgabe_Geschaeftsvorfall_Max,
          CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel);
    for (const auto& [menge, nicht] :
         {std::pair{K.ExtVerweisEinschluss, false}, std::pair{K.ExtVerweisAusschluss, true}}) {
        QVariantList kennungen;
        for (int bit = 0; bit < 8; ++bit)
            if (menge & ZAMSetBit(bit))
                kennungen << bit;
        EinerVon(QStringLiteral("a.ext_kennung"), kennungen, nicht);
    }
    if (K.Lager >= 0)
        Bedingung(QStringLiteral("a.lager = ?"), {K.Lager});
    if (K.QuellFiliale >= 0)
        Bedingung(QStringLiteral("e.quell_filiale = ?"), {int(K.QuellFiliale)});
    if (K.ZielFiliale > 0)
        Bedingung(QStringLiteral("e.ziel_filiale = ?"), {int(K.ZielFiliale)});
    if (!K.Teamsport.IsUnDefined())
        Bedingung(QStringLiteral("a.teamsport = ?"), {K.Teamsport.IsTrue() ? 1 : 0});
    if (K.NurBezahlte)
        Bezahlt();
    Herkuenfte(K.Herkuenfte);
    BuchFilialen(K.BuchFilialen);
    Zeitraum(QStringLiteral("a.bearbeitung"), K.BearbeitungVon, K.BearbeitungBis);
    Zeitraum(QStringLiteral("a.erstellt"), K.ErstelltVon, K.ErstelltBis);
    if (!K.ProduktId.IsNull())
        Bedingung(QStringLiteral("a.prod_id1 = ? AND a.prod_id2 = ? AND a.prod_id3 = ?"),
                  {K.ProduktId.Id1, K.ProduktId.Id2, K.ProduktId.Id3});
    if (K.GroessenIndex != 255)
        Bedingung(QStringLiteral("a.groesse = ?"), {int(K.GroessenIndex)});
    Gleich(QStringLiteral("a.ziel_lo_id"), K.ZielLagerort);
    if (!K.VorgangsTypen.isEmpty()) {
        QList<int> codes;
        for (char c : K.VorgangsTypen)
            if (!codes.contains(uchar(c)))
                codes << uchar(c);
        std::sort(codes.begin(), codes.end());
        QVariantList w;
        for (int c : codes)
            w << c;
        EinerVon(QStringLiteral("e.bne_typ"), w);
    }
    TrioEinerVon(QStringLiteral("a.grund_id"), K.ZusatzIds);
    TrioEinerVon(QStringLiteral("a.id"), K.AufgabenIds);
    // A document is named by its first two parts (as BelegId_4_ExtVerweis answers it).
    if (!K.BelegId.IsNull())
        Bedingung(QStringLiteral("a.ext_kennung = ? AND a.ext_id1 = ? AND a.ext_id2 = ?"),
                  {int(CZAM_PersArtExt_KuBe), K.BelegId.Id1, K.BelegId.Id2});
    if (!K.ExtAuftragsKey.isEmpty())
        Bedingung(QStringLiteral("a.ext_kennung = ? AND EXISTS (SELECT 1 FROM zam_exbi x WHERE ") + ExbiZuAufgabe() +
                      QStringLiteral(" AND x.bestellnr = ?)"),
                  {int(CZAM_PersArtExt_EXBI), K.ExtAuftragsKey});
}

TZAM_AufgabenFilterSql::TZAM_AufgabenFilterSql(const TZAM_AufgabenKopfFilter& F)
{
    if (!F.ArtKuerzel.isEmpty())
        Bedingung(QStringLiteral("a.art = ?"), {F.ArtKuerzel});
    if (!F.GVKuerzel.isEmpty())
        Bedingung(QStringLiteral("a.gv = ?"), {F.GVKuerzel});
    if (!F.StatusZeichen.isEmpty()) {
        QVariantList w;
        for (QChar c : F.StatusZeichen)
            if (!w.contains(QString(c)))
                w << QString(c);
        EinerVon(QStringLiteral("a.status"), w);
    }
    Zeitraum(QStringLiteral("a.erstellt"), F.ErstelltVon, F.ErstelltBis);
    Zeitraum(QStringLiteral("a.bearbeitung"), F.BearbeitungVon, F.BearbeitungBis);
    if (F.Lager >= 0)
        Bedingung(QStringLiteral("a.lager = ?"), {F.Lager});
}

QString TZAM_AufgabenFilterSql::Where() const
{
    if (FBedingungen.isEmpty())
        return {};
    return QStringLiteral(" WHERE ") + FBedingungen.join(QStringLiteral(" AND "));
}

void TZAM_AufgabenFilterSql::Bedingung(const QString& ASql, const QVariantList& AWerte)
{
    FBedingungen << QLatin1Char('(') + ASql + QLatin1Char(')');
    FWerte += AWerte;
}

void TZAM_AufgabenFilterSql::EinerVon(const QString& ASpalte, const QVariantList& AWerte, bool ANicht)
{
    if (AWerte.isEmpty())
        return;
    Bedingung(
        QStringLiteral("%1 %2 (%3)")
            .arg(ASpalte, ANicht ? QStringLiteral("NOT IN") : QStringLiteral("IN"), zam_Platzhalter(AWerte.size())),
        AWerte);
}

void TZAM_AufgabenFilterSql::Codes(const QString& ASpalte, quint32 AMenge, int AMax, QString (*ACode)(int))
{
    if (AMenge == 0)
        return;
    QVariantList codes;
    for (int wert = 0; wert <= AMax; ++wert)
        if (AMenge & ZAMSetBit(wert))
            codes << ACode(wert);
    // Only members without a code: no task can match.
    if (codes.isEmpty())
        Bedingung(QStringLiteral("1 = 0"));
    else
        EinerVon(ASpalte, codes);
}

void TZAM_AufgabenFilterSql::Gleich(const QString& APraefix, const TIntTrio& AWert)
{
    if (AWert.IsNull())
        return;
    Bedingung(TrioGleich(APraefix), {AWert.Id1, AWert.Id2, AWert.Id3});
}

void TZAM_AufgabenFilterSql::TrioEinerVon(const QString& APraefix, const QList<TIntTrio>& AWerte)
{
    if (AWerte.isEmpty())
        return;
    QStringList oder;
    QVariantList w;
    for (const TIntTrio& t : AWerte) {
        oder << QLatin1Char('(') + TrioGleich(APraefix) + QLatin1Char(')');
        w << t.Id1 << t.Id2 << t.Id3;
    }
    Bedingung(oder.join(QStringLiteral(" OR ")), w);
}

void TZAM_AufgabenFilterSql::Zeitraum(const QString& ASpalte, const QDate& AVon, const QDate& ABis)
{
    if (AVon.isValid())
        Bedingung(ASpalte + QStringLiteral(" >= ?"), {QDateTime(AVon, QTime(0, 0))});
    if (ABis.isValid())
        Bedingung(ASpalte + QStringLiteral(" <= ?"), {QDateTime(ABis, QTime(23, 59, 59, 999))});
}

void TZAM_AufgabenFilterSql::Auftrag(const QString& AExbi, const QVariantList& AExbiWerte, const QString& ABeleg,
                                     const QVariantList& ABelegWerte)
{
    Bedingung(QStringLiteral("(a.ext_kennung = ? AND EXISTS (SELECT 1 FROM zam_exbi x %1)) "
                             "OR (a.ext_kennung = ? AND EXISTS (SELECT 1 FROM zam_atk k %2))")
                  .arg(AExbi, ABeleg),
              QVariantList{int(CZAM_PersArtExt_EXBI)} + AExbiWerte + QVariantList{int(CZAM_PersArtExt_KuBe)} +
                  ABelegWerte);
}

// The extended is-paid check of IZAM_BelegEditServer (IstBezahlt_Erw) on the document: no unpaid
// position (but those of state T), or an order on account, or one collected in the branch.
void TZAM_AufgabenFilterSql::Bezahlt()
{
    Auftrag(
        QStringLiteral("WHERE ") + ExbiZuAufgabe() + QStringLiteral(" AND x.bezahlt = ?"), {CJa},
        QStringLiteral("WHERE ") + BelegZuAufgabe() +
            QStringLiteral(" AND (k.zahlungsart = ? OR k.auslieferungtyp = ? OR NOT EXISTS (SELECT 1 FROM zam_atpk p "
                           "JOIN zam_atpb b ON b.pos_id1 = p.pos_id1 AND b.pos_id2 = p.pos_id2 "
                           "AND b.pos_id3 = p.pos_id3 AND b.auftrag_nr = p.pos_id4 "
                           "WHERE p.atk_id1 = k.id1 AND p.atk_id2 = k.id2 AND b.zustand <> ? AND b.bezahlt = ?))"),
        {CZahlungsartRechnung, CAuslieferungAbholung, CPositionZustandT, CNein});
}

void TZAM_AufgabenFilterSql::Herkuenfte(const QSet<QChar>& AHerkuenfte)
{
    if (AHerkuenfte.isEmpty())
        return;
    QStringList h;
    for (QChar c : AHerkuenfte)
        h << QString(c);
    h.sort();
    QVariantList w;
    for (const QString& s : h)
        w << s;
    const QString in = zam_Platzhalter(w.size());
    Auftrag(QStringLiteral("WHERE ") + ExbiZuAufgabe() + QStringLiteral(" AND x.herkunft IN (%1)").arg(in), w,
            QStringLiteral("WHERE ") + BelegZuAufgabe() + QStringLiteral(" AND k.herkunftskz IN (%1)").arg(in), w);
}

// The booking branch must carry one of the organisation keys (both pairs). The document names
// its branch by the organisation id of its creditor; an empty key names no branch.
void TZAM_AufgabenFilterSql::BuchFilialen(const QList<TOrgeIdKompl>& AFilialen)
{
    if (AFilialen.isEmpty())
        return;
    QStringList oder;
    QVariantList w;
    for (const TOrgeIdKompl& o : AFilialen) {
        if (o.IsNull())
            continue;
        oder << QStringLiteral("(f.orge_id1 = ? AND f.orge_id2 = ? AND f.orge_ebene1 = ? AND f.orge_ebene2 = ?)");
        w << o.OrgeId.Id1 << o.OrgeId.Id2 << o.OrgeEbene.Id1 << o.OrgeEbene.Id2;
    }
    if (oder.isEmpty()) {
        Bedingung(QStringLiteral("1 = 0"));
        return;
    }
    const QString filiale = QLatin1Char('(') + oder.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    Auftrag(QStringLiteral("JOIN zam_filiale f ON f.nummer = x.buch_filiale WHERE ") + ExbiZuAufgabe() +
                QStringLiteral(" AND ") + filiale,
            w,
            QStringLiteral("JOIN zam_filiale f ON f.orge_id1 = k.glaeubiger_orge1 AND f.orge_id2 = k.glaeubiger_orge2 "
                           "WHERE ") +
                BelegZuAufgabe() + QStringLiteral(" AND ") + filiale,
            w);
}

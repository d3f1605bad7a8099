#include "TZAM_AufgabenFilterSql.h"

#include <QSet>
#include <algorithm>

namespace {
// "p1 = ? AND p2 = ? AND p3 = ?" for the three columns of a key.
QString TrioGleich(const QString& APraefix)
{
    return APraefix + QStringLiteral("1 = ? AND ") + APraefix + QStringLiteral("2 = ? AND ") + APraefix +
           QStringLiteral("3 = ?");
}

QString Platzhalter(qsizetype AAnzahl)
{
    QStringList p;
    for (qsizetype i = 0; i < AAnzahl; ++i)
        p << QStringLiteral("?");
    return p.join(QStringLiteral(", "));
}
} // namespace

TZAM_AufgabenFilterSql::TZAM_AufgabenFilterSql(const TZAM_Aufgaben_Suchkriterien& K)
{
    Menge(QStringLiteral("a.art"), K.Arten);
    Menge(QStringLiteral("a.status"), K.Status);
    Menge(QStringLiteral("a.geschaeftsvorfall"), K.Geschaeftsvorfaelle);
    Menge(QStringLiteral("a.ext_kennung"), K.ExtVerweisEinschluss);
    Menge(QStringLiteral("a.ext_kennung"), K.ExtVerweisAusschluss, true);
    if (K.Lager >= 0)
        Bedingung(QStringLiteral("a.lager = ?"), {K.Lager});
    if (K.QuellFiliale >= 0)
        Bedingung(QStringLiteral("a.quell_filiale = ?"), {int(K.QuellFiliale)});
    if (K.ZielFiliale > 0)
        Bedingung(QStringLiteral("a.ziel_filiale = ?"), {int(K.ZielFiliale)});
    if (!K.Teamsport.IsUnDefined())
        Bedingung(QStringLiteral("a.teamsport = ?"), {K.Teamsport.IsTrue() ? 1 : 0});
    if (K.NurBezahlte)
        Bedingung(QStringLiteral("a.bezahlt = 1"));
    if (!K.Herkuenfte.isEmpty()) {
        QStringList h;
        for (QChar c : K.Herkuenfte)
            h << QString(c);
        h.sort();
        QVariantList w;
        for (const QString& s : h)
            w << s;
        Bedingung(QStringLiteral("a.herkunft IN (%1)").arg(Platzhalter(w.size())), w);
    }
    if (!K.BuchFilialen.isEmpty()) {
        QStringList oder;
        QVariantList w;
        for (const TOrgeIdKompl& o : K.BuchFilialen) {
            oder << QStringLiteral("(f.orge_id1 = ? AND f.orge_id2 = ? AND f.orge_ebene1 = ? AND f.orge_ebene2 = ?)");
            w << o.OrgeId.Id1 << o.OrgeId.Id2 << o.OrgeEbene.Id1 << o.OrgeEbene.Id2;
        }
        Bedingung(QStringLiteral("a.buch_filiale IN (SELECT f.nummer FROM zam_filiale f WHERE %1)")
                      .arg(oder.join(QStringLiteral(" OR "))),
                  w);
    }
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
        Bedingung(QStringLiteral("a.vorgangstyp IN (%1)").arg(Platzhalter(w.size())), w);
    }
    EinerVon(QStringLiteral("a.grund_id"), K.ZusatzIds);
    EinerVon(QStringLiteral("a.id"), K.AufgabenIds);
    Gleich(QStringLiteral("a.beleg_id"), K.BelegId);
    if (!K.ExtAuftragsKey.isEmpty())
        Bedingung(QStringLiteral("a.ext_auftrag = ?"), {K.ExtAuftragsKey});
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

void TZAM_AufgabenFilterSql::Menge(const QString& ASpalte, quint32 AMenge, bool ANicht)
{
    if (AMenge == 0)
        return;
    QVariantList w;
    for (int bit = 0; bit < 32; ++bit)
        if (AMenge & ZAMSetBit(bit))
            w << bit;
    Bedingung(QStringLiteral("%1 %2 (%3)")
                  .arg(ASpalte, ANicht ? QStringLiteral("NOT IN") : QStringLiteral("IN"), Platzhalter(w.size())),
              w);
}

void TZAM_AufgabenFilterSql::Gleich(const QString& APraefix, const TIntTrio& AWert)
{
    if (AWert.IsNull())
        return;
    Bedingung(TrioGleich(APraefix), {AWert.Id1, AWert.Id2, AWert.Id3});
}

void TZAM_AufgabenFilterSql::EinerVon(const QString& APraefix, const QList<TIntTrio>& AWerte)
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
        Bedingung(ASpalte + QStringLiteral(" >= ?"), {AVon});
    if (ABis.isValid())
        Bedingung(ASpalte + QStringLiteral(" <= ?"), {ABis});
}

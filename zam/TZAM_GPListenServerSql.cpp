#include "TZAM_GPListenServerSql.h"

#include "TZAM_Datenbank.h"

namespace {
const QString CSpalten = QStringLiteral("SELECT id1, id2, nummer, name, art FROM zam_gp");

QList<TZAM_GPEintrag> Eintraege(const TZAM_Zeilen& AZeilen)
{
    QList<TZAM_GPEintrag> ergebnis;
    for (const QVariantList& z : AZeilen.Zeilen()) {
        TZAM_GPEintrag e;
        e.GepNr = TIntPair(z.at(0).toInt(), z.at(1).toInt());
        e.Nummer = z.at(2).toInt();
        e.Name = z.at(3).toString();
        e.Art = z.at(4).toInt();
        ergebnis.append(e);
    }
    return ergebnis;
}

// LIKE pattern for "contains", with the pattern characters of the text taken literally.
QString EnthaeltMuster(const QString& AText)
{
    QString s = AText.toCaseFolded();
    s.replace(QLatin1Char('!'), QLatin1String("!!"));
    s.replace(QLatin1Char('%'), QLatin1String("!%"));
    s.replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + s + QLatin1Char('%');
}
} // namespace

QString TZAM_GPListenServerSql::Name(const TIntPair& AGepNr, int AVariante)
{
    Q_UNUSED(AVariante);
    if (AGepNr.IsNull())
        return {};
    return FDb
        .LesenWert(QStringLiteral("SELECT name FROM zam_gp WHERE id1 = ? AND id2 = ?"), {AGepNr.Id1, AGepNr.Id2},
                   QString())
        .toString();
}

QList<TZAM_GPEintrag> TZAM_GPListenServerSql::Suchen(const QString& AText, int AArt)
{
    const QString text = AText.trimmed();
    QString sql = CSpalten + QStringLiteral(" WHERE (suchname LIKE ? ESCAPE '!'");
    QVariantList werte = {EnthaeltMuster(text)};
    bool istZahl = false;
    const int nummer = text.toInt(&istZahl);
    if (istZahl) {
        sql += QStringLiteral(" OR nummer = ?");
        werte << nummer;
    }
    sql += QLatin1Char(')');
    if (AArt >= 0) {
        sql += QStringLiteral(" AND art = ?");
        werte << AArt;
    }
    sql += QStringLiteral(" ORDER BY suchname {BINAER}, nummer, id1, id2");
    return Eintraege(FDb.Lesen(FDb.Sql(sql), werte));
}

void TZAM_GPListenServerSql::Speichern(TZAM_Datenbank& ADb, const TZAM_GPEintrag& AEintrag)
{
    const QVariantList werte = {AEintrag.Art,       AEintrag.Nummer,   AEintrag.Name, AEintrag.Name.toCaseFolded(),
                                AEintrag.GepNr.Id1, AEintrag.GepNr.Id2};
    if (ADb.Schreiben(QStringLiteral("UPDATE zam_gp SET art = ?, nummer = ?, name = ?, suchname = ? "
                                     "WHERE id1 = ? AND id2 = ?"),
                      werte) == 0)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_gp (art, nummer, name, suchname, id1, id2) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      werte);
}

QList<TZAM_GPEintrag> TZAM_GPListenServerSql::DerArt(TZAM_Datenbank& ADb, int AArt)
{
    return Eintraege(ADb.Lesen(CSpalten + QStringLiteral(" WHERE art = ? ORDER BY nummer, id1, id2"), {AArt}));
}

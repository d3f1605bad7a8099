#include "TZAM_NummernkreisServerSql.h"

#include "TZAM_Datenbank.h"

QList<TZAM_Nummernkreis> TZAM_NummernkreisServerSql::Kreise(int ATabellenArt)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT nummer, art, satztyp FROM zam_nummernkreis WHERE "
                                                   "tabellenart = ? ORDER BY reihenfolge, nummer"),
                                    {ATabellenArt});
    QList<TZAM_Nummernkreis> l;
    for (const QVariantList& r : z.Zeilen())
        l.append({r.at(0).toInt(), quint8(r.at(1).toInt()), r.at(2).toInt()});
    return l;
}

bool TZAM_NummernkreisServerSql::ObjektSatzTypExist(const QString& AObjekt, int ASatzTyp)
{
    return FDb
               .LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_objekt_satztyp WHERE objekt = ? AND satztyp = ?"),
                          {AObjekt, ASatzTyp}, 0)
               .toInt() > 0;
}

int TZAM_NummernkreisServerSql::NaechsteNummer(int ATabellenArt, int ANummer, int AMindestens)
{
    FDb.Schreiben(QStringLiteral("INSERT INTO zam_nummernkreis (tabellenart, nummer, art, satztyp, reihenfolge, stand) "
                                 "VALUES (?, ?, 0, 0, 0, 0) ON CONFLICT (tabellenart, nummer) DO NOTHING"),
                  {ATabellenArt, ANummer});
    // The update takes the row: a second device counts after this bracket ends.
    FDb.Schreiben(QStringLiteral("UPDATE zam_nummernkreis SET stand = (CASE WHEN stand < ? THEN ? ELSE stand END) + 1 "
                                 "WHERE tabellenart = ? AND nummer = ?"),
                  {AMindestens, AMindestens, ATabellenArt, ANummer});
    return FDb
        .LesenWert(QStringLiteral("SELECT stand FROM zam_nummernkreis WHERE tabellenart = ? AND nummer = ?"),
                   {ATabellenArt, ANummer}, 0)
        .toInt();
}

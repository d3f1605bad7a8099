#include "TZAM_FilialTabelleSql.h"

#include "TZAM_Datenbank.h"

namespace {
const QString CSpalten = QStringLiteral(
    "nummer, name, teamsport_plus, orge_id1, orge_id2, orge_ebene1, orge_ebene2, lager, lv_benutzen FROM zam_filiale");

TZAM_Filiale AusZeile(const QVariantList& z)
{
    TZAM_Filiale f;
    f.Nummer = z.at(0).toInt();
    f.Name = z.at(1).toString();
    f.TeamsportPlus = z.at(2).toInt() != 0;
    f.OrgeId.OrgeId = TIntPair(z.at(3).toInt(), z.at(4).toInt());
    f.OrgeId.OrgeEbene = TIntPair(z.at(5).toInt(), z.at(6).toInt());
    f.Lager = z.at(7).toInt();
    f.LVBenutzen = z.at(8).toInt() != 0;
    return f;
}
} // namespace

QList<TZAM_Filiale> TZAM_FilialTabelleSql::Filialen()
{
    const TZAM_Zeilen zeilen = FDb.Lesen(QStringLiteral("SELECT ") + CSpalten + QStringLiteral(" ORDER BY nummer"));
    QList<TZAM_Filiale> ergebnis;
    for (const QVariantList& z : zeilen.Zeilen())
        ergebnis.append(AusZeile(z));
    return ergebnis;
}

bool TZAM_FilialTabelleSql::Filiale(int ANummer, TZAM_Filiale& AFiliale)
{
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT ") + CSpalten + QStringLiteral(" WHERE nummer = ?"), {ANummer});
    if (z.IsEmpty())
        return false;
    AFiliale = AusZeile(z.Zeilen().first());
    return true;
}

int TZAM_FilialTabelleSql::MaxFiliale()
{
    return FDb.LesenWert(QStringLiteral("SELECT MAX(nummer) FROM zam_filiale"), {}, -1).toInt();
}

void TZAM_FilialTabelleSql::Speichern(TZAM_Datenbank& ADb, const TZAM_Filiale& AFiliale)
{
    const TOrgeIdKompl& o = AFiliale.OrgeId;
    const QVariantList werte = {AFiliale.Name,   AFiliale.TeamsportPlus ? 1 : 0,
                                o.OrgeId.Id1,    o.OrgeId.Id2,
                                o.OrgeEbene.Id1, o.OrgeEbene.Id2,
                                AFiliale.Lager,  AFiliale.LVBenutzen ? 1 : 0,
                                AFiliale.Nummer};
    if (ADb.Schreiben(QStringLiteral("UPDATE zam_filiale SET name = ?, teamsport_plus = ?, orge_id1 = ?, orge_id2 = ?, "
                                     "orge_ebene1 = ?, orge_ebene2 = ?, lager = ?, lv_benutzen = ? WHERE nummer = ?"),
                      werte) == 0)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_filiale (name, teamsport_plus, orge_id1, orge_id2, orge_ebene1, "
                                     "orge_ebene2, lager, lv_benutzen, nummer) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      werte);
}

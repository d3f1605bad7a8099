#include "TZAM_LagerEditServerSql.h"

#include "TZAM_Datenbank.h"

#include <QHash>

QList<TZAM_Lagergruppe> TZAM_LagerEditServerSql::Lagergruppen()
{
    const TZAM_Zeilen gruppen =
        FDb.Lesen(QStringLiteral("SELECT nummer, name FROM zam_lagergruppe ORDER BY reihenfolge, nummer"));
    const TZAM_Zeilen filialen = FDb.Lesen(
        QStringLiteral("SELECT lager, filiale FROM zam_lagergruppe_filiale ORDER BY lager, reihenfolge, filiale"));
    QHash<int, QList<int>> proLager;
    for (const QVariantList& z : filialen.Zeilen())
        proLager[z.at(0).toInt()].append(z.at(1).toInt());
    QList<TZAM_Lagergruppe> ergebnis;
    for (const QVariantList& z : gruppen.Zeilen()) {
        TZAM_Lagergruppe g;
        g.Nummer = z.at(0).toInt();
        g.Name = z.at(1).toString();
        g.Filialen = proLager.value(g.Nummer);
        ergebnis.append(g);
    }
    return ergebnis;
}

bool TZAM_LagerEditServerSql::Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT name FROM zam_lagergruppe WHERE nummer = ?"), {ANummer});
    if (z.IsEmpty())
        return false;
    AGruppe = TZAM_Lagergruppe();
    AGruppe.Nummer = ANummer;
    AGruppe.Name = z.Wert(0, 0).toString();
    const TZAM_Zeilen f = FDb.Lesen(
        QStringLiteral("SELECT filiale FROM zam_lagergruppe_filiale WHERE lager = ? ORDER BY reihenfolge, filiale"),
        {ANummer});
    for (const QVariantList& zeile : f.Zeilen())
        AGruppe.Filialen.append(zeile.at(0).toInt());
    return true;
}

#include "TZAM_DruckerKonfigSql.h"

#include "TZAM_Datenbank.h"

QList<TZAM_Drucker> TZAM_DruckerKonfigSql::Drucker()
{
    const TZAM_Zeilen zeilen = FDb.Lesen(QStringLiteral("SELECT typ, name FROM zam_drucker ORDER BY typ, id"));
    QList<TZAM_Drucker> ergebnis;
    for (const QVariantList& z : zeilen.Zeilen())
        ergebnis.append(TZAM_Drucker{z.at(0).toInt(), z.at(1).toString()});
    return ergebnis;
}

QString TZAM_DruckerKonfigSql::DruckerFuerTyp(int ATyp)
{
    return FDb
        .LesenWert(QStringLiteral("SELECT name FROM zam_drucker WHERE typ = ? ORDER BY id LIMIT 1"), {ATyp}, QString())
        .toString();
}

void TZAM_DruckerKonfigSql::Anlegen(TZAM_Datenbank& ADb, const TZAM_Drucker& ADrucker)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_drucker (typ, name) VALUES (?, ?)"), {ADrucker.Typ, ADrucker.Name});
}

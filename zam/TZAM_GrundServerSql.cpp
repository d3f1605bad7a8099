#include "TZAM_GrundServerSql.h"

#include "TZAM_Datenbank.h"

QList<TGrndSatz> TZAM_GrundServerSql::Gruende_Lesen(const QString& AGruppe)
{
    const TZAM_Zeilen zeilen =
        FDb.Lesen(QStringLiteral("SELECT id1, id2, id3, bezeichnung, prio_reihenfolge, nur_aufgabe, prio_signal "
                                 "FROM zam_grund WHERE gruppe = ? ORDER BY id1, id2, id3"),
                  {AGruppe});
    QList<TGrndSatz> ergebnis;
    for (const QVariantList& z : zeilen.Zeilen()) {
        TGrndSatz g;
        g.Id = TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt());
        g.Bezeichnung = z.at(3).toString();
        g.PrioReihenfolge = z.at(4).toInt();
        g.NurAufgabe = z.at(5).toInt() != 0;
        g.PrioSignal = z.at(6).toInt() != 0;
        ergebnis.append(g);
    }
    return ergebnis;
}

#include "TZAM_AuftrFilServerSql.h"

#include "TZAM_Datenbank.h"

QList<TZAM_AuftrFilEintrag> TZAM_AuftrFilServerSql::Eintraege(const TIntPair& ALieferant)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT eintrag, auftr_filiale, filiale FROM zam_auftrfil "
                                                   "WHERE lieferant_id1 = ? AND lieferant_id2 = ? "
                                                   "ORDER BY eintrag, pos"),
                                    {ALieferant.Id1, ALieferant.Id2});
    QList<TZAM_AuftrFilEintrag> l;
    int eintrag = 0;
    for (const QVariantList& r : z.Zeilen()) {
        // The entry's order branch is that of its first row.
        if (l.isEmpty() || r.at(0).toInt() != eintrag) {
            eintrag = r.at(0).toInt();
            l.append(TZAM_AuftrFilEintrag{qint16(r.at(1).toInt()), {}});
        }
        l.last().Filialen.append(qint16(r.at(2).toInt()));
    }
    return l;
}

void TZAM_AuftrFilServerSql::Speichern(const TIntPair& ALieferant, const QList<TZAM_AuftrFilEintrag>& AEintraege)
{
    FDb.Schreiben(QStringLiteral("DELETE FROM zam_auftrfil WHERE lieferant_id1 = ? AND lieferant_id2 = ?"),
                  {ALieferant.Id1, ALieferant.Id2});
    for (qsizetype e = 0; e < AEintraege.size(); ++e)
        for (qsizetype p = 0; p < AEintraege.at(e).Filialen.size(); ++p)
            FDb.Schreiben(QStringLiteral("INSERT INTO zam_auftrfil (lieferant_id1, lieferant_id2, eintrag, "
                                         "auftr_filiale, pos, filiale) VALUES (?, ?, ?, ?, ?, ?)"),
                          {ALieferant.Id1, ALieferant.Id2, int(e + 1), int(AEintraege.at(e).AuftrFiliale), int(p + 1),
                           int(AEintraege.at(e).Filialen.at(p))});
}

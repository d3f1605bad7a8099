#include "TZAM_AbarbEditServerSql.h"

#include "TZAM_Datenbank.h"

bool TZAM_AbarbEditServerSql::AktuelleAbarbeitung(int ALager, TZAM_Abarbeitung& AAbarbeitung)
{
    AAbarbeitung = TZAM_Abarbeitung();
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT nummer, gesondert FROM zam_abarbeitung "
                                                   "WHERE lager = ? AND aktuell = 1 ORDER BY nummer LIMIT 1"),
                                    {ALager});
    if (z.IsEmpty())
        return false;
    AAbarbeitung.Nummer = z.Wert(0, 0).toInt();
    AAbarbeitung.Lager = ALager;
    AAbarbeitung.Gesondert = quint8(z.Wert(0, 1).toInt());
    for (const QVariantList& r :
         FDb.Lesen(QStringLiteral("SELECT filiale, art FROM zam_abarbeitung_vorlage WHERE nummer = ? ORDER BY pos"),
                   {AAbarbeitung.Nummer})
             .Zeilen())
        AAbarbeitung.Vorlage.append({r.at(0).toInt(), r.at(1).toInt()});
    return true;
}
